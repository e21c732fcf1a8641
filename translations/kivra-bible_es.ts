<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>--app-dir needs a folder.</source>
        <translation>--app-dir necesita una carpeta.</translation>
    </message>
    <message>
        <source>--open needs a reference such as &quot;John 3:16&quot;, or a testament, a book and a verse range.</source>
        <translation>--open necesita una cita como «Juan 3:16», o un testamento, un libro y un rango de versículos.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida %1.</translation>
    </message>
    <message>
        <source>Unknown command or wrong number of arguments: %1.</source>
        <translation>Orden desconocida o número de argumentos incorrecto: %1.</translation>
    </message>
    <message>
        <source>Usage: kivra-bible [--app-dir DIR] [--no-splash] [--open REFERENCE | --open TESTAMENT BOOK C:V-C:V]
       kivra-bible [--app-dir DIR] passage REFERENCE | passage TESTAMENT BOOK C:V-C:V
       kivra-bible [--app-dir DIR] export-rtf TESTAMENT BOOK C:V-C:V FILE
       kivra-bible [--app-dir DIR] search [--whole-words] TEXT
       kivra-bible [--app-dir DIR] advanced-search [--whole-words] [--text1 T] [--op1 OP] [--join AND|OR]
                   [--text2 T] [--op2 OP] [--scope TESTAMENT BOOK C:V-C:V]
       kivra-bible [--app-dir DIR] dump FILE
       kivra-bible [--app-dir DIR] export-bookmarks|import-bookmarks FILE
       kivra-bible [--app-dir DIR] export-stories|import-stories FILE
       kivra-bible --help | --version

  --app-dir DIR  use DIR as the program folder (holding Db/ and image/)
  --no-splash    start without the splash window
  --open         start on the given passage instead of the last one read
  passage        print the passage as the reading pane shows it, e.g.
                 kivra-bible passage &quot;Old Testament&quot; Genesis 1:1-1:31
                 kivra-bible passage &quot;John 3:16-18&quot;   (or &quot;Ps 23&quot;, &quot;1 Cor 13&quot;, &quot;Gen 1:1-2:3&quot;)
  export-rtf     write the passage to FILE in RTF as the export does
  search         print every verse containing TEXT (% and _ are wildcards) and the count
  advanced-search  the two-term search; OP is LIKE or &quot;NOT LIKE&quot;
  --whole-words  either search matches whole words only (&quot;faith&quot; leaves out &quot;faithful&quot;)
  dump           print the columns and rows of an exchange file (.kbm, .kbs)
  export-bookmarks  write every bookmark to FILE (.kbm)
  import-bookmarks  add the bookmarks of FILE and their links
  export-stories    write every story with its picture to FILE (.kbs)
  import-stories    add the stories of FILE as new stories
</source>
        <translation>Uso: kivra-bible [--app-dir DIR] [--no-splash] [--open REFERENCE | --open TESTAMENT BOOK C:V-C:V]
     kivra-bible [--app-dir DIR] passage REFERENCE | passage TESTAMENT BOOK C:V-C:V
     kivra-bible [--app-dir DIR] export-rtf TESTAMENT BOOK C:V-C:V FILE
     kivra-bible [--app-dir DIR] search [--whole-words] TEXT
     kivra-bible [--app-dir DIR] advanced-search [--whole-words] [--text1 T] [--op1 OP] [--join AND|OR]
                 [--text2 T] [--op2 OP] [--scope TESTAMENT BOOK C:V-C:V]
     kivra-bible [--app-dir DIR] dump FILE
     kivra-bible [--app-dir DIR] export-bookmarks|import-bookmarks FILE
     kivra-bible [--app-dir DIR] export-stories|import-stories FILE
     kivra-bible --help | --version

  --app-dir DIR  usar DIR como carpeta del programa (con Db/ e image/)
  --no-splash    iniciar sin la ventana de bienvenida
  --open         iniciar en el pasaje indicado en lugar del último leído
  passage        mostrar el pasaje tal como lo muestra el panel de lectura, p. ej.
                 kivra-bible passage &quot;Old Testament&quot; Genesis 1:1-1:31
                 kivra-bible passage &quot;Juan 3:16-18&quot;   (o &quot;Sal 23&quot;, &quot;1 Co 13&quot;, &quot;Gn 1:1-2:3&quot;)
  export-rtf     escribir el pasaje en FILE en formato RTF, como la exportación
  search         mostrar cada versículo que contiene TEXT (% y _ son comodines) y el total
  advanced-search  la búsqueda de dos términos; OP es LIKE o &quot;NOT LIKE&quot;
  --whole-words  ambas búsquedas encuentran solo palabras completas (&quot;fe&quot; no encuentra &quot;fiel&quot;)
  dump           mostrar las columnas y filas de un archivo de intercambio (.kbm, .kbs)
  export-bookmarks  escribir todos los marcadores en FILE (.kbm)
  import-bookmarks  añadir los marcadores de FILE y sus vínculos
  export-stories    escribir todas las historias con su imagen en FILE (.kbs)
  import-stories    añadir las historias de FILE como historias nuevas
</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>it has no column &quot;%1&quot;.</source>
        <translation>no tiene la columna «%1».</translation>
    </message>
    <message>
        <source>row %1 holds &quot;%2&quot; in &quot;%3&quot;, which is no whole number.</source>
        <translation>la fila %1 contiene «%2» en «%3», que no es un número entero.</translation>
    </message>
    <message>
        <source>the bookmark store cannot be read.</source>
        <translation>no se pueden leer los marcadores.</translation>
    </message>
    <message>
        <source>the bookmark store cannot be changed.</source>
        <translation>no se pueden modificar los marcadores.</translation>
    </message>
    <message>
        <source>Kivra! Bible Bookmark (*.kbm)</source>
        <translation>Marcador de Kivra! Bible (*.kbm)</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes)</source>
        <translation>el archivo es demasiado grande (%1 bytes)</translation>
    </message>
    <message>
        <source>The recordset cannot be written back.</source>
        <translation>No se pueden volver a escribir los registros.</translation>
    </message>
    <message>
        <source>column &quot;%1&quot;</source>
        <translation>la columna «%1»</translation>
    </message>
    <message>
        <source>the table has no columns</source>
        <translation>la tabla no tiene columnas</translation>
    </message>
    <message>
        <source>the table has more than 65535 columns</source>
        <translation>la tabla tiene más de 65535 columnas</translation>
    </message>
    <message>
        <source>a column has no name</source>
        <translation>una columna no tiene nombre</translation>
    </message>
    <message>
        <source> needs a maximum length of 1 to 255</source>
        <translation> necesita una longitud máxima de 1 a 255</translation>
    </message>
    <message>
        <source>has more than 4 GiB</source>
        <translation>ocupa más de 4 GiB</translation>
    </message>
    <message>
        <source>is not a 16-bit integer</source>
        <translation>no es un entero de 16 bits</translation>
    </message>
    <message>
        <source>is not a 32-bit integer</source>
        <translation>no es un entero de 32 bits</translation>
    </message>
    <message>
        <source>has %1 characters, more than the %2 the column can hold</source>
        <translation>tiene %1 caracteres, más de los %2 que admite la columna</translation>
    </message>
    <message>
        <source>has %1 bytes, more than the column&apos;s %2</source>
        <translation>tiene %1 bytes, más de los %2 de la columna</translation>
    </message>
    <message>
        <source>has an unknown column type</source>
        <translation>tiene un tipo de columna desconocido</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>la fila %1</translation>
    </message>
    <message>
        <source> has %1 cells for %2 columns</source>
        <translation> tiene %1 celdas para %2 columnas</translation>
    </message>
    <message>
        <source> is NULL but not nullable</source>
        <translation> es NULL, pero no puede quedar vacía</translation>
    </message>
    <message>
        <source>the table descriptor exceeds 64 KiB</source>
        <translation>la descripción de la tabla supera los 64 KiB</translation>
    </message>
    <message>
        <source>: descriptor exceeds 64 KiB</source>
        <translation>: la descripción supera los 64 KiB</translation>
    </message>
    <message>
        <source>the picture folder &quot;%1&quot; cannot be opened (%2).</source>
        <translation>no se puede abrir la carpeta de imágenes «%1» (%2).</translation>
    </message>
    <message>
        <source>the picture folder &quot;%1&quot; cannot be locked (%2).</source>
        <translation>no se puede bloquear la carpeta de imágenes «%1» (%2).</translation>
    </message>
    <message>
        <source>another import into &quot;%1&quot; is still running; try again when it has ended.</source>
        <translation>otra importación en «%1» sigue en curso; inténtelo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>the story store cannot be read.</source>
        <translation>no se pueden leer las historias.</translation>
    </message>
    <message>
        <source>the story table lacks its picture columns.</source>
        <translation>a la tabla de historias le faltan las columnas de imagen.</translation>
    </message>
    <message>
        <source>no new story number can be given.</source>
        <translation>no se puede asignar un número de historia nuevo.</translation>
    </message>
    <message>
        <source>the story store is in use by another program or cannot be changed.</source>
        <translation>otro programa está usando las historias o no se pueden modificar.</translation>
    </message>
    <message>
        <source>a link stands where a picture would be written.</source>
        <translation>hay un enlace donde se escribiría una imagen.</translation>
    </message>
    <message>
        <source>the story store cannot be changed.</source>
        <translation>no se pueden modificar las historias.</translation>
    </message>
    <message>
        <source>Kivra Bible Story (*.kbs)</source>
        <translation>Historia de Kivra Bible (*.kbs)</translation>
    </message>
    <message>
        <source>Kivra! Bible Story (*.kbs)</source>
        <translation>Historia de Kivra! Bible (*.kbs)</translation>
    </message>
