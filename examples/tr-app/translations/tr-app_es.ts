<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>TrApp::TrWindow</name>
    <message>
        <location filename="../trwindow.cpp" line="61"/>
        <source>Parlox tr() example</source>
        <translation>Ejemplo de tr() con Parlox</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="62"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="63"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="64"/>
        <source>Every text of this window comes from tr().</source>
        <translation>Cada texto de esta ventana viene de tr().</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="65"/>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="66"/>
        <source>Files:</source>
        <translation>Archivos:</translation>
    </message>
    <message>
        <location filename="../trwindow.cpp" line="67"/>
        <source>Open</source>
        <comment>verb: open the files</comment>
        <translation>Abrir</translation>
    </message>
    <message numerus="yes">
        <location filename="../trwindow.cpp" line="73"/>
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
</context>
</TS>
