<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>BaseKit</name>
    <message>
        <source>UNKNOWN_APP</source>
        <translation>Unknown App</translation>
    </message>
    <message>
        <source>UNKNOWN_VERSION</source>
        <translation>Unknown Version</translation>
    </message>
    <message>
        <source>UNKNOWN_MACOS_VERSION</source>
        <translation>Unknown macOS Version</translation>
    </message>
    <message>
        <source>UNKNOWN_COMPUTER_NAME</source>
        <translation>Unknown Computer Name</translation>
    </message>
    <message>
        <source>AGO_SECONDS</source>
        <translation>%1 seconds ago</translation>
    </message>
    <message>
        <source>ONE_MINUTE_AGO</source>
        <translation>1 minute ago</translation>
    </message>
    <message>
        <source>AGO_MINUTES</source>
        <translation>%1 minutes ago</translation>
    </message>
    <message>
        <source>ONE_HOUR_AGO</source>
        <translation>1 hour ago</translation>
    </message>
    <message>
        <source>HOURS_AGO</source>
        <translation>%1 hours ago</translation>
    </message>
    <message>
        <source>YESTERDAY</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>DAYS_AGO</source>
        <translation>%1 days ago</translation>
    </message>
    <message>
        <source>TODAY_AT</source>
        <translation>Today at</translation>
    </message>
    <message>
        <source>YESTERDAY_AT</source>
        <translation>Yesterday at</translation>
    </message>
    <message>
        <source>HOURS</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>MINUTES</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>ARCHIVE</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>AUDIO</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>DOCUMENT</source>
        <translation>Document</translation>
    </message>
</context>
</TS>
