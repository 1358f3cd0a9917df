<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>"RTL" for a language read from right to left, "LTR" otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;ہاں</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;نہیں</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>روکیں</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>دوبارہ کوشش کریں</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>نظر انداز کریں</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>لاگو کریں</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مدد</translation>
    </message>
</context>
</TS>