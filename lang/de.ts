<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/main.qml" line="+14"/>
        <source>Vemo Portview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
