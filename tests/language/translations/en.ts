<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>LangProbe</name>
    <message>
        <source>Hello</source>
        <translation>Hello from en.qm</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>Goodbye from en.qm</translation>
    </message>
</context>
</TS>