</context>
<context>
    <name>ExchangeCommand</name>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caracteres</translation>
    </message>
    <message>
        <source>another writer&apos;s</source>
        <translation>el de otro programa</translation>
    </message>
    <message>
        <source>published</source>
        <translation>publicado</translation>
    </message>
    <message>
        <source>earlier versions of this program</source>
        <translation>versiones anteriores de este programa</translation>
    </message>
    <message>
        <source>short text lengths in %1</source>
        <translation>longitudes de texto corto en %1</translation>
    </message>
    <message>
        <source>long text lengths in %1</source>
        <translation>longitudes de texto largo en %1</translation>
    </message>
    <message>
        <source>presence bits from 0x01</source>
        <translation>bits de presencia desde 0x01</translation>
    </message>
    <message>
        <source>Table: %1</source>
        <translation>Tabla: %1</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Formato: %1</translation>
    </message>
    <message>
        <source>Columns: %1</source>
        <translation>Columnas: %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Filas: %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rows to %1</source>
        <translation>
            <numerusform>Se exportó %n fila a %1</numerusform>
            <numerusform>Se exportaron %n filas a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no bookmarks to export; no file was written.</source>
        <translation>No hay marcadores que exportar; no se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>There are no stories to export; no file was written.</source>
        <translation>No hay historias que exportar; no se escribió ningún archivo.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bookmarks; refused %1</source>
        <translation>
            <numerusform>Se importó %n marcador; rechazados: %1</numerusform>
            <numerusform>Se importaron %n marcadores; rechazados: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n stories</source>
        <translation>
            <numerusform>Se importó %n historia</numerusform>
            <numerusform>Se importaron %n historias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n stories as %1</source>
        <translation>
            <numerusform>Se importó %n historia como %1</numerusform>
            <numerusform>Se importaron %n historias como %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PassageCommand</name>
    <message>
        <source>export-rtf needs TESTAMENT BOOK C:V-C:V FILE.</source>
        <translation>export-rtf necesita TESTAMENT BOOK C:V-C:V FILE.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>%1 has no verse range %2:%3-%4:%5.</source>
        <translation>%1 no tiene el rango de versículos %2:%3-%4:%5.</translation>
    </message>
    <message>
        <source>The Bible database could not be read.</source>
        <translation>No se pudo leer la base de datos de la Biblia.</translation>
    </message>
    <message>
        <source>Not a verse range: %1.</source>
        <translation>No es un rango de versículos: %1.</translation>
    </message>
    <message>
        <source>No testament &quot;%1&quot;.</source>
        <translation>No existe el testamento «%1».</translation>
    </message>
    <message>
        <source>No book &quot;%1&quot; in the %2.</source>
        <translation>No existe el libro «%1» en el %2.</translation>
    </message>
</context>
<context>
    <name>PlainTextPrinter</name>
    <message>
        <source>There is no printer, and no file was chosen to print to.</source>
        <translation>No hay ninguna impresora y no se eligió ningún archivo en el que imprimir.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir el archivo «%1».</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not be started.</source>
        <translation>No se pudo iniciar la impresión en «%1».</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>La impresora «%1» no está disponible.</translation>
    </message>
    <message numerus="yes">
        <source>The chosen pages lie beyond the end of the text, which has %n page(s).</source>
        <translation>
            <numerusform>Las páginas elegidas quedan después del final del texto, que tiene %n página.</numerusform>
            <numerusform>Las páginas elegidas quedan después del final del texto, que tiene %n páginas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>La impresora no pudo empezar una página nueva.</translation>
    </message>
    <message>
        <source>Printing could not be finished.</source>
        <translation>No se pudo terminar la impresión.</translation>
    </message>
</context>
<context>
    <name>ReferenceParser</name>
    <message>
        <source>there is no book &quot;%1&quot;</source>
        <translation>no existe el libro «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be %2 or %3</source>
        <translation>«%1» podría ser %2 o %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n chapter(s)</source>
        <translation>
            <numerusform>%1 tiene %n capítulo</numerusform>
            <numerusform>%1 tiene %n capítulos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n verse(s)</source>
        <translation>
            <numerusform>%1 tiene %n versículo</numerusform>
            <numerusform>%1 tiene %n versículos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ends before it starts</source>
        <translation>%1 termina antes de empezar</translation>
    </message>
    <message>
        <source>write it like John 3:16, Ps 23 or 1 Cor 13:4-7</source>
        <translation>escríbala como Juan 3:16, Sal 23 o 1 Co 13:4-7</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>%1 verses found</source>
        <translation>%1 versículos encontrados</translation>
    </message>
    <message>
        <source>%1 verse found</source>
        <translation>%1 versículo encontrado</translation>
    </message>
