<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<!-- Only "Hello": "Goodbye" must fall back to its source text once this language is chosen. -->
<context><name>LangProbe</name>
    <message><source>Hello</source><translation>你好</translation></message>
</context>
</TS>
