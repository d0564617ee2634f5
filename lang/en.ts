<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/main.qml" line="+14"/>
        <source>Vemo Portview</source>
        <translation>Vemo Portview</translation>
    </message>
</context>
</TS>
