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
    <message>
        <source>UNKNOWN_ADDRESS</source>
        <translation>Unbekannte Adresse</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_NONE</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_STATION</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_IBSS</source>
        <translation>IBSS</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_ACCESS_POINT</source>
        <translation>Zugangspunkt</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_UNKNOWN</source>
        <translation>Unbekannter Modus</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>WPA_PERSONAL</source>
        <translation>WPA Personal</translation>
    </message>
    <message>
        <source>WPA_PERSONAL_MIXED</source>
        <translation>WPA/WPA2 Personal</translation>
    </message>
    <message>
        <source>WPA2 Personal</source>
        <translation>WPA2 Personal</translation>
    </message>
    <message>
        <source>PERSONAL</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>DYNAMIC_WEP</source>
        <translation>Dynamisches WEP</translation>
    </message>
    <message>
        <source>WPA_ENTERPRISE</source>
        <translation>WPA Enterprise</translation>
    </message>
    <message>
        <source>WPA_ENTERPRISE_MIXED</source>
        <translation>WPA/WPA2 Enterprise</translation>
    </message>
    <message>
        <source>WPA2_ENTERPRISE</source>
        <translation>WPA2 Enterprise</translation>
    </message>
    <message>
        <source>ENTERPRISE</source>
        <translation>Enterprise</translation>
    </message>
    <message>
        <source>WPA3_PERSONAL</source>
        <translation>WPA3 Personal</translation>
    </message>
    <message>
        <source>WPA3_ENTERPRISE</source>
        <translation>WPA3 Enterprise</translation>
    </message>
    <message>
        <source>WPA3_TRANSITION</source>
        <translation>WPA2/WPA3 Personal</translation>
    </message>
    <message>
        <source>OWE</source>
        <translation>Erweitert offen</translation>
    </message>
    <message>
        <source>OW_TRANSITION</source>
        <translation>Erweitert offen (Übergang)</translation>
    </message>
    <message>
        <source>UNKNOWN_SECURITY</source>
        <translation>Unbekannte Sicherheit</translation>
    </message>
    <message>
        <source>BAND_UNKNOWN</source>
        <translation>Unbekanntes Band</translation>
    </message>
    <message>
        <source>BAND_2GHZ</source>
        <translation>2.4 GHz</translation>
    </message>
    <message>
        <source>BAND_5GHZ</source>
        <translation>5 GHz</translation>
    </message>
    <message>
        <source>BAND_6GHZ</source>
        <translation>6 GHz</translation>
    </message>
    <message>
        <source>PHY_MODE_NONE</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>PHY_MODE_UNKNOWN</source>
        <translation>Unbekannter PHY-Modus</translation>
    </message>
</context>
</TS>
