<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>kivra::AboutDialog</name>
    <message>
        <source>About Kivra! Bible</source>
        <translation>Über Kivra! Bible</translation>
    </message>
    <message>
        <source>Click here to close this window</source>
        <translation>Hier klicken, um dieses Fenster zu schließen</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The bookmark list contains no bookmark</source>
        <translation>Die Lesezeichenliste enthält kein Lesezeichen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a database of Kivra! Bible, or it is damaged.</source>
        <translation>Die Datei „%1“ ist keine Datenbank von Kivra! Bible oder sie ist beschädigt.</translation>
    </message>
</context>
</TS>