</context>
<context>
    <name>SearchCommand</name>
    <message numerus="yes">
        <source>%1 needs %n value(s)</source>
        <translation>
            <numerusform>%1 necesita %n valor</numerusform>
            <numerusform>%1 necesita %n valores</numerusform>
        </translation>
    </message>
    <message>
        <source>no testament %1</source>
        <translation>no existe el testamento %1</translation>
    </message>
    <message>
        <source>no book %1 in the %2</source>
        <translation>no existe el libro %1 en el %2</translation>
    </message>
    <message>
        <source>not a verse range: %1</source>
        <translation>no es un rango de versículos: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unknown operator: %1</source>
        <translation>operador desconocido: %1</translation>
    </message>
    <message>
        <source>usage: search [--whole-words] TEXT | advanced-search [--whole-words] [options]</source>
        <translation>uso: search [--whole-words] TEXT | advanced-search [--whole-words] [opciones]</translation>
    </message>
    <message>
        <source>the search failed</source>
        <translation>la búsqueda ha fallado</translation>
    </message>
</context>
<context>
    <name>Selector</name>
    <message>
        <source>Old Testament</source>
        <translation>Antiguo Testamento</translation>
    </message>
    <message>
        <source>New Testament</source>
        <translation>Nuevo Testamento</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Contiene</translation>
    </message>
    <message>
        <source>Does not contain</source>
        <translation>No contiene</translation>
    </message>
    <message>
        <source>Please Select or Input</source>
        <translation>Elija o escriba</translation>
    </message>
</context>
<context>
    <name>StoryEditor</name>
    <message>
        <source>Bitmaps (*.bmp;*.dib)</source>
        <translation>Mapas de bits (*.bmp;*.dib)</translation>
    </message>
    <message>
        <source>GIF Images (*.gif)</source>
        <translation>Imágenes GIF (*.gif)</translation>
    </message>
    <message>
        <source>JPEG Images (*.JPG)</source>
        <translation>Imágenes JPEG (*.JPG)</translation>
    </message>
    <message>
        <source>Metafiles (*.wmf;*.emf)</source>
        <translation>Metarchivos (*.wmf;*.emf)</translation>
    </message>
    <message>
        <source>Icons (*.ico;*.cur)</source>
        <translation>Iconos (*.ico;*.cur)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Bible Story</source>
        <translation>Historia bíblica</translation>
    </message>
</context>
<context>
    <name>StoryStore</name>
    <message>
        <source>Copy of </source>
        <translation>Copia de </translation>
    </message>
