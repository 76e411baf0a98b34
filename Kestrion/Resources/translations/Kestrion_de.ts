<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>Kestrion</name>
    <message>
        <source>SENSORS_INFO</source>
        <translation>Temperaturen, Spannungen, Ströme, Leistungen und Lüfterdrehzahlen liefert Thermion, eine kleine Begleit-App. Installiere sie, um sie hier zu sehen.</translation>
    </message>
    <message>
        <source>DOWNLOAD_THERMION</source>
        <translation>Thermion laden</translation>
    </message>
    <message>
        <source>START_THERMION_ONCE</source>
        <translation>Starte Thermion nach der Installation einmal.</translation>
    </message>
    <message>
        <source>HELPER_START_STOP</source>
        <translation>Thermion:</translation>
    </message>
    <message>
        <source>START_THERMION_AUTOMATICALLY</source>
        <translation>Thermion beim Öffnen des Fensters starten</translation>
    </message>
    <message>
        <source>STOP_THERMION_AUTOMATICALLY</source>
        <translation>Thermion beim Schließen des Fensters beenden</translation>
    </message>
    <message>
        <source>NEW_THERMION_AVAILABLE</source>
        <translation>Eine neue Version von Thermion ist da</translation>
    </message>
    <message>
        <source>UPDATE_IS_AVAILABLE</source>
        <translation>Lade das Update, damit deine Sensorwerte stimmen.</translation>
    </message>
    <message>
        <source>MODULES</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>PROCESSOR</source>
        <translation>Prozessor:</translation>
    </message>
    <message>
        <source>TEMPERATURE_UNITS_HINT</source>
        <translation>Gilt für jede Temperatur, die Kestrion zeigt, auch für die Batterie und die Sensoren von Thermion.</translation>
    </message>
    <message>
        <source>NO_VIEWS_CONFIGURED</source>
        <translation>Keine Karten zum Anzeigen</translation>
    </message>
    <message>
        <source>NO_VIEWS_CONFIGURED_INFO</source>
        <translation>Alle Module sind ausgeschaltet, oder die eingeschalteten haben auf diesem Computer nichts zu zeigen. Öffne die Einstellungen und schalte die Module ein, die dieses Fenster zeigen soll.</translation>
    </message>
    <message>
        <source>BASIC_SYSTEM_INFO</source>
        <translation>Grundlegende Systeminformationen</translation>
    </message>
    <message>
        <source>VOLUMES</source>
        <translation>Laufwerke:</translation>
    </message>
    <message>
        <source>BATTERIES</source>
        <translation>Batterien:</translation>
    </message>
    <message>
        <source>GRAPHICS_CARD_COLON</source>
        <translation>Grafikkarte:</translation>
    </message>
    <message>
        <source>Version %1 (Build %2)</source>
        <translation>Version %1 (Build %2)</translation>
    </message>
    <message>
        <source>UTILIZATION</source>
        <translation>Auslastung</translation>
    </message>
    <message>
        <source>OTHER_APPS</source>
        <translation>Weitere Apps</translation>
    </message>
</context>
</TS>
