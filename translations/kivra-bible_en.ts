<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BibleCommand</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible &quot;%1&quot; cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Bible &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No SWORD Bible is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed Bibles: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookmarkImportReport</name>
    <message numerus="yes">
        <source> and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One bookmark is already in your bookmark list: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bookmarks are already in your bookmark list: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One bookmark has a reference that is not a bookmark number: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bookmarks have a reference that is not a bookmark number: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (bookmark %2): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--app-dir needs a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--open needs a reference such as &quot;John 3:16&quot;, or a testament, a book and a verse range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command or wrong number of arguments: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bible needs the name of a Bible (see &quot;kivra-bible bibles&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bible goes with passage, search, advanced-search and export-rtf.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commentary</name>
    <message>
        <source>There is no commentary &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not keyed by verse.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>Kivra! Bible Bookmark (*.kbm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kivra Bible Story (*.kbs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kivra! Bible Story (*.kbs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 holds &quot;%2&quot; in &quot;%3&quot;, which is no whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bookmark store cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bookmark store cannot be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recordset cannot be written back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table has no columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table has more than 65535 columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a column has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> needs a maximum length of 1 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has more than 4 GiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a 16-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a 32-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has %1 characters, more than the %2 the column can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has %1 bytes, more than the column&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has an unknown column type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has %1 cells for %2 columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is NULL but not nullable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table descriptor exceeds 64 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: descriptor exceeds 64 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture folder &quot;%1&quot; cannot be opened (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture folder &quot;%1&quot; cannot be locked (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another import into &quot;%1&quot; is still running; try again when it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the story store cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the story table lacks its picture columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no new story number can be given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the story store is in use by another program or cannot be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the story store cannot be changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeCommand</name>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another writer&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>published</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>earlier versions of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short text lengths in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>long text lengths in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>presence bits from 0x01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rows to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>There are no bookmarks to export; no file was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no stories to export; no file was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bookmarks; refused %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n stories</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n stories as %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>list every key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type a reference to go to (&quot;Ps 23&quot;, &quot;John 3:16&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type a text to search for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>advanced search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear the search and show the passage again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open the passage of the selectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>previous chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back to the search results after opening one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verse selector tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible story tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bookmark tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bookmark the passage or the selected result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export the passage to an RTF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pray: the web panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger reading text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smaller reading text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading text at its chosen size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read aloud the passage, the selected verses or the result; again: pause, resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop reading aloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read aloud faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read aloud slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next or previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the search box: search; in the results: open the result in its chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the results: previous or next result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy the selected text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the passage or the results: the verse menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the passage: the Strong&apos;s number and lexicon entry of the word at the cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show or hide the Strong&apos;s numbers in the passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show or hide the commentary beside the passage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>No lexicon of Strong&apos;s Hebrew numbers is installed; the package %1 brings one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lexicon of Strong&apos;s Greek numbers is installed; the package %1 brings one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no entry for %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PassageCommand</name>
    <message>
        <source>export-rtf needs TESTAMENT BOOK C:V-C:V FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no verse range %2:%3-%4:%5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible database could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a verse range: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No testament &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No book &quot;%1&quot; in the %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no text for %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlainTextPrinter</name>
    <message>
        <source>There is no printer, and no file was chosen to print to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The chosen pages lie beyond the end of the text, which has %n page(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Clear text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReferenceParser</name>
    <message>
        <source>there is no book &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be %2 or %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n chapter(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n verse(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ends before it starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write it like John 3:16, Ps 23 or 1 Cor 13:4-7</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>%1 verses found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 verse found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchCommand</name>
    <message numerus="yes">
        <source>%1 needs %n value(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>no testament %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no book %1 in the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a verse range: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown operator: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the search failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: search [--whole-words] [--] TEXT | advanced-search [--whole-words] [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no verse range %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Selector</name>
    <message>
        <source>Old Testament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Testament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not contain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select or Input</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>its versification &quot;%1&quot; is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its index file %1 has %2 bytes where the %3 versification needs %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its index files (%1) are missing from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its index file %1.idx is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its files at %1 are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not keyed by verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no readable text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no module %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its description names the %1 storage layout, but its files (%2) are of another one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoryEditor</name>
    <message>
        <source>Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp;*.dib)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF Images (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG Images (*.JPG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metafiles (*.wmf;*.emf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icons (*.ico;*.cur)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoryImportReport</name>
    <message numerus="yes">
        <source> and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture is larger than 50 MB: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures are larger than 50 MB: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture cannot be read as a picture: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures cannot be read as pictures: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One picture could not be written to the picture folder: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures could not be written to the picture folder: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (&quot;%2&quot;): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoryStore</name>
    <message>
        <source>Copy of </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoryText</name>
    <message>
        <source>%1 / Part %2 [%3] : %4:%5 - %6:%7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 notes: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The search results contain no bible text to bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an entry to bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bible story to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bible story to copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bible story to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bible story to delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bookmark to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bookmark to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bookmark to delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To input notes for the current verse, please click the &quot;bookmark icon&quot; to bookmark the verse first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please click the &quot;edit bookmark icon&quot; to modify the notes for this bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bookmark to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark in the specified file exists in the current bookmark list.  No import is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark list contains no bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible Story list contains no Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a bible story to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a verse to remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the name of the Bible story first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one verse for the current Bible story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kivra! Bible cannot open the database file &quot;%1&quot;. Reinstall the program or restore the file from a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options table in &quot;%1&quot; holds no row. Restore the file from a backup or reinstall the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a database of Kivra! Bible, or it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kivra! Bible cannot create its data folder &quot;%1&quot;. Check that your home folder can be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search operators in the Bible database are not ones this program knows. Reinstall the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This passage does not exist in the Bible, so it cannot be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark could not be saved. Nothing was changed; please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark could not be deleted. Nothing was changed; please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible story could not be saved. Nothing has been changed and the editor stays open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible story could not be restored. Nothing has been changed and the editor stays open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible story could not be copied. Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible story could not be deleted. Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected verse(s) could not be added to the Bible story.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected verse could not be removed from the Bible story.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer. Set up a printer in the system&apos;s printer settings and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text could not be printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web page &quot;%1&quot; could not be opened. Open it in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web panel could not be started: %1 The rest of the program works as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark reference &quot;%1&quot; in the file is not a bookmark number. That bookmark is not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; is larger than 50 MB. The story is imported without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; cannot be read as a picture. The story is imported without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture of the Bible story &quot;%1&quot; cannot be written to &quot;%2&quot;: %3 The story is imported without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference &quot;%1&quot; cannot be shown: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Type text to search and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the selected Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the selected Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmark the selected verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conduct an advanced search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request for technical support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say a prayer online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Verse Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Bible Story Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Bookmark List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a donation for Kivra! Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the bookmarked verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a bookmark from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the selected bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the whole bookmark list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a bible story from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the selected bible story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the whole bible story list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the selected verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a related bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the original bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No related bookmark found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an image for the current Bible story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the image of the current Bible story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the selected verse(s) to the Bible story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected verse(s) from the Bible story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected verse up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected verse down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the current Bible story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel saving the current Bible story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the current Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the current bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel saving the current bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Advanced Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Advanced Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These notes are too long to be changed here; they are kept as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the passage to an RTF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Kivra! Bible (process %2) is using the folder &quot;%1&quot;. Close that copy, or wait until it has finished, and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is using the folder &quot;%1&quot;. Close it, or wait until it has finished, and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kivra! Bible cannot reserve the folder &quot;%1&quot; for itself. Check that the folder can be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no text for %2 %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Bible cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible story cannot be opened for changes: the copy that Cancel would restore could not be written. Free some disk space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be imported: it cannot be read, or it is not a bookmark or Bible story file saved by Kivra! Bible, or it is damaged. Nothing was imported. Choose another file, or export the file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading aloud needs a speech engine, and none was found. Install speech-dispatcher (or another engine for Qt TextToSpeech) to have the text read aloud; the rest of the program works as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import from &quot;%1&quot; could not be completed, so nothing was imported. Check that the disk is not full and that the program&apos;s data can be changed, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; name passages that are not in the Bible, so nothing of them was imported:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other bookmarks of the file were added to your bookmark list, but not these:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible stories were imported, but some without their pictures:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected bookmark is linked to no other bookmark, so there is nothing to export with it. To pass it on, export the whole bookmark list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyCommand</name>
    <message>
        <source>&quot;%1&quot; is no Strong&apos;s number; write one such as H430 or G25.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: strongs NUMBER (such as H430 or G25)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: search --strongs NUMBER (with --bible NAME)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 carries no Strong&apos;s numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in Bible carries no Strong&apos;s numbers; choose one that does with --bible (see &quot;kivra-bible bibles&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: commentary --module NAME REFERENCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No SWORD commentary can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commentaries: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no note on %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerseExport</name>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 Chapter %3 Section %4 to  Chapter %5 Section %6</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy with reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commentary beside the passage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::AboutDialog</name>
    <message>
        <source>About Kivra! Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kivra! Bible 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to close this window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::AdvancedSearchDialog</name>
    <message>
        <source>Advanced Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for bible verse (s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search within All BOOKS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Within the following scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::BibleChooser</name>
    <message>
        <source>Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible to read and search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2), module %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KJV</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::BookmarkEditor</name>
    <message>
        <source>Bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes for this bookmark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Related Bookmark:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::BookmarkPanel</name>
    <message>
        <source>Bookmark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmark Notes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the Whole Bookmark List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::ChosenBible</name>
    <message>
        <source>King James Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no Bible called %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::CommentaryPane</name>
    <message>
        <source>Commentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commentary notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2, cannot be read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No commentary is installed; the package sword-comm-scofield, for one, brings notes on the whole Bible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no note on %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::CompareView</name>
    <message>
        <source>Compare Bibles: %1 %2:%3-%4:%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verses side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::KeyListDialog</name>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What it does</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::MainWindow</name>
    <message>
        <source>Kivra! Bible 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>within Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words from God :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Related Bookmark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Bible Verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passage in two or three Bibles side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the search results again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the whole Bible (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verse Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible Stories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prayer page cannot be reached. Check that this computer is connected to the internet, then click &quot;Pray&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A commentary beside the passage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings for displaying Bible text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a new line after verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show chapter and section number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to select font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Verse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper under a dark theme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::ReadAloud</name>
    <message>
        <source>Reading aloud stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading aloud paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading aloud stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading speed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading aloud verse %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::ReadingView</name>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::ReferenceBox</name>
    <message>
        <source>Go to, e.g. John 3:16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to a reference such as John 3:16, Ps 23 or 1 Cor 13:4-7 (Ctrl+L)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::SearchResultsView</name>
    <message>
        <source>Testament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected verse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::SplashScreen</name>
    <message>
        <source>Kivra! Bible 2.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::StoryEditor</name>
    <message>
        <source>Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible Story Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the Bible Story:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select verse for the story:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected verse(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select picture for the story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the icon to browse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes for the selected verse of the Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Bible Story Verse Image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::StoryPanel</name>
    <message>
        <source>Bible Story:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the Whole Bible Story List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Bible Stories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::StoryViewer</name>
    <message>
        <source>Bible Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Story Verse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Story Picture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Story Notes:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::VerseRangeSelector</name>
    <message>
        <source>Testament:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Chapter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Chapter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To verse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::WordStudy</name>
    <message>
        <source>Word study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every verse with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every verse with this number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
