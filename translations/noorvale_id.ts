<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>Versi %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Authority</name>
    <message>
        <source>Umm Al-Qura University, Makkah</source>
        <translation>Universitas Umm Al-Qura, Makkah</translation>
    </message>
    <message>
        <source>General Authority of Islamic Affairs, Dubai</source>
        <translation>Otoritas Umum Urusan Islam, Dubai</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Kuwait</source>
        <translation>Kementerian Wakaf, Kuwait</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Qatar</source>
        <translation>Kementerian Wakaf, Qatar</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura (MUIS)</source>
        <translation>Majlis Ugama Islam Singapura (MUIS)</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM, Malaysia</translation>
    </message>
    <message>
        <source>Kemenag, Indonesia</source>
        <translation>Kemenag, Indonesia</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Turki</translation>
    </message>
    <message>
        <source>UOIF, France</source>
        <translation>UOIF, Prancis</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims, Russia</source>
        <translation>Dewan Spiritual Muslim Rusia</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut Geofisika, Universitas Teheran</translation>
    </message>
    <message>
        <source>JAKIM, Kelantan</source>
        <translation>JAKIM, Kelantan</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Otoritas Umum Survei Mesir</translation>
    </message>
    <message>
        <source>ISNA Canada</source>
        <translation>ISNA Kanada</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Komite Rukyatul Hilal Sedunia</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Date is not valid</source>
        <translation>Tanggal tidak valid</translation>
    </message>
    <message>
        <source>Longitude is not valid, must be less than 180</source>
        <translation>Bujur tidak valid, harus kurang dari 180</translation>
    </message>
    <message>
        <source>Latitude is not valid, must be less than 89.8</source>
        <translation>Lintang tidak valid, harus kurang dari 89.8</translation>
    </message>
    <message>
        <source>Shadow Ratio is not valid, must be between 1 and 2</source>
        <translation>Rasio bayangan tidak valid, harus antara 1 dan 2</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Midnight sun: the sun does not set on this day.</source>
        <translation>Matahari tengah malam: matahari tidak terbenam pada hari ini.</translation>
    </message>
    <message>
        <source>Polar night: the sun does not rise on this day.</source>
        <translation>Malam kutub: matahari tidak terbit pada hari ini.</translation>
    </message>
    <message>
        <source>No true dawn/dusk: the sun does not sink to the Fajr or Isha angle on this day.</source>
        <translation>Tidak ada fajar/senja sejati: matahari tidak turun sampai sudut Subuh atau Isya pada hari ini.</translation>
    </message>
    <message>
        <source>These times are not in order for this place and method.</source>
        <translation>Waktu-waktu ini tidak berurutan untuk tempat dan metode ini.</translation>
    </message>
    <message>
        <source>No Asr shadow: the sun does not reach the Asr altitude on this day.</source>
        <translation>Tidak ada bayangan Asar: matahari tidak mencapai ketinggian Asar pada hari ini.</translation>
    </message>
</context>
<context>
    <name>Hijri</name>
    <message>
        <source>Muharram</source>
        <translation>Muharam</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi Awal</source>
        <translation>Rabiulawal</translation>
    </message>
    <message>
        <source>Rabi Thani</source>
        <translation>Rabiulakhir</translation>
    </message>
    <message>
        <source>Jumada Awal</source>
        <translation>Jumadilawal</translation>
    </message>
    <message>
        <source>Jumada Thani</source>
        <translation>Jumadilakhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>Syakban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Syawal</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Qa&apos;dah</source>
        <translation>Zulkaidah</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Hijja</source>
        <translation>Zulhijah</translation>
    </message>
</context>
<context>
    <name>InstallRun</name>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>Ruang kosong pada disk tidak cukup.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>Berkas %1 tidak dapat ditulis.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Folder %1 tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Berkas %1 tidak ada.</translation>
    </message>
    <message>
        <source>A folder stands where the file %1 goes.</source>
        <translation>Ada folder di tempat yang seharusnya untuk berkas %1.</translation>
    </message>
    <message>
        <source>The old copy of %1 could not be kept.</source>
        <translation>Salinan lama %1 tidak dapat disimpan.</translation>
    </message>
    <message>
        <source>The file %1 could not be put in place.</source>
        <translation>Berkas %1 tidak dapat dipasang di tempatnya.</translation>
    </message>
</context>
<context>
    <name>MExceptionHandler</name>
    <message>
        <source>Access Violation</source>
        <translation>Pelanggaran Akses</translation>
    </message>
    <message>
        <source>Data Type Misalignment</source>
        <translation>Ketidaksejajaran Tipe Data</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>Titik Henti</translation>
    </message>
    <message>
        <source>Single Step</source>
        <translation>Langkah Tunggal</translation>
    </message>
    <message>
        <source>Array Bounds Exceeded</source>
        <translation>Batas Larik Terlampaui</translation>
    </message>
    <message>
        <source>Float Denormal Operand</source>
        <translation>Operand Titik Mengambang Denormal</translation>
    </message>
    <message>
        <source>Divide By Zero</source>
        <translation>Pembagian dengan Nol</translation>
    </message>
    <message>
        <source>Floating Point Inexact Result</source>
        <translation>Hasil Titik Mengambang Tidak Eksak</translation>
    </message>
    <message>
        <source>Invalid Operation</source>
        <translation>Operasi Tidak Valid</translation>
    </message>
    <message>
        <source>Float Overflow</source>
        <translation>Luapan Titik Mengambang</translation>
    </message>
    <message>
        <source>Float Stack Check</source>
        <translation>Pemeriksaan Tumpukan Titik Mengambang</translation>
    </message>
    <message>
        <source>Float Underflow</source>
        <translation>Luapan Bawah Titik Mengambang</translation>
    </message>
    <message>
        <source>Integer Divide By Zero</source>
        <translation>Pembagian Bilangan Bulat dengan Nol</translation>
    </message>
    <message>
        <source>Integer Overflow</source>
        <translation>Luapan Bilangan Bulat</translation>
    </message>
    <message>
        <source>Privileged Instruction</source>
        <translation>Instruksi Istimewa</translation>
    </message>
    <message>
        <source>In Page Error</source>
        <translation>Kesalahan Halaman</translation>
    </message>
    <message>
        <source>Illegal Instruction</source>
        <translation>Instruksi Ilegal</translation>
    </message>
    <message>
        <source>Non Continuable Exception</source>
        <translation>Pengecualian yang Tidak Dapat Dilanjutkan</translation>
    </message>
    <message>
        <source>Stack Overflow</source>
        <translation>Luapan Tumpukan</translation>
    </message>
    <message>
        <source>Invalid Disposition</source>
        <translation>Disposisi Tidak Valid</translation>
    </message>
    <message>
        <source>Guard Page Violation</source>
        <translation>Pelanggaran Halaman Penjaga</translation>
    </message>
    <message>
        <source>Invalid Handle</source>
        <translation>Handle Tidak Valid</translation>
    </message>
    <message>
        <source>Control-C Exit</source>
        <translation>Keluar dengan Control-C</translation>
    </message>
    <message>
        <source>Unknown (&amp;H%1)</source>
        <extracomment>A processor fault without a name; %1 is its code in hexadecimal.</extracomment>
        <translation>Tidak Dikenal (&amp;H%1)</translation>
    </message>
