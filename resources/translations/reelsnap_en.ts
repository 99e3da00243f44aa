<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LocalizedStrings</name>
    <message>
        <source>Drop a movie file on the application or this window to process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reelsnap does not process folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%d of %d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bye.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
