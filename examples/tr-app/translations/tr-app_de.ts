<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TrApp::TrWindow</name>
    <message>
        <location filename="../trwindow.cpp" line="61"/>
        <source>Parlox tr() example</source>
        <translation>Parlox-Beispiel mit tr()</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="62"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="63"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="64"/>
        <source>Every text of this window comes from tr().</source>
        <translation>Jeder Text dieses Fensters kommt aus tr().</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="65"/>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="66"/>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="67"/>
        <source>Open</source>
        <comment>verb: open the files</comment>
        <translation>Öffnen</translation>
    </message>
    <message numerus="yes">
        <location filename="../trwindow.cpp" line="73"/>
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
</context>
</TS>