</context>
<context>
    <name>Method</name>
    <message>
        <source>Umm Al-Qura, Makkah</source>
        <translation>Umm Al-Qura, Makkah</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>Liga Muslim Dunia</translation>
    </message>
    <message>
        <source>Egyptian General Organization of Survey</source>
        <translation>Otoritas Umum Survei Mesir</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi</source>
        <translation>Universitas Ilmu-Ilmu Islam, Karachi</translation>
    </message>
    <message>
        <source>Islamic Society Of North America (ISNA)</source>
        <translation>Masyarakat Islam Amerika Utara (ISNA)</translation>
    </message>
    <message>
        <source>Custom / User Defined</source>
        <translation>Kustom / Ditentukan pengguna</translation>
    </message>
</context>
<context>
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>Program sudah berjalan</translation>
    </message>
</context>
<context>
    <name>Pickers</name>
    <message>
        <source>All Supported Files</source>
        <translation>Semua Berkas yang Didukung</translation>
    </message>
    <message>
        <source>Windows Wave Files (*.wav)</source>
        <translation>Berkas Windows Wave (*.wav)</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Semua Berkas</translation>
    </message>
    <message>
        <source>Windows Bitmap (*.bmp)</source>
        <translation>Bitmap Windows (*.bmp)</translation>
    </message>
    <message>
        <source>Joint Photographic Experts Group (*.jpg)</source>
        <translation>Gambar JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Graphics Interchange Format (*.gif)</source>
        <translation>Gambar GIF (*.gif)</translation>
    </message>
    <message>
        <source>Icon Files (*.ico)</source>
        <translation>Berkas Ikon (*.ico)</translation>
    </message>
    <message>
        <source>Cursors (*.cur)</source>
        <translation>Kursor (*.cur)</translation>
    </message>
    <message>
        <source>Windows Metafiles (*.wmf)</source>
        <translation>Metafile Windows (*.wmf)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <translation>Metafile yang Disempurnakan (*.emf)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Warna</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>Fajr</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>Dawn</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Fajr&quot;).</extracomment>
        <translation>Fajar</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <extracomment>What the period of the day is (beside its name &quot;Shurooq&quot;).</extracomment>
        <translation>Matahari terbit</translation>
    </message>
    <message>
        <source>Noon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Dhuhr&quot;).</extracomment>
        <translation>Tengah hari</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Asr&quot;).</extracomment>
        <translation>Sore</translation>
    </message>
    <message>
        <source>Sunset</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Maghrib&quot;).</extracomment>
        <translation>Matahari terbenam</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Isha&quot;).</extracomment>
        <translation>Malam</translation>
    </message>
