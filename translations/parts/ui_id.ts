<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>Versi %1.%2.%3</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
</context>
<context>
    <name>nv::DesktopNotice</name>
    <message>
        <source>Stop sound</source>
        <translation>Hentikan suara</translation>
    </message>
</context>
<context>
    <name>nv::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informasi Sistem Tidak Tersedia Saat Ini</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program's name.</extracomment>
        <translation>Tentang %1</translation>
    </message>
    <message>
        <source>Tells you the times of the five daily prayers for your place, shows them as a calendar with Gregorian or Hijri dates, and alerts you when each prayer is due.</source>
        <translation>Memberi tahu waktu salat lima waktu untuk tempat Anda, menampilkannya sebagai kalender dengan tanggal Masehi atau Hijriah, dan mengingatkan Anda setiap kali waktu salat tiba.</translation>
    </message>
    <message>
        <source>The times are computed from the position of the sun for the place and method you set. Compare them with the timetable of your local mosque.</source>
        <translation>Waktu dihitung dari posisi matahari untuk tempat dan metode yang Anda atur. Bandingkan dengan jadwal salat masjid setempat Anda.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;Sistem...</translation>
    </message>
</context>
<context>
    <name>nv::frmCompact</name>
    <message>
        <source>Compact Clock</source>
        <translation>Jam Ringkas</translation>
    </message>
    <message>
        <source>Prayer at 00:00 PM</source>
        <extracomment>Shown until the first tick replaces it with the next prayer and its time.</extracomment>
        <translation>Salat pukul 00:00</translation>
    </message>
    <message>
        <source>Push Pin to Keep OnTop</source>
        <translation>Sematkan agar tetap di atas</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>Tetap di atas</translation>
    </message>
    <message>
        <source>Keeps the compact clock above all other windows</source>
        <translation>Menjaga jam ringkas tetap di atas semua jendela lain</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Tutup Jendela</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Closes the compact clock</source>
        <translation>Menutup jam ringkas</translation>
    </message>
    <message>
        <source>Click for Normal Window</source>
        <translation>Klik untuk jendela biasa</translation>
    </message>
    <message>
        <source>Push Pin to Keep Window OnTop</source>
        <translation>Sematkan agar jendela tetap di atas</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon's menu (seen by screen readers).</extracomment>
        <translation>Menu &amp;Pop-up</translation>
    </message>
</context>
</TS>