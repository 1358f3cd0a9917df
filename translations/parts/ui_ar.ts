<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>الإصدار %1.%2.%3</translation>
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
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
</context>
<context>
    <name>nv::DesktopNotice</name>
    <message>
        <source>Stop sound</source>
        <translation>إيقاف الصوت</translation>
    </message>
</context>
<context>
    <name>nv::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>معلومات النظام غير متاحة في الوقت الحالي</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program's name.</extracomment>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Tells you the times of the five daily prayers for your place, shows them as a calendar with Gregorian or Hijri dates, and alerts you when each prayer is due.</source>
        <translation>يخبرك بمواقيت الصلوات الخمس اليومية لمكانك، ويعرضها تقويمًا بالتاريخ الميلادي أو الهجري، وينبّهك حين يحين وقت كل صلاة.</translation>
    </message>
    <message>
        <source>The times are computed from the position of the sun for the place and method you set. Compare them with the timetable of your local mosque.</source>
        <translation>تُحسب المواقيت من موقع الشمس للمكان وطريقة الحساب اللذين حدّدتهما. قارنها بجدول مواقيت مسجدك المحلي.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>معلومات &amp;النظام...</translation>
    </message>
</context>
<context>
    <name>nv::frmCompact</name>
    <message>
        <source>Compact Clock</source>
        <translation>الساعة المصغّرة</translation>
    </message>
    <message>
        <source>Prayer at 00:00 PM</source>
        <extracomment>Shown until the first tick replaces it with the next prayer and its time.</extracomment>
        <translation>الصلاة الساعة 00:00 م</translation>
    </message>
    <message>
        <source>Push Pin to Keep OnTop</source>
        <translation>ثبّت الدبوس لإبقائها في المقدمة</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>إبقاء في المقدمة</translation>
    </message>
    <message>
        <source>Keeps the compact clock above all other windows</source>
        <translation>يُبقي الساعة المصغّرة فوق كل النوافذ الأخرى</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Closes the compact clock</source>
        <translation>يغلق الساعة المصغّرة</translation>
    </message>
    <message>
        <source>Click for Normal Window</source>
        <translation>انقر للعودة إلى نافذة عادية</translation>
    </message>
    <message>
        <source>Push Pin to Keep Window OnTop</source>
        <translation>ثبّت الدبوس لإبقاء النافذة في المقدمة</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon's menu (seen by screen readers).</extracomment>
        <translation>&amp;القائمة المنبثقة</translation>
    </message>
</context>
</TS>