<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A German catalogue of one word for the help tests: loading it is what makes German the
     language chosen at start, whatever the window's own catalogues hold. -->
<TS version="2.1" language="de">
<context>
    <name>HelpLanguage</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
</context>
</TS>
