<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BibleCommand</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>The Bible &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer la Biblia «%1»: %2.</translation>
    </message>
    <message>
        <source>There is no Bible &quot;%1&quot;.</source>
        <translation>No hay ninguna Biblia «%1».</translation>
    </message>
    <message>
        <source>No SWORD Bible is installed.</source>
        <translation>No hay ninguna Biblia SWORD instalada.</translation>
    </message>
    <message>
        <source>Installed Bibles: %1.</source>
        <translation>Biblias instaladas: %1.</translation>
    </message>
</context>
<context>
    <name>BookmarkImportReport</name>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> y %n más</numerusform>
            <numerusform> y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One bookmark is already in your bookmark list: %1.</source>
        <translation>
            <numerusform>Un marcador ya está en su lista de marcadores: %1.</numerusform>
            <numerusform>Un marcador ya está en su lista de marcadores: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bookmarks are already in your bookmark list: %1.</source>
        <translation>
            <numerusform>%n marcador ya está en su lista de marcadores: %1.</numerusform>
            <numerusform>%n marcadores ya están en su lista de marcadores: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One bookmark has a reference that is not a bookmark number: %1.</source>
        <translation>
            <numerusform>Un marcador tiene una referencia que no es un número de marcador: %1.</numerusform>
            <numerusform>Un marcador tiene una referencia que no es un número de marcador: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bookmarks have a reference that is not a bookmark number: %1.</source>
        <translation>
            <numerusform>%n marcador tiene una referencia que no es un número de marcador: %1.</numerusform>
            <numerusform>%n marcadores tienen una referencia que no es un número de marcador: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (bookmark %2): %3.</source>
        <translation>fila %1 (marcador %2): %3.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
</context>
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
        <source>--bible needs the name of a Bible (see &quot;kivra-bible bibles&quot;).</source>
        <translation>--bible necesita el nombre de una Biblia (vea «kivra-bible bibles»).</translation>
    </message>
    <message>
        <source>--bible goes with passage, search, advanced-search and export-rtf.</source>
        <translation>--bible va con passage, search, advanced-search y export-rtf.</translation>
    </message>
    <message>
        <source>Usage: kivra-bible [--app-dir DIR] [--no-splash] [--open REFERENCE | --open TESTAMENT BOOK C:V-C:V]
       kivra-bible [--app-dir DIR] [--bible NAME] passage REFERENCE | passage TESTAMENT BOOK C:V-C:V
       kivra-bible [--app-dir DIR] [--bible NAME] export-rtf TESTAMENT BOOK C:V-C:V FILE
       kivra-bible [--app-dir DIR] [--bible NAME] search [--whole-words] TEXT
       kivra-bible [--app-dir DIR] --bible NAME search --strongs NUMBER
       kivra-bible [--app-dir DIR] [--bible NAME] advanced-search [--whole-words] [--text1 T] [--op1 OP]
                   [--join AND|OR] [--text2 T] [--op2 OP] [--scope TESTAMENT BOOK C:V-C:V]
       kivra-bible bibles
       kivra-bible strongs NUMBER
       kivra-bible [--app-dir DIR] commentary --module NAME REFERENCE
       kivra-bible [--app-dir DIR] dump FILE
       kivra-bible [--app-dir DIR] export-bookmarks|import-bookmarks FILE
       kivra-bible [--app-dir DIR] export-stories|import-stories FILE
       kivra-bible --help | --version

  --app-dir DIR  use DIR as the program folder (holding Db/ and image/)
  --no-splash    start without the splash window
  --open         start on the given passage instead of the last one read
  --bible NAME   read, search or export a SWORD Bible (a module name) instead of the built-in KJV
  bibles         list the SWORD Bibles that can be read: module name, description, language
  passage        print the passage as the reading pane shows it, e.g.
                 kivra-bible passage &quot;Old Testament&quot; Genesis 1:1-1:31
                 kivra-bible passage &quot;John 3:16-18&quot;   (or &quot;Ps 23&quot;, &quot;1 Cor 13&quot;, &quot;Gen 1:1-2:3&quot;)
  export-rtf     write the passage to FILE in RTF as the export does
  search         print every verse containing TEXT (% and _ are wildcards) and the count
  advanced-search  the two-term search; OP is LIKE or &quot;NOT LIKE&quot;
  --whole-words  either search matches whole words only (&quot;faith&quot; leaves out &quot;faithful&quot;)
  --strongs      search the verses whose words carry a Strong&apos;s number, e.g.
                 kivra-bible --bible engKJV2006eb search --strongs G25
  strongs        print the lexicon entry of a Strong&apos;s number (H430 Hebrew, G25 Greek)
  commentary     print what the SWORD commentary NAME (--module) says on the passage, e.g.
                 kivra-bible commentary --module Scofield &quot;John 3:16&quot;
  dump           print the columns and rows of an exchange file (.kbm, .kbs)
  export-bookmarks  write every bookmark to FILE (.kbm)
  import-bookmarks  add the bookmarks of FILE and their links
  export-stories    write every story with its picture to FILE (.kbs)
  import-stories    add the stories of FILE as new stories

</source>
        <translation>Uso: kivra-bible [--app-dir DIR] [--no-splash] [--open REFERENCE | --open TESTAMENT BOOK C:V-C:V]
     kivra-bible [--app-dir DIR] [--bible NAME] passage REFERENCE | passage TESTAMENT BOOK C:V-C:V
     kivra-bible [--app-dir DIR] [--bible NAME] export-rtf TESTAMENT BOOK C:V-C:V FILE
     kivra-bible [--app-dir DIR] [--bible NAME] search [--whole-words] TEXT
     kivra-bible [--app-dir DIR] --bible NAME search --strongs NUMBER
     kivra-bible [--app-dir DIR] [--bible NAME] advanced-search [--whole-words] [--text1 T] [--op1 OP]
                 [--join AND|OR] [--text2 T] [--op2 OP] [--scope TESTAMENT BOOK C:V-C:V]
     kivra-bible bibles
     kivra-bible strongs NUMBER
     kivra-bible [--app-dir DIR] commentary --module NAME REFERENCE
     kivra-bible [--app-dir DIR] dump FILE
     kivra-bible [--app-dir DIR] export-bookmarks|import-bookmarks FILE
     kivra-bible [--app-dir DIR] export-stories|import-stories FILE
     kivra-bible --help | --version

  --app-dir DIR  usar DIR como carpeta del programa (con Db/ e image/)
  --no-splash    iniciar sin la ventana de bienvenida
  --open         iniciar en el pasaje indicado en lugar del último leído
  --bible NAME   leer, buscar o exportar una Biblia SWORD (un nombre de módulo) en lugar de la KJV incluida
  bibles         listar las Biblias SWORD que se pueden leer: nombre del módulo, descripción, idioma
  passage        mostrar el pasaje tal como lo muestra el panel de lectura, p. ej.
               kivra-bible passage &quot;Old Testament&quot; Genesis 1:1-1:31
               kivra-bible passage &quot;John 3:16-18&quot;   (or &quot;Ps 23&quot;, &quot;1 Cor 13&quot;, &quot;Gen 1:1-2:3&quot;)
  export-rtf     escribir el pasaje en FILE en formato RTF, como la exportación
  search         mostrar cada versículo que contiene TEXT (% y _ son comodines) y el total
  advanced-search  la búsqueda de dos términos; OP es LIKE o &quot;NOT LIKE&quot;
  --whole-words  ambas búsquedas encuentran solo palabras completas (&quot;fe&quot; no encuentra &quot;fiel&quot;)
  --strongs      buscar los versículos cuyas palabras llevan un número Strong, p. ej.
                 kivra-bible --bible engKJV2006eb search --strongs G25
  strongs        mostrar la entrada del léxico de un número Strong (H430 hebreo, G25 griego)
  commentary     mostrar lo que dice el comentario SWORD NAME (--module) sobre el pasaje, p. ej.
                 kivra-bible commentary --module Scofield &quot;John 3:16&quot;
  dump           mostrar las columnas y filas de un archivo de intercambio (.kbm, .kbs)
  export-bookmarks  escribir todos los marcadores en FILE (.kbm)
  import-bookmarks  añadir los marcadores de FILE y sus vínculos
  export-stories    escribir todas las historias con su imagen en FILE (.kbs)
  import-stories    añadir las historias de FILE como historias nuevas

</translation>
    </message>
</context>
<context>
    <name>Commentary</name>
    <message>
        <source>There is no commentary &quot;%1&quot;.</source>
        <translation>No hay ningún comentario «%1».</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not keyed by verse.</source>
        <translation>%1 no se puede leer: no está ordenado por versículos.</translation>
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
    <name>Keys</name>
    <message>
        <source>list every key</source>
        <translation>mostrar todos los atajos de teclado</translation>
    </message>
    <message>
        <source>type a reference to go to (&quot;Ps 23&quot;, &quot;John 3:16&quot;)</source>
        <translation>escribir una cita a la que ir («Sal 23», «Juan 3:16»)</translation>
    </message>
    <message>
        <source>type a text to search for</source>
        <translation>escribir un texto para buscar</translation>
    </message>
    <message>
        <source>advanced search</source>
        <translation>búsqueda avanzada</translation>
    </message>
    <message>
        <source>clear the search and show the passage again</source>
        <translation>borrar la búsqueda y volver a mostrar el pasaje</translation>
    </message>
    <message>
        <source>open the passage of the selectors</source>
        <translation>abrir el pasaje elegido en los selectores</translation>
    </message>
    <message>
        <source>previous chapter</source>
        <translation>capítulo anterior</translation>
    </message>
    <message>
        <source>next chapter</source>
        <translation>capítulo siguiente</translation>
    </message>
    <message>
        <source>back to the search results after opening one</source>
        <translation>volver a los resultados de la búsqueda tras abrir uno</translation>
    </message>
    <message>
        <source>verse selector tab</source>
        <translation>pestaña del selector de versículos</translation>
    </message>
    <message>
        <source>Bible story tab</source>
        <translation>pestaña de historias bíblicas</translation>
    </message>
    <message>
        <source>bookmark tab</source>
        <translation>pestaña de marcadores</translation>
    </message>
    <message>
        <source>bookmark the passage or the selected result</source>
        <translation>marcar el pasaje o el resultado elegido</translation>
    </message>
    <message>
        <source>print</source>
        <translation>imprimir</translation>
    </message>
    <message>
        <source>print preview</source>
        <translation>vista previa de impresión</translation>
    </message>
    <message>
        <source>export the passage to an RTF file</source>
        <translation>exportar el pasaje a un archivo RTF</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opciones</translation>
    </message>
    <message>
        <source>pray: the web panel</source>
        <translation>orar: el panel web</translation>
    </message>
    <message>
        <source>larger reading text</source>
        <translation>texto de lectura más grande</translation>
    </message>
    <message>
        <source>smaller reading text</source>
        <translation>texto de lectura más pequeño</translation>
    </message>
    <message>
        <source>reading text at its chosen size</source>
        <translation>texto de lectura en el tamaño elegido</translation>
    </message>
    <message>
        <source>read aloud the passage, the selected verses or the result; again: pause, resume</source>
        <translation>leer en voz alta el pasaje, los versículos elegidos o el resultado; otra vez: pausar, reanudar</translation>
    </message>
    <message>
        <source>stop reading aloud</source>
        <translation>dejar de leer en voz alta</translation>
    </message>
    <message>
        <source>read aloud faster</source>
        <translation>leer en voz alta más rápido</translation>
    </message>
    <message>
        <source>read aloud slower</source>
        <translation>leer en voz alta más despacio</translation>
    </message>
    <message>
        <source>about the program</source>
        <translation>acerca del programa</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>salir</translation>
    </message>
    <message>
        <source>next or previous control</source>
        <translation>control siguiente o anterior</translation>
    </message>
    <message>
        <source>in the search box: search; in the results: open the result in its chapter</source>
        <translation>en el cuadro de búsqueda: buscar; en los resultados: abrir el resultado en su capítulo</translation>
    </message>
    <message>
        <source>in the results: previous or next result</source>
        <translation>en los resultados: resultado anterior o siguiente</translation>
    </message>
    <message>
        <source>copy the selected text</source>
        <translation>copiar el texto seleccionado</translation>
    </message>
    <message>
        <source>in the passage or the results: the verse menu</source>
        <translation>en el pasaje o los resultados: el menú del versículo</translation>
    </message>
    <message>
        <source>close a window</source>
        <translation>cerrar una ventana</translation>
    </message>
    <message>
        <source>in the passage: the Strong&apos;s number and lexicon entry of the word at the cursor</source>
        <translation>en el pasaje: el número Strong y la entrada del léxico de la palabra del cursor</translation>
    </message>
    <message>
        <source>show or hide the Strong&apos;s numbers in the passage</source>
        <translation>mostrar u ocultar los números Strong en el pasaje</translation>
    </message>
    <message>
        <source>show or hide the commentary beside the passage</source>
        <translation>mostrar u ocultar el comentario junto al pasaje</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>No lexicon of Strong&apos;s Hebrew numbers is installed; the package %1 brings one.</source>
        <translation>No hay instalado ningún léxico de los números Strong hebreos; el paquete %1 trae uno.</translation>
    </message>
    <message>
        <source>No lexicon of Strong&apos;s Greek numbers is installed; the package %1 brings one.</source>
        <translation>No hay instalado ningún léxico de los números Strong griegos; el paquete %1 trae uno.</translation>
    </message>
    <message>
        <source>%1 has no entry for %2.</source>
        <translation>%1 no tiene ninguna entrada para %2.</translation>
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
    <message>
        <source>%1 has no text for %2.</source>
        <translation>%1 no tiene texto para %2.</translation>
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
    <name>QLineEdit</name>
    <message>
        <source>Clear text</source>
        <translation>Borrar texto</translation>
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
        <source>the search failed</source>
        <translation>la búsqueda ha fallado</translation>
    </message>
    <message>
        <source>usage: search [--whole-words] [--] TEXT | advanced-search [--whole-words] [options]</source>
        <translation>uso: search [--whole-words] [--] TEXT | advanced-search [--whole-words] [opciones]</translation>
    </message>
    <message>
        <source>%1 has no verse range %2</source>
        <translation>%1 no tiene el intervalo de versículos %2</translation>
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
    <name>Shelf</name>
    <message>
        <source>its versification &quot;%1&quot; is unknown</source>
        <translation>su versificación «%1» es desconocida</translation>
    </message>
    <message>
        <source>its index file %1 has %2 bytes where the %3 versification needs %4</source>
        <translation>su archivo de índice %1 tiene %2 bytes, pero la versificación %3 necesita %4</translation>
    </message>
    <message>
        <source>its index files (%1) are missing from %2</source>
        <translation>faltan sus archivos de índice (%1) en %2</translation>
    </message>
    <message>
        <source>its folder %1 is missing</source>
        <translation>falta su carpeta %1</translation>
    </message>
    <message>
        <source>its index file %1.idx is missing</source>
        <translation>falta su archivo de índice %1.idx</translation>
    </message>
    <message>
        <source>its files at %1 are missing</source>
        <translation>faltan sus archivos en %1</translation>
    </message>
    <message>
        <source>%1 is not keyed by verse</source>
        <translation>%1 no está organizado por versículos</translation>
    </message>
    <message>
        <source>%1 holds no readable text</source>
        <translation>%1 no contiene texto legible</translation>
    </message>
    <message>
        <source>there is no module %1</source>
        <translation>no hay ningún módulo %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>its description names the %1 storage layout, but its files (%2) are of another one</source>
        <translation>su descripción indica el formato de almacenamiento %1, pero sus archivos (%2) son de otro</translation>
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
    <name>StoryImportReport</name>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> y %n más</numerusform>
            <numerusform> y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture is larger than 50 MB: %1.</source>
        <translation>
            <numerusform>Una imagen ocupa más de 50 MB: %1.</numerusform>
            <numerusform>Una imagen ocupa más de 50 MB: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures are larger than 50 MB: %1.</source>
        <translation>
            <numerusform>%n imagen ocupa más de 50 MB: %1.</numerusform>
            <numerusform>%n imágenes ocupan más de 50 MB: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture cannot be read as a picture: %1.</source>
        <translation>
            <numerusform>Una imagen no se puede leer como imagen: %1.</numerusform>
            <numerusform>Una imagen no se puede leer como imagen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures cannot be read as pictures: %1.</source>
        <translation>
            <numerusform>%n imagen no se puede leer como imagen: %1.</numerusform>
            <numerusform>%n imágenes no se pueden leer como imágenes: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture could not be written to the picture folder: %1.</source>
        <translation>
            <numerusform>No se pudo escribir una imagen en la carpeta de imágenes: %1.</numerusform>
            <numerusform>No se pudo escribir una imagen en la carpeta de imágenes: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures could not be written to the picture folder: %1.</source>
        <translation>
            <numerusform>No se pudo escribir %n imagen en la carpeta de imágenes: %1.</numerusform>
            <numerusform>No se pudieron escribir %n imágenes en la carpeta de imágenes: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (&quot;%2&quot;): %3.</source>
        <translation>fila %1 («%2»): %3.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
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
    <message>
        <source>Another copy of Kivra! Bible (process %2) is using the folder &quot;%1&quot;. Close that copy, or wait until it has finished, and try again.</source>
        <translation>Otra copia de Kivra! Bible (proceso %2) está usando la carpeta «%1». Cierre esa copia, o espere a que termine, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Another program is using the folder &quot;%1&quot;. Close it, or wait until it has finished, and try again.</source>
        <translation>Otro programa está usando la carpeta «%1». Ciérrelo, o espere a que termine, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Kivra! Bible cannot reserve the folder &quot;%1&quot; for itself. Check that the folder can be written.</source>
        <translation>Kivra! Bible no puede reservar la carpeta «%1» para sí. Compruebe que se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>%1 has no text for %2 %3.</source>
        <translation>%1 no tiene texto para %2 %3.</translation>
    </message>
    <message>
        <source>This Bible cannot be read: %1</source>
        <translation>No se puede leer esta Biblia: %1</translation>
    </message>
    <message>
        <source>The Bible story cannot be opened for changes: the copy that Cancel would restore could not be written. Free some disk space and try again.</source>
        <translation>No se puede abrir la historia bíblica para modificarla: no se pudo escribir la copia que se restauraría al cancelar. Libere espacio en el disco e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be imported: it cannot be read, or it is not a bookmark or Bible story file saved by Kivra! Bible, or it is damaged. Nothing was imported. Choose another file, or export the file again.</source>
        <translation>No se puede importar el archivo «%1»: no se puede leer, no es un archivo de marcadores o de historias bíblicas guardado por Kivra! Bible, o está dañado. No se importó nada. Elija otro archivo o vuelva a exportarlo.</translation>
    </message>
    <message>
        <source>Reading aloud needs a speech engine, and none was found. Install speech-dispatcher (or another engine for Qt TextToSpeech) to have the text read aloud; the rest of the program works as before.</source>
        <translation>Para leer en voz alta hace falta un motor de voz, y no se encontró ninguno. Instale speech-dispatcher (u otro motor para Qt TextToSpeech) para que el texto se lea en voz alta; el resto del programa funciona como antes.</translation>
    </message>
    <message>
        <source>The import from &quot;%1&quot; could not be completed, so nothing was imported. Check that the disk is not full and that the program&apos;s data can be changed, then try again.</source>
        <translation>La importación desde «%1» no se pudo completar, así que no se importó nada. Compruebe que el disco no está lleno y que los datos del programa se pueden modificar, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; name passages that are not in the Bible, so nothing of them was imported:
%2</source>
        <translation>Algunas filas de «%1» indican pasajes que no están en la Biblia, así que no se importó nada de ellas:
%2</translation>
    </message>
    <message>
        <source>The other bookmarks of the file were added to your bookmark list, but not these:%1</source>
        <translation>Los demás marcadores del archivo se añadieron a su lista de marcadores, pero estos no:%1</translation>
    </message>
    <message>
        <source>The Bible stories were imported, but some without their pictures:%1</source>
        <translation>Las historias bíblicas se importaron, pero algunas sin sus imágenes:%1</translation>
    </message>
    <message>
        <source>The selected bookmark is linked to no other bookmark, so there is nothing to export with it. To pass it on, export the whole bookmark list.</source>
        <translation>El marcador elegido no está vinculado a ningún otro marcador, así que no hay nada que exportar con él. Para compartirlo, exporte toda la lista de marcadores.</translation>
    </message>
</context>
<context>
    <name>StudyCommand</name>
    <message>
        <source>&quot;%1&quot; is no Strong&apos;s number; write one such as H430 or G25.</source>
        <translation>«%1» no es un número Strong; escriba uno como H430 o G25.</translation>
    </message>
    <message>
        <source>usage: strongs NUMBER (such as H430 or G25)</source>
        <translation>uso: strongs NUMBER (como H430 o G25)</translation>
    </message>
    <message>
        <source>usage: search --strongs NUMBER (with --bible NAME)</source>
        <translation>uso: search --strongs NUMBER (con --bible NAME)</translation>
    </message>
    <message>
        <source>%1 carries no Strong&apos;s numbers.</source>
        <translation>%1 no lleva números Strong.</translation>
    </message>
    <message>
        <source>The built-in Bible carries no Strong&apos;s numbers; choose one that does with --bible (see &quot;kivra-bible bibles&quot;).</source>
        <translation>La Biblia incorporada no lleva números Strong; elija con --bible una que los lleve (vea «kivra-bible bibles»).</translation>
    </message>
    <message>
        <source>usage: commentary --module NAME REFERENCE</source>
        <translation>uso: commentary --module NAME REFERENCE</translation>
    </message>
    <message>
        <source>No SWORD commentary can be read.</source>
        <translation>No se puede leer ningún comentario SWORD.</translation>
    </message>
    <message>
        <source>Commentaries: %1.</source>
        <translation>Comentarios: %1.</translation>
    </message>
    <message>
        <source>%1 has no note on %2.</source>
        <translation>%1 no tiene ninguna nota sobre %2.</translation>
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
    <message>
        <source>Read aloud</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Commentary beside the passage</source>
        <translation>Comentario junto al pasaje</translation>
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
    <message>
        <source>First text</source>
        <translation>Primer texto</translation>
    </message>
    <message>
        <source>Second text</source>
        <translation>Segundo texto</translation>
    </message>
</context>
<context>
    <name>kivra::BibleChooser</name>
    <message>
        <source>Bible</source>
        <translation>Biblia</translation>
    </message>
    <message>
        <source>The Bible to read and search</source>
        <translation>La Biblia en la que leer y buscar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), module %3</source>
        <translation>%1 (%2), módulo %3</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>KJV</source>
        <translation>KJV</translation>
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
    <name>kivra::ChosenBible</name>
    <message>
        <source>King James Version</source>
        <translation>King James Version</translation>
    </message>
    <message>
        <source>there is no Bible called %1</source>
        <translation>no hay ninguna Biblia llamada %1</translation>
    </message>
</context>
<context>
    <name>kivra::CommentaryPane</name>
    <message>
        <source>Commentary</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Commentary notes</source>
        <translation>Notas del comentario</translation>
    </message>
    <message>
        <source>%1 (%2, cannot be read)</source>
        <translation>%1 (%2, no se puede leer)</translation>
    </message>
    <message>
        <source>No commentary is installed; the package sword-comm-scofield, for one, brings notes on the whole Bible.</source>
        <translation>No hay ningún comentario instalado; el paquete sword-comm-scofield, por ejemplo, trae notas sobre toda la Biblia.</translation>
    </message>
    <message>
        <source>%1 has no note on %2.</source>
        <translation>%1 no tiene ninguna nota sobre %2.</translation>
    </message>
</context>
<context>
    <name>kivra::CompareView</name>
    <message>
        <source>Compare Bibles: %1 %2:%3-%4:%5</source>
        <translation>Comparar Biblias: %1 %2:%3-%4:%5</translation>
    </message>
    <message>
        <source>Bible %1</source>
        <translation>Biblia %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Verses side by side</source>
        <translation>Versículos lado a lado</translation>
    </message>
    <message>
        <source>%1:title</source>
        <translation>%1:título</translation>
    </message>
</context>
<context>
    <name>kivra::KeyListDialog</name>
    <message>
        <source>Keys</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Función</translation>
    </message>
</context>
<context>
    <name>kivra::MainWindow</name>
    <message>
        <source>Kivra! Bible 2.0</source>
        <translation>Kivra! Bible 2.0</translation>
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
    <message>
        <source>Bible</source>
        <translation>Biblia</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>The passage in two or three Bibles side by side</source>
        <translation>El pasaje en dos o tres Biblias lado a lado</translation>
    </message>
    <message>
        <source>Back to results</source>
        <translation>Volver a resultados</translation>
    </message>
    <message>
        <source>Show the search results again</source>
        <translation>Mostrar de nuevo los resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Search the whole Bible (%1)</source>
        <translation>Buscar en toda la Biblia (%1)</translation>
    </message>
    <message>
        <source>Verse Selector</source>
        <translation>Selector de versículos</translation>
    </message>
    <message>
        <source>Bible Stories</source>
        <translation>Historias bíblicas</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>The prayer page cannot be reached. Check that this computer is connected to the internet, then click &quot;Pray&quot; again.</source>
        <translation>No se puede acceder a la página de oración. Compruebe que este equipo está conectado a internet y vuelva a pulsar «Orar».</translation>
    </message>
    <message>
        <source>A commentary beside the passage</source>
        <translation>Un comentario junto al pasaje</translation>
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
    <message>
        <source>Paper under a dark theme</source>
        <translation>Papel con tema oscuro</translation>
    </message>
</context>
<context>
    <name>kivra::ReadAloud</name>
    <message>
        <source>Reading aloud stopped: %1</source>
        <translation>Lectura en voz alta detenida: %1</translation>
    </message>
    <message>
        <source>Reading aloud paused</source>
        <translation>Lectura en voz alta en pausa</translation>
    </message>
    <message>
        <source>Reading aloud stopped</source>
        <translation>Lectura en voz alta detenida</translation>
    </message>
    <message>
        <source>Reading speed %1</source>
        <translation>Velocidad de lectura %1</translation>
    </message>
    <message>
        <source>Reading aloud verse %1 of %2</source>
        <translation>Leyendo en voz alta el versículo %1 de %2</translation>
    </message>
</context>
<context>
    <name>kivra::ReadingView</name>
    <message>
        <source>Passage</source>
        <translation>Pasaje</translation>
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
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Selected verse</source>
        <translation>Versículo elegido</translation>
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
    <message>
        <source>From verse</source>
        <translation>Del versículo</translation>
    </message>
    <message>
        <source>To verse</source>
        <translation>Al versículo</translation>
    </message>
</context>
<context>
    <name>kivra::WordStudy</name>
    <message>
        <source>Word study</source>
        <translation>Estudio de palabras</translation>
    </message>
    <message>
        <source>also %1</source>
        <translation>también %1</translation>
    </message>
    <message>
        <source>Every verse with %1</source>
        <translation>Todos los versículos con %1</translation>
    </message>
    <message>
        <source>Every verse with this number</source>
        <translation>Todos los versículos con este número</translation>
    </message>
</context>
</TS>