</context>
<context>
    <name>StoryText</name>
    <message>
        <source>%1 / Part %2 [%3] : %4:%5 - %6:%7</source>
        <translation>%1 / Parte %2 [%3] : %4:%5 - %6:%7</translation>
    </message>
    <message>
        <source>Part %1 notes: </source>
        <translation>Notas de la parte %1: </translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The search results contain no bible text to bookmark</source>
        <translation>Los resultados de la búsqueda no contienen texto bíblico para marcar</translation>
    </message>
    <message>
        <source>Please select an entry to bookmark</source>
        <translation>Elija una entrada para marcarla</translation>
    </message>
    <message>
        <source>Please select a bible story to open</source>
        <translation>Elija la historia bíblica que desea abrir</translation>
    </message>
    <message>
        <source>Please select a bible story to copy</source>
        <translation>Elija la historia bíblica que desea copiar</translation>
    </message>
    <message>
        <source>Please select a bible story to edit</source>
        <translation>Elija la historia bíblica que desea editar</translation>
    </message>
    <message>
        <source>Please select a bible story to delete</source>
        <translation>Elija la historia bíblica que desea eliminar</translation>
    </message>
    <message>
        <source>Please select a bookmark to open</source>
        <translation>Elija el marcador que desea abrir</translation>
    </message>
    <message>
        <source>Please select a bookmark to edit</source>
        <translation>Elija el marcador que desea editar</translation>
    </message>
    <message>
        <source>Please select a bookmark to delete</source>
        <translation>Elija el marcador que desea eliminar</translation>
    </message>
    <message>
        <source>To input notes for the current verse, please click the &quot;bookmark icon&quot; to bookmark the verse first</source>
        <translation>Para escribir notas del versículo actual, pulse primero el «icono de marcador» para marcar el versículo</translation>
    </message>
    <message>
        <source>Please click the &quot;edit bookmark icon&quot; to modify the notes for this bookmark</source>
        <translation>Pulse el «icono de editar marcador» para modificar las notas de este marcador</translation>
    </message>
    <message>
        <source>Please select a bookmark to export</source>
        <translation>Elija el marcador que desea exportar</translation>
    </message>
    <message>
        <source>The bookmark in the specified file exists in the current bookmark list.  No import is done.</source>
        <translation>El marcador del archivo indicado ya está en la lista de marcadores.  No se importa nada.</translation>
    </message>
    <message>
        <source>The bookmark list contains no bookmark</source>
        <translation>La lista de marcadores no contiene ningún marcador</translation>
    </message>
    <message>
        <source>The Bible Story list contains no Bible Story</source>
        <translation>La lista de historias bíblicas no contiene ninguna historia bíblica</translation>
    </message>
    <message>
        <source>Please select a bible story to export</source>
        <translation>Elija la historia bíblica que desea exportar</translation>
    </message>
    <message>
        <source>Please select a verse to remove</source>
        <translation>Elija el versículo que desea quitar</translation>
    </message>
    <message>
        <source>Please input the name of the Bible story first</source>
        <translation>Escriba primero el nombre de la historia bíblica</translation>
    </message>
    <message>
        <source>Please select at least one verse for the current Bible story</source>
        <translation>Elija al menos un versículo para la historia bíblica actual</translation>
    </message>
    <message>
        <source>Kivra! Bible cannot open the database file &quot;%1&quot;. Reinstall the program or restore the file from a backup.</source>
        <translation>Kivra! Bible no puede abrir el archivo de base de datos «%1». Vuelva a instalar el programa o restaure el archivo desde una copia de seguridad.</translation>
    </message>
    <message>
        <source>The options table in &quot;%1&quot; holds no row. Restore the file from a backup or reinstall the program.</source>
        <translation>La tabla de opciones de «%1» no contiene ninguna fila. Restaure el archivo desde una copia de seguridad o vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a database of Kivra! Bible, or it is damaged.</source>
        <translation>El archivo «%1» no es una base de datos de Kivra! Bible o está dañado.</translation>
    </message>
    <message>
        <source>Kivra! Bible cannot create its data folder &quot;%1&quot;. Check that your home folder can be written.</source>
        <translation>Kivra! Bible no puede crear su carpeta de datos «%1». Compruebe que se puede escribir en su carpeta personal.</translation>
    </message>
    <message>
        <source>The search operators in the Bible database are not ones this program knows. Reinstall the program.</source>
        <translation>Este programa no conoce los operadores de búsqueda de la base de datos de la Biblia. Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>This passage does not exist in the Bible, so it cannot be shown: %1</source>
        <translation>Este pasaje no existe en la Biblia, así que no se puede mostrar: %1</translation>
    </message>
    <message>
        <source>The bookmark could not be saved. Nothing was changed; please try again.</source>
        <translation>No se pudo guardar el marcador. No se ha cambiado nada; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The bookmark could not be deleted. Nothing was changed; please try again.</source>
        <translation>No se pudo eliminar el marcador. No se ha cambiado nada; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The Bible story could not be saved. Nothing has been changed and the editor stays open.</source>
        <translation>No se pudo guardar la historia bíblica. No se ha cambiado nada y el editor sigue abierto.</translation>
    </message>
    <message>
        <source>The Bible story could not be restored. Nothing has been changed and the editor stays open.</source>
        <translation>No se pudo restaurar la historia bíblica. No se ha cambiado nada y el editor sigue abierto.</translation>
    </message>
    <message>
        <source>The Bible story could not be copied. Nothing has been changed.</source>
        <translation>No se pudo copiar la historia bíblica. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The Bible story could not be deleted. Nothing has been changed.</source>
        <translation>No se pudo eliminar la historia bíblica. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The selected verse(s) could not be added to the Bible story.</source>
        <translation>No se pudieron añadir los versículos elegidos a la historia bíblica.</translation>
    </message>
    <message>
        <source>The selected verse could not be removed from the Bible story.</source>
        <translation>No se pudo quitar el versículo elegido de la historia bíblica.</translation>
    </message>
    <message>
        <source>There is no default printer. Set up a printer in the system&apos;s printer settings and try again.</source>
        <translation>No hay ninguna impresora predeterminada. Configure una impresora en los ajustes de impresión del sistema e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The text could not be printed: %1</source>
        <translation>No se pudo imprimir el texto: %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>El archivo «%1» ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The web page &quot;%1&quot; could not be opened. Open it in your web browser.</source>
        <translation>No se pudo abrir la página web «%1». Ábrala en su navegador.</translation>
    </message>
    <message>
        <source>The options could not be saved: %1</source>
        <translation>No se pudieron guardar las opciones: %1</translation>
    </message>
    <message>
        <source>The web panel could not be started: %1 The rest of the program works as before.</source>
        <translation>No se pudo iniciar el panel web: %1 El resto del programa funciona como antes.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be imported: %2 Nothing was imported.</source>
        <translation>No se puede importar el archivo «%1»: %2 No se importó nada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>No se puede escribir el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>The bookmark reference &quot;%1&quot; in the file is not a bookmark number. That bookmark is not imported.</source>
        <translation>La referencia de marcador «%1» del archivo no es un número de marcador. Ese marcador no se importa.</translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; is larger than 50 MB. The story is imported without it.</source>
        <translation>La imagen de la historia bíblica «%1» ocupa más de 50 MB. La historia se importa sin ella.</translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; cannot be read as a picture. The story is imported without it.</source>
        <translation>La imagen de la historia bíblica «%1» no se puede leer como imagen. La historia se importa sin ella.</translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; cannot be written to &quot;%2&quot;: %3 The story is imported without it.</source>
        <translation>La imagen de la historia bíblica «%1» no se puede escribir en «%2»: %3 La historia se importa sin ella.</translation>
    </message>
    <message>
        <source>The import from &quot;%1&quot; failed: %2 Nothing was imported.</source>
        <translation>La importación desde «%1» ha fallado: %2 No se importó nada.</translation>
    </message>
    <message>
        <source>The picture folder holds a link named &quot;%1&quot; where an imported picture would be written. Links there are never followed, so nothing was imported. Remove the link and import again.</source>
        <translation>La carpeta de imágenes contiene un enlace llamado «%1» donde se escribiría una imagen importada. Allí nunca se siguen los enlaces, así que no se importó nada. Quite el enlace e importe de nuevo.</translation>
    </message>
    <message>
        <source>The reference &quot;%1&quot; cannot be shown: %2.</source>
        <translation>No se puede mostrar la cita «%1»: %2.</translation>
    </message>
    <message>
        <source> Type text to search and press Enter</source>
        <translation> Escriba el texto que busca y pulse Intro</translation>
    </message>
    <message>
        <source>Open Bible</source>
        <translation>Abrir la Biblia</translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation>Capítulo anterior</translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation>Capítulo siguiente</translation>
    </message>
    <message>
        <source>Open the selected Bible Story</source>
        <translation>Abrir la historia bíblica elegida</translation>
    </message>
    <message>
        <source>Create Bible Story</source>
        <translation>Crear una historia bíblica</translation>
    </message>
    <message>
        <source>Edit the selected Bible Story</source>
        <translation>Editar la historia bíblica elegida</translation>
    </message>
    <message>
        <source>Delete the selected Bible Story</source>
        <translation>Eliminar la historia bíblica elegida</translation>
    </message>
    <message>
        <source>Bookmark the selected verse</source>
        <translation>Marcar el versículo elegido</translation>
    </message>
    <message>
        <source>Conduct an advanced search</source>
        <translation>Hacer una búsqueda avanzada</translation>
    </message>
    <message>
        <source>Clear the search results</source>
        <translation>Borrar los resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Configure settings</source>
        <translation>Configurar las opciones</translation>
    </message>
    <message>
        <source>Request for technical support</source>
        <translation>Pedir asistencia técnica</translation>
    </message>
    <message>
        <source>Say a prayer online</source>
        <translation>Orar en línea</translation>
    </message>
    <message>
        <source>Copy the selected Bible Story</source>
        <translation>Copiar la historia bíblica elegida</translation>
    </message>
    <message>
        <source>Load Verse Selector</source>
        <translation>Mostrar el selector de versículos</translation>
    </message>
    <message>
        <source>Load Bible Story Selector</source>
        <translation>Mostrar el selector de historias bíblicas</translation>
    </message>
    <message>
        <source>Load Bookmark List</source>
        <translation>Mostrar la lista de marcadores</translation>
    </message>
    <message>
        <source>Make a donation for Kivra! Bible</source>
        <translation>Hacer un donativo para Kivra! Bible</translation>
    </message>
    <message>
        <source>Go to the bookmarked verse</source>
        <translation>Ir al versículo marcado</translation>
    </message>
    <message>
        <source>Edit selected bookmark</source>
        <translation>Editar el marcador elegido</translation>
    </message>
    <message>
        <source>Delete the selected bookmark</source>
        <translation>Eliminar el marcador elegido</translation>
    </message>
    <message>
        <source>Import a bookmark from file</source>
        <translation>Importar un marcador desde un archivo</translation>
    </message>
    <message>
        <source>Export the selected bookmark</source>
        <translation>Exportar el marcador elegido</translation>
    </message>
    <message>
        <source>Export the whole bookmark list</source>
        <translation>Exportar toda la lista de marcadores</translation>
    </message>
    <message>
        <source>Import a bible story from file</source>
        <translation>Importar una historia bíblica desde un archivo</translation>
    </message>
    <message>
        <source>Export the selected bible story</source>
        <translation>Exportar la historia bíblica elegida</translation>
    </message>
    <message>
        <source>Export the whole bible story list</source>
        <translation>Exportar toda la lista de historias bíblicas</translation>
    </message>
    <message>
        <source>Print the selected verse</source>
        <translation>Imprimir el versículo elegido</translation>
    </message>
    <message>
        <source>Please select a related bookmark</source>
        <translation>Elija un marcador relacionado</translation>
    </message>
    <message>
        <source>Back to the original bookmark</source>
        <translation>Volver al marcador original</translation>
    </message>
    <message>
        <source>No related bookmark found</source>
        <translation>No se encontró ningún marcador relacionado</translation>
    </message>
    <message>
        <source>Select an image for the current Bible story</source>
        <translation>Elegir una imagen para la historia bíblica actual</translation>
    </message>
    <message>
        <source>Clear the image of the current Bible story</source>
        <translation>Quitar la imagen de la historia bíblica actual</translation>
    </message>
    <message>
        <source>Add the selected verse(s) to the Bible story</source>
        <translation>Añadir los versículos elegidos a la historia bíblica</translation>
    </message>
    <message>
        <source>Remove the selected verse(s) from the Bible story</source>
        <translation>Quitar los versículos elegidos de la historia bíblica</translation>
    </message>
    <message>
        <source>Move the selected verse up</source>
        <translation>Subir el versículo elegido</translation>
    </message>
    <message>
        <source>Move the selected verse down</source>
        <translation>Bajar el versículo elegido</translation>
    </message>
    <message>
        <source>Save the current Bible story</source>
        <translation>Guardar la historia bíblica actual</translation>
    </message>
    <message>
        <source>Cancel saving the current Bible story</source>
        <translation>Cancelar el guardado de la historia bíblica actual</translation>
    </message>
    <message>
        <source>Close the current Bible Story</source>
        <translation>Cerrar la historia bíblica actual</translation>
    </message>
    <message>
        <source>Save the current bookmark</source>
        <translation>Guardar el marcador actual</translation>
    </message>
    <message>
        <source>Cancel saving the current bookmark</source>
        <translation>Cancelar el guardado del marcador actual</translation>
    </message>
    <message>
        <source>Start Advanced Searching</source>
        <translation>Iniciar la búsqueda avanzada</translation>
    </message>
    <message>
        <source>Cancel Advanced Searching</source>
        <translation>Cancelar la búsqueda avanzada</translation>
    </message>
    <message>
        <source>Save the options</source>
        <translation>Guardar las opciones</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>These notes are too long to be changed here; they are kept as they are.</source>
        <translation>Estas notas son demasiado largas para cambiarlas aquí; se conservan tal como están.</translation>
    </message>
    <message>
        <source>Export the passage to an RTF file</source>
        <translation>Exportar el pasaje a un archivo RTF</translation>
    </message>
