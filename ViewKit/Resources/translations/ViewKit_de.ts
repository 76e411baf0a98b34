<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>ViewKit</name>
    <message>
        <source>DEFAULT</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>SHADOWS</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>PRIVACY_POLICY</source>
        <translation>Kestrion erfasst, speichert und sendet keine persönlichen Daten. Die angezeigten Systemwerte werden auf diesem Computer gelesen und bleiben dort.</translation>
    </message>
    <message>
        <source>APP_ICON_INFO</source>
        <translation>Das App-Symbol wurde von einem unabhängigen Designstudio gestaltet. Weitere Arbeiten zeigt sein Portfolio.</translation>
    </message>
    <message>
        <source>PORTFOLIO</source>
        <translation>Portfolio</translation>
    </message>
    <message>
        <source>SHOW_IN_APP_STORE</source>
        <translation>Im Store zeigen</translation>
    </message>
    <message>
        <source>NO_APPS_FOUND</source>
        <translation>Keine Apps gefunden</translation>
    </message>
    <message>
        <source>LOADING_DATA</source>
        <translation>Daten werden geladen…</translation>
    </message>
    <message>
        <source>LOADING_DATA_INFO</source>
        <translation>Bitte warten, die Liste der Apps wird geladen.</translation>
    </message>
    <message>
        <source>RATE_APP_TITLE</source>
        <translation>%1 bewerten</translation>
    </message>
    <message>
        <source>RATE_APP_HEADLINE</source>
        <translation>Gefällt dir %1?</translation>
    </message>
    <message>
        <source>RATE_APP_MESSAGE</source>
        <translation>Wenn dir %1 gefällt, nimm dir bitte einen Moment Zeit für eine Bewertung. Vielen Dank für deine Unterstützung!</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>Bewerten</translation>
    </message>
    <message>
        <source>NOT_NOW</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>NO_APP_TO_OPEN_LINK</source>
        <translation>Kein Programm konnte %1 öffnen</translation>
    </message>
    <message>
        <source>APPS_NOT_LOADED</source>
        <translation>Die Liste der Apps konnte nicht geladen werden. Bitte die Internetverbindung prüfen und es erneut versuchen.</translation>
    </message>
    <message>
        <source>TRY_AGAIN</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>SHOW_ALL_APPS</source>
        <translation>Alle Apps auf der Website des Herstellers zeigen</translation>
    </message>
</context>
</TS>