</context>
<context>
    <name>PrintCalLVW</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Subskrip di luar jangkauan</translation>
    </message>
    <message>
        <source>Printing Calendar, Page: %1 of %2</source>
        <translation>Mencetak kalender, halaman %1 dari %2</translation>
    </message>
    <message>
        <source>Prayer Schedule for %1</source>
        <extracomment>The printed calendar&apos;s title; %1 is the place&apos;s name.</extracomment>
        <translation>Jadwal Salat untuk %1</translation>
    </message>
    <message>
        <source>Latitude = %1` %2`` %3 Longitude = %4` %5`` %6</source>
        <extracomment>The printed calendar&apos;s place: degrees (%1, %4) and minutes (%2, %5) of latitude and longitude, written ` and ``; %3 is North or South, %6 East or West.</extracomment>
        <translation>Lintang = %1` %2`` %3 Bujur = %4` %5`` %6</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Selatan</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Utara</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Barat</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Timur</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>Penyesuaian = %1 menit</translation>
    </message>
    <message>
        <source>Time Zone = %1   Altitude = %2 metres</source>
        <extracomment>%1 is the zone as &quot;GMT&quot; and the offset in hours (&quot;GMT -5&quot;, &quot;GMT +5:30&quot;, &quot;GMT -5 / -4&quot; when it changes), kept in its own left-to-right order; %2 is the altitude.</extracomment>
        <translation>Zona Waktu = %1   Ketinggian = %2 meter</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language read from right to left, &quot;LTR&quot; otherwise.</extracomment>
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
    <name>Settings</name>
    <message>
        <source>Sound Alert</source>
        <translation>Alarm suara</translation>
    </message>
    <message>
        <source>Noorvale: the settings file %1 was damaged (%2); what could be read is kept, and the damaged file is kept as %3</source>
        <extracomment>%1 the settings file, %2 what was wrong in it (&quot;line 12: ...&quot;), %3 the copy of it that is kept.</extracomment>
        <translation>Noorvale: berkas pengaturan %1 rusak (%2); bagian yang dapat dibaca dipertahankan, dan berkas yang rusak disimpan sebagai %3</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>the disk it is on is read-only</source>
        <translation>disk tempatnya hanya dapat dibaca</translation>
    </message>
    <message>
        <source>you may not write in its folder</source>
        <translation>Anda tidak berhak menulis di foldernya</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk penuh</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1: %2.

The changes stay in effect while Noorvale runs, and are saved as soon as the file can be written.</source>
        <extracomment>%1 the settings file, %2 why it could not be written (&quot;the disk is full&quot;).</extracomment>
        <translation>Pengaturan Anda tidak dapat disimpan di %1: %2.

Perubahan tetap berlaku selama Noorvale berjalan, dan disimpan begitu berkas dapat ditulis.</translation>
    </message>
</context>
<context>
    <name>TwipsPrinter</name>
    <message>
        <source>Printer error</source>
        <translation>Kesalahan printer</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>Tanda tangan tidak dapat diperiksa.</translation>
    </message>
    <message>
        <source>The update information file is not signed.</source>
        <translation>Berkas informasi pembaruan tidak ditandatangani.</translation>
    </message>
    <message>
        <source>The signature of the update information file does not match.</source>
        <translation>Tanda tangan berkas informasi pembaruan tidak cocok.</translation>
    </message>
</context>
<context>
    <name>VbError</name>
    <message>
        <source>CCrc32 component failure</source>
        <translation>Kegagalan komponen CCrc32</translation>
    </message>
    <message>
        <source>CFile component failure</source>
        <translation>Kegagalan komponen CFile</translation>
    </message>
    <message>
        <source>CIniFile component failure</source>
        <translation>Kegagalan komponen CIniFile</translation>
    </message>
    <message>
        <source>cNetGet component failure</source>
        <translation>Kegagalan komponen cNetGet</translation>
    </message>
    <message>
        <source>cNetURL component failure</source>
        <translation>Kegagalan komponen cNetURL</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Pemanggilan prosedur atau argumen tidak valid</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Luapan</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memori habis</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Pembagian dengan nol</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipe tidak cocok</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Berkas tidak ditemukan</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Jalur tidak ditemukan</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Kesalahan yang ditentukan aplikasi atau objek</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <extracomment>The second line of an error box: %1 is where the error happened (Program.module.procedure), %2 the line number.</extracomment>
        <translation>di %1 pada baris %2</translation>
    </message>
</context>
<context>
    <name>cCabFile</name>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Sistem tidak dapat menemukan berkas yang ditentukan.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Sistem tidak dapat menemukan jalur yang ditentukan.</translation>
    </message>
    <message>
        <source>The system cannot open the file.</source>
        <translation>Sistem tidak dapat membuka berkas.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Akses ditolak.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>Penyimpanan tidak cukup untuk memproses perintah ini.</translation>
    </message>
    <message>
        <source>Invalid data.</source>
        <translation>Data tidak valid.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Penyimpanan tidak cukup untuk menyelesaikan operasi ini.</translation>
    </message>
    <message>
        <source>The system cannot find the drive specified.</source>
        <translation>Sistem tidak dapat menemukan drive yang ditentukan.</translation>
    </message>
    <message>
        <source>The media is write protected.</source>
        <translation>Media dilindungi dari penulisan.</translation>
    </message>
    <message>
        <source>The system cannot find the device specified.</source>
        <translation>Sistem tidak dapat menemukan perangkat yang ditentukan.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>Perangkat belum siap.</translation>
    </message>
    <message>
        <source>Data error (cyclic redundancy check).</source>
        <translation>Kesalahan data (pemeriksaan redundansi siklik).</translation>
    </message>
    <message>
        <source>The drive cannot locate a specific area or track on the disk.</source>
        <translation>Drive tidak dapat menemukan area atau trek tertentu pada disk.</translation>
    </message>
    <message>
        <source>The specified disk or diskette cannot be accessed.</source>
        <translation>Disk atau disket yang ditentukan tidak dapat diakses.</translation>
    </message>
    <message>
        <source>The drive cannot find the sector requested.</source>
        <translation>Drive tidak dapat menemukan sektor yang diminta.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Sistem tidak dapat menulis ke perangkat yang ditentukan.</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>Sistem tidak dapat membaca dari perangkat yang ditentukan.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Perangkat yang terpasang pada sistem tidak berfungsi.</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>Proses tidak dapat mengakses berkas karena sedang digunakan oleh proses lain.</translation>
    </message>
    <message>
        <source>The process cannot access the file because another process has locked a portion of the file.</source>
        <translation>Proses tidak dapat mengakses berkas karena proses lain telah mengunci sebagian berkas.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk penuh.</translation>
    </message>
    <message>
        <source>The directory or file cannot be created.</source>
        <translation>Direktori atau berkas tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Nama berkas terlalu panjang.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>Ruang pada disk tidak cukup.</translation>
    </message>
    <message>
        <source>The filename, directory name, or volume label syntax is incorrect.</source>
        <translation>Sintaks nama berkas, nama direktori, atau label volume salah.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Kesalahan tidak dikenal.</translation>
    </message>
    <message>
        <source>You must set the CabName property before taking any action on the CabFile object.</source>
        <translation>Anda harus mengatur properti CabName sebelum melakukan tindakan apa pun pada objek CabFile.</translation>
    </message>
</context>
<context>
    <name>cFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>Nama berkas tidak valid</translation>
    </message>
    <message>
        <source>Object not properly initialized. Set the PathFileName property to a non-empty value first</source>
        <translation>Objek belum diinisialisasi dengan benar. Isi properti PathFileName dengan nilai yang tidak kosong terlebih dahulu</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Berkas tidak ditemukan</translation>
    </message>
    <message>
        <source>File copy failed</source>
        <translation>Penyalinan berkas gagal</translation>
    </message>
    <message>
        <source>File move failed</source>
        <translation>Pemindahan berkas gagal</translation>
    </message>
    <message>
        <source>File delete failed</source>
        <translation>Penghapusan berkas gagal</translation>
    </message>
</context>
<context>
    <name>cIniFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>Nama berkas tidak valid</translation>
    </message>
    <message>
        <source>Object not properly initialized</source>
        <translation>Objek belum diinisialisasi dengan benar</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Berkas tidak ditemukan</translation>
    </message>
    <message>
        <source>Invalid section</source>
        <translation>Bagian tidak valid</translation>
    </message>
    <message>
        <source>Invalid key</source>
        <translation>Kunci tidak valid</translation>
    </message>
</context>
<context>
    <name>cNetGet</name>
    <message>
        <source>Disk full</source>
        <translation>Disk penuh</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Jalur tidak ditemukan</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Kesalahan akses jalur/berkas</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Kesalahan I/O perangkat</translation>
    </message>
    <message>
        <source>Opening Tarvo update page...</source>
        <translation>Membuka halaman pembaruan Tarvo...</translation>
    </message>
    <message>
        <source>Reading Url: %1 bytes read</source>
        <extracomment>The download&apos;s status while it runs; %1 is the number of bytes read so far.</extracomment>
        <translation>Membaca URL: %1 bita terbaca</translation>
    </message>
    <message>
        <source>The download is larger than %1 bytes.</source>
        <translation>Unduhan lebih besar dari %1 bita.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Siap</translation>
    </message>
    <message>
        <source>No more handles could be generated at this time</source>
        <translation>Tidak ada lagi handle yang dapat dibuat saat ini</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>Waktu permintaan habis.</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>Server mengembalikan kesalahan lanjutan.</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>Terjadi kesalahan internal.</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>URL tidak valid.</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized, or is not supported.</source>
        <translation>Skema URL tidak dikenali atau tidak didukung.</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Nama server tidak dapat ditemukan.</translation>
    </message>
    <message>
        <source>The requested protocol could not be located.</source>
        <translation>Protokol yang diminta tidak dapat ditemukan.</translation>
    </message>
    <message>
        <source>A request to InternetQueryOption or InternetSetOption specified an invalid option value.</source>
        <translation>Permintaan ke InternetQueryOption atau InternetSetOption menyebutkan nilai opsi yang tidak valid.</translation>
    </message>
    <message>
        <source>The length of an option supplied to InternetQueryOption or InternetSetOption is incorrect for the type of option specified.</source>
        <translation>Panjang opsi yang diberikan ke InternetQueryOption atau InternetSetOption salah untuk jenis opsi yang ditentukan.</translation>
    </message>
    <message>
        <source>The request option can not be set, only queried. </source>
        <translation>Opsi permintaan tidak dapat diatur, hanya dapat dikueri. </translation>
    </message>
    <message>
        <source>The Win32 Internet support is being shutdown or unloaded.</source>
        <translation>Dukungan Internet Win32 sedang dimatikan atau dilepas.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied user name is incorrect.</source>
        <translation>Permintaan untuk menyambung dan masuk ke server FTP tidak dapat diselesaikan karena nama pengguna yang diberikan salah.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied password is incorrect. </source>
        <translation>Permintaan untuk menyambung dan masuk ke server FTP tidak dapat diselesaikan karena kata sandi yang diberikan salah. </translation>
    </message>
    <message>
        <source>The request to connect to and login to an FTP server failed.</source>
        <translation>Permintaan untuk menyambung dan masuk ke server FTP gagal.</translation>
    </message>
    <message>
        <source>The requested operation is invalid. </source>
        <translation>Operasi yang diminta tidak valid. </translation>
    </message>
    <message>
        <source>The operation was canceled, usually because the handle on which the request was operating was closed before the operation completed.</source>
        <translation>Operasi dibatalkan, biasanya karena handle tempat permintaan berjalan ditutup sebelum operasi selesai.</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>Jenis handle yang diberikan salah untuk operasi ini.</translation>
    </message>
    <message>
        <source>The requested operation can not be carried out because the handle supplied is not in the correct state.</source>
        <translation>Operasi yang diminta tidak dapat dilakukan karena handle yang diberikan tidak dalam keadaan yang benar.</translation>
    </message>
    <message>
        <source>The request can not be made via a proxy.</source>
        <translation>Permintaan tidak dapat dibuat melalui proksi.</translation>
    </message>
    <message>
        <source>A required registry value could not be located. </source>
        <translation>Nilai registri yang diperlukan tidak dapat ditemukan. </translation>
    </message>
    <message>
        <source>A required registry value was located but is an incorrect type or has an invalid value.</source>
        <translation>Nilai registri yang diperlukan ditemukan tetapi jenisnya salah atau nilainya tidak valid.</translation>
    </message>
    <message>
        <source>Direct network access cannot be made at this time. </source>
        <translation>Akses jaringan langsung tidak dapat dilakukan saat ini. </translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a zero context value was supplied.</source>
        <translation>Permintaan asinkron tidak dapat dibuat karena nilai konteks nol diberikan.</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a callback function has not been set.</source>
        <translation>Permintaan asinkron tidak dapat dibuat karena fungsi callback belum diatur.</translation>
    </message>
    <message>
        <source>The required operation could not be completed because one or more requests are pending.</source>
        <translation>Operasi yang diperlukan tidak dapat diselesaikan karena satu atau lebih permintaan masih tertunda.</translation>
    </message>
    <message>
        <source>The format of the request is invalid.</source>
        <translation>Format permintaan tidak valid.</translation>
    </message>
    <message>
        <source>The requested item could not be located.</source>
        <translation>Item yang diminta tidak dapat ditemukan.</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>Upaya menyambung ke server gagal.</translation>
    </message>
    <message>
        <source>The connection with the server has been terminated.</source>
        <translation>Sambungan dengan server telah diputus.</translation>
    </message>
    <message>
        <source>The connection with the server has been reset.</source>
        <translation>Sambungan dengan server telah diatur ulang.</translation>
    </message>
    <message>
        <source>The request failed because the handle already exists.</source>
        <translation>Permintaan gagal karena handle sudah ada.</translation>
    </message>
    <message>
        <source>Error details not available.</source>
        <translation>Rincian kesalahan tidak tersedia.</translation>
    </message>
    <message>
        <source>Parsing page...</source>
        <translation>Mengurai halaman...</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Modem (Busy)</source>
        <translation>Modem (Sibuk)</translation>
    </message>
    <message>
        <source>LAN</source>
        <extracomment>A kind of Internet connection: a local network.</extracomment>
        <translation>LAN</translation>
    </message>
    <message>
        <source>Proxy Server</source>
        <translation>Server proksi</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <extracomment>%1 is the status the web server answered with (&quot;404 Not Found&quot;), %2 the address asked for.</extracomment>
        <translation>Server menjawab %1 untuk %2.</translation>
    </message>
    <message>
        <source>The download did not finish within %1 minutes.</source>
        <translation>Unduhan tidak selesai dalam %1 menit.</translation>
    </message>
    <message>
        <source>The server redirects the request in a loop.</source>
        <translation>Server mengalihkan permintaan dalam putaran tanpa akhir.</translation>
    </message>
</context>
<context>
    <name>modTarvo</name>
    <message>
        <source>Tarvo Update Program</source>
        <translation>Program Pembaruan Tarvo</translation>
    </message>
    <message>
        <source>Program is already running</source>
        <translation>Program sudah berjalan</translation>
    </message>
    <message>
        <source>Cannot run program... Missing parameters...</source>
        <translation>Program tidak dapat dijalankan... Parameter tidak lengkap...</translation>
    </message>
    <message>
        <source>Cannot run program... %1</source>
        <extracomment>%1 is an error code that stays as it is.</extracomment>
        <translation>Program tidak dapat dijalankan... %1</translation>
    </message>
    <message>
        <source>Tarvo could not find the default Temp directory, cannot continue.</source>
        <translation>Tarvo tidak dapat menemukan folder sementara bawaan, tidak dapat melanjutkan.</translation>
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
    <name>nv::fQuenlo</name>
    <message>
        <source>ORVEN Tarvo update  is in progress, Please wait...</source>
        <translation>Pembaruan ORVEN Tarvo sedang berlangsung, harap tunggu...</translation>
    </message>
    <message>
        <source>Cannot run program...<byte value="xd"/>
ERR# %1 ...</source>
        <extracomment>%1 is an error code (QNL101 ...) that stays as it is.</extracomment>
        <translation>Program tidak dapat dijalankan...<byte value="xd"/>
ERR# %1 ...</translation>
    </message>
    <message>
        <source>Quenlo Message</source>
        <translation>Pesan Quenlo</translation>
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
        <extracomment>%1 is the program&apos;s name.</extracomment>
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
    <name>nv::frmCustomize</name>
    <message>
        <source>Automatic (Windows)</source>
        <translation>Otomatis (dari sistem)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Derajat</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Menit</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No high-latitude rule.</extracomment>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>Pertengahan malam</translation>
    </message>
    <message>
        <source>One-seventh of the night</source>
        <translation>Sepertujuh malam</translation>
    </message>
    <message>
        <source>Twilight angle / 60 of the night</source>
        <translation>Sudut senja / 60 dari malam</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Sesuaikan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source> Periods/Prayers List </source>
        <translation> Daftar Waktu/Salat </translation>
    </message>
    <message>
        <source>Select a Period from the List</source>
        <translation>Pilih waktu dari daftar</translation>
    </message>
    <message>
        <source>Period/Prayer Name</source>
        <translation>Nama Waktu/Salat</translation>
    </message>
    <message>
        <source>&amp;Period Names</source>
        <translation>Nama &amp;Waktu</translation>
    </message>
    <message>
        <source> Current Location </source>
        <translation> Lokasi Saat Ini </translation>
    </message>
    <message>
        <source> Latitude </source>
        <translation> Lintang </translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>Khatulistiwa</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <translation>&amp;Utara</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>&amp;Selatan</translation>
    </message>
    <message>
        <source> Longitude </source>
        <translation> Bujur </translation>
    </message>
    <message>
        <source>Greenwich</source>
        <translation>Greenwich</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <translation>&amp;Timur</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <translation>&amp;Barat</translation>
    </message>
    <message>
        <source>Time Difference (GMT): hours, or hours:minutes, from -12:00 to +14:00 (5:30, -3:30, +13)</source>
        <translation>Selisih waktu (GMT): jam, atau jam:menit, dari -12:00 hingga +14:00 (5:30, -3:30, +13)</translation>
    </message>
    <message>
        <source>Height of the place above sea level in metres, 0 to 9000</source>
        <translation>Ketinggian tempat di atas permukaan laut dalam meter, 0 hingga 9000</translation>
    </message>
    <message>
        <source>USA</source>
        <extracomment>A link to a gazetteer of places in the United States.</extracomment>
        <translation>AS</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>A link to a table of the coordinates of the world&apos;s cities.</extracomment>
        <translation>Dunia</translation>
    </message>
    <message>
        <source>Location Name</source>
        <translation>Nama Lokasi</translation>
    </message>
    <message>
        <source>Altitude (metres)</source>
        <translation>Ketinggian (meter)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona Waktu</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Selisih GMT</translation>
    </message>
    <message>
        <source>Not Sure!, Find it Online</source>
        <translation>Tidak yakin? Cari secara daring</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Lokasi</translation>
    </message>
    <message>
        <source>Angle of the Sun</source>
        <translation>Sudut matahari</translation>
    </message>
    <message>
        <source> Dawn/Fajr </source>
        <translation> Fajar/Subuh </translation>
    </message>
    <message>
        <source>Minutes before Sunrise</source>
        <translation>Menit sebelum terbit</translation>
    </message>
    <message>
        <source> Night/Isha </source>
        <translation> Malam/Isya </translation>
    </message>
    <message>
        <source>Minutes After Sunset</source>
        <translation>Menit setelah terbenam</translation>
    </message>
    <message>
        <source> Asr / Afternoon </source>
        <translation> Asar / Sore </translation>
    </message>
    <message>
        <source>&amp;Shafi`i</source>
        <translation>&amp;Syafi&apos;i</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>&amp;Hanafi</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>Mazhab</translation>
    </message>
    <message>
        <source>Pick an authority…</source>
        <translation>Pilih otoritas…</translation>
    </message>
    <message>
        <source>Fill the custom method with the parameters of an authority&apos;s published timetables</source>
        <translation>Mengisi metode kustom dengan parameter jadwal yang diterbitkan suatu otoritas</translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation> Penyesuaian (menit) </translation>
    </message>
    <message>
        <source>Where the sun does not sink to the Fajr or Isha angle, or does not set or rise,
keep Fajr and Isha within this part of the night (sunset to sunrise).</source>
        <translation>Di tempat matahari tidak turun sampai sudut Subuh atau Isya, atau tidak terbenam atau terbit,
Subuh dan Isya dijaga dalam bagian malam ini (terbenam hingga terbit).</translation>
    </message>
    <message>
        <source>Select a Method</source>
        <translation>Pilih metode</translation>
    </message>
    <message>
        <source>Margin of Safety Minutes</source>
        <translation>Menit ihtiyat</translation>
    </message>
    <message>
        <source>High Latitudes</source>
        <translation>Lintang tinggi</translation>
    </message>
    <message>
        <source>&amp;Calculation Method</source>
        <translation>&amp;Metode Perhitungan</translation>
    </message>
    <message>
        <source> Daily Defaults </source>
        <translation> Bawaan Harian </translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>&amp;Ubah...</translation>
    </message>
    <message>
        <source>&amp;Alert Manager</source>
        <translation>Pengelola &amp;Alarm</translation>
    </message>
    <message>
        <source>Following %1</source>
        <extracomment>%1: the name of a religious authority whose timetables the custom method follows.</extracomment>
        <translation>Mengikuti %1</translation>
    </message>
    <message>
        <source>Maghrib at %1° below the horizon</source>
        <extracomment>%1: an angle in degrees.</extracomment>
        <translation>Magrib pada %1° di bawah ufuk</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan</source>
        <extracomment>%1: a number of minutes.</extracomment>
        <translation>Isya %1 menit setelah Magrib pada bulan Ramadan</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of the authority&apos;s description.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Value must be between %1 and %2, please try again.</source>
        <translation>Nilai harus antara %1 dan %2, silakan coba lagi.</translation>
    </message>
    <message>
        <source>Value must be between -12:00 and +14:00, please try again.</source>
        <translation>Nilai harus antara -12:00 dan +14:00, silakan coba lagi.</translation>
    </message>
    <message>
        <source>%1 / %2 - %3</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; %3: its sound file.</extracomment>
        <translation>%1 / %2 - %3</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; its sound alert is off.</extracomment>
        <translation>%1 / %2 - MATI</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>Alarm Terpasang</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan of the Umm Al-Qura calendar</source>
        <extracomment>%1: a number of minutes. Ramadan as the Umm Al-Qura calendar counts it.</extracomment>
        <translation>Isya %1 menit setelah Maghrib pada bulan Ramadan menurut kalender Umm Al-Qura</translation>
    </message>
    <message>
        <source>precise</source>
        <extracomment>The sun&apos;s position worked out at each prayer time&apos;s own moment.</extracomment>
        <translation>presisi</translation>
    </message>
    <message>
        <source>classic (as earlier versions)</source>
        <extracomment>The day-of-year series of the program&apos;s earlier versions.</extracomment>
        <translation>klasik (seperti versi sebelumnya)</translation>
    </message>
    <message>
        <source>Precise: the sun where it stands at each prayer time.