</context>
<context>
    <name>VerseExport</name>
    <message>
        <source>%1 - %2 Chapter %3 Section %4 to  Chapter %5 Section %6</source>
        <translation>%1 - %2 Capítulo %3 Versículo %4 a  Capítulo %5 Versículo %6</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Formato de texto enriquecido (*.rtf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Preview - %1</source>
        <translation>Vista previa de impresión - %1</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy with reference</source>
        <translation>Copiar con la cita</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Vista previa de impresión…</translation>
    </message>
</context>
<context>
    <name>kivra::AboutDialog</name>
    <message>
        <source>About Kivra! Bible</source>
        <translation>Acerca de Kivra! Bible</translation>
    </message>
    <message>
        <source>Kivra! Bible 2.0</source>
        <translation>Kivra! Bible 2.0</translation>
    </message>
    <message>
        <source>Click here to close this window</source>
        <translation>Pulse aquí para cerrar esta ventana</translation>
    </message>
</context>
<context>
    <name>kivra::AdvancedSearchDialog</name>
    <message>
        <source>Advanced Search</source>
        <translation>Búsqueda avanzada</translation>
    </message>
    <message>
        <source>Search for bible verse (s):</source>
        <translation>Buscar versículos bíblicos:</translation>
    </message>
    <message>
        <source>Search within All BOOKS</source>
        <translation>Buscar en TODOS los libros</translation>
    </message>
    <message>
        <source>Search Within the following scope</source>
        <translation>Buscar en el siguiente ámbito</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Palabras completas</translation>
    </message>
</context>
<context>
    <name>kivra::BookmarkEditor</name>
    <message>
        <source>Bookmark</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Detalles:</translation>
    </message>
    <message>
        <source>Notes for this bookmark:</source>
        <translation>Notas de este marcador:</translation>
    </message>
    <message>
        <source>Related Bookmark:</source>
        <translation>Marcador relacionado:</translation>
    </message>
</context>
<context>
    <name>kivra::BookmarkPanel</name>
    <message>
        <source>Bookmark:</source>
        <translation>Marcador:</translation>
    </message>
    <message>
        <source>Bookmark Notes :</source>
        <translation>Notas del marcador :</translation>
    </message>
    <message>
        <source>Import Bookmark</source>
        <translation>Importar marcador</translation>
    </message>
    <message>
        <source>Export Bookmark</source>
        <translation>Exportar marcador</translation>
    </message>
    <message>
        <source>Export the Whole Bookmark List</source>
        <translation>Exportar toda la lista de marcadores</translation>
    </message>
    <message>
        <source>All Bookmarks</source>
        <translation>Todos los marcadores</translation>
    </message>
</context>
<context>
    <name>kivra::MainWindow</name>
    <message>
        <source>Kivra! Bible 2.0</source>
        <translation>Kivra! Bible 2.0</translation>
    </message>
    <message>
        <source>Search the whole Bible (Ctrl+F)</source>
        <translation>Buscar en toda la Biblia (Ctrl+F)</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>within Bible</source>
        <translation>en la Biblia</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Advanced Search</source>
        <translation>Búsqueda avanzada</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Borrar búsqueda</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Pray</source>
        <translation>Orar</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Palabras completas</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Words from God :</source>
        <translation>Palabras de Dios :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Related Bookmark:</source>
        <translation>Marcador relacionado:</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Export Bible Verse</source>
        <translation>Exportar versículo bíblico</translation>
    </message>
</context>
<context>
    <name>kivra::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Settings for displaying Bible text:</source>
        <translation>Opciones para mostrar el texto bíblico:</translation>
    </message>
    <message>
        <source>Insert a new line after verse</source>
        <translation>Insertar una línea nueva tras cada versículo</translation>
    </message>
    <message>
        <source>Show chapter and section number</source>
        <translation>Mostrar el número de capítulo y de versículo</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>here</source>
        <translation>aquí</translation>
    </message>
    <message>
        <source>to select font</source>
        <translation>para elegir la fuente</translation>
    </message>
    <message>
        <source>Sample Verse:</source>
        <translation>Versículo de ejemplo:</translation>
    </message>
</context>
<context>
    <name>kivra::ReferenceBox</name>
    <message>
        <source>Go to, e.g. John 3:16</source>
        <translation>Ir a, p. ej. Juan 3:16</translation>
    </message>
    <message>
        <source>Go to a reference such as John 3:16, Ps 23 or 1 Cor 13:4-7 (Ctrl+L)</source>
        <translation>Ir a una cita como Juan 3:16, Sal 23 o 1 Co 13:4-7 (Ctrl+L)</translation>
    </message>
</context>
<context>
    <name>kivra::SearchResultsView</name>
    <message>
        <source>Testament</source>
        <translation>Testamento</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Versículo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>kivra::SplashScreen</name>
    <message>
        <source>Kivra! Bible 2.0</source>
        <translation>Kivra! Bible 2.0</translation>
    </message>
</context>
<context>
    <name>kivra::StoryEditor</name>
    <message>
        <source>Bible Story</source>
        <translation>Historia bíblica</translation>
    </message>
    <message>
        <source>Bible Story Editor</source>
        <translation>Editor de historias bíblicas</translation>
    </message>
    <message>
        <source>Name of the Bible Story:</source>
        <translation>Nombre de la historia bíblica:</translation>
    </message>
    <message>
        <source>Select verse for the story:</source>
        <translation>Elija versículos para la historia:</translation>
    </message>
    <message>
        <source>Selected verse(s)</source>
        <translation>Versículos elegidos</translation>
    </message>
    <message>
        <source>Select picture for the story</source>
        <translation>Elija una imagen para la historia</translation>
    </message>
    <message>
        <source>Click the icon to browse:</source>
        <translation>Pulse el icono:</translation>
    </message>
    <message>
        <source>Notes for the selected verse of the Bible Story</source>
        <translation>Notas del versículo elegido de la historia bíblica</translation>
    </message>
    <message>
        <source>Editing &quot;%1&quot;</source>
        <translation>Editando «%1»</translation>
    </message>
    <message>
        <source>Load Bible Story Verse Image</source>
        <translation>Cargar la imagen de la historia bíblica</translation>
    </message>
</context>
<context>
    <name>kivra::StoryPanel</name>
    <message>
        <source>Bible Story:</source>
        <translation>Historia bíblica:</translation>
    </message>
    <message>
        <source>Import Bible Story</source>
        <translation>Importar historia bíblica</translation>
    </message>
    <message>
        <source>Export Bible Story</source>
        <translation>Exportar historia bíblica</translation>
    </message>
    <message>
        <source>Export the Whole Bible Story List</source>
        <translation>Exportar toda la lista de historias bíblicas</translation>
    </message>
    <message>
        <source>All Bible Stories</source>
        <translation>Todas las historias bíblicas</translation>
    </message>
</context>
<context>
    <name>kivra::StoryViewer</name>
    <message>
        <source>Bible Story</source>
        <translation>Historia bíblica</translation>
    </message>
    <message>
        <source>Story Verse:</source>
        <translation>Versículo de la historia:</translation>
    </message>
    <message>
        <source>Story Picture:</source>
        <translation>Imagen de la historia:</translation>
    </message>
    <message>
        <source>Story Notes:</source>
        <translation>Notas de la historia:</translation>
    </message>
</context>
<context>
    <name>kivra::VerseRangeSelector</name>
    <message>
        <source>Testament:</source>
        <translation>Testamento:</translation>
    </message>
    <message>
        <source>Book:</source>
        <translation>Libro:</translation>
    </message>
    <message>
        <source>From Chapter:</source>
        <translation>Del capítulo:</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Versículo:</translation>
    </message>
    <message>
        <source>To Chapter:</source>
        <translation>Al capítulo:</translation>
    </message>
</context>
</TS>
