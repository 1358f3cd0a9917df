<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>Sürüm %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>"RTL" for a language read from right to left, "LTR" otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Yok Say</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
</context>
<context>
    <name>nv::DesktopNotice</name>
    <message>
        <source>Stop sound</source>
        <translation>Sesi durdur</translation>
    </message>
</context>
<context>
    <name>nv::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Sistem Bilgisi Şu Anda Kullanılamıyor</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program's name.</extracomment>
        <translation>%1 Hakkında</translation>
    </message>
    <message>
        <source>Tells you the times of the five daily prayers for your place, shows them as a calendar with Gregorian or Hijri dates, and alerts you when each prayer is due.</source>
        <translation>Bulunduğunuz yer için beş vakit namazın vakitlerini bildirir, bunları Miladi veya Hicri tarihli bir takvim olarak gösterir ve her namaz vakti geldiğinde sizi uyarır.</translation>
    </message>
    <message>
        <source>The times are computed from the position of the sun for the place and method you set. Compare them with the timetable of your local mosque.</source>
        <translation>Vakitler, belirlediğiniz yer ve yöntem için güneşin konumundan hesaplanır. Bunları bölgenizdeki caminin vakit çizelgesiyle karşılaştırın.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistem Bilgisi...</translation>
    </message>
</context>
<context>
    <name>nv::frmCompact</name>
    <message>
        <source>Compact Clock</source>
        <translation>Küçük Saat</translation>
    </message>
    <message>
        <source>Prayer at 00:00 PM</source>
        <extracomment>Shown until the first tick replaces it with the next prayer and its time.</extracomment>
        <translation>Namaz 00:00'da</translation>
    </message>
    <message>
        <source>Push Pin to Keep OnTop</source>
        <translation>Her zaman üstte tutmak için sabitleyin</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>Her zaman üstte</translation>
    </message>
    <message>
        <source>Keeps the compact clock above all other windows</source>
        <translation>Küçük saati diğer tüm pencerelerin üstünde tutar</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Pencereyi Kapat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Closes the compact clock</source>
        <translation>Küçük saati kapatır</translation>
    </message>
    <message>
        <source>Click for Normal Window</source>
        <translation>Normal pencere için tıklayın</translation>
    </message>
    <message>
        <source>Push Pin to Keep Window OnTop</source>
        <translation>Pencereyi her zaman üstte tutmak için sabitleyin</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon's menu (seen by screen readers).</extracomment>
        <translation>&amp;Açılır Menü</translation>
    </message>
</context>
</TS>