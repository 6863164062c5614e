<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>core</name>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