Classic: the coarser yearly series of earlier versions, minutes off at times.</source>
        <translation>Presisi: matahari di tempat ia berada pada setiap waktu salat.
Klasik: deret tahunan yang lebih kasar dari versi sebelumnya, kadang meleset beberapa menit.</translation>
    </message>
    <message>
        <source>Sun&apos;s Position</source>
        <translation>Posisi Matahari</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The twilight (shafaq) the seasonal rule&apos;s Isha follows: the general one.</extracomment>
        <translation>Umum</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The red glow after sunset (shafaq al-ahmar).</extracomment>
        <translation>Merah</translation>
    </message>
    <message>
        <source>White</source>
        <extracomment>The white glow after the red one (shafaq al-abyad).</extracomment>
        <translation>Putih</translation>
    </message>
    <message>
        <source>The twilight whose end the seasonal rule&apos;s Isha follows</source>
        <translation>Syafak yang hilangnya menandai Isya dalam aturan musiman</translation>
    </message>
    <message>
        <source>Shafaq</source>
        <extracomment>The twilight (shafaq) of the seasonal rule&apos;s Isha.</extracomment>
        <translation>Syafak</translation>
    </message>
    <message>
        <source>Fajr and Isha within the season&apos;s minutes of sunrise and sunset</source>
        <translation>Subuh dan Isya dalam menit musiman sebelum matahari terbit dan setelah terbenam</translation>
    </message>
    <message>
        <source>times rounded up to the minute, sunrise down</source>
        <translation>waktu dibulatkan ke menit berikutnya, terbit ke menit sebelumnya</translation>
    </message>
