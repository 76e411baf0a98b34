<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>ViewKit</name>
    <message>
        <source>DEFAULT</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>SHADOWS</source>
        <translation>Shadows</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>PRIVACY_POLICY</source>
        <translation>Kestrion does not collect, store or send any personal data. The system values it shows are read on this computer and stay on it.</translation>
    </message>
    <message>
        <source>APP_ICON_INFO</source>
        <translation>The app icon was designed by an independent design studio. More of its work is in its portfolio.</translation>
    </message>
    <message>
        <source>PORTFOLIO</source>
        <translation>Portfolio</translation>
    </message>
    <message>
        <source>SHOW_IN_APP_STORE</source>
        <translation>Show in Store</translation>
    </message>
    <message>
        <source>NO_APPS_FOUND</source>
        <translation>No apps found</translation>
    </message>
    <message>
        <source>LOADING_DATA</source>
        <translation>Loading data…</translation>
    </message>
    <message>
        <source>LOADING_DATA_INFO</source>
        <translation>Please wait while the list of apps is loaded.</translation>
    </message>
    <message>
        <source>RATE_APP_TITLE</source>
        <translation>Rate %1</translation>
    </message>
    <message>
        <source>RATE_APP_HEADLINE</source>
        <translation>Enjoying %1?</translation>
    </message>
    <message>
        <source>RATE_APP_MESSAGE</source>
        <translation>If you like %1, please take a moment to rate it. Thank you for your support!</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>NOT_NOW</source>
        <translation>Not Now</translation>
    </message>
    <message>
        <source>NO_APP_TO_OPEN_LINK</source>
        <translation>No program could open %1</translation>
    </message>
    <message>
        <source>APPS_NOT_LOADED</source>
        <translation>The list of apps could not be loaded. Check the internet connection and try again.</translation>
    </message>
    <message>
        <source>TRY_AGAIN</source>
        <translation>Try Again</translation>
    </message>
    <message>
        <source>SHOW_ALL_APPS</source>
        <translation>Show all apps on the maker’s website</translation>
    </message>
</context>
</TS>
