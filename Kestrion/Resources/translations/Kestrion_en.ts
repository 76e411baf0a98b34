<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>Kestrion</name>
    <message>
        <source>SENSORS_INFO</source>
        <translation>Temperatures, voltages, currents, powers and fan speeds come from Thermion, a small companion app. Install it to see them here.</translation>
    </message>
    <message>
        <source>DOWNLOAD_THERMION</source>
        <translation>Download Thermion</translation>
    </message>
    <message>
        <source>START_THERMION_ONCE</source>
        <translation>Start Thermion once after installing it.</translation>
    </message>
    <message>
        <source>HELPER_START_STOP</source>
        <translation>Thermion:</translation>
    </message>
    <message>
        <source>START_THERMION_AUTOMATICALLY</source>
        <translation>Start Thermion when the window opens</translation>
    </message>
    <message>
        <source>STOP_THERMION_AUTOMATICALLY</source>
        <translation>Quit Thermion when the window closes</translation>
    </message>
    <message>
        <source>NEW_THERMION_AVAILABLE</source>
        <translation>A new version of Thermion is available</translation>
    </message>
    <message>
        <source>UPDATE_IS_AVAILABLE</source>
        <translation>Download the update to keep your sensor readings accurate.</translation>
    </message>
    <message>
        <source>MODULES</source>
        <translation>Modules</translation>
    </message>
    <message>
        <source>PROCESSOR</source>
        <translation>Processor:</translation>
    </message>
    <message>
        <source>TEMPERATURE_UNITS_HINT</source>
        <translation>Used for every temperature shown by Kestrion, including the battery and the sensors of Thermion.</translation>
    </message>
    <message>
        <source>NO_VIEWS_CONFIGURED</source>
        <translation>No Cards to Show</translation>
    </message>
    <message>
        <source>NO_VIEWS_CONFIGURED_INFO</source>
        <translation>Every module is switched off, or the switched-on ones have nothing to show on this computer. Open the settings and switch on the modules you want to see in this window.</translation>
    </message>
    <message>
        <source>BASIC_SYSTEM_INFO</source>
        <translation>Basic system information</translation>
    </message>
    <message>
        <source>VOLUMES</source>
        <translation>Volumes:</translation>
    </message>
    <message>
        <source>BATTERIES</source>
        <translation>Batteries:</translation>
    </message>
    <message>
        <source>GRAPHICS_CARD_COLON</source>
        <translation>Graphics card:</translation>
    </message>
    <message>
        <source>Version %1 (Build %2)</source>
        <translation>Version %1 (Build %2)</translation>
    </message>
    <message>
        <source>UTILIZATION</source>
        <translation>Utilization</translation>
    </message>
    <message>
        <source>OTHER_APPS</source>
        <translation>Other Apps</translation>
    </message>
</context>
</TS>
