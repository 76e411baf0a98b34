<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>BaseKit</name>
    <message>
        <source>UNKNOWN_APP</source>
        <translation>Unbekannte App</translation>
    </message>
    <message>
        <source>UNKNOWN_VERSION</source>
        <translation>Unbekannte Version</translation>
    </message>
    <message>
        <source>UNKNOWN_MACOS_VERSION</source>
        <translation>Unbekannte macOS-Version</translation>
    </message>
    <message>
        <source>UNKNOWN_COMPUTER_NAME</source>
        <translation>Unbekannter Computername</translation>
    </message>
    <message>
        <source>AGO_SECONDS</source>
        <translation>vor %1 Sekunden</translation>
    </message>
    <message>
        <source>ONE_MINUTE_AGO</source>
        <translation>vor 1 Minute</translation>
    </message>
    <message>
        <source>AGO_MINUTES</source>
        <translation>vor %1 Minuten</translation>
    </message>
    <message>
        <source>ONE_HOUR_AGO</source>
        <translation>vor 1 Stunde</translation>
    </message>
    <message>
        <source>HOURS_AGO</source>
        <translation>vor %1 Stunden</translation>
    </message>
    <message>
        <source>YESTERDAY</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>DAYS_AGO</source>
        <translation>vor %1 Tagen</translation>
    </message>
    <message>
        <source>TODAY_AT</source>
        <translation>Heute um</translation>
    </message>
    <message>
        <source>YESTERDAY_AT</source>
        <translation>Gestern um</translation>
    </message>
    <message>
        <source>HOURS</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>MINUTES</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>ARCHIVE</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>AUDIO</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>DOCUMENT</source>
        <translation>Dokument</translation>
    </message>
</context>
</TS>
