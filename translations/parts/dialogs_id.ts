<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
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
        <translation>Tengah malam</translation>
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
        <extracomment>A link to a table of the coordinates of the world's cities.</extracomment>
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
        <translation> Ashar / Sore </translation>
    </message>
    <message>
        <source>&amp;Shafi`i</source>
        <translation>&amp;Syafi'i</translation>
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
        <source>Fill the custom method with the parameters of an authority's published timetables</source>
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
        <translation>Pengelola &amp;Pengingat</translation>
    </message>
    <message>
        <source>Following %1</source>
        <extracomment>%1: the name of a religious authority whose timetables the custom method follows.</extracomment>
        <translation>Mengikuti %1</translation>
    </message>
    <message>
        <source>Maghrib at %1° below the horizon</source>
        <extracomment>%1: an angle in degrees.</extracomment>
        <translation>Maghrib pada %1° di bawah ufuk</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan</source>
        <extracomment>%1: a number of minutes.</extracomment>
        <translation>Isya %1 menit setelah Maghrib pada bulan Ramadan</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of the authority's description.</extracomment>
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
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; %3: its sound file.</extracomment>
        <translation>%1 / %2 - %3</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; its sound alert is off.</extracomment>
        <translation>%1 / %2 - MATI</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>Pengingat Terpasang</translation>
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
        <extracomment>Followed by a box with the number of days and the word "days".</extracomment>
        <translation>Ya, ingatkan saya setiap</translation>
    </message>
    <message>
        <source>days</source>
        <translation>hari</translation>
    </message>
    <message>
        <source> Alerts </source>
        <translation> Pengingat </translation>
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
</context>
</TS>