<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BibleCommand</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The Bible &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Bibel „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>There is no Bible &quot;%1&quot;.</source>
        <translation>Es gibt keine Bibel „%1“.</translation>
    </message>
    <message>
        <source>No SWORD Bible is installed.</source>
        <translation>Es ist keine SWORD-Bibel installiert.</translation>
    </message>
    <message>
        <source>Installed Bibles: %1.</source>
        <translation>Installierte Bibeln: %1.</translation>
    </message>
</context>
<context>
    <name>BookmarkImportReport</name>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> und %n weiteres</numerusform>
            <numerusform> und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One bookmark is already in your bookmark list: %1.</source>
        <translation>
            <numerusform>Ein Lesezeichen ist schon in Ihrer Lesezeichenliste: %1.</numerusform>
            <numerusform>Ein Lesezeichen ist schon in Ihrer Lesezeichenliste: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bookmarks are already in your bookmark list: %1.</source>
        <translation>
            <numerusform>%n Lesezeichen ist schon in Ihrer Lesezeichenliste: %1.</numerusform>
            <numerusform>%n Lesezeichen sind schon in Ihrer Lesezeichenliste: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One bookmark has a reference that is not a bookmark number: %1.</source>
        <translation>
            <numerusform>Ein Lesezeichen hat einen Verweis, der keine Lesezeichennummer ist: %1.</numerusform>
            <numerusform>Ein Lesezeichen hat einen Verweis, der keine Lesezeichennummer ist: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bookmarks have a reference that is not a bookmark number: %1.</source>
        <translation>
            <numerusform>%n Lesezeichen hat einen Verweis, der keine Lesezeichennummer ist: %1.</numerusform>
            <numerusform>%n Lesezeichen haben einen Verweis, der keine Lesezeichennummer ist: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (bookmark %2): %3.</source>
        <translation>Zeile %1 (Lesezeichen %2): %3.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>und %n weitere.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--app-dir needs a folder.</source>
        <translation>--app-dir braucht einen Ordner.</translation>
    </message>
    <message>
        <source>--open needs a reference such as &quot;John 3:16&quot;, or a testament, a book and a verse range.</source>
        <translation>--open braucht eine Bibelstelle wie „Joh 3,16“ oder ein Testament, ein Buch und einen Versbereich.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>Unknown command or wrong number of arguments: %1.</source>
        <translation>Unbekannter Befehl oder falsche Anzahl von Argumenten: %1.</translation>
    </message>
    <message>
        <source>--bible needs the name of a Bible (see &quot;kivra-bible bibles&quot;).</source>
        <translation>--bible braucht den Namen einer Bibel (siehe „kivra-bible bibles“).</translation>
    </message>
    <message>
        <source>--bible goes with passage, search, advanced-search and export-rtf.</source>
        <translation>--bible gehört zu passage, search, advanced-search und export-rtf.</translation>
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
        <translation>Aufruf: kivra-bible [--app-dir DIR] [--no-splash] [--open REFERENCE | --open TESTAMENT BOOK C:V-C:V]
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

  --app-dir DIR  DIR als Programmordner verwenden (mit Db/ und image/)
  --no-splash    ohne Startbild starten
  --open         mit der angegebenen Stelle statt der zuletzt gelesenen starten
  --bible NAME   eine SWORD-Bibel (einen Modulnamen) statt der eingebauten KJV lesen, durchsuchen oder exportieren
  bibles         die lesbaren SWORD-Bibeln auflisten: Modulname, Beschreibung, Sprache
  passage        die Stelle so ausgeben, wie das Lesefenster sie zeigt, z. B.
                  kivra-bible passage &quot;Old Testament&quot; Genesis 1:1-1:31
                  kivra-bible passage &quot;John 3:16-18&quot;   (or &quot;Ps 23&quot;, &quot;1 Cor 13&quot;, &quot;Gen 1:1-2:3&quot;)
  export-rtf     die Stelle wie beim Exportieren als RTF in FILE schreiben
  search         jeden Vers ausgeben, der TEXT enthält (% und _ sind Platzhalter), und die Anzahl
  advanced-search  die Suche mit zwei Begriffen; OP ist LIKE oder &quot;NOT LIKE&quot;
  --whole-words  beide Suchen finden nur ganze Wörter (&quot;Glaube&quot; findet nicht &quot;Glauben&quot;)
  --strongs      die Verse suchen, deren Wörter eine Strong-Nummer tragen, z. B.
                 kivra-bible --bible engKJV2006eb search --strongs G25
  strongs        den Lexikoneintrag einer Strong-Nummer ausgeben (H430 hebräisch, G25 griechisch)
  commentary     ausgeben, was der SWORD-Kommentar NAME (--module) zur Stelle sagt, z. B.
                 kivra-bible commentary --module Scofield &quot;John 3:16&quot;
  dump           Spalten und Zeilen einer Austauschdatei ausgeben (.kbm, .kbs)
  export-bookmarks  alle Lesezeichen in FILE schreiben (.kbm)
  import-bookmarks  die Lesezeichen aus FILE samt ihren Verknüpfungen hinzufügen
  export-stories    alle Geschichten mit ihren Bildern in FILE schreiben (.kbs)
  import-stories    die Geschichten aus FILE als neue Geschichten hinzufügen

</translation>
    </message>
</context>
<context>
    <name>Commentary</name>
    <message>
        <source>There is no commentary &quot;%1&quot;.</source>
        <translation>Es gibt keinen Kommentar „%1“.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not keyed by verse.</source>
        <translation>%1 kann nicht gelesen werden: er ist nicht nach Versen geordnet.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>it has no column &quot;%1&quot;.</source>
        <translation>sie hat keine Spalte „%1“.</translation>
    </message>
    <message>
        <source>row %1 holds &quot;%2&quot; in &quot;%3&quot;, which is no whole number.</source>
        <translation>Zeile %1 enthält in „%3“ den Wert „%2“, der keine ganze Zahl ist.</translation>
    </message>
    <message>
        <source>the bookmark store cannot be read.</source>
        <translation>die Lesezeichen können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the bookmark store cannot be changed.</source>
        <translation>die Lesezeichen können nicht geändert werden.</translation>
    </message>
    <message>
        <source>Kivra! Bible Bookmark (*.kbm)</source>
        <translation>Kivra! Bible-Lesezeichen (*.kbm)</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes)</source>
        <translation>die Datei ist zu groß (%1 Bytes)</translation>
    </message>
    <message>
        <source>The recordset cannot be written back.</source>
        <translation>Die Datensätze können nicht zurückgeschrieben werden.</translation>
    </message>
    <message>
        <source>column &quot;%1&quot;</source>
        <translation>Spalte „%1“</translation>
    </message>
    <message>
        <source>the table has no columns</source>
        <translation>die Tabelle hat keine Spalten</translation>
    </message>
    <message>
        <source>the table has more than 65535 columns</source>
        <translation>die Tabelle hat mehr als 65535 Spalten</translation>
    </message>
    <message>
        <source>a column has no name</source>
        <translation>eine Spalte hat keinen Namen</translation>
    </message>
    <message>
        <source> needs a maximum length of 1 to 255</source>
        <translation> braucht eine Höchstlänge von 1 bis 255</translation>
    </message>
    <message>
        <source>has more than 4 GiB</source>
        <translation>ist größer als 4 GiB</translation>
    </message>
    <message>
        <source>is not a 16-bit integer</source>
        <translation>ist keine 16-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>is not a 32-bit integer</source>
        <translation>ist keine 32-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>has %1 characters, more than the %2 the column can hold</source>
        <translation>hat %1 Zeichen, mehr als die %2, die die Spalte fassen kann</translation>
    </message>
    <message>
        <source>has %1 bytes, more than the column&apos;s %2</source>
        <translation>hat %1 Bytes, mehr als die %2 der Spalte</translation>
    </message>
    <message>
        <source>has an unknown column type</source>
        <translation>hat einen unbekannten Spaltentyp</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source> has %1 cells for %2 columns</source>
        <translation> hat %1 Zellen für %2 Spalten</translation>
    </message>
    <message>
        <source> is NULL but not nullable</source>
        <translation> ist NULL, darf aber nicht leer sein</translation>
    </message>
    <message>
        <source>the table descriptor exceeds 64 KiB</source>
        <translation>die Tabellenbeschreibung ist größer als 64 KiB</translation>
    </message>
    <message>
        <source>: descriptor exceeds 64 KiB</source>
        <translation>: Beschreibung ist größer als 64 KiB</translation>
    </message>
    <message>
        <source>the picture folder &quot;%1&quot; cannot be opened (%2).</source>
        <translation>der Bilderordner „%1“ kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>the picture folder &quot;%1&quot; cannot be locked (%2).</source>
        <translation>der Bilderordner „%1“ kann nicht gesperrt werden (%2).</translation>
    </message>
    <message>
        <source>another import into &quot;%1&quot; is still running; try again when it has ended.</source>
        <translation>ein anderer Import nach „%1“ läuft noch; versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
    <message>
        <source>the story store cannot be read.</source>
        <translation>die Geschichten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the story table lacks its picture columns.</source>
        <translation>der Geschichtentabelle fehlen die Bildspalten.</translation>
    </message>
    <message>
        <source>no new story number can be given.</source>
        <translation>es kann keine neue Geschichtennummer vergeben werden.</translation>
    </message>
    <message>
        <source>the story store is in use by another program or cannot be changed.</source>
        <translation>die Geschichten werden von einem anderen Programm verwendet oder können nicht geändert werden.</translation>
    </message>
    <message>
        <source>the story store cannot be changed.</source>
        <translation>die Geschichten können nicht geändert werden.</translation>
    </message>
    <message>
        <source>Kivra Bible Story (*.kbs)</source>
        <translation>Kivra Bible-Geschichte (*.kbs)</translation>
    </message>
    <message>
        <source>Kivra! Bible Story (*.kbs)</source>
        <translation>Kivra! Bible-Geschichte (*.kbs)</translation>
    </message>
</context>
<context>
    <name>ExchangeCommand</name>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>another writer&apos;s</source>
        <translation>die eines anderen Programms</translation>
    </message>
    <message>
        <source>published</source>
        <translation>veröffentlicht</translation>
    </message>
    <message>
        <source>earlier versions of this program</source>
        <translation>frühere Versionen dieses Programms</translation>
    </message>
    <message>
        <source>short text lengths in %1</source>
        <translation>kurze Textlängen in %1</translation>
    </message>
    <message>
        <source>long text lengths in %1</source>
        <translation>lange Textlängen in %1</translation>
    </message>
    <message>
        <source>presence bits from 0x01</source>
        <translation>Belegungsbits ab 0x01</translation>
    </message>
    <message>
        <source>Table: %1</source>
        <translation>Tabelle: %1</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Aufbau: %1</translation>
    </message>
    <message>
        <source>Columns: %1</source>
        <translation>Spalten: %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Zeilen: %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rows to %1</source>
        <translation>
            <numerusform>%n Zeile nach %1 exportiert</numerusform>
            <numerusform>%n Zeilen nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no bookmarks to export; no file was written.</source>
        <translation>Es gibt keine Lesezeichen zum Exportieren; es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>There are no stories to export; no file was written.</source>
        <translation>Es gibt keine Geschichten zum Exportieren; es wurde keine Datei geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bookmarks; refused %1</source>
        <translation>
            <numerusform>%n Lesezeichen importiert; %1 abgelehnt</numerusform>
            <numerusform>%n Lesezeichen importiert; %1 abgelehnt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n stories</source>
        <translation>
            <numerusform>%n Geschichte importiert</numerusform>
            <numerusform>%n Geschichten importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n stories as %1</source>
        <translation>
            <numerusform>%n Geschichte importiert als %1</numerusform>
            <numerusform>%n Geschichten importiert als %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>list every key</source>
        <translation>alle Tastenkürzel auflisten</translation>
    </message>
    <message>
        <source>type a reference to go to (&quot;Ps 23&quot;, &quot;John 3:16&quot;)</source>
        <translation>zu einer eingegebenen Stelle gehen („Ps 23“, „Joh 3,16“)</translation>
    </message>
    <message>
        <source>type a text to search for</source>
        <translation>einen Suchtext eingeben</translation>
    </message>
    <message>
        <source>advanced search</source>
        <translation>erweiterte Suche</translation>
    </message>
    <message>
        <source>clear the search and show the passage again</source>
        <translation>die Suche löschen und wieder die Stelle zeigen</translation>
    </message>
    <message>
        <source>open the passage of the selectors</source>
        <translation>die in den Auswahlfeldern gewählte Stelle öffnen</translation>
    </message>
    <message>
        <source>previous chapter</source>
        <translation>vorheriges Kapitel</translation>
    </message>
    <message>
        <source>next chapter</source>
        <translation>nächstes Kapitel</translation>
    </message>
    <message>
        <source>back to the search results after opening one</source>
        <translation>nach dem Öffnen eines Ergebnisses zurück zu den Suchergebnissen</translation>
    </message>
    <message>
        <source>verse selector tab</source>
        <translation>Registerkarte Versauswahl</translation>
    </message>
    <message>
        <source>Bible story tab</source>
        <translation>Registerkarte Bibelgeschichten</translation>
    </message>
    <message>
        <source>bookmark tab</source>
        <translation>Registerkarte Lesezeichen</translation>
    </message>
    <message>
        <source>bookmark the passage or the selected result</source>
        <translation>ein Lesezeichen auf die Stelle oder das gewählte Ergebnis setzen</translation>
    </message>
    <message>
        <source>print</source>
        <translation>drucken</translation>
    </message>
    <message>
        <source>print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>export the passage to an RTF file</source>
        <translation>die Stelle in eine RTF-Datei exportieren</translation>
    </message>
    <message>
        <source>options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>pray: the web panel</source>
        <translation>Beten: der Webbereich</translation>
    </message>
    <message>
        <source>larger reading text</source>
        <translation>größerer Lesetext</translation>
    </message>
    <message>
        <source>smaller reading text</source>
        <translation>kleinerer Lesetext</translation>
    </message>
    <message>
        <source>reading text at its chosen size</source>
        <translation>Lesetext in der gewählten Größe</translation>
    </message>
    <message>
        <source>read aloud the passage, the selected verses or the result; again: pause, resume</source>
        <translation>die Stelle, die gewählten Verse oder das Ergebnis vorlesen; erneut: anhalten, fortsetzen</translation>
    </message>
    <message>
        <source>stop reading aloud</source>
        <translation>Vorlesen beenden</translation>
    </message>
    <message>
        <source>read aloud faster</source>
        <translation>schneller vorlesen</translation>
    </message>
    <message>
        <source>read aloud slower</source>
        <translation>langsamer vorlesen</translation>
    </message>
    <message>
        <source>about the program</source>
        <translation>über das Programm</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>next or previous control</source>
        <translation>nächstes oder vorheriges Bedienelement</translation>
    </message>
    <message>
        <source>in the search box: search; in the results: open the result in its chapter</source>
        <translation>im Suchfeld: suchen; in den Ergebnissen: das Ergebnis in seinem Kapitel öffnen</translation>
    </message>
    <message>
        <source>in the results: previous or next result</source>
        <translation>in den Ergebnissen: vorheriges oder nächstes Ergebnis</translation>
    </message>
    <message>
        <source>copy the selected text</source>
        <translation>den markierten Text kopieren</translation>
    </message>
    <message>
        <source>in the passage or the results: the verse menu</source>
        <translation>in der Stelle oder den Ergebnissen: das Versmenü</translation>
    </message>
    <message>
        <source>close a window</source>
        <translation>ein Fenster schließen</translation>
    </message>
    <message>
        <source>in the passage: the Strong&apos;s number and lexicon entry of the word at the cursor</source>
        <translation>in der Stelle: Strong-Nummer und Lexikoneintrag des Wortes an der Schreibmarke</translation>
    </message>
    <message>
        <source>show or hide the Strong&apos;s numbers in the passage</source>
        <translation>die Strong-Nummern in der Stelle zeigen oder verbergen</translation>
    </message>
    <message>
        <source>show or hide the commentary beside the passage</source>
        <translation>den Kommentar neben der Stelle zeigen oder verbergen</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>No lexicon of Strong&apos;s Hebrew numbers is installed; the package %1 brings one.</source>
        <translation>Kein Lexikon der hebräischen Strong-Nummern ist installiert; das Paket %1 bringt eines mit.</translation>
    </message>
    <message>
        <source>No lexicon of Strong&apos;s Greek numbers is installed; the package %1 brings one.</source>
        <translation>Kein Lexikon der griechischen Strong-Nummern ist installiert; das Paket %1 bringt eines mit.</translation>
    </message>
    <message>
        <source>%1 has no entry for %2.</source>
        <translation>%1 hat keinen Eintrag für %2.</translation>
    </message>
</context>
<context>
    <name>PassageCommand</name>
    <message>
        <source>export-rtf needs TESTAMENT BOOK C:V-C:V FILE.</source>
        <translation>export-rtf braucht TESTAMENT BOOK C:V-C:V FILE.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 has no verse range %2:%3-%4:%5.</source>
        <translation>%1 hat keinen Versbereich %2:%3-%4:%5.</translation>
    </message>
    <message>
        <source>The Bible database could not be read.</source>
        <translation>Die Bibeldatenbank konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Not a verse range: %1.</source>
        <translation>Kein Versbereich: %1.</translation>
    </message>
    <message>
        <source>No testament &quot;%1&quot;.</source>
        <translation>Kein Testament „%1“.</translation>
    </message>
    <message>
        <source>No book &quot;%1&quot; in the %2.</source>
        <translation>Kein Buch „%1“ im %2.</translation>
    </message>
    <message>
        <source>%1 has no text for %2.</source>
        <translation>%1 hat keinen Text für %2.</translation>
    </message>
</context>
<context>
    <name>PlainTextPrinter</name>
    <message>
        <source>There is no printer, and no file was chosen to print to.</source>
        <translation>Es gibt keinen Drucker, und es wurde keine Datei zum Drucken gewählt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not be started.</source>
        <translation>Der Druck auf „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>Der Drucker „%1“ ist nicht verfügbar.</translation>
    </message>
    <message numerus="yes">
        <source>The chosen pages lie beyond the end of the text, which has %n page(s).</source>
        <translation>
            <numerusform>Die gewählten Seiten liegen hinter dem Ende des Textes, der %n Seite hat.</numerusform>
            <numerusform>Die gewählten Seiten liegen hinter dem Ende des Textes, der %n Seiten hat.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>Printing could not be finished.</source>
        <translation>Der Druck konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Clear text</source>
        <translation>Text löschen</translation>
    </message>
</context>
<context>
    <name>ReferenceParser</name>
    <message>
        <source>there is no book &quot;%1&quot;</source>
        <translation>es gibt kein Buch „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be %2 or %3</source>
        <translation>„%1“ könnte %2 oder %3 sein</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n chapter(s)</source>
        <translation>
            <numerusform>%1 hat %n Kapitel</numerusform>
            <numerusform>%1 hat %n Kapitel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n verse(s)</source>
        <translation>
            <numerusform>%1 hat %n Vers</numerusform>
            <numerusform>%1 hat %n Verse</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ends before it starts</source>
        <translation>%1 endet, bevor es beginnt</translation>
    </message>
    <message>
        <source>write it like John 3:16, Ps 23 or 1 Cor 13:4-7</source>
        <translation>schreiben Sie zum Beispiel Joh 3,16, Ps 23 oder 1 Kor 13,4-7</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>%1 verses found</source>
        <translation>%1 Verse gefunden</translation>
    </message>
    <message>
        <source>%1 verse found</source>
        <translation>%1 Vers gefunden</translation>
    </message>
</context>
<context>
    <name>SearchCommand</name>
    <message numerus="yes">
        <source>%1 needs %n value(s)</source>
        <translation>
            <numerusform>%1 braucht %n Wert</numerusform>
            <numerusform>%1 braucht %n Werte</numerusform>
        </translation>
    </message>
    <message>
        <source>no testament %1</source>
        <translation>kein Testament %1</translation>
    </message>
    <message>
        <source>no book %1 in the %2</source>
        <translation>kein Buch %1 im %2</translation>
    </message>
    <message>
        <source>not a verse range: %1</source>
        <translation>kein Versbereich: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unknown operator: %1</source>
        <translation>unbekannter Operator: %1</translation>
    </message>
    <message>
        <source>the search failed</source>
        <translation>die Suche ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>usage: search [--whole-words] [--] TEXT | advanced-search [--whole-words] [options]</source>
        <translation>Aufruf: search [--whole-words] [--] TEXT | advanced-search [--whole-words] [Optionen]</translation>
    </message>
    <message>
        <source>%1 has no verse range %2</source>
        <translation>%1 hat keinen Versbereich %2</translation>
    </message>
</context>
<context>
    <name>Selector</name>
    <message>
        <source>Old Testament</source>
        <translation>Altes Testament</translation>
    </message>
    <message>
        <source>New Testament</source>
        <translation>Neues Testament</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <source>Does not contain</source>
        <translation>Enthält nicht</translation>
    </message>
    <message>
        <source>Please Select or Input</source>
        <translation>Bitte wählen oder eingeben</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>its versification &quot;%1&quot; is unknown</source>
        <translation>die Verszählung „%1“ ist unbekannt</translation>
    </message>
    <message>
        <source>its index file %1 has %2 bytes where the %3 versification needs %4</source>
        <translation>die Indexdatei %1 hat %2 Bytes, die Verszählung %3 braucht aber %4</translation>
    </message>
    <message>
        <source>its index files (%1) are missing from %2</source>
        <translation>die Indexdateien (%1) fehlen in %2</translation>
    </message>
    <message>
        <source>its folder %1 is missing</source>
        <translation>der Ordner %1 fehlt</translation>
    </message>
    <message>
        <source>its index file %1.idx is missing</source>
        <translation>die Indexdatei %1.idx fehlt</translation>
    </message>
    <message>
        <source>its files at %1 are missing</source>
        <translation>die Dateien unter %1 fehlen</translation>
    </message>
    <message>
        <source>%1 is not keyed by verse</source>
        <translation>%1 ist nicht nach Versen gegliedert</translation>
    </message>
    <message>
        <source>%1 holds no readable text</source>
        <translation>%1 enthält keinen lesbaren Text</translation>
    </message>
    <message>
        <source>there is no module %1</source>
        <translation>es gibt kein Modul %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>its description names the %1 storage layout, but its files (%2) are of another one</source>
        <translation>ihre Beschreibung nennt die Ablageform %1, ihre Dateien (%2) haben aber eine andere</translation>
    </message>
</context>
<context>
    <name>StoryEditor</name>
    <message>
        <source>Bitmaps (*.bmp;*.dib)</source>
        <translation>Bitmaps (*.bmp;*.dib)</translation>
    </message>
    <message>
        <source>GIF Images (*.gif)</source>
        <translation>GIF-Bilder (*.gif)</translation>
    </message>
    <message>
        <source>JPEG Images (*.JPG)</source>
        <translation>JPEG-Bilder (*.JPG)</translation>
    </message>
    <message>
        <source>Metafiles (*.wmf;*.emf)</source>
        <translation>Metadateien (*.wmf;*.emf)</translation>
    </message>
    <message>
        <source>Icons (*.ico;*.cur)</source>
        <translation>Symbole (*.ico;*.cur)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Bible Story</source>
        <translation>Bibelgeschichte</translation>
    </message>
</context>
<context>
    <name>StoryImportReport</name>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> und %n weiteres</numerusform>
            <numerusform> und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture is larger than 50 MB: %1.</source>
        <translation>
            <numerusform>Ein Bild ist größer als 50 MB: %1.</numerusform>
            <numerusform>Ein Bild ist größer als 50 MB: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures are larger than 50 MB: %1.</source>
        <translation>
            <numerusform>%n Bild ist größer als 50 MB: %1.</numerusform>
            <numerusform>%n Bilder sind größer als 50 MB: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture cannot be read as a picture: %1.</source>
        <translation>
            <numerusform>Ein Bild kann nicht als Bild gelesen werden: %1.</numerusform>
            <numerusform>Ein Bild kann nicht als Bild gelesen werden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures cannot be read as pictures: %1.</source>
        <translation>
            <numerusform>%n Bild kann nicht als Bild gelesen werden: %1.</numerusform>
            <numerusform>%n Bilder können nicht als Bilder gelesen werden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture could not be written to the picture folder: %1.</source>
        <translation>
            <numerusform>Ein Bild konnte nicht in den Bilderordner geschrieben werden: %1.</numerusform>
            <numerusform>Ein Bild konnte nicht in den Bilderordner geschrieben werden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures could not be written to the picture folder: %1.</source>
        <translation>
            <numerusform>%n Bild konnte nicht in den Bilderordner geschrieben werden: %1.</numerusform>
            <numerusform>%n Bilder konnten nicht in den Bilderordner geschrieben werden: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (&quot;%2&quot;): %3.</source>
        <translation>Zeile %1 („%2“): %3.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>und %n weitere.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoryStore</name>
    <message>
        <source>Copy of </source>
        <translation>Kopie von </translation>
    </message>
</context>
<context>
    <name>StoryText</name>
    <message>
        <source>%1 / Part %2 [%3] : %4:%5 - %6:%7</source>
        <translation>%1 / Teil %2 [%3] : %4:%5 - %6:%7</translation>
    </message>
    <message>
        <source>Part %1 notes: </source>
        <translation>Notizen zu Teil %1: </translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The search results contain no bible text to bookmark</source>
        <translation>Die Suchergebnisse enthalten keinen Bibeltext für ein Lesezeichen</translation>
    </message>
    <message>
        <source>Please select an entry to bookmark</source>
        <translation>Bitte wählen Sie einen Eintrag für das Lesezeichen</translation>
    </message>
    <message>
        <source>Please select a bible story to open</source>
        <translation>Bitte wählen Sie die Bibelgeschichte, die geöffnet werden soll</translation>
    </message>
    <message>
        <source>Please select a bible story to copy</source>
        <translation>Bitte wählen Sie die Bibelgeschichte, die kopiert werden soll</translation>
    </message>
    <message>
        <source>Please select a bible story to edit</source>
        <translation>Bitte wählen Sie die Bibelgeschichte, die bearbeitet werden soll</translation>
    </message>
    <message>
        <source>Please select a bible story to delete</source>
        <translation>Bitte wählen Sie die Bibelgeschichte, die gelöscht werden soll</translation>
    </message>
    <message>
        <source>Please select a bookmark to open</source>
        <translation>Bitte wählen Sie das Lesezeichen, das geöffnet werden soll</translation>
    </message>
    <message>
        <source>Please select a bookmark to edit</source>
        <translation>Bitte wählen Sie das Lesezeichen, das bearbeitet werden soll</translation>
    </message>
    <message>
        <source>Please select a bookmark to delete</source>
        <translation>Bitte wählen Sie das Lesezeichen, das gelöscht werden soll</translation>
    </message>
    <message>
        <source>To input notes for the current verse, please click the &quot;bookmark icon&quot; to bookmark the verse first</source>
        <translation>Um Notizen zum aktuellen Vers einzugeben, setzen Sie bitte zuerst mit dem „Lesezeichen-Symbol“ ein Lesezeichen auf den Vers</translation>
    </message>
    <message>
        <source>Please click the &quot;edit bookmark icon&quot; to modify the notes for this bookmark</source>
        <translation>Bitte klicken Sie auf das Symbol „Lesezeichen bearbeiten“, um die Notizen zu diesem Lesezeichen zu ändern</translation>
    </message>
    <message>
        <source>Please select a bookmark to export</source>
        <translation>Bitte wählen Sie das Lesezeichen, das exportiert werden soll</translation>
    </message>
    <message>
        <source>The bookmark in the specified file exists in the current bookmark list.  No import is done.</source>
        <translation>Das Lesezeichen aus der angegebenen Datei ist bereits in der Lesezeichenliste.  Es wird nichts importiert.</translation>
    </message>
    <message>
        <source>The bookmark list contains no bookmark</source>
        <translation>Die Lesezeichenliste enthält kein Lesezeichen</translation>
    </message>
    <message>
        <source>The Bible Story list contains no Bible Story</source>
        <translation>Die Liste der Bibelgeschichten enthält keine Bibelgeschichte</translation>
    </message>
    <message>
        <source>Please select a bible story to export</source>
        <translation>Bitte wählen Sie die Bibelgeschichte, die exportiert werden soll</translation>
    </message>
    <message>
        <source>Please select a verse to remove</source>
        <translation>Bitte wählen Sie den Vers, der entfernt werden soll</translation>
    </message>
    <message>
        <source>Please input the name of the Bible story first</source>
        <translation>Bitte geben Sie zuerst den Namen der Bibelgeschichte ein</translation>
    </message>
    <message>
        <source>Please select at least one verse for the current Bible story</source>
        <translation>Bitte wählen Sie mindestens einen Vers für die aktuelle Bibelgeschichte</translation>
    </message>
    <message>
        <source>Kivra! Bible cannot open the database file &quot;%1&quot;. Reinstall the program or restore the file from a backup.</source>
        <translation>Kivra! Bible kann die Datenbankdatei „%1“ nicht öffnen. Installieren Sie das Programm neu oder stellen Sie die Datei aus einer Sicherung wieder her.</translation>
    </message>
    <message>
        <source>The options table in &quot;%1&quot; holds no row. Restore the file from a backup or reinstall the program.</source>
        <translation>Die Einstellungstabelle in „%1“ enthält keine Zeile. Stellen Sie die Datei aus einer Sicherung wieder her oder installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a database of Kivra! Bible, or it is damaged.</source>
        <translation>Die Datei „%1“ ist keine Datenbank von Kivra! Bible oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>Kivra! Bible cannot create its data folder &quot;%1&quot;. Check that your home folder can be written.</source>
        <translation>Kivra! Bible kann seinen Datenordner „%1“ nicht anlegen. Prüfen Sie, ob in Ihren persönlichen Ordner geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The search operators in the Bible database are not ones this program knows. Reinstall the program.</source>
        <translation>Die Suchoperatoren in der Bibeldatenbank kennt dieses Programm nicht. Installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>This passage does not exist in the Bible, so it cannot be shown: %1</source>
        <translation>Diese Stelle gibt es in der Bibel nicht, daher kann sie nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>The bookmark could not be saved. Nothing was changed; please try again.</source>
        <translation>Das Lesezeichen konnte nicht gespeichert werden. Es wurde nichts geändert; bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The bookmark could not be deleted. Nothing was changed; please try again.</source>
        <translation>Das Lesezeichen konnte nicht gelöscht werden. Es wurde nichts geändert; bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The Bible story could not be saved. Nothing has been changed and the editor stays open.</source>
        <translation>Die Bibelgeschichte konnte nicht gespeichert werden. Es wurde nichts geändert, und der Editor bleibt geöffnet.</translation>
    </message>
    <message>
        <source>The Bible story could not be restored. Nothing has been changed and the editor stays open.</source>
        <translation>Die Bibelgeschichte konnte nicht wiederhergestellt werden. Es wurde nichts geändert, und der Editor bleibt geöffnet.</translation>
    </message>
    <message>
        <source>The Bible story could not be copied. Nothing has been changed.</source>
        <translation>Die Bibelgeschichte konnte nicht kopiert werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The Bible story could not be deleted. Nothing has been changed.</source>
        <translation>Die Bibelgeschichte konnte nicht gelöscht werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The selected verse(s) could not be added to the Bible story.</source>
        <translation>Die gewählten Verse konnten der Bibelgeschichte nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The selected verse could not be removed from the Bible story.</source>
        <translation>Der gewählte Vers konnte nicht aus der Bibelgeschichte entfernt werden.</translation>
    </message>
    <message>
        <source>There is no default printer. Set up a printer in the system&apos;s printer settings and try again.</source>
        <translation>Es gibt keinen Standarddrucker. Richten Sie in den Druckereinstellungen des Systems einen Drucker ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The text could not be printed: %1</source>
        <translation>Der Text konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Die Datei „%1“ gibt es bereits. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>The web page &quot;%1&quot; could not be opened. Open it in your web browser.</source>
        <translation>Die Webseite „%1“ konnte nicht geöffnet werden. Öffnen Sie sie in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>The options could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The web panel could not be started: %1 The rest of the program works as before.</source>
        <translation>Der Webbereich konnte nicht gestartet werden: %1 Der Rest des Programms funktioniert wie bisher.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The bookmark reference &quot;%1&quot; in the file is not a bookmark number. That bookmark is not imported.</source>
        <translation>Der Lesezeichenverweis „%1“ in der Datei ist keine Lesezeichennummer. Dieses Lesezeichen wird nicht importiert.</translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; is larger than 50 MB. The story is imported without it.</source>
        <translation>Das Bild der Bibelgeschichte „%1“ ist größer als 50 MB. Die Geschichte wird ohne Bild importiert.</translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; cannot be read as a picture. The story is imported without it.</source>
        <translation>Das Bild der Bibelgeschichte „%1“ kann nicht als Bild gelesen werden. Die Geschichte wird ohne Bild importiert.</translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; cannot be written to &quot;%2&quot;: %3 The story is imported without it.</source>
        <translation>Das Bild der Bibelgeschichte „%1“ kann nicht nach „%2“ geschrieben werden: %3 Die Geschichte wird ohne Bild importiert.</translation>
    </message>
    <message>
        <source>The reference &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Die Stelle „%1“ kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source> Type text to search and press Enter</source>
        <translation> Suchtext eingeben und Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Open Bible</source>
        <translation>Bibel öffnen</translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation>Vorheriges Kapitel</translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation>Nächstes Kapitel</translation>
    </message>
    <message>
        <source>Open the selected Bible Story</source>
        <translation>Die gewählte Bibelgeschichte öffnen</translation>
    </message>
    <message>
        <source>Create Bible Story</source>
        <translation>Bibelgeschichte anlegen</translation>
    </message>
    <message>
        <source>Edit the selected Bible Story</source>
        <translation>Die gewählte Bibelgeschichte bearbeiten</translation>
    </message>
    <message>
        <source>Delete the selected Bible Story</source>
        <translation>Die gewählte Bibelgeschichte löschen</translation>
    </message>
    <message>
        <source>Bookmark the selected verse</source>
        <translation>Lesezeichen auf den gewählten Vers setzen</translation>
    </message>
    <message>
        <source>Conduct an advanced search</source>
        <translation>Eine erweiterte Suche durchführen</translation>
    </message>
    <message>
        <source>Clear the search results</source>
        <translation>Die Suchergebnisse löschen</translation>
    </message>
    <message>
        <source>Configure settings</source>
        <translation>Einstellungen anpassen</translation>
    </message>
    <message>
        <source>Request for technical support</source>
        <translation>Technische Hilfe anfordern</translation>
    </message>
    <message>
        <source>Say a prayer online</source>
        <translation>Online ein Gebet sprechen</translation>
    </message>
    <message>
        <source>Copy the selected Bible Story</source>
        <translation>Die gewählte Bibelgeschichte kopieren</translation>
    </message>
    <message>
        <source>Load Verse Selector</source>
        <translation>Versauswahl anzeigen</translation>
    </message>
    <message>
        <source>Load Bible Story Selector</source>
        <translation>Auswahl der Bibelgeschichten anzeigen</translation>
    </message>
    <message>
        <source>Load Bookmark List</source>
        <translation>Lesezeichenliste anzeigen</translation>
    </message>
    <message>
        <source>Make a donation for Kivra! Bible</source>
        <translation>Für Kivra! Bible spenden</translation>
    </message>
    <message>
        <source>Go to the bookmarked verse</source>
        <translation>Zum Vers des Lesezeichens gehen</translation>
    </message>
    <message>
        <source>Edit selected bookmark</source>
        <translation>Gewähltes Lesezeichen bearbeiten</translation>
    </message>
    <message>
        <source>Delete the selected bookmark</source>
        <translation>Das gewählte Lesezeichen löschen</translation>
    </message>
    <message>
        <source>Import a bookmark from file</source>
        <translation>Ein Lesezeichen aus einer Datei importieren</translation>
    </message>
    <message>
        <source>Export the selected bookmark</source>
        <translation>Das gewählte Lesezeichen exportieren</translation>
    </message>
    <message>
        <source>Export the whole bookmark list</source>
        <translation>Die ganze Lesezeichenliste exportieren</translation>
    </message>
    <message>
        <source>Import a bible story from file</source>
        <translation>Eine Bibelgeschichte aus einer Datei importieren</translation>
    </message>
    <message>
        <source>Export the selected bible story</source>
        <translation>Die gewählte Bibelgeschichte exportieren</translation>
    </message>
    <message>
        <source>Export the whole bible story list</source>
        <translation>Die ganze Liste der Bibelgeschichten exportieren</translation>
    </message>
    <message>
        <source>Print the selected verse</source>
        <translation>Den gewählten Vers drucken</translation>
    </message>
    <message>
        <source>Please select a related bookmark</source>
        <translation>Bitte wählen Sie ein verwandtes Lesezeichen</translation>
    </message>
    <message>
        <source>Back to the original bookmark</source>
        <translation>Zurück zum ursprünglichen Lesezeichen</translation>
    </message>
    <message>
        <source>No related bookmark found</source>
        <translation>Kein verwandtes Lesezeichen gefunden</translation>
    </message>
    <message>
        <source>Select an image for the current Bible story</source>
        <translation>Ein Bild für die aktuelle Bibelgeschichte wählen</translation>
    </message>
    <message>
        <source>Clear the image of the current Bible story</source>
        <translation>Das Bild der aktuellen Bibelgeschichte entfernen</translation>
    </message>
    <message>
        <source>Add the selected verse(s) to the Bible story</source>
        <translation>Die gewählten Verse der Bibelgeschichte hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected verse(s) from the Bible story</source>
        <translation>Die gewählten Verse aus der Bibelgeschichte entfernen</translation>
    </message>
    <message>
        <source>Move the selected verse up</source>
        <translation>Den gewählten Vers nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the selected verse down</source>
        <translation>Den gewählten Vers nach unten verschieben</translation>
    </message>
    <message>
        <source>Save the current Bible story</source>
        <translation>Die aktuelle Bibelgeschichte speichern</translation>
    </message>
    <message>
        <source>Cancel saving the current Bible story</source>
        <translation>Das Speichern der aktuellen Bibelgeschichte abbrechen</translation>
    </message>
    <message>
        <source>Close the current Bible Story</source>
        <translation>Die aktuelle Bibelgeschichte schließen</translation>
    </message>
    <message>
        <source>Save the current bookmark</source>
        <translation>Das aktuelle Lesezeichen speichern</translation>
    </message>
    <message>
        <source>Cancel saving the current bookmark</source>
        <translation>Das Speichern des aktuellen Lesezeichens abbrechen</translation>
    </message>
    <message>
        <source>Start Advanced Searching</source>
        <translation>Erweiterte Suche starten</translation>
    </message>
    <message>
        <source>Cancel Advanced Searching</source>
        <translation>Erweiterte Suche abbrechen</translation>
    </message>
    <message>
        <source>Save the options</source>
        <translation>Die Einstellungen speichern</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Schließen ohne zu speichern</translation>
    </message>
    <message>
        <source>These notes are too long to be changed here; they are kept as they are.</source>
        <translation>Diese Notizen sind zu lang, um hier geändert zu werden; sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Export the passage to an RTF file</source>
        <translation>Die Stelle in eine RTF-Datei exportieren</translation>
    </message>
    <message>
        <source>Another copy of Kivra! Bible (process %2) is using the folder &quot;%1&quot;. Close that copy, or wait until it has finished, and try again.</source>
        <translation>Ein anderes laufendes Kivra! Bible (Prozess %2) verwendet den Ordner „%1“. Schließen Sie es oder warten Sie, bis es fertig ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Another program is using the folder &quot;%1&quot;. Close it, or wait until it has finished, and try again.</source>
        <translation>Ein anderes Programm verwendet den Ordner „%1“. Schließen Sie es oder warten Sie, bis es fertig ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Kivra! Bible cannot reserve the folder &quot;%1&quot; for itself. Check that the folder can be written.</source>
        <translation>Kivra! Bible kann den Ordner „%1“ nicht für sich reservieren. Prüfen Sie, ob in den Ordner geschrieben werden kann.</translation>
    </message>
    <message>
        <source>%1 has no text for %2 %3.</source>
        <translation>%1 hat keinen Text für %2 %3.</translation>
    </message>
    <message>
        <source>This Bible cannot be read: %1</source>
        <translation>Diese Bibel kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The Bible story cannot be opened for changes: the copy that Cancel would restore could not be written. Free some disk space and try again.</source>
        <translation>Die Bibelgeschichte kann nicht zum Bearbeiten geöffnet werden: Die Kopie, die beim Abbrechen wiederhergestellt würde, konnte nicht geschrieben werden. Geben Sie Speicherplatz frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be imported: it cannot be read, or it is not a bookmark or Bible story file saved by Kivra! Bible, or it is damaged. Nothing was imported. Choose another file, or export the file again.</source>
        <translation>Die Datei „%1“ kann nicht importiert werden: Sie ist nicht lesbar, keine von Kivra! Bible gespeicherte Lesezeichen- oder Bibelgeschichtendatei oder beschädigt. Es wurde nichts importiert. Wählen Sie eine andere Datei oder exportieren Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>Reading aloud needs a speech engine, and none was found. Install speech-dispatcher (or another engine for Qt TextToSpeech) to have the text read aloud; the rest of the program works as before.</source>
        <translation>Zum Vorlesen wird eine Sprachausgabe benötigt, es wurde aber keine gefunden. Installieren Sie speech-dispatcher (oder eine andere Sprachausgabe für Qt TextToSpeech), um sich den Text vorlesen zu lassen; der Rest des Programms funktioniert wie bisher.</translation>
    </message>
    <message>
        <source>The import from &quot;%1&quot; could not be completed, so nothing was imported. Check that the disk is not full and that the program&apos;s data can be changed, then try again.</source>
        <translation>Der Import aus „%1“ konnte nicht abgeschlossen werden, daher wurde nichts importiert. Stellen Sie sicher, dass der Datenträger nicht voll ist und die Daten des Programms geändert werden können, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; name passages that are not in the Bible, so nothing of them was imported:
%2</source>
        <translation>Einige Zeilen von „%1“ nennen Stellen, die es in der Bibel nicht gibt; aus ihnen wurde nichts importiert:
%2</translation>
    </message>
    <message>
        <source>The other bookmarks of the file were added to your bookmark list, but not these:%1</source>
        <translation>Die übrigen Lesezeichen der Datei wurden Ihrer Lesezeichenliste hinzugefügt, diese aber nicht:%1</translation>
    </message>
    <message>
        <source>The Bible stories were imported, but some without their pictures:%1</source>
        <translation>Die Bibelgeschichten wurden importiert, einige aber ohne ihre Bilder:%1</translation>
    </message>
    <message>
        <source>The selected bookmark is linked to no other bookmark, so there is nothing to export with it. To pass it on, export the whole bookmark list.</source>
        <translation>Das gewählte Lesezeichen ist mit keinem anderen Lesezeichen verknüpft, daher gibt es nichts, was mit ihm exportiert werden könnte. Um es weiterzugeben, exportieren Sie die ganze Lesezeichenliste.</translation>
    </message>
</context>
<context>
    <name>StudyCommand</name>
    <message>
        <source>&quot;%1&quot; is no Strong&apos;s number; write one such as H430 or G25.</source>
        <translation>„%1“ ist keine Strong-Nummer; schreiben Sie eine wie H430 oder G25.</translation>
    </message>
    <message>
        <source>usage: strongs NUMBER (such as H430 or G25)</source>
        <translation>Aufruf: strongs NUMBER (etwa H430 oder G25)</translation>
    </message>
    <message>
        <source>usage: search --strongs NUMBER (with --bible NAME)</source>
        <translation>Aufruf: search --strongs NUMBER (mit --bible NAME)</translation>
    </message>
    <message>
        <source>%1 carries no Strong&apos;s numbers.</source>
        <translation>%1 enthält keine Strong-Nummern.</translation>
    </message>
    <message>
        <source>The built-in Bible carries no Strong&apos;s numbers; choose one that does with --bible (see &quot;kivra-bible bibles&quot;).</source>
        <translation>Die eingebaute Bibel enthält keine Strong-Nummern; wählen Sie mit --bible eine, die sie enthält (siehe „kivra-bible bibles“).</translation>
    </message>
    <message>
        <source>usage: commentary --module NAME REFERENCE</source>
        <translation>Aufruf: commentary --module NAME REFERENCE</translation>
    </message>
    <message>
        <source>No SWORD commentary can be read.</source>
        <translation>Kein SWORD-Kommentar kann gelesen werden.</translation>
    </message>
    <message>
        <source>Commentaries: %1.</source>
        <translation>Kommentare: %1.</translation>
    </message>
    <message>
        <source>%1 has no note on %2.</source>
        <translation>%1 hat keine Anmerkung zu %2.</translation>
    </message>
</context>
<context>
    <name>VerseExport</name>
    <message>
        <source>%1 - %2 Chapter %3 Section %4 to  Chapter %5 Section %6</source>
        <translation>%1 - %2 Kapitel %3 Vers %4 bis  Kapitel %5 Vers %6</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Rich Text Format (*.rtf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print Preview - %1</source>
        <translation>Druckvorschau - %1</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy with reference</source>
        <translation>Mit Stellenangabe kopieren</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen setzen</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Druckvorschau …</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Commentary beside the passage</source>
        <translation>Kommentar neben der Stelle</translation>
    </message>
</context>
<context>
    <name>kivra::AboutDialog</name>
    <message>
        <source>About Kivra! Bible</source>
        <translation>Über Kivra! Bible</translation>
    </message>
    <message>
        <source>Kivra! Bible 2.0</source>
        <translation>Kivra! Bible 2.0</translation>
    </message>
    <message>
        <source>Click here to close this window</source>
        <translation>Hier klicken, um dieses Fenster zu schließen</translation>
    </message>
</context>
<context>
    <name>kivra::AdvancedSearchDialog</name>
    <message>
        <source>Advanced Search</source>
        <translation>Erweiterte Suche</translation>
    </message>
    <message>
        <source>Search for bible verse (s):</source>
        <translation>Bibelverse suchen:</translation>
    </message>
    <message>
        <source>Search within All BOOKS</source>
        <translation>In ALLEN Büchern suchen</translation>
    </message>
    <message>
        <source>Search Within the following scope</source>
        <translation>In folgendem Bereich suchen</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Ganze Wörter</translation>
    </message>
    <message>
        <source>First text</source>
        <translation>Erster Text</translation>
    </message>
    <message>
        <source>Second text</source>
        <translation>Zweiter Text</translation>
    </message>
</context>
<context>
    <name>kivra::BibleChooser</name>
    <message>
        <source>Bible</source>
        <translation>Bibel</translation>
    </message>
    <message>
        <source>The Bible to read and search</source>
        <translation>Die Bibel zum Lesen und Durchsuchen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), module %3</source>
        <translation>%1 (%2), Modul %3</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
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
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Details:</translation>
    </message>
    <message>
        <source>Notes for this bookmark:</source>
        <translation>Notizen zu diesem Lesezeichen:</translation>
    </message>
    <message>
        <source>Related Bookmark:</source>
        <translation>Verwandtes Lesezeichen:</translation>
    </message>
</context>
<context>
    <name>kivra::BookmarkPanel</name>
    <message>
        <source>Bookmark:</source>
        <translation>Lesezeichen:</translation>
    </message>
    <message>
        <source>Bookmark Notes :</source>
        <translation>Notizen zum Lesezeichen :</translation>
    </message>
    <message>
        <source>Import Bookmark</source>
        <translation>Lesezeichen importieren</translation>
    </message>
    <message>
        <source>Export Bookmark</source>
        <translation>Lesezeichen exportieren</translation>
    </message>
    <message>
        <source>Export the Whole Bookmark List</source>
        <translation>Die ganze Lesezeichenliste exportieren</translation>
    </message>
    <message>
        <source>All Bookmarks</source>
        <translation>Alle Lesezeichen</translation>
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
        <translation>es gibt keine Bibel namens %1</translation>
    </message>
</context>
<context>
    <name>kivra::CommentaryPane</name>
    <message>
        <source>Commentary</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Commentary notes</source>
        <translation>Anmerkungen des Kommentars</translation>
    </message>
    <message>
        <source>%1 (%2, cannot be read)</source>
        <translation>%1 (%2, nicht lesbar)</translation>
    </message>
    <message>
        <source>No commentary is installed; the package sword-comm-scofield, for one, brings notes on the whole Bible.</source>
        <translation>Kein Kommentar ist installiert; das Paket sword-comm-scofield etwa bringt Anmerkungen zur ganzen Bibel mit.</translation>
    </message>
    <message>
        <source>%1 has no note on %2.</source>
        <translation>%1 hat keine Anmerkung zu %2.</translation>
    </message>
</context>
<context>
    <name>kivra::CompareView</name>
    <message>
        <source>Compare Bibles: %1 %2:%3-%4:%5</source>
        <translation>Bibeln vergleichen: %1 %2:%3-%4:%5</translation>
    </message>
    <message>
        <source>Bible %1</source>
        <translation>Bibel %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Verses side by side</source>
        <translation>Verse nebeneinander</translation>
    </message>
    <message>
        <source>%1:title</source>
        <translation>%1:Überschrift</translation>
    </message>
</context>
<context>
    <name>kivra::KeyListDialog</name>
    <message>
        <source>Keys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Funktion</translation>
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
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>within Bible</source>
        <translation>in der Bibel</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Advanced Search</source>
        <translation>Erweiterte Suche</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Suche löschen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Pray</source>
        <translation>Beten</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Ganze Wörter</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Words from God :</source>
        <translation>Worte Gottes :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Related Bookmark:</source>
        <translation>Verwandtes Lesezeichen:</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Export Bible Verse</source>
        <translation>Bibelvers exportieren</translation>
    </message>
    <message>
        <source>Bible</source>
        <translation>Bibel</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>The passage in two or three Bibles side by side</source>
        <translation>Die Stelle in zwei oder drei Bibeln nebeneinander</translation>
    </message>
    <message>
        <source>Back to results</source>
        <translation>Zu den Ergebnissen</translation>
    </message>
    <message>
        <source>Show the search results again</source>
        <translation>Die Suchergebnisse wieder anzeigen</translation>
    </message>
    <message>
        <source>Search the whole Bible (%1)</source>
        <translation>Die ganze Bibel durchsuchen (%1)</translation>
    </message>
    <message>
        <source>Verse Selector</source>
        <translation>Versauswahl</translation>
    </message>
    <message>
        <source>Bible Stories</source>
        <translation>Bibelgeschichten</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>The prayer page cannot be reached. Check that this computer is connected to the internet, then click &quot;Pray&quot; again.</source>
        <translation>Die Gebetsseite ist nicht erreichbar. Prüfen Sie, ob dieser Computer mit dem Internet verbunden ist, und klicken Sie dann erneut auf „Beten“.</translation>
    </message>
    <message>
        <source>A commentary beside the passage</source>
        <translation>Ein Kommentar neben der Stelle</translation>
    </message>
</context>
<context>
    <name>kivra::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Settings for displaying Bible text:</source>
        <translation>Einstellungen für die Anzeige des Bibeltextes:</translation>
    </message>
    <message>
        <source>Insert a new line after verse</source>
        <translation>Nach jedem Vers eine neue Zeile</translation>
    </message>
    <message>
        <source>Show chapter and section number</source>
        <translation>Kapitel- und Versnummer anzeigen</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klicken Sie</translation>
    </message>
    <message>
        <source>here</source>
        <translation>hier</translation>
    </message>
    <message>
        <source>to select font</source>
        <translation>für die Schriftauswahl</translation>
    </message>
    <message>
        <source>Sample Verse:</source>
        <translation>Beispielvers:</translation>
    </message>
    <message>
        <source>Paper under a dark theme</source>
        <translation>Papier bei dunklem Design</translation>
    </message>
</context>
<context>
    <name>kivra::ReadAloud</name>
    <message>
        <source>Reading aloud stopped: %1</source>
        <translation>Vorlesen beendet: %1</translation>
    </message>
    <message>
        <source>Reading aloud paused</source>
        <translation>Vorlesen angehalten</translation>
    </message>
    <message>
        <source>Reading aloud stopped</source>
        <translation>Vorlesen beendet</translation>
    </message>
    <message>
        <source>Reading speed %1</source>
        <translation>Vorlesetempo %1</translation>
    </message>
    <message>
        <source>Reading aloud verse %1 of %2</source>
        <translation>Vorlesen: Vers %1 von %2</translation>
    </message>
</context>
<context>
    <name>kivra::ReadingView</name>
    <message>
        <source>Passage</source>
        <translation>Bibelstelle</translation>
    </message>
</context>
<context>
    <name>kivra::ReferenceBox</name>
    <message>
        <source>Go to, e.g. John 3:16</source>
        <translation>Gehe zu, z. B. Joh 3,16</translation>
    </message>
    <message>
        <source>Go to a reference such as John 3:16, Ps 23 or 1 Cor 13:4-7 (Ctrl+L)</source>
        <translation>Zu einer Stelle wie Joh 3,16, Ps 23 oder 1 Kor 13,4-7 gehen (Strg+L)</translation>
    </message>
</context>
<context>
    <name>kivra::SearchResultsView</name>
    <message>
        <source>Testament</source>
        <translation>Testament</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Vers</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Selected verse</source>
        <translation>Gewählter Vers</translation>
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
        <translation>Bibelgeschichte</translation>
    </message>
    <message>
        <source>Bible Story Editor</source>
        <translation>Bibelgeschichten-Editor</translation>
    </message>
    <message>
        <source>Name of the Bible Story:</source>
        <translation>Name der Bibelgeschichte:</translation>
    </message>
    <message>
        <source>Select verse for the story:</source>
        <translation>Verse für die Geschichte wählen:</translation>
    </message>
    <message>
        <source>Selected verse(s)</source>
        <translation>Gewählte Verse</translation>
    </message>
    <message>
        <source>Select picture for the story</source>
        <translation>Bild für die Geschichte wählen</translation>
    </message>
    <message>
        <source>Click the icon to browse:</source>
        <translation>Symbol anklicken:</translation>
    </message>
    <message>
        <source>Notes for the selected verse of the Bible Story</source>
        <translation>Notizen zum gewählten Vers der Bibelgeschichte</translation>
    </message>
    <message>
        <source>Editing &quot;%1&quot;</source>
        <translation>„%1“ bearbeiten</translation>
    </message>
    <message>
        <source>Load Bible Story Verse Image</source>
        <translation>Bild für die Bibelgeschichte laden</translation>
    </message>
</context>
<context>
    <name>kivra::StoryPanel</name>
    <message>
        <source>Bible Story:</source>
        <translation>Bibelgeschichte:</translation>
    </message>
    <message>
        <source>Import Bible Story</source>
        <translation>Bibelgeschichte importieren</translation>
    </message>
    <message>
        <source>Export Bible Story</source>
        <translation>Bibelgeschichte exportieren</translation>
    </message>
    <message>
        <source>Export the Whole Bible Story List</source>
        <translation>Die ganze Liste der Bibelgeschichten exportieren</translation>
    </message>
    <message>
        <source>All Bible Stories</source>
        <translation>Alle Bibelgeschichten</translation>
    </message>
</context>
<context>
    <name>kivra::StoryViewer</name>
    <message>
        <source>Bible Story</source>
        <translation>Bibelgeschichte</translation>
    </message>
    <message>
        <source>Story Verse:</source>
        <translation>Vers der Geschichte:</translation>
    </message>
    <message>
        <source>Story Picture:</source>
        <translation>Bild der Geschichte:</translation>
    </message>
    <message>
        <source>Story Notes:</source>
        <translation>Notizen zur Geschichte:</translation>
    </message>
</context>
<context>
    <name>kivra::VerseRangeSelector</name>
    <message>
        <source>Testament:</source>
        <translation>Testament:</translation>
    </message>
    <message>
        <source>Book:</source>
        <translation>Buch:</translation>
    </message>
    <message>
        <source>From Chapter:</source>
        <translation>Von Kapitel:</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Vers:</translation>
    </message>
    <message>
        <source>To Chapter:</source>
        <translation>Bis Kapitel:</translation>
    </message>
    <message>
        <source>From verse</source>
        <translation>Von Vers</translation>
    </message>
    <message>
        <source>To verse</source>
        <translation>Bis Vers</translation>
    </message>
</context>
<context>
    <name>kivra::WordStudy</name>
    <message>
        <source>Word study</source>
        <translation>Wortstudie</translation>
    </message>
    <message>
        <source>also %1</source>
        <translation>auch %1</translation>
    </message>
    <message>
        <source>Every verse with %1</source>
        <translation>Jeder Vers mit %1</translation>
    </message>
    <message>
        <source>Every verse with this number</source>
        <translation>Jeder Vers mit dieser Nummer</translation>
    </message>
</context>
</TS>