</context>
<context>
    <name>nv::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>&amp;Cetak Kalender...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Tampilan</translation>
    </message>
    <message>
        <source>Com&amp;pact</source>
        <translation>&amp;Ringkas</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Bilah Alat</translation>
    </message>
    <message>
        <source>Toolbar Te&amp;xt</source>
        <translation>Te&amp;ks Bilah Alat</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Bilah &amp;Status</translation>
    </message>
    <message>
        <source>To&amp;day</source>
        <translation>&amp;Hari Ini</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>&amp;Minggu</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>B&amp;ulan</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Tahun</translation>
    </message>
    <message>
        <source>&amp;Gregorian Date</source>
        <translation>Tanggal M&amp;asehi</translation>
    </message>
    <message>
        <source>&amp;Hijri Date</source>
        <translation>Tanggal Hi&amp;jriah</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Se&amp;garkan</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Alat</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Periksa &amp;Pembaruan...</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;Sesuaikan...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opsi...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>&amp;Contents and Index...</source>
        <translation>&amp;Isi dan Indeks...</translation>
    </message>
    <message>
        <source>Noorvale &amp;Online</source>
        <translation>Noorvale &amp;Daring</translation>
    </message>
    <message>
        <source>&amp;Noorvale Home Page...</source>
        <translation>Beranda &amp;Noorvale...</translation>
    </message>
    <message>
        <source>&amp;Product News...</source>
        <translation>&amp;Berita Produk...</translation>
    </message>
    <message>
        <source>&amp;Download Library...</source>
        <translation>&amp;Pustaka Unduhan...</translation>
    </message>
    <message>
        <source>Frequently Asked &amp;Questions...</source>
        <translation>Pertanyaan yang Sering &amp;Diajukan...</translation>
    </message>
    <message>
        <source>Online &amp;Support...</source>
        <translation>Duk&amp;ungan Daring...</translation>
    </message>
    <message>
        <source>&amp;ORVEN Home Page...</source>
        <translation>Beranda &amp;ORVEN...</translation>
    </message>
    <message>
        <source>&amp;About Noorvale...</source>
        <translation>&amp;Tentang Noorvale...</translation>
    </message>
    <message>
        <source>Current Time Clock</source>
        <translation>Jam Waktu Saat Ini</translation>
    </message>
    <message>
        <source>Prayer Calendar</source>
        <translation>Kalender Salat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Updating Calendar, Please wait...</source>
        <translation>Memperbarui kalender, harap tunggu...</translation>
    </message>
    <message>
        <source>A high-latitude rule (Tools &gt; Customize &gt; Calculation Method) keeps Fajr and Isha within the night.</source>
        <translation>Aturan lintang tinggi (Alat &gt; Sesuaikan &gt; Metode Perhitungan) menjaga Subuh dan Isya tetap di malam hari.</translation>
    </message>
    <message>
        <source>Printing Calendar, Please wait...</source>
        <translation>Mencetak kalender, harap tunggu...</translation>
    </message>
    <message>
        <source>Noorvale message</source>
        <translation>Pesan Noorvale</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>The next prayer, in the compact window and after &quot;Next Prayer:&quot;: %1 is its name, %2 its time.</extracomment>
        <translation>%1 pukul %2</translation>
    </message>
    <message>
        <source>%1 - Next Prayer: %2</source>
        <extracomment>The main window&apos;s caption: %1 is the program&apos;s name, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>%1 - Salat Berikutnya: %2</translation>
    </message>
    <message>
        <source>Next Prayer: %1</source>
        <translation>Salat Berikutnya: %1</translation>
    </message>
    <message>
        <source>Current Location: %1</source>
        <translation>Lokasi Saat Ini: %1</translation>
    </message>
    <message>
        <source>Alert Manager</source>
        <translation>Pengelola Alarm</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An Alert Manager entry: %1 is the prayer&apos;s name, %2 its time.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 - OFF</source>
        <extracomment>An Alert Manager entry whose sound is off for today; %1 is the prayer&apos;s name.</extracomment>
        <translation>%1 - MATI</translation>
    </message>
    <message>
        <source>&amp;Compact</source>
        <translation>&amp;Ringkas</translation>
    </message>
    <message>
        <source>&amp;Stop Playback</source>
        <translation>&amp;Hentikan Pemutaran</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Periksa &amp;Pembaruan</translation>
    </message>
    <message>
        <source>&amp;Exit Noorvale</source>
        <translation>&amp;Keluar dari Noorvale</translation>
    </message>
    <message>
        <source>Closing Noorvale will disable its Alert Features.
Are you sure you want to quit?</source>
        <translation>Menutup Noorvale akan menonaktifkan fitur alarmnya.
Yakin ingin keluar?</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A desktop notice at a prayer: %1 is its time, %2 the place&apos;s name.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Alat lainnya</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Menu lainnya</translation>
    </message>
    <message>
        <source>The time is %1. %2</source>
        <extracomment>What a screen reader says of the clocks: %1 is the time, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>Sekarang pukul %1. %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Cetak Kalender</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Ringkas</translation>
    </message>
    <message>
        <source>View Compact Mode</source>
        <translation>Tampilkan Mode Ringkas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Change Date Style</source>
        <translation>Ubah Gaya Tanggal</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Change View Type</source>
        <translation>Ubah Jenis Tampilan</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Sesuaikan</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Perbarui</translation>
    </message>
    <message>
        <source>Check for Program Updates</source>
        <translation>Periksa Pembaruan Program</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>Tampilkan Bantuan</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <translation>Masehi</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijriah</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hari Ini</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Minggu</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message numerus="yes">
        <source>%n days update reminder

Using your Internet connections Tarvo can connects to the
ORVEN site, checks for available updates, then downloads and
installs them automatically. This is the most efficient method
to update your Noorvale files,

Would you like to run Tarvo now?</source>
        <extracomment>%n is the number of days between two reminders.</extracomment>
        <translation>
            <numerusform>Pengingat pembaruan setiap %n hari

Dengan koneksi Internet Anda, Tarvo dapat terhubung ke
situs ORVEN, memeriksa pembaruan yang tersedia, lalu mengunduh
dan memasangnya secara otomatis. Inilah cara paling efisien
untuk memperbarui berkas Noorvale Anda.

Jalankan Tarvo sekarang?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nv::frmOptions</name>
    <message>
        <source>Normal View</source>
        <translation>Tampilan Normal</translation>
    </message>
    <message>
        <source>Compact View</source>
        <translation>Tampilan Ringkas</translation>
    </message>
    <message>
        <source>System Tray only</source>
        <translation>Hanya baki sistem</translation>
    </message>
    <message>
        <source>Last View Used</source>
        <translation>Tampilan terakhir</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Atas</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bawah</translation>
    </message>
    <message>
        <source> Clock Settings </source>
        <translation> Pengaturan Jam </translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Warna latar</translation>
    </message>
    <message>
        <source>Hands Color</source>
        <translation>Warna jarum</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Telusuri...</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Gambar latar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source> Startup Options </source>
        <translation> Opsi Awal </translation>
    </message>
    <message>
        <source>Startup View</source>
        <translation>Tampilan awal</translation>
    </message>
    <message>
        <source> Program Updates (requires an Internet connection) </source>
        <translation> Pembaruan Program (memerlukan koneksi Internet) </translation>
    </message>
    <message>
        <source>No thanks, I will manually update the program</source>
        <translation>Tidak, terima kasih, saya akan memperbarui program sendiri</translation>
    </message>
    <message>
        <source>Yes, Please remind me every</source>
        <extracomment>Followed by a box with the number of days and the word &quot;days&quot;.</extracomment>
        <translation>Ya, ingatkan saya setiap</translation>
    </message>
    <message>
        <source>days</source>
        <translation>hari</translation>
    </message>
    <message>
        <source> Alerts </source>
        <translation> Alarm </translation>
    </message>
    <message>
        <source>Show a desktop notification at each prayer</source>
        <translation>Tampilkan notifikasi desktop setiap waktu salat</translation>
    </message>
    <message>
        <source> Language </source>
        <translation> Bahasa </translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Bahasa:</translation>
    </message>
    <message>
        <source>The language changes the next time Noorvale starts.</source>
        <translation>Bahasa berubah saat Noorvale dijalankan berikutnya.</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Umum</translation>
    </message>
    <message>
        <source> Calendar Settings </source>
        <translation> Pengaturan Kalender </translation>
    </message>
    <message>
        <source>Show Grid&amp;lines</source>
        <translation>Tampilkan &amp;garis kisi</translation>
    </message>
    <message>
        <source>&amp;AutoResize Columns</source>
        <translation>Ukuran kolom &amp;otomatis</translation>
    </message>
    <message>
        <source>Gregorian Date</source>
        <translation>Tanggal Masehi</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>Tanggal Hijriah</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Warna sorotan</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>Show Numbe&amp;rs</source>
        <translation>Tampilkan &amp;angka</translation>
    </message>
    <message>
        <source>Show Secon&amp;ds</source>
        <translation>Tampilkan &amp;detik</translation>
    </message>
    <message>
        <source>&amp;Normal View</source>
        <translation>Tampilan &amp;Normal</translation>
    </message>
    <message>
        <source>Show N&amp;umbers</source>
        <translation>Tampilkan &amp;angka</translation>
    </message>
    <message>
        <source>Show S&amp;econds</source>
        <translation>Tampilkan &amp;detik</translation>
    </message>
    <message>
        <source>Sho&amp;w Borders</source>
        <translation>Tampilkan &amp;bingkai</translation>
    </message>
    <message>
        <source> Control Bar </source>
        <translation> Bilah Kontrol </translation>
    </message>
    <message>
        <source>Foreground Color</source>
        <translation>Warna latar depan</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisi</translation>
    </message>
    <message>
        <source>Compact &amp;View</source>
        <translation>Tampilan &amp;Ringkas</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Bawaan sistem</translation>
    </message>
    <message>
        <source>The number of days can not exceed %1 days</source>
        <translation>Jumlah hari tidak boleh lebih dari %1 hari</translation>
    </message>
    <message>
        <source>Tabular (arithmetical)</source>
        <translation>Tabular (hisab urfi)</translation>
    </message>
    <message>
        <source>Umm Al-Qura (Saudi Arabia)</source>
        <translation>Umm Al-Qura (Arab Saudi)</translation>
    </message>
    <message>
        <source>Days added to the Hijri date, for a community whose month begins when it sights the moon</source>
        <translation>Hari yang ditambahkan ke tanggal Hijriah, bagi komunitas yang memulai bulan dengan melihat hilal</translation>
    </message>
    <message>
        <source>Hijri Calendar</source>
        <translation>Kalender Hijriah</translation>
    </message>
    <message>
        <source>Hijri Adjustment (days)</source>
        <translation>Penyesuaian Hijriah (hari)</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon&apos;s menu (seen by screen readers).</extracomment>
        <translation>Menu &amp;Pop-up</translation>
    </message>
</context>
<context>
    <name>nv::frmTarvo</name>
    <message>
        <source>Tarvo Updates</source>
        <translation>Pembaruan Tarvo</translation>
    </message>
    <message>
        <source>Software Updates</source>
        <translation>Pembaruan Perangkat Lunak</translation>
    </message>
    <message>
        <source>Please wait while Tarvo updates your software.</source>
        <translation>Harap tunggu selagi Tarvo memperbarui perangkat lunak Anda.</translation>
    </message>
    <message>
        <source>Connecting to the Internet</source>
        <translation>Menyambung ke Internet</translation>
    </message>
    <message>
        <source>Looking for software updates</source>
        <translation>Mencari pembaruan perangkat lunak</translation>
    </message>
    <message>
        <source>Retrieving updates</source>
        <translation>Mengambil pembaruan</translation>
    </message>
    <message>
        <source>Installing updates</source>
        <translation>Memasang pembaruan</translation>
    </message>
    <message>
        <source>Processing, Please wait...</source>
        <translation>Memproses, harap tunggu...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>ORVEN Tarvo for %1</source>
        <extracomment>The window title; %1 is the product that is updated (Noorvale).</extracomment>
        <translation>ORVEN Tarvo untuk %1</translation>
    </message>
    <message>
        <source>%1 Software Updates</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>Pembaruan Perangkat Lunak %1</translation>
    </message>
    <message>
        <source>%1, Please wait...</source>
        <extracomment>%1 is the step under way (&quot;Retrieving updates&quot;).</extracomment>
        <translation>%1, harap tunggu...</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Tarvo has completed the update.</source>
        <translation>Tarvo telah menyelesaikan pembaruan.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>You must have an active connection to the Internet<byte value="xd"/>
for Tarvo to function properly. Please establish<byte value="xd"/>
an Internet Connection and try again.</source>
        <translation>Anda harus memiliki sambungan Internet aktif<byte value="xd"/>
agar Tarvo dapat berfungsi dengan baik.<byte value="xd"/>
Silakan buat sambungan Internet dan coba lagi.</translation>
    </message>
    <message>
        <source>Internet Status: Connected: %1</source>
        <extracomment>%1 is the kind of connection (LAN, Modem, Proxy Server).</extracomment>
        <translation>Status Internet: Tersambung: %1</translation>
    </message>
    <message>
        <source>Internet Status: Not Connected</source>
        <translation>Status Internet: Tidak Tersambung</translation>
    </message>
    <message>
        <source>Update Failed, could not connect to the Internet.</source>
        <translation>Pembaruan gagal, tidak dapat menyambung ke Internet.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Unduhan gagal.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve Tarvo file. %1</source>
        <translation>Pembaruan gagal, berkas Tarvo tidak dapat diambil. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not open Tarvo file.</source>
        <translation>Pembaruan gagal, berkas Tarvo tidak dapat dibuka.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid. %1</source>
        <translation>Pembaruan gagal, berkas Tarvo tidak valid. %1</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid.</source>
        <translation>Pembaruan gagal, berkas Tarvo tidak valid.</translation>
    </message>
    <message>
        <source>Update Failed, update package is not valid.</source>
        <translation>Pembaruan gagal, paket pembaruan tidak valid.</translation>
    </message>
    <message>
        <source>There is a newer version of the Tarvo program available...<byte value="xd"/>
You MUST update Tarvo before checking for %1 updates.<byte value="xd"/>
<byte value="xd"/>
Do you wish to download the update now?</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>Tersedia versi program Tarvo yang lebih baru...<byte value="xd"/>
Anda HARUS memperbarui Tarvo sebelum memeriksa pembaruan %1.<byte value="xd"/>
<byte value="xd"/>
Apakah Anda ingin mengunduh pembaruan sekarang?</translation>
    </message>
    <message>
        <source>Tarvo Message</source>
        <translation>Pesan Tarvo</translation>
    </message>
    <message>
        <source>Tarvo version is not up to date.</source>
        <translation>Versi Tarvo belum yang terbaru.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo version is not up to date.</source>
        <translation>Pembaruan gagal, versi Tarvo belum yang terbaru.</translation>
    </message>
    <message>
        <source>You have the latest version, No update is available at this time.</source>
        <translation>Anda sudah memiliki versi terbaru, saat ini tidak ada pembaruan.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve updated files. %1</source>
        <translation>Pembaruan gagal, berkas yang diperbarui tidak dapat diambil. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not authenticate update files. %1</source>
        <translation>Pembaruan gagal, keaslian berkas pembaruan tidak dapat dipastikan. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not extract update files.</source>
        <translation>Pembaruan gagal, berkas pembaruan tidak dapat diekstrak.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files.</source>
        <translation>Pembaruan gagal, berkas tidak dapat diekstrak.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files. %1</source>
        <translation>Pembaruan gagal, berkas tidak dapat diekstrak. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Pembaruan gagal, berkas pembaruan tidak dapat dipasang. Folder %1 tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1</source>
        <translation>Pembaruan gagal, berkas pembaruan tidak dapat dipasang. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not locate update files.</source>
        <translation>Pembaruan gagal, berkas pembaruan tidak dapat ditemukan.</translation>
    </message>
    <message>
        <source>Update Failed, could not copy update files. %1</source>
        <translation>Pembaruan gagal, berkas pembaruan tidak dapat disalin. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1 The previous version was restored.</source>
        <extracomment>%1 is the cause, a sentence of its own.</extracomment>
        <translation>Pembaruan gagal, berkas pembaruan tidak dapat dipasang. %1 Versi sebelumnya telah dipulihkan.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Lewati</translation>
    </message>
    <message>
        <source>Tarvo update Failed...</source>
        <translation>Pembaruan Tarvo gagal...</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the Tarvo update?</source>
        <translation>Apakah Anda yakin ingin membatalkan pembaruan Tarvo?</translation>
    </message>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>Ruang kosong pada disk tidak cukup.</translation>
    </message>
    <message>
        <source>The data does not match its checksum.</source>
        <translation>Data tidak cocok dengan checksum-nya.</translation>
    </message>
    <message>
        <source>The update names no SHA-256 checksum for %1.</source>
        <extracomment>%1 is a file name of the update.</extracomment>
        <translation>Pembaruan tidak menyebutkan checksum SHA-256 untuk %1.</translation>
    </message>
    <message>
        <source>This update is not signed.</source>
        <translation>Pembaruan ini tidak ditandatangani.</translation>
    </message>
    <message>
        <source>The update server %1 is not answering, although the Internet<byte value="xd"/>
can be reached. It may be down for a while; please try again later.</source>
        <translation>Server pembaruan %1 tidak menjawab, padahal Internet<byte value="xd"/>
dapat dijangkau. Mungkin server sedang tidak aktif; silakan coba lagi nanti.</translation>
    </message>
    <message>
        <source>Update Failed, the update server %1 is not answering.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Pembaruan gagal, server pembaruan %1 tidak menjawab.</translation>
    </message>
    <message>
        <source>The update information file names no valid version.</source>
        <translation>Berkas informasi pembaruan tidak menyebutkan versi yang valid.</translation>
    </message>
    <message>
        <source>Update Failed, the update offered is version %1, older than the installed version %2.</source>
        <extracomment>%1 is the version offered by the update, %2 the version installed (&quot;1.1&quot;).</extracomment>
        <translation>Pembaruan gagal, pembaruan yang ditawarkan adalah versi %1, lebih lama daripada versi terpasang %2.</translation>
    </message>
    <message>
        <source>Version %1 is installed already, No update is available at this time.</source>
        <extracomment>%1 is the version installed (&quot;1.1&quot;).</extracomment>
        <translation>Versi %1 sudah terpasang, saat ini tidak ada pembaruan.</translation>
    </message>
</context>
<context>
    <name>Alert</name>
    <message>
        <source>It is time for Fajr prayer.</source>
        <extracomment>The alert at Fajr&apos;s minute; say the prayer&apos;s name as your language names the prayer (Turkish: Sabah namazı).</extracomment>
        <translation>Sudah masuk waktu salat Subuh.</translation>
    </message>
    <message>
        <source>It is sunrise (Shurooq).</source>
        <extracomment>At sunrise there is no prayer: the sentence names the sunrise.</extracomment>
        <translation>Matahari sudah terbit.</translation>
    </message>
    <message>
        <source>It is time for Dhuhr prayer.</source>
        <translation>Sudah masuk waktu salat Zuhur.</translation>
    </message>
    <message>
        <source>It is time for Asr prayer.</source>
        <translation>Sudah masuk waktu salat Asar.</translation>
    </message>
    <message>
        <source>It is time for Maghrib prayer.</source>
        <translation>Sudah masuk waktu salat Magrib.</translation>
    </message>
    <message>
        <source>It is time for Isha prayer.</source>
        <translation>Sudah masuk waktu salat Isya.</translation>
    </message>
    <message>
        <source>Fajr now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at Fajr&apos;s minute: short, the prayer named.</extracomment>
        <translation>Waktu Subuh.</translation>
    </message>
    <message>
        <source>Shurooq now.</source>
        <translation>Matahari terbit.</translation>
    </message>
    <message>
        <source>Dhuhr now.</source>
        <translation>Waktu Zuhur.</translation>
    </message>
    <message>
        <source>Asr now.</source>
        <translation>Waktu Asar.</translation>
    </message>
    <message>
        <source>Maghrib now.</source>
        <translation>Waktu Magrib.</translation>
    </message>
    <message>
        <source>Isha now.</source>
        <translation>Waktu Isya.</translation>
    </message>
    <message>
        <source>It is time for %1 prayer.</source>
        <translation>Sudah masuk waktu salat %1.</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <translation>Waktu %1.</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Val:</source>
        <extracomment>The value (brightness) of a colour in the colour dialog.</extracomment>
        <translation>&amp;Nilai:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Cetak Bolak-balik</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>No double-sided printing.</extracomment>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Jilid sisi panjang</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Jilid sisi pendek</translation>
    </message>
</context>
</TS>
