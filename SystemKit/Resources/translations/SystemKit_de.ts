<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>SystemKit</name>
    <message>
        <source>STARTUP_DISK</source>
        <translation>Startvolume</translation>
    </message>
    <message>
        <source>SYSTEM_VOLUME</source>
        <translation>Systemvolume</translation>
    </message>
    <message>
        <source>EXTERNAL_VOLUME</source>
        <translation>Externes Volume</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>PCI_EXPRESS</source>
        <translation>PCI Express</translation>
    </message>
    <message>
        <source>SD_CARD</source>
        <translation>SD-Karte</translation>
    </message>
    <message>
        <source>APPLE_FABRIC</source>
        <translation>Apple Fabric</translation>
    </message>
    <message>
        <source>PCI</source>
        <translation>PCI</translation>
    </message>
    <message>
        <source>SATA</source>
        <translation>SATA</translation>
    </message>
    <message>
        <source>ATA</source>
        <translation>ATA</translation>
    </message>
    <message>
        <source>ATAPI</source>
        <translation>ATAPI</translation>
    </message>
    <message>
        <source>VIRTUAL_INTERFACE</source>
        <translation>Virtuelle Schnittstelle</translation>
    </message>
</context>
</TS>
