<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>LanguageKit</name>
    <message>
        <source>DISMISS</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>CONTACT_FORM_DOTS</source>
        <translation>Kontaktformular…</translation>
    </message>
    <message>
        <source>GENERAL</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>AUTO_START</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>SHOW_IN_MENU_BAR</source>
        <translation>In der Leiste anzeigen</translation>
    </message>
    <message>
        <source>HIDE_ICON_IN_DOCK</source>
        <translation>Symbol in der Taskleiste ausblenden</translation>
    </message>
    <message>
        <source>HIDE_MAIN_WINDOW_ON_START</source>
        <translation>Hauptfenster beim Start ausblenden</translation>
    </message>
    <message>
        <source>CONNECTED_VIA_VPN</source>
        <translation>Über VPN verbunden</translation>
    </message>
    <message>
        <source>CONNECTED_VIA_VPN_INFO</source>
        <translation>Deine Verbindungen laufen über ein VPN.</translation>
    </message>
    <message>
        <source>NOT_CONNECTED_VIA_VPN</source>
        <translation>Nicht über VPN verbunden</translation>
    </message>
    <message>
        <source>NOT_CONNECTED_VIA_VPN_INFO</source>
        <translation>Deine Verbindungen laufen nicht über ein VPN.</translation>
    </message>
    <message>
        <source>SHOW_OTHER_APPS_DOTS</source>
        <translation>Weitere Apps anzeigen…</translation>
    </message>
    <message>
        <source>OPEN_HOMEPAGE_DOTS</source>
        <translation>Homepage öffnen…</translation>
    </message>
    <message>
        <source>UNKNOWN_ADDRESS</source>
        <translation>Unbekannte Adresse</translation>
    </message>
    <message>
        <source>UNKNOWN_COUNTRY</source>
        <translation>Unbekanntes Land</translation>
    </message>
    <message>
        <source>OPEN_MAIN_WINDOW</source>
        <translation>Hauptfenster öffnen</translation>
    </message>
    <message>
        <source>PROGRAM_COLON</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>VPN_CONNECTION</source>
        <translation>VPN-Verbindung</translation>
    </message>
    <message>
        <source>REGULAR_CONNECTION</source>
        <translation>Normale Verbindung</translation>
    </message>
    <message>
        <source>CONNECTION_CHANGE</source>
        <translation>Verbindung geändert</translation>
    </message>
    <message>
        <source>ALERTS_COLON</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>Mitteilungen</translation>
    </message>
    <message>
        <source>VPN_NOTIFICATIONS</source>
        <translation>VPN-Mitteilungen</translation>
    </message>
    <message>
        <source>NOTIFCATIONS_INFO</source>
        <translation>Mitteilungen sind ausgeschaltet</translation>
    </message>
    <message>
        <source>NOTIFCATIONS_INFO_EXT</source>
        <translation>Erlaube Mitteilungen für diese App in den Mitteilungseinstellungen deines Desktops.</translation>
    </message>
    <message>
        <source>THEME_COLON</source>
        <translation>Erscheinungsbild:</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>System</translation>
    </message>
    <message>
        <source>LIGHT</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>DARK</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>QUIT_APP</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>Über %@</translation>
    </message>
    <message>
        <source>TEMPERATURE</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>TEMPERATURE_UNITS_COLON</source>
        <translation>Temperatureinheit:</translation>
    </message>
    <message>
        <source>HIDE_WINDOW_INFO</source>
        <translation>Das Fenster wird ausgeblendet und kann über die Leiste wieder geöffnet werden.</translation>
    </message>
    <message>
        <source>START_MODE_MENU_BAR</source>
        <translation>Nur in der Leiste</translation>
    </message>
    <message>
        <source>START_MODE_WINDOW_INFO</source>
        <translation>Die App startet mit ihrem Hauptfenster.</translation>
    </message>
    <message>
        <source>START_MODE_MENU_BAR_INFO</source>
        <translation>Die App startet ohne Fenster in der Leiste.</translation>
    </message>
    <message>
        <source>APP_START_MODE_COLON</source>
        <translation>Startmodus:</translation>
    </message>
    <message>
        <source>DEFAULT_WIDGET_COLON</source>
        <translation>Standard-Widget:</translation>
    </message>
    <message>
        <source>DEFAULT_WIDGET_INFO</source>
        <translation>Dieses Widget wird zuerst angezeigt.</translation>
    </message>
    <message>
        <source>ADDITIONAL_WIDGETS_CAN_BE_ADDED</source>
        <translation>Weitere Widgets können in den Einstellungen hinzugefügt werden.</translation>
    </message>
    <message>
        <source>FONT_COLON</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>USE_BOLD_FONT</source>
        <translation>Fette Schrift verwenden</translation>
    </message>
    <message>
        <source>PADDING_COLON</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>RESIZING_COLON</source>
        <translation>Größenänderung:</translation>
    </message>
    <message>
        <source>UNITS_COLON</source>
        <translation>Einheiten:</translation>
    </message>
    <message>
        <source>USE_BITS</source>
        <translation>Geschwindigkeiten in Bit anzeigen</translation>
    </message>
    <message>
        <source>REORDER_HINT</source>
        <translation>Reihenfolge ändern</translation>
    </message>
    <message>
        <source>REORDER_HINT_TEXT</source>
        <translation>Ziehe die Einträge, um ihre Reihenfolge zu ändern.</translation>
    </message>
    <message>
        <source>DISPLAY_NORMALIZED_LOADS</source>
        <translation>Normalisierte Prozessorlast anzeigen</translation>
    </message>
    <message>
        <source>NORMALIZED_HINT</source>
        <translation>Die Last wird durch die Zahl der Prozessorkerne geteilt, sodass kein Wert 100 % übersteigt.</translation>
    </message>
    <message>
        <source>CLOSE_APP_ON_WINDOW_CLOSE</source>
        <translation>Beim Schließen des Fensters beenden</translation>
    </message>
    <message>
        <source>USE_ANIMATIONS</source>
        <translation>Animationen verwenden</translation>
    </message>
    <message>
        <source>USE_ANIMATIONS_HINT</source>
        <translation>Diagramme und Balken gleiten zu ihren neuen Werten.</translation>
    </message>
    <message>
        <source>NO_VOLUMES</source>
        <translation>Keine Laufwerke</translation>
    </message>
    <message>
        <source>EXTERNAL_VOLUMES</source>
        <translation>Externe Laufwerke</translation>
    </message>
    <message>
        <source>MENU_BAR</source>
        <translation>Leiste</translation>
    </message>
    <message>
        <source>MENU_BAR_WIDGETS</source>
        <translation>Widgets in der Leiste</translation>
    </message>
    <message>
        <source>SELECT_ALL</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>UNSELECT_ALL</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>DELETE_FILES</source>
        <translation>Dateien löschen</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Erneut suchen</translation>
    </message>
    <message>
        <source>REFRESH</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>PRIVACY_LOW_CATEGORY</source>
        <translation>Geringes Datenschutzrisiko</translation>
    </message>
    <message>
        <source>PRIVACY_MEDIUM_CATEGORY</source>
        <translation>Mittleres Datenschutzrisiko</translation>
    </message>
    <message>
        <source>PRIVACY_HIGH_CATEGORY</source>
        <translation>Hohes Datenschutzrisiko</translation>
    </message>
    <message>
        <source>PRIVACY_CRITICAL_CATEGORY</source>
        <translation>Kritisches Datenschutzrisiko</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>APP_RUNNING</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>APP_NOT_RUNNING</source>
        <translation>Läuft nicht</translation>
    </message>
    <message>
        <source>SOLID</source>
        <translation>Deckend</translation>
    </message>
    <message>
        <source>GLASS</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>MAX_SIZE_NO_RESIZE_BEHAVIOUR</source>
        <translation>Größte Größe, fest</translation>
    </message>
    <message>
        <source>MAX_SIZE_NO_RESIZE_BEHAVIOUR_DESC</source>
        <translation>Das Fenster öffnet in seiner größten Größe und lässt sich nicht verändern.</translation>
    </message>
    <message>
        <source>FIXED_SIZE_BEHAVIOUR</source>
        <translation>Feste Größe</translation>
    </message>
    <message>
        <source>FIXED_SIZE_BEHAVIOUR_DESC</source>
        <translation>Das Fenster behält eine feste Größe.</translation>
    </message>
    <message>
        <source>MAX_SIZE_RESIZE_BEHAVIOUR</source>
        <translation>Größte Größe, veränderbar</translation>
    </message>
    <message>
        <source>MAX_SIZE_RESIZE_BEHAVIOUR_DESC</source>
        <translation>Das Fenster öffnet in seiner größten Größe und lässt sich verändern.</translation>
    </message>
    <message>
        <source>SIZE_TO_FIT_BEHAVIOUR</source>
        <translation>An Inhalt anpassen</translation>
    </message>
    <message>
        <source>SIZE_TO_FIT_BEHAVIOUR_DESC</source>
        <translation>Das Fenster nimmt die Größe seines Inhalts an.</translation>
    </message>
    <message>
        <source>VERY_SMALL_PADDING</source>
        <translation>Sehr klein</translation>
    </message>
    <message>
        <source>SMALL_PADDING</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>LARGE_PADDING</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>VERY_LARGE_PADDING</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>VALUE</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>UPLOAD</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>TRAFFIC</source>
        <translation>Datenverkehr</translation>
    </message>
    <message>
        <source>REGULAR</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>THIN</source>
        <translation>Dünn</translation>
    </message>
    <message>
        <source>ULTRA_THIN</source>
        <translation>Sehr dünn</translation>
    </message>
    <message>
        <source>THICK</source>
        <translation>Dick</translation>
    </message>
    <message>
        <source>ULTRA_THICK</source>
        <translation>Sehr dick</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>CURRENT_WEEK</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>PREVIOUS_WEEK</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>CURRENT_MONTH</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>PREVIOUS_MONTH</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>LAST_YEAR</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>HOSTNAME</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <source>FOREIGN_ADDRESS</source>
        <translation>Externe Adresse</translation>
    </message>
    <message>
        <source>LOCAL_IP</source>
        <translation>Lokale Adresse</translation>
    </message>
    <message>
        <source>COUNTRY</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>SIGNAL_STRENGTH</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <source>TRANSMIT_RATE</source>
        <translation>Übertragungsrate</translation>
    </message>
    <message>
        <source>NOISE_MEASUREMENT</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>ARCHITECTURE</source>
        <translation>Architektur</translation>
    </message>
    <message>
        <source>CORE_COUNT</source>
        <translation>Kerne</translation>
    </message>
    <message>
        <source>THREAD_COUNT</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>SERIAL_NUMBER</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>UPTIME</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>THERMAL_STATE</source>
        <translation>Thermischer Zustand</translation>
    </message>
    <message>
        <source>NOMINAL</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>FAIR</source>
        <translation>Mäßig</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>SERIOUS</source>
        <translation>Ernst</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>MEMORY</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>STORAGE</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>UNKNOWN_GPU</source>
        <translation>Unbekannte Grafikkarte</translation>
    </message>
    <message>
        <source>GRAPHICS</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>CHARGE_RATE</source>
        <translation>Laderate</translation>
    </message>
    <message>
        <source>DISCHARGE_RATE</source>
        <translation>Entladerate</translation>
    </message>
    <message>
        <source>FANS</source>
        <translation>Lüfter</translation>
    </message>
    <message>
        <source>CPU_CORES</source>
        <translation>Prozessorkerne</translation>
    </message>
    <message>
        <source>WIRED</source>
        <translation>Fest belegt</translation>
    </message>
    <message>
        <source>COMPRESSED</source>
        <translation>Komprimiert</translation>
    </message>
    <message>
        <source>AVAILABLE</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>IMPERIAL</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>METRIC</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>INTERNAL_BATTERY</source>
        <translation>Interne Batterie</translation>
    </message>
    <message>
        <source>MAIN_GRAPHICS_CARD</source>
        <translation>Hauptgrafikkarte</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>ACTIVE</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>DOWNLOAD_SPEED</source>
        <translation>Download-Geschwindigkeit</translation>
    </message>
    <message>
        <source>UPLOAD_SPEED</source>
        <translation>Upload-Geschwindigkeit</translation>
    </message>
    <message>
        <source>RELEASE_YEAR</source>
        <translation>Erscheinungsjahr</translation>
    </message>
    <message>
        <source>OPERATING_SYSTEM</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>IDENTIFIER</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>MACOS_VERSION</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>FIRESTORM_CORES</source>
        <translation>Leistungskerne</translation>
    </message>
    <message>
        <source>ICESTORM_CORES</source>
        <translation>Effizienzkerne</translation>
    </message>
    <message>
        <source>FULL_DISK_ACCESS</source>
        <translation>Vollständiger Festplattenzugriff</translation>
    </message>
    <message>
        <source>FULL_DISK_ACCESS_INFO</source>
        <translation>Manche Ordner lassen sich nur mit vollem Zugriff auf die Festplatte lesen.</translation>
    </message>
    <message>
        <source>FULL_DISK_ACCESS_RESTART</source>
        <translation>Starte die App neu, damit die neuen Zugriffsrechte wirken.</translation>
    </message>
    <message>
        <source>GRANT_PERMISSION</source>
        <translation>Berechtigung erteilen</translation>
    </message>
    <message>
        <source>GRANT_PERMISSIONS_INFO</source>
        <translation>Die App braucht deine Erlaubnis, um diesen Ordner zu lesen.</translation>
    </message>
    <message>
        <source>INSUFFICIENT_PERMISSIONS</source>
        <translation>Unzureichende Berechtigungen</translation>
    </message>
    <message>
        <source>WRONG_DIRECTORY_CHOSEN</source>
        <translation>Falscher Ordner gewählt</translation>
    </message>
    <message>
        <source>WRONG_DIRECTORY_CHOSEN_INFO</source>
        <translation>Bitte wähle den angefragten Ordner.</translation>
    </message>
    <message>
        <source>USER_INFO</source>
        <translation>Dein persönlicher Ordner</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>LIBRARY_INFO</source>
        <translation>Einstellungen und Daten deiner Anwendungen</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>APPLICATIONS_INFO</source>
        <translation>Die installierten Anwendungen</translation>
    </message>
    <message>
        <source>SAFARI</source>
        <translation>Webbrowser</translation>
    </message>
    <message>
        <source>SAFARI_INFO</source>
        <translation>Daten deines Webbrowsers</translation>
    </message>
    <message>
        <source>FIRMWARE_VERSION</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>LINK_SPEED</source>
        <translation>Verbindungsgeschwindigkeit</translation>
    </message>
    <message>
        <source>VENDOR</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>LOCAL_MAC_ADDRESS</source>
        <translation>Hardware-Adresse</translation>
    </message>
    <message>
        <source>MODEL</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>PHY_VERSION</source>
        <translation>PHY-Version</translation>
    </message>
    <message>
        <source>PHY_MODE</source>
        <translation>PHY-Modus</translation>
    </message>
    <message>
        <source>INTERFACE_MODE</source>
        <translation>Schnittstellenmodus</translation>
    </message>
    <message>
        <source>CHANNEL_BAND</source>
        <translation>Kanalband</translation>
    </message>
    <message>
        <source>CHANNEL</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>NO_NETWORK_ADAPTER</source>
        <translation>Kein Netzwerkadapter</translation>
    </message>
    <message>
        <source>DOWNLOAD_UPDATE</source>
        <translation>Update laden</translation>
    </message>
    <message>
        <source>SETTINGS_DOTS</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>SELECTED_FILES</source>
        <translation>Ausgewählte Dateien</translation>
    </message>
    <message>
        <source>CAPACITY_INFO</source>
        <translation>%1$@ von %2$@ belegt, %3$@ frei</translation>
    </message>
    <message>
        <source>EXTERNAL</source>
        <translation>Extern</translation>
    </message>
    <message>
        <source>STARTUP_VOLUME</source>
        <translation>Startlaufwerk</translation>
    </message>
    <message>
        <source>SYSTEM_VOLUME</source>
        <translation>Systemlaufwerk</translation>
    </message>
    <message>
        <source>VOLUMES</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>BSD_NAME</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>ROOT_BSD_NAME</source>
        <translation>Gerätename der Festplatte</translation>
    </message>
    <message>
        <source>FILE_SYSTEM</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>VOLUME_KIND</source>
        <translation>Laufwerkstyp</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>INTERNAL</source>
        <translation>Intern</translation>
    </message>
    <message>
        <source>MEDIA_TYPE</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>PRODUCT_NAME</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>VENDOR_NAME</source>
        <translation>Herstellername</translation>
    </message>
    <message>
        <source>PRODUCT_REVISION_LEVEL</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>OPERATIONS_READ</source>
        <translation>Leseoperationen</translation>
    </message>
    <message>
        <source>OPERATIONS_WRITE</source>
        <translation>Schreiboperationen</translation>
    </message>
    <message>
        <source>LATENCY_READ</source>
        <translation>Leselatenz</translation>
    </message>
    <message>
        <source>LATENCY_WRITE</source>
        <translation>Schreiblatenz</translation>
    </message>
    <message>
        <source>ERRORS_READ</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>ERRORS_WRITE</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>TOTAL_TIME_READ</source>
        <translation>Gesamte Lesezeit</translation>
    </message>
    <message>
        <source>TOTAL_TIME_WRITE</source>
        <translation>Gesamte Schreibzeit</translation>
    </message>
    <message>
        <source>RETRIES_READ</source>
        <translation>Wiederholte Lesevorgänge</translation>
    </message>
    <message>
        <source>RETRIES_WRITE</source>
        <translation>Wiederholte Schreibvorgänge</translation>
    </message>
    <message>
        <source>SHOP_DOTS</source>
        <translation>Shop…</translation>
    </message>
    <message>
        <source>TRAILING</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>LEADING</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>WELCOME_TO_APP</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>WELCOME_TO_APP_SUBTITLE</source>
        <translation>Nur wenige Schritte, dann ist die App bereit.</translation>
    </message>
    <message>
        <source>HIDDEN</source>
        <translation>Ausgeblendet</translation>
    </message>
    <message>
        <source>GRANT_PERMISSIONS</source>
        <translation>Berechtigungen erteilen</translation>
    </message>
    <message>
        <source>ALLOW</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>DETAILS</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>VOLUME_BYTES</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>VOLUME_OPERATIONS</source>
        <translation>Operationen</translation>
    </message>
    <message>
        <source>VOLUME_RETRIES</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>VOLUME_ERRORS</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>VOLUME_LATENCY</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <source>BYTES_READ</source>
        <translation>Gelesene Bytes</translation>
    </message>
    <message>
        <source>BYTES_WRITE</source>
        <translation>Geschriebene Bytes</translation>
    </message>
    <message>
        <source>DASHBOARD</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>LARGE_FILES</source>
        <translation>Große Dateien</translation>
    </message>
    <message>
        <source>UNINSTALLER</source>
        <translation>Deinstallation</translation>
    </message>
    <message>
        <source>OLD_FILES</source>
        <translation>Alte Dateien</translation>
    </message>
    <message>
        <source>REMNANTS</source>
        <translation>Überreste</translation>
    </message>
    <message>
        <source>DUPLICATES</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>ACTIVITY</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>PRIVACY_CLEANER</source>
        <translation>Datenschutz-Bereinigung</translation>
    </message>
    <message>
        <source>JUNK_CLEANER</source>
        <translation>Datenmüll-Bereinigung</translation>
    </message>
    <message>
        <source>PERMISSIONS</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>SENSORS</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>GRAPHICS_CARD</source>
        <translation>Grafikkarte</translation>
    </message>
    <message>
        <source>NETWORK</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>READ</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>WRITE</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>NO_RESULTS</source>
        <translation>Keine Ergebnisse</translation>
    </message>
    <message>
        <source>NO_FILTER_RESULTS_INFO</source>
        <translation>Nichts passt zum Suchbegriff.</translation>
    </message>
    <message>
        <source>SHOW_IN_FINDER</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>DELETING_SELECTED_FILES_DOTS</source>
        <translation>Ausgewählte Dateien werden gelöscht…</translation>
    </message>
    <message>
        <source>SEARCHING_FOR_FILES_DOTS</source>
        <translation>Dateien werden gesucht…</translation>
    </message>
    <message>
        <source>SELECTED_ELEMENTS</source>
        <translation>Ausgewählte Elemente</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>MEDIUM</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>CATEGORY_CONTAINS_ELEMENTS</source>
        <translation>Diese Kategorie enthält Elemente</translation>
    </message>
    <message>
        <source>EXTERNAL_ADDRESS_CAN_NOT_BE_DETERMINED</source>
        <translation>Die externe Adresse lässt sich nicht ermitteln.</translation>
    </message>
    <message>
        <source>APP_DISPLAY_STYLE</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>LEGEND</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>WINDOW</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>SHOW_VPN_STATUS</source>
        <translation>VPN-Status anzeigen</translation>
    </message>
    <message>
        <source>SHOW_COUNTRY_FLAG</source>
        <translation>Landesflagge anzeigen</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>BINARY_FILE</source>
        <translation>Programmdatei</translation>
    </message>
    <message>
        <source>BINARY_DELETE_INFO</source>
        <translation>Programmdateien müssen von Hand gelöscht werden.</translation>
    </message>
    <message>
        <source>OF</source>
        <translation>von</translation>
    </message>
    <message>
        <source>NO_RESULTS_INFO</source>
        <translation>Die Suche hat nichts gefunden.</translation>
    </message>
    <message>
        <source>CONTAINER</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>FAIR_CONDITION</source>
        <translation>Die Batterie ist in mäßigem Zustand.</translation>
    </message>
    <message>
        <source>POOR_CONDITION</source>
        <translation>Die Batterie ist in schlechtem Zustand.</translation>
    </message>
    <message>
        <source>GOOD_CONDITION</source>
        <translation>Die Batterie ist in gutem Zustand.</translation>
    </message>
    <message>
        <source>BATTERY_HEALTH</source>
        <translation>Batteriezustand</translation>
    </message>
    <message>
        <source>PROCESSOR</source>
        <translation>Prozessor</translation>
    </message>
    <message>
        <source>NETWORK_COLON</source>
        <translation>Netzwerk:</translation>
    </message>
    <message>
        <source>SYSTEM_INFORMATION_COLON</source>
        <translation>Systeminformationen:</translation>
    </message>
    <message>
        <source>BATTERY_CYCLES</source>
        <translation>Ladezyklen</translation>
    </message>
    <message>
        <source>CONDITION</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>POOR</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>GOOD</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>TIME_TO_FULL</source>
        <translation>Zeit bis voll</translation>
    </message>
    <message>
        <source>TIME_UNTIL_EMPTY</source>
        <translation>Zeit bis leer</translation>
    </message>
    <message>
        <source>CARD_STYLE_COLON</source>
        <translation>Kartenstil:</translation>
    </message>
    <message>
        <source>GLASS_THEME_COLON</source>
        <translation>Glasstil:</translation>
    </message>
    <message>
        <source>DESIGN_COLON</source>
        <translation>Design:</translation>
    </message>
    <message>
        <source>LOAD_USAGE</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>CONNECTED_VOLUMES</source>
        <translation>Verbundene Laufwerke</translation>
    </message>
    <message>
        <source>MEMORY_USAGE</source>
        <translation>Speicherauslastung</translation>
    </message>
    <message>
        <source>NETWORK_USAGE</source>
        <translation>Netzwerkauslastung</translation>
    </message>
    <message>
        <source>NETWORK_INFO</source>
        <translation>Netzwerkinformationen</translation>
    </message>
    <message>
        <source>PROCESSOR_CORES_USAGE</source>
        <translation>Auslastung der Prozessorkerne</translation>
    </message>
    <message>
        <source>PROCESSOR_USAGE</source>
        <translation>Prozessorauslastung</translation>
    </message>
    <message>
        <source>CELSIUS</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>FAHRENHEIT</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>NO_BATTERY</source>
        <translation>Keine interne Batterie</translation>
    </message>
    <message>
        <source>SEARCH</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>ICON_ONLY</source>
        <translation>Nur Symbol</translation>
    </message>
    <message>
        <source>CHARGE</source>
        <translation>Ladung</translation>
    </message>
    <message>
        <source>TIME_LEFT</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>BATTERY_CYCLES_DESC</source>
        <translation>Die Zahl der vollen Ladezyklen, die die Batterie durchlaufen hat.</translation>
    </message>
    <message>
        <source>BATTERY_HEALTH_DESC</source>
        <translation>Die heutige volle Kapazität der Batterie im Vergleich zu ihrer Nennkapazität.</translation>
    </message>
    <message>
        <source>NO_BATTERY_HEALTH</source>
        <translation>Kein Batteriezustand verfügbar</translation>
    </message>
    <message>
        <source>NOT_ENOUGH_DATA</source>
        <translation>Noch nicht genug Daten gesammelt</translation>
    </message>
    <message>
        <source>NO_CHARGING_CYCLES</source>
        <translation>Keine Ladezyklen</translation>
    </message>
    <message>
        <source>EJECT_ALL</source>
        <translation>Alle auswerfen</translation>
    </message>
    <message>
        <source>CONNECTIONS</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>App</translation>
    </message>
    <message>
        <source>CONNECTION_STATE</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>LOCAL_PORT</source>
        <translation>Lokaler Port</translation>
    </message>
    <message>
        <source>REMOTE_PORT</source>
        <translation>Entfernter Port</translation>
    </message>
    <message>
        <source>SPEED_MEASUREMENT_COLON</source>
        <translation>Geschwindigkeitsmessung:</translation>
    </message>
    <message>
        <source>PROCESSES</source>
        <translation>Prozesse</translation>
    </message>
    <message>
        <source>NETWORK_ADAPTER</source>
        <translation>Netzwerkadapter</translation>
    </message>
    <message>
        <source>PROCESSES_MODE_INFO</source>
        <translation>Misst den Datenverkehr jedes Prozesses.</translation>
    </message>
    <message>
        <source>NETWORK_ADAPTER_MODE_INFO</source>
        <translation>Misst den Datenverkehr jedes Netzwerkadapters.</translation>
    </message>
    <message>
        <source>SHOP</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>FOLDERS_SEARCHED</source>
        <translation>Durchsuchte Ordner</translation>
    </message>
    <message>
        <source>THIS_APP_IS_BUILT_USING_FRAMEWORKS_COLON</source>
        <translation>Diese App ist mit diesen Modulen gebaut:</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>TODAY</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>YESTERDAY</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>PROCESSES_TRAFFIC</source>
        <translation>Datenverkehr nach Prozess</translation>
    </message>
    <message>
        <source>ACTIVE_PROCESSES</source>
        <translation>Aktive Prozesse</translation>
    </message>
    <message>
        <source>MAX_DOWNLOAD_SPEED</source>
        <translation>Höchste Download-Geschwindigkeit</translation>
    </message>
    <message>
        <source>MAX_UPLOAD_SPEED</source>
        <translation>Höchste Upload-Geschwindigkeit</translation>
    </message>
    <message>
        <source>NETWORK_ADAPTERS</source>
        <translation>Netzwerkadapter</translation>
    </message>
    <message>
        <source>INSTALLED_APPS_FOUND</source>
        <translation>Gefundene installierte Anwendungen</translation>
    </message>
    <message>
        <source>TEMPERATURE_SENSORS</source>
        <translation>Temperatursensoren</translation>
    </message>
    <message>
        <source>CURRENT_SENSORS</source>
        <translation>Stromsensoren</translation>
    </message>
    <message>
        <source>VOLTAGE_SENSORS</source>
        <translation>Spannungssensoren</translation>
    </message>
    <message>
        <source>POWER_SENSORS</source>
        <translation>Leistungssensoren</translation>
    </message>
    <message>
        <source>ICON</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>ICON_AND_NAME</source>
        <translation>Symbol und Name</translation>
    </message>
    <message>
        <source>USAGE</source>
        <translation>Auslastung</translation>
    </message>
    <message>
        <source>SPEEDS</source>
        <translation>Geschwindigkeiten</translation>
    </message>
    <message>
        <source>WINDOW_INFO</source>
        <translation>Zeigt die App in einem eigenen Fenster.</translation>
    </message>
    <message>
        <source>MENU_BAR_INFO</source>
        <translation>Zeigt die App in der Leiste.</translation>
    </message>
    <message>
        <source>CHANGE_SETTINGS_ANY_TIME</source>
        <translation>Du kannst das jederzeit in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>COMPACT_APP_WINDOW</source>
        <translation>Kompaktes Fenster</translation>
    </message>
    <message>
        <source>MEMORY_IN_USE</source>
        <translation>Belegter Arbeitsspeicher</translation>
    </message>
    <message>
        <source>PROCESSOR_CORE_USAGES</source>
        <translation>Last der Prozessorkerne</translation>
    </message>
    <message>
        <source>SYSTEM_VOLUME_SPEED</source>
        <translation>Geschwindigkeit des Systemlaufwerks</translation>
    </message>
    <message>
        <source>THIS_MONTH</source>
        <translation>Diesen Monat</translation>
    </message>
    <message>
        <source>PROCESSOR_TEMPERATURE</source>
        <translation>Prozessortemperatur</translation>
    </message>
    <message>
        <source>GRAPHICS_CARD_TEMPERATURE</source>
        <translation>Grafikkartentemperatur</translation>
    </message>
    <message>
        <source>FAN_SPEEDS</source>
        <translation>Lüfterdrehzahlen</translation>
    </message>
    <message>
        <source>WATTS</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>SENSORS_COLON</source>
        <translation>Sensoren:</translation>
    </message>
    <message>
        <source>NETWORK_TRAFFIC_COLON</source>
        <translation>Netzwerkverkehr:</translation>
    </message>
    <message>
        <source>TEXTS_COLON</source>
        <translation>Texte:</translation>
    </message>
    <message>
        <source>HISTORIES_COLON</source>
        <translation>Verläufe:</translation>
    </message>
    <message>
        <source>SELECT_LATEST</source>
        <translation>Neueste auswählen</translation>
    </message>
    <message>
        <source>SELECT_OLDEST</source>
        <translation>Älteste auswählen</translation>
    </message>
    <message>
        <source>SEARCHING_DOTS</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>CLEANING_DOTS</source>
        <translation>Bereinigung läuft…</translation>
    </message>
    <message>
        <source>NO_DATA_AVAILABLE</source>
        <translation>Keine Daten verfügbar</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>NETWORK_USAGE_GRAPH</source>
        <translation>Diagramm der Netzwerkauslastung</translation>
    </message>
    <message>
        <source>TRAFFIC_TODAY</source>
        <translation>Datenverkehr heute</translation>
    </message>
    <message>
        <source>TRAFFIC_CURRENT_WEEK</source>
        <translation>Datenverkehr diese Woche</translation>
    </message>
    <message>
        <source>TRAFFIC_CURRENT_MONTH</source>
        <translation>Datenverkehr diesen Monat</translation>
    </message>
    <message>
        <source>ELEMENTS</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>CHART</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>PAST_SEVEN_DAYS</source>
        <translation>Letzte sieben Tage</translation>
    </message>
    <message>
        <source>DAILY_UPLOAD_TRAFFIC</source>
        <translation>Täglicher Upload</translation>
    </message>
    <message>
        <source>DAILY_DOWNLOAD_TRAFFIC</source>
        <translation>Täglicher Download</translation>
    </message>
    <message>
        <source>MONTHLY_UPLOAD_TRAFFIC</source>
        <translation>Monatlicher Upload</translation>
    </message>
    <message>
        <source>MONTHLY_DOWNLOAD_TRAFFIC</source>
        <translation>Monatlicher Download</translation>
    </message>
    <message>
        <source>TOTAL_UPLOAD_TRAFFIC</source>
        <translation>Gesamter Upload</translation>
    </message>
    <message>
        <source>TOTAL_DOWNLOAD_TRAFFIC</source>
        <translation>Gesamter Download</translation>
    </message>
    <message>
        <source>PROCESSOR_AND_MEMORY_USAGE</source>
        <translation>Prozessor- und Speicherauslastung</translation>
    </message>
    <message>
        <source>UPLOAD_AND_DOWNLOAD_SPEED</source>
        <translation>Upload- und Download-Geschwindigkeit</translation>
    </message>
    <message>
        <source>GRAPHICS_CARD_USAGE</source>
        <translation>Grafikkartenauslastung</translation>
    </message>
    <message>
        <source>PROCESSOR_LOAD_HISTORY</source>
        <translation>Verlauf der Prozessorlast</translation>
    </message>
    <message>
        <source>NETWORK_USAGE_HISTORY</source>
        <translation>Verlauf der Netzwerkauslastung</translation>
    </message>
    <message>
        <source>ENABLE_INFO_PANEL_MODULE</source>
        <translation>Im Infopanel anzeigen</translation>
    </message>
    <message>
        <source>INFO_PANEL_LEVEL_COLON</source>
        <translation>Ebene des Infopanels:</translation>
    </message>
    <message>
        <source>INFO_PANEL_MODULES_COLON</source>
        <translation>Module des Infopanels:</translation>
    </message>
    <message>
        <source>ALWAYS_STAY_ON_TOP</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>INFO_PANEL</source>
        <translation>Infopanel</translation>
    </message>
    <message>
        <source>SHOW_INFO_PANEL</source>
        <translation>Infopanel anzeigen</translation>
    </message>
    <message>
        <source>DEVELOPER</source>
        <translation>Entwickler</translation>
    </message>
    <message>
        <source>DEVELOPER_INFO</source>
        <translation>Optionen für Entwickler</translation>
    </message>
    <message>
        <source>SPEED_DISPLAY_COLON</source>
        <translation>Geschwindigkeitsanzeige:</translation>
    </message>
    <message>
        <source>HIGHEST_SPEED</source>
        <translation>Höchste Geschwindigkeit</translation>
    </message>
    <message>
        <source>READ_AND_WRITE_SPEED</source>
        <translation>Lese- und Schreibgeschwindigkeit</translation>
    </message>
    <message>
        <source>HIGHEST_SPEED_DESCRIPTION</source>
        <translation>Zeigt die höhere der Lese- und Schreibgeschwindigkeit.</translation>
    </message>
    <message>
        <source>READ_AND_WRITE_SPEED_DESCRIPTION</source>
        <translation>Zeigt Lese- und Schreibgeschwindigkeit getrennt.</translation>
    </message>
    <message>
        <source>TEMPORARY_FILES</source>
        <translation>Temporäre Dateien</translation>
    </message>
</context>
</TS>
