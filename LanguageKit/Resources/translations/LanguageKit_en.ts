<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>LanguageKit</name>
    <message>
        <source>DISMISS</source>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>CONTACT_FORM_DOTS</source>
        <translation>Contact Form…</translation>
    </message>
    <message>
        <source>GENERAL</source>
        <translation>General</translation>
    </message>
    <message>
        <source>AUTO_START</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>SHOW_IN_MENU_BAR</source>
        <translation>Show in panel</translation>
    </message>
    <message>
        <source>HIDE_ICON_IN_DOCK</source>
        <translation>Hide icon in the task bar</translation>
    </message>
    <message>
        <source>HIDE_MAIN_WINDOW_ON_START</source>
        <translation>Hide main window at start</translation>
    </message>
    <message>
        <source>CONNECTED_VIA_VPN</source>
        <translation>Connected via VPN</translation>
    </message>
    <message>
        <source>CONNECTED_VIA_VPN_INFO</source>
        <translation>Your traffic is routed through a VPN connection.</translation>
    </message>
    <message>
        <source>NOT_CONNECTED_VIA_VPN</source>
        <translation>Not connected via VPN</translation>
    </message>
    <message>
        <source>NOT_CONNECTED_VIA_VPN_INFO</source>
        <translation>Your traffic is not routed through a VPN connection.</translation>
    </message>
    <message>
        <source>SHOW_OTHER_APPS_DOTS</source>
        <translation>Show Other Apps…</translation>
    </message>
    <message>
        <source>OPEN_HOMEPAGE_DOTS</source>
        <translation>Open Homepage…</translation>
    </message>
    <message>
        <source>UNKNOWN_ADDRESS</source>
        <translation>Unknown address</translation>
    </message>
    <message>
        <source>UNKNOWN_COUNTRY</source>
        <translation>Unknown country</translation>
    </message>
    <message>
        <source>OPEN_MAIN_WINDOW</source>
        <translation>Open main window</translation>
    </message>
    <message>
        <source>PROGRAM_COLON</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>VPN_CONNECTION</source>
        <translation>VPN connection</translation>
    </message>
    <message>
        <source>REGULAR_CONNECTION</source>
        <translation>Regular connection</translation>
    </message>
    <message>
        <source>CONNECTION_CHANGE</source>
        <translation>Connection changed</translation>
    </message>
    <message>
        <source>ALERTS_COLON</source>
        <translation>Alerts:</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>VPN_NOTIFICATIONS</source>
        <translation>VPN notifications</translation>
    </message>
    <message>
        <source>NOTIFCATIONS_INFO</source>
        <translation>Notifications are turned off</translation>
    </message>
    <message>
        <source>NOTIFCATIONS_INFO_EXT</source>
        <translation>Allow notifications for this app in your desktop's notification settings.</translation>
    </message>
    <message>
        <source>THEME_COLON</source>
        <translation>Theme:</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>System</translation>
    </message>
    <message>
        <source>LIGHT</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>DARK</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>QUIT_APP</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>About %@</translation>
    </message>
    <message>
        <source>TEMPERATURE</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>TEMPERATURE_UNITS_COLON</source>
        <translation>Temperature unit:</translation>
    </message>
    <message>
        <source>HIDE_WINDOW_INFO</source>
        <translation>The window is hidden and can be opened again from the panel.</translation>
    </message>
    <message>
        <source>START_MODE_MENU_BAR</source>
        <translation>Panel only</translation>
    </message>
    <message>
        <source>START_MODE_WINDOW_INFO</source>
        <translation>The app starts with its main window.</translation>
    </message>
    <message>
        <source>START_MODE_MENU_BAR_INFO</source>
        <translation>The app starts in the panel without a window.</translation>
    </message>
    <message>
        <source>APP_START_MODE_COLON</source>
        <translation>Start mode:</translation>
    </message>
    <message>
        <source>DEFAULT_WIDGET_COLON</source>
        <translation>Default widget:</translation>
    </message>
    <message>
        <source>DEFAULT_WIDGET_INFO</source>
        <translation>This widget is shown first.</translation>
    </message>
    <message>
        <source>ADDITIONAL_WIDGETS_CAN_BE_ADDED</source>
        <translation>More widgets can be added in the settings.</translation>
    </message>
    <message>
        <source>FONT_COLON</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>USE_BOLD_FONT</source>
        <translation>Use bold font</translation>
    </message>
    <message>
        <source>PADDING_COLON</source>
        <translation>Padding:</translation>
    </message>
    <message>
        <source>RESIZING_COLON</source>
        <translation>Resizing:</translation>
    </message>
    <message>
        <source>UNITS_COLON</source>
        <translation>Units:</translation>
    </message>
    <message>
        <source>USE_BITS</source>
        <translation>Show speeds in bits</translation>
    </message>
    <message>
        <source>REORDER_HINT</source>
        <translation>Change the order</translation>
    </message>
    <message>
        <source>REORDER_HINT_TEXT</source>
        <translation>Drag the entries to change their order.</translation>
    </message>
    <message>
        <source>DISPLAY_NORMALIZED_LOADS</source>
        <translation>Show normalised processor loads</translation>
    </message>
    <message>
        <source>NORMALIZED_HINT</source>
        <translation>Loads are divided by the number of processor cores, so that no value exceeds 100 %.</translation>
    </message>
    <message>
        <source>CLOSE_APP_ON_WINDOW_CLOSE</source>
        <translation>Quit when the window is closed</translation>
    </message>
    <message>
        <source>USE_ANIMATIONS</source>
        <translation>Use animations</translation>
    </message>
    <message>
        <source>USE_ANIMATIONS_HINT</source>
        <translation>Charts and bars move smoothly to their new values.</translation>
    </message>
    <message>
        <source>NO_VOLUMES</source>
        <translation>No volumes</translation>
    </message>
    <message>
        <source>EXTERNAL_VOLUMES</source>
        <translation>External volumes</translation>
    </message>
    <message>
        <source>MENU_BAR</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>MENU_BAR_WIDGETS</source>
        <translation>Panel widgets</translation>
    </message>
    <message>
        <source>SELECT_ALL</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>UNSELECT_ALL</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>DELETE_FILES</source>
        <translation>Delete files</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Search again</translation>
    </message>
    <message>
        <source>REFRESH</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>PRIVACY_LOW_CATEGORY</source>
        <translation>Low privacy risk</translation>
    </message>
    <message>
        <source>PRIVACY_MEDIUM_CATEGORY</source>
        <translation>Medium privacy risk</translation>
    </message>
    <message>
        <source>PRIVACY_HIGH_CATEGORY</source>
        <translation>High privacy risk</translation>
    </message>
    <message>
        <source>PRIVACY_CRITICAL_CATEGORY</source>
        <translation>Critical privacy risk</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>APP_RUNNING</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>APP_NOT_RUNNING</source>
        <translation>Not running</translation>
    </message>
    <message>
        <source>SOLID</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>GLASS</source>
        <translation>Glass</translation>
    </message>
    <message>
        <source>MAX_SIZE_NO_RESIZE_BEHAVIOUR</source>
        <translation>Largest size, fixed</translation>
    </message>
    <message>
        <source>MAX_SIZE_NO_RESIZE_BEHAVIOUR_DESC</source>
        <translation>The window opens at its largest size and cannot be resized.</translation>
    </message>
    <message>
        <source>FIXED_SIZE_BEHAVIOUR</source>
        <translation>Fixed size</translation>
    </message>
    <message>
        <source>FIXED_SIZE_BEHAVIOUR_DESC</source>
        <translation>The window keeps one size.</translation>
    </message>
    <message>
        <source>MAX_SIZE_RESIZE_BEHAVIOUR</source>
        <translation>Largest size, resizable</translation>
    </message>
    <message>
        <source>MAX_SIZE_RESIZE_BEHAVIOUR_DESC</source>
        <translation>The window opens at its largest size and can be resized.</translation>
    </message>
    <message>
        <source>SIZE_TO_FIT_BEHAVIOUR</source>
        <translation>Fit to content</translation>
    </message>
    <message>
        <source>SIZE_TO_FIT_BEHAVIOUR_DESC</source>
        <translation>The window takes the size of its content.</translation>
    </message>
    <message>
        <source>VERY_SMALL_PADDING</source>
        <translation>Very small</translation>
    </message>
    <message>
        <source>SMALL_PADDING</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>LARGE_PADDING</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>VERY_LARGE_PADDING</source>
        <translation>Very large</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>VALUE</source>
        <translation>Value</translation>
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
        <translation>Traffic</translation>
    </message>
    <message>
        <source>REGULAR</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>THIN</source>
        <translation>Thin</translation>
    </message>
    <message>
        <source>ULTRA_THIN</source>
        <translation>Ultra thin</translation>
    </message>
    <message>
        <source>THICK</source>
        <translation>Thick</translation>
    </message>
    <message>
        <source>ULTRA_THICK</source>
        <translation>Ultra thick</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>None</translation>
    </message>
    <message>
        <source>CURRENT_WEEK</source>
        <translation>This week</translation>
    </message>
    <message>
        <source>PREVIOUS_WEEK</source>
        <translation>Last week</translation>
    </message>
    <message>
        <source>CURRENT_MONTH</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>PREVIOUS_MONTH</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>LAST_YEAR</source>
        <translation>Last year</translation>
    </message>
    <message>
        <source>HOSTNAME</source>
        <translation>Host name</translation>
    </message>
    <message>
        <source>FOREIGN_ADDRESS</source>
        <translation>External address</translation>
    </message>
    <message>
        <source>LOCAL_IP</source>
        <translation>Local address</translation>
    </message>
    <message>
        <source>COUNTRY</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>SIGNAL_STRENGTH</source>
        <translation>Signal strength</translation>
    </message>
    <message>
        <source>TRANSMIT_RATE</source>
        <translation>Transmit rate</translation>
    </message>
    <message>
        <source>NOISE_MEASUREMENT</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>ARCHITECTURE</source>
        <translation>Architecture</translation>
    </message>
    <message>
        <source>CORE_COUNT</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>THREAD_COUNT</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>SERIAL_NUMBER</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>UPTIME</source>
        <translation>Uptime</translation>
    </message>
    <message>
        <source>THERMAL_STATE</source>
        <translation>Thermal state</translation>
    </message>
    <message>
        <source>NOMINAL</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>FAIR</source>
        <translation>Fair</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>Critical</translation>
    </message>
    <message>
        <source>SERIOUS</source>
        <translation>Serious</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>MEMORY</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>STORAGE</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>UNKNOWN_GPU</source>
        <translation>Unknown graphics card</translation>
    </message>
    <message>
        <source>GRAPHICS</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>CHARGE_RATE</source>
        <translation>Charge rate</translation>
    </message>
    <message>
        <source>DISCHARGE_RATE</source>
        <translation>Discharge rate</translation>
    </message>
    <message>
        <source>FANS</source>
        <translation>Fans</translation>
    </message>
    <message>
        <source>CPU_CORES</source>
        <translation>Processor cores</translation>
    </message>
    <message>
        <source>WIRED</source>
        <translation>Wired</translation>
    </message>
    <message>
        <source>COMPRESSED</source>
        <translation>Compressed</translation>
    </message>
    <message>
        <source>AVAILABLE</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>IMPERIAL</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>METRIC</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>INTERNAL_BATTERY</source>
        <translation>Internal battery</translation>
    </message>
    <message>
        <source>MAIN_GRAPHICS_CARD</source>
        <translation>Main graphics card</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>User</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>ACTIVE</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>DOWNLOAD_SPEED</source>
        <translation>Download speed</translation>
    </message>
    <message>
        <source>UPLOAD_SPEED</source>
        <translation>Upload speed</translation>
    </message>
    <message>
        <source>RELEASE_YEAR</source>
        <translation>Release year</translation>
    </message>
    <message>
        <source>OPERATING_SYSTEM</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>IDENTIFIER</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>MACOS_VERSION</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>FIRESTORM_CORES</source>
        <translation>Performance cores</translation>
    </message>
    <message>
        <source>ICESTORM_CORES</source>
        <translation>Efficiency cores</translation>
    </message>
    <message>
        <source>FULL_DISK_ACCESS</source>
        <translation>Full disk access</translation>
    </message>
    <message>
        <source>FULL_DISK_ACCESS_INFO</source>
        <translation>Some folders can only be read with full access to the disk.</translation>
    </message>
    <message>
        <source>FULL_DISK_ACCESS_RESTART</source>
        <translation>Restart the app for the new access rights to take effect.</translation>
    </message>
    <message>
        <source>GRANT_PERMISSION</source>
        <translation>Grant permission</translation>
    </message>
    <message>
        <source>GRANT_PERMISSIONS_INFO</source>
        <translation>The app needs your permission to read this folder.</translation>
    </message>
    <message>
        <source>INSUFFICIENT_PERMISSIONS</source>
        <translation>Insufficient permissions</translation>
    </message>
    <message>
        <source>WRONG_DIRECTORY_CHOSEN</source>
        <translation>Wrong folder chosen</translation>
    </message>
    <message>
        <source>WRONG_DIRECTORY_CHOSEN_INFO</source>
        <translation>Please choose the folder that was asked for.</translation>
    </message>
    <message>
        <source>USER_INFO</source>
        <translation>Your home folder</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>LIBRARY_INFO</source>
        <translation>Settings and data of your applications</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>APPLICATIONS_INFO</source>
        <translation>The installed applications</translation>
    </message>
    <message>
        <source>SAFARI</source>
        <translation>Web browser</translation>
    </message>
    <message>
        <source>SAFARI_INFO</source>
        <translation>Data of your web browser</translation>
    </message>
    <message>
        <source>FIRMWARE_VERSION</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>LINK_SPEED</source>
        <translation>Link speed</translation>
    </message>
    <message>
        <source>VENDOR</source>
        <translation>Vendor</translation>
    </message>
    <message>
        <source>LOCAL_MAC_ADDRESS</source>
        <translation>Hardware address</translation>
    </message>
    <message>
        <source>MODEL</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>PHY_VERSION</source>
        <translation>PHY version</translation>
    </message>
    <message>
        <source>PHY_MODE</source>
        <translation>PHY mode</translation>
    </message>
    <message>
        <source>INTERFACE_MODE</source>
        <translation>Interface mode</translation>
    </message>
    <message>
        <source>CHANNEL_BAND</source>
        <translation>Channel band</translation>
    </message>
    <message>
        <source>CHANNEL</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>NO_NETWORK_ADAPTER</source>
        <translation>No network adapter</translation>
    </message>
    <message>
        <source>DOWNLOAD_UPDATE</source>
        <translation>Download update</translation>
    </message>
    <message>
        <source>SETTINGS_DOTS</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>SELECTED_FILES</source>
        <translation>Selected files</translation>
    </message>
    <message>
        <source>CAPACITY_INFO</source>
        <translation>%1$@ of %2$@ used, %3$@ free</translation>
    </message>
    <message>
        <source>EXTERNAL</source>
        <translation>External</translation>
    </message>
    <message>
        <source>STARTUP_VOLUME</source>
        <translation>Startup volume</translation>
    </message>
    <message>
        <source>SYSTEM_VOLUME</source>
        <translation>System volume</translation>
    </message>
    <message>
        <source>VOLUMES</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <source>BSD_NAME</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>ROOT_BSD_NAME</source>
        <translation>Disk device name</translation>
    </message>
    <message>
        <source>FILE_SYSTEM</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>VOLUME_KIND</source>
        <translation>Volume type</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>INTERNAL</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>MEDIA_TYPE</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>PRODUCT_NAME</source>
        <translation>Product name</translation>
    </message>
    <message>
        <source>VENDOR_NAME</source>
        <translation>Vendor name</translation>
    </message>
    <message>
        <source>PRODUCT_REVISION_LEVEL</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>OPERATIONS_READ</source>
        <translation>Read operations</translation>
    </message>
    <message>
        <source>OPERATIONS_WRITE</source>
        <translation>Write operations</translation>
    </message>
    <message>
        <source>LATENCY_READ</source>
        <translation>Read latency</translation>
    </message>
    <message>
        <source>LATENCY_WRITE</source>
        <translation>Write latency</translation>
    </message>
    <message>
        <source>ERRORS_READ</source>
        <translation>Read errors</translation>
    </message>
    <message>
        <source>ERRORS_WRITE</source>
        <translation>Write errors</translation>
    </message>
    <message>
        <source>TOTAL_TIME_READ</source>
        <translation>Total read time</translation>
    </message>
    <message>
        <source>TOTAL_TIME_WRITE</source>
        <translation>Total write time</translation>
    </message>
    <message>
        <source>RETRIES_READ</source>
        <translation>Read retries</translation>
    </message>
    <message>
        <source>RETRIES_WRITE</source>
        <translation>Write retries</translation>
    </message>
    <message>
        <source>SHOP_DOTS</source>
        <translation>Shop…</translation>
    </message>
    <message>
        <source>TRAILING</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>LEADING</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>WELCOME_TO_APP</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>WELCOME_TO_APP_SUBTITLE</source>
        <translation>A few steps, and the app is ready.</translation>
    </message>
    <message>
        <source>HIDDEN</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>GRANT_PERMISSIONS</source>
        <translation>Grant permissions</translation>
    </message>
    <message>
        <source>ALLOW</source>
        <translation>Allow</translation>
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
        <translation>Operations</translation>
    </message>
    <message>
        <source>VOLUME_RETRIES</source>
        <translation>Retries</translation>
    </message>
    <message>
        <source>VOLUME_ERRORS</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>VOLUME_LATENCY</source>
        <translation>Latency</translation>
    </message>
    <message>
        <source>BYTES_READ</source>
        <translation>Bytes read</translation>
    </message>
    <message>
        <source>BYTES_WRITE</source>
        <translation>Bytes written</translation>
    </message>
    <message>
        <source>DASHBOARD</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>LARGE_FILES</source>
        <translation>Large files</translation>
    </message>
    <message>
        <source>UNINSTALLER</source>
        <translation>Uninstaller</translation>
    </message>
    <message>
        <source>OLD_FILES</source>
        <translation>Old files</translation>
    </message>
    <message>
        <source>REMNANTS</source>
        <translation>Remnants</translation>
    </message>
    <message>
        <source>DUPLICATES</source>
        <translation>Duplicates</translation>
    </message>
    <message>
        <source>ACTIVITY</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>PRIVACY_CLEANER</source>
        <translation>Privacy cleaner</translation>
    </message>
    <message>
        <source>JUNK_CLEANER</source>
        <translation>Junk cleaner</translation>
    </message>
    <message>
        <source>PERMISSIONS</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>SENSORS</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>GRAPHICS_CARD</source>
        <translation>Graphics card</translation>
    </message>
    <message>
        <source>NETWORK</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>READ</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>WRITE</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>NO_RESULTS</source>
        <translation>No results</translation>
    </message>
    <message>
        <source>NO_FILTER_RESULTS_INFO</source>
        <translation>Nothing matches the search term.</translation>
    </message>
    <message>
        <source>SHOW_IN_FINDER</source>
        <translation>Show in file manager</translation>
    </message>
    <message>
        <source>DELETING_SELECTED_FILES_DOTS</source>
        <translation>Deleting the selected files…</translation>
    </message>
    <message>
        <source>SEARCHING_FOR_FILES_DOTS</source>
        <translation>Searching for files…</translation>
    </message>
    <message>
        <source>SELECTED_ELEMENTS</source>
        <translation>Selected items</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>MEDIUM</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>High</translation>
    </message>
    <message>
        <source>CATEGORY_CONTAINS_ELEMENTS</source>
        <translation>This category contains items</translation>
    </message>
    <message>
        <source>EXTERNAL_ADDRESS_CAN_NOT_BE_DETERMINED</source>
        <translation>The external address cannot be determined.</translation>
    </message>
    <message>
        <source>APP_DISPLAY_STYLE</source>
        <translation>Display style</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>LEGEND</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>WINDOW</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>SHOW_VPN_STATUS</source>
        <translation>Show VPN status</translation>
    </message>
    <message>
        <source>SHOW_COUNTRY_FLAG</source>
        <translation>Show country flag</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>BINARY_FILE</source>
        <translation>Program file</translation>
    </message>
    <message>
        <source>BINARY_DELETE_INFO</source>
        <translation>Program files must be deleted by hand.</translation>
    </message>
    <message>
        <source>OF</source>
        <translation>of</translation>
    </message>
    <message>
        <source>NO_RESULTS_INFO</source>
        <translation>The search found nothing.</translation>
    </message>
    <message>
        <source>CONTAINER</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>FAIR_CONDITION</source>
        <translation>The battery is in fair condition.</translation>
    </message>
    <message>
        <source>POOR_CONDITION</source>
        <translation>The battery is in poor condition.</translation>
    </message>
    <message>
        <source>GOOD_CONDITION</source>
        <translation>The battery is in good condition.</translation>
    </message>
    <message>
        <source>BATTERY_HEALTH</source>
        <translation>Battery health</translation>
    </message>
    <message>
        <source>PROCESSOR</source>
        <translation>Processor</translation>
    </message>
    <message>
        <source>NETWORK_COLON</source>
        <translation>Network:</translation>
    </message>
    <message>
        <source>SYSTEM_INFORMATION_COLON</source>
        <translation>System information:</translation>
    </message>
    <message>
        <source>BATTERY_CYCLES</source>
        <translation>Charge cycles</translation>
    </message>
    <message>
        <source>CONDITION</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>POOR</source>
        <translation>Poor</translation>
    </message>
    <message>
        <source>GOOD</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>TIME_TO_FULL</source>
        <translation>Time until full</translation>
    </message>
    <message>
        <source>TIME_UNTIL_EMPTY</source>
        <translation>Time until empty</translation>
    </message>
    <message>
        <source>CARD_STYLE_COLON</source>
        <translation>Card style:</translation>
    </message>
    <message>
        <source>GLASS_THEME_COLON</source>
        <translation>Glass style:</translation>
    </message>
    <message>
        <source>DESIGN_COLON</source>
        <translation>Design:</translation>
    </message>
    <message>
        <source>LOAD_USAGE</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>CONNECTED_VOLUMES</source>
        <translation>Connected volumes</translation>
    </message>
    <message>
        <source>MEMORY_USAGE</source>
        <translation>Memory usage</translation>
    </message>
    <message>
        <source>NETWORK_USAGE</source>
        <translation>Network usage</translation>
    </message>
    <message>
        <source>NETWORK_INFO</source>
        <translation>Network information</translation>
    </message>
    <message>
        <source>PROCESSOR_CORES_USAGE</source>
        <translation>Processor core usage</translation>
    </message>
    <message>
        <source>PROCESSOR_USAGE</source>
        <translation>Processor usage</translation>
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
        <translation>Both</translation>
    </message>
    <message>
        <source>NO_BATTERY</source>
        <translation>No internal battery</translation>
    </message>
    <message>
        <source>SEARCH</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>ICON_ONLY</source>
        <translation>Icon only</translation>
    </message>
    <message>
        <source>CHARGE</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>TIME_LEFT</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>BATTERY_CYCLES_DESC</source>
        <translation>The number of full charge cycles the battery has gone through.</translation>
    </message>
    <message>
        <source>BATTERY_HEALTH_DESC</source>
        <translation>The battery's present full capacity against its design capacity.</translation>
    </message>
    <message>
        <source>NO_BATTERY_HEALTH</source>
        <translation>No battery health available</translation>
    </message>
    <message>
        <source>NOT_ENOUGH_DATA</source>
        <translation>Not enough data collected yet</translation>
    </message>
    <message>
        <source>NO_CHARGING_CYCLES</source>
        <translation>No charge cycles</translation>
    </message>
    <message>
        <source>EJECT_ALL</source>
        <translation>Eject all</translation>
    </message>
    <message>
        <source>CONNECTIONS</source>
        <translation>Connections</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>App</translation>
    </message>
    <message>
        <source>CONNECTION_STATE</source>
        <translation>State</translation>
    </message>
    <message>
        <source>LOCAL_PORT</source>
        <translation>Local port</translation>
    </message>
    <message>
        <source>REMOTE_PORT</source>
        <translation>Remote port</translation>
    </message>
    <message>
        <source>SPEED_MEASUREMENT_COLON</source>
        <translation>Speed measurement:</translation>
    </message>
    <message>
        <source>PROCESSES</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>NETWORK_ADAPTER</source>
        <translation>Network adapter</translation>
    </message>
    <message>
        <source>PROCESSES_MODE_INFO</source>
        <translation>Measures the traffic of each process.</translation>
    </message>
    <message>
        <source>NETWORK_ADAPTER_MODE_INFO</source>
        <translation>Measures the traffic of each network adapter.</translation>
    </message>
    <message>
        <source>SHOP</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>FOLDERS_SEARCHED</source>
        <translation>Folders searched</translation>
    </message>
    <message>
        <source>THIS_APP_IS_BUILT_USING_FRAMEWORKS_COLON</source>
        <translation>This app is built with these modules:</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>TODAY</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>YESTERDAY</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>PROCESSES_TRAFFIC</source>
        <translation>Traffic by process</translation>
    </message>
    <message>
        <source>ACTIVE_PROCESSES</source>
        <translation>Active processes</translation>
    </message>
    <message>
        <source>MAX_DOWNLOAD_SPEED</source>
        <translation>Highest download speed</translation>
    </message>
    <message>
        <source>MAX_UPLOAD_SPEED</source>
        <translation>Highest upload speed</translation>
    </message>
    <message>
        <source>NETWORK_ADAPTERS</source>
        <translation>Network adapters</translation>
    </message>
    <message>
        <source>INSTALLED_APPS_FOUND</source>
        <translation>Installed applications found</translation>
    </message>
    <message>
        <source>TEMPERATURE_SENSORS</source>
        <translation>Temperature sensors</translation>
    </message>
    <message>
        <source>CURRENT_SENSORS</source>
        <translation>Current sensors</translation>
    </message>
    <message>
        <source>VOLTAGE_SENSORS</source>
        <translation>Voltage sensors</translation>
    </message>
    <message>
        <source>POWER_SENSORS</source>
        <translation>Power sensors</translation>
    </message>
    <message>
        <source>ICON</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>ICON_AND_NAME</source>
        <translation>Icon and name</translation>
    </message>
    <message>
        <source>USAGE</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>SPEEDS</source>
        <translation>Speeds</translation>
    </message>
    <message>
        <source>WINDOW_INFO</source>
        <translation>Shows the app in its own window.</translation>
    </message>
    <message>
        <source>MENU_BAR_INFO</source>
        <translation>Shows the app in the panel.</translation>
    </message>
    <message>
        <source>CHANGE_SETTINGS_ANY_TIME</source>
        <translation>You can change this at any time in the settings.</translation>
    </message>
    <message>
        <source>COMPACT_APP_WINDOW</source>
        <translation>Compact window</translation>
    </message>
    <message>
        <source>MEMORY_IN_USE</source>
        <translation>Memory in use</translation>
    </message>
    <message>
        <source>PROCESSOR_CORE_USAGES</source>
        <translation>Processor core loads</translation>
    </message>
    <message>
        <source>SYSTEM_VOLUME_SPEED</source>
        <translation>System volume speed</translation>
    </message>
    <message>
        <source>THIS_MONTH</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>PROCESSOR_TEMPERATURE</source>
        <translation>Processor temperature</translation>
    </message>
    <message>
        <source>GRAPHICS_CARD_TEMPERATURE</source>
        <translation>Graphics card temperature</translation>
    </message>
    <message>
        <source>FAN_SPEEDS</source>
        <translation>Fan speeds</translation>
    </message>
    <message>
        <source>WATTS</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>SENSORS_COLON</source>
        <translation>Sensors:</translation>
    </message>
    <message>
        <source>NETWORK_TRAFFIC_COLON</source>
        <translation>Network traffic:</translation>
    </message>
    <message>
        <source>TEXTS_COLON</source>
        <translation>Texts:</translation>
    </message>
    <message>
        <source>HISTORIES_COLON</source>
        <translation>Histories:</translation>
    </message>
    <message>
        <source>SELECT_LATEST</source>
        <translation>Select newest</translation>
    </message>
    <message>
        <source>SELECT_OLDEST</source>
        <translation>Select oldest</translation>
    </message>
    <message>
        <source>SEARCHING_DOTS</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>CLEANING_DOTS</source>
        <translation>Cleaning…</translation>
    </message>
    <message>
        <source>NO_DATA_AVAILABLE</source>
        <translation>No data available</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>NETWORK_USAGE_GRAPH</source>
        <translation>Network usage chart</translation>
    </message>
    <message>
        <source>TRAFFIC_TODAY</source>
        <translation>Traffic today</translation>
    </message>
    <message>
        <source>TRAFFIC_CURRENT_WEEK</source>
        <translation>Traffic this week</translation>
    </message>
    <message>
        <source>TRAFFIC_CURRENT_MONTH</source>
        <translation>Traffic this month</translation>
    </message>
    <message>
        <source>ELEMENTS</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>CHART</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>PAST_SEVEN_DAYS</source>
        <translation>Past seven days</translation>
    </message>
    <message>
        <source>DAILY_UPLOAD_TRAFFIC</source>
        <translation>Daily upload traffic</translation>
    </message>
    <message>
        <source>DAILY_DOWNLOAD_TRAFFIC</source>
        <translation>Daily download traffic</translation>
    </message>
    <message>
        <source>MONTHLY_UPLOAD_TRAFFIC</source>
        <translation>Monthly upload traffic</translation>
    </message>
    <message>
        <source>MONTHLY_DOWNLOAD_TRAFFIC</source>
        <translation>Monthly download traffic</translation>
    </message>
    <message>
        <source>TOTAL_UPLOAD_TRAFFIC</source>
        <translation>Total upload traffic</translation>
    </message>
    <message>
        <source>TOTAL_DOWNLOAD_TRAFFIC</source>
        <translation>Total download traffic</translation>
    </message>
    <message>
        <source>PROCESSOR_AND_MEMORY_USAGE</source>
        <translation>Processor and memory usage</translation>
    </message>
    <message>
        <source>UPLOAD_AND_DOWNLOAD_SPEED</source>
        <translation>Upload and download speed</translation>
    </message>
    <message>
        <source>GRAPHICS_CARD_USAGE</source>
        <translation>Graphics card usage</translation>
    </message>
    <message>
        <source>PROCESSOR_LOAD_HISTORY</source>
        <translation>Processor load history</translation>
    </message>
    <message>
        <source>NETWORK_USAGE_HISTORY</source>
        <translation>Network usage history</translation>
    </message>
    <message>
        <source>ENABLE_INFO_PANEL_MODULE</source>
        <translation>Show in the info panel</translation>
    </message>
    <message>
        <source>INFO_PANEL_LEVEL_COLON</source>
        <translation>Info panel level:</translation>
    </message>
    <message>
        <source>INFO_PANEL_MODULES_COLON</source>
        <translation>Info panel modules:</translation>
    </message>
    <message>
        <source>ALWAYS_STAY_ON_TOP</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>INFO_PANEL</source>
        <translation>Info panel</translation>
    </message>
    <message>
        <source>SHOW_INFO_PANEL</source>
        <translation>Show info panel</translation>
    </message>
    <message>
        <source>DEVELOPER</source>
        <translation>Developer</translation>
    </message>
    <message>
        <source>DEVELOPER_INFO</source>
        <translation>Options for developers</translation>
    </message>
    <message>
        <source>SPEED_DISPLAY_COLON</source>
        <translation>Speed display:</translation>
    </message>
    <message>
        <source>HIGHEST_SPEED</source>
        <translation>Highest speed</translation>
    </message>
    <message>
        <source>READ_AND_WRITE_SPEED</source>
        <translation>Read and write speed</translation>
    </message>
    <message>
        <source>HIGHEST_SPEED_DESCRIPTION</source>
        <translation>Shows the higher of the read and the write speed.</translation>
    </message>
    <message>
        <source>READ_AND_WRITE_SPEED_DESCRIPTION</source>
        <translation>Shows the read and the write speed apart.</translation>
    </message>
    <message>
        <source>TEMPORARY_FILES</source>
        <translation>Temporary files</translation>
    </message>
</context>
</TS>
