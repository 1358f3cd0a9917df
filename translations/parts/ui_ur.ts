<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>ورژن %1.%2.%3</translation>
    </message>
</context>
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
<context>
    <name>nv::DesktopNotice</name>
    <message>
        <source>Stop sound</source>
        <translation>آواز بند کریں</translation>
    </message>
</context>
<context>
    <name>nv::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>سسٹم کی معلومات اس وقت دستیاب نہیں ہیں</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program's name.</extracomment>
        <translation>%1 کے بارے میں</translation>
    </message>
    <message>
        <source>Tells you the times of the five daily prayers for your place, shows them as a calendar with Gregorian or Hijri dates, and alerts you when each prayer is due.</source>
        <translation>آپ کے مقام کے لیے پانچوں روزانہ نمازوں کے اوقات بتاتا ہے، انہیں عیسوی یا ہجری تاریخوں کے ساتھ کیلنڈر کی صورت میں دکھاتا ہے، اور ہر نماز کا وقت ہونے پر آپ کو یاد دہانی کراتا ہے۔</translation>
    </message>
    <message>
        <source>The times are computed from the position of the sun for the place and method you set. Compare them with the timetable of your local mosque.</source>
        <translation>اوقات آپ کے مقرر کردہ مقام اور طریقۂ حساب کے مطابق سورج کے مقام سے نکالے جاتے ہیں۔ انہیں اپنی مقامی مسجد کے نظام الاوقات سے ملا لیں۔</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>سسٹم کی &amp;اطلاعات...</translation>
    </message>
</context>
<context>
    <name>nv::frmCompact</name>
    <message>
        <source>Compact Clock</source>
        <translation>مختصر گھڑی</translation>
    </message>
    <message>
        <source>Prayer at 00:00 PM</source>
        <extracomment>Shown until the first tick replaces it with the next prayer and its time.</extracomment>
        <translation>نماز 00:00 بجے</translation>
    </message>
    <message>
        <source>Push Pin to Keep OnTop</source>
        <translation>اوپر رکھنے کے لیے پن لگائیں</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>سب سے اوپر رکھیں</translation>
    </message>
    <message>
        <source>Keeps the compact clock above all other windows</source>
        <translation>مختصر گھڑی کو باقی تمام ونڈوز کے اوپر رکھتا ہے</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ونڈو بند کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Closes the compact clock</source>
        <translation>مختصر گھڑی بند کرتا ہے</translation>
    </message>
    <message>
        <source>Click for Normal Window</source>
        <translation>عام ونڈو کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>Push Pin to Keep Window OnTop</source>
        <translation>ونڈو کو اوپر رکھنے کے لیے پن لگائیں</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon's menu (seen by screen readers).</extracomment>
        <translation>پاپ &amp;اپ مینو</translation>
    </message>
</context>
</TS>