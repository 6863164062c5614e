<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="de">
<context>
    <name>core</name>
    <message>
        <source>Abbrechen</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
