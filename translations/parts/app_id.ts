<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
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
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>Program sudah berjalan</translation>
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
        <source>Time Zone = GMT %1   Altitude = %2 metres</source>
        <extracomment>%1 is the offset from GMT in hours (&quot;-5&quot;, &quot;+5:30&quot;, &quot;-5 / -4&quot; when it changes), %2 the altitude.</extracomment>
        <translation>Zona Waktu = GMT %1   Ketinggian = %2 meter</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>Penyesuaian = %1 menit</translation>
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
        <source>It is time for %1 prayer.</source>
        <translation>Sudah masuk waktu salat %1.</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at a prayer&apos;s minute; %1 is its name.</extracomment>
        <translation>Waktu %1.</translation>
    </message>
    <message>
        <source>Alert Manager</source>
        <translation>Pengelola Pengingat</translation>
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
        <translation>Menutup Noorvale akan menonaktifkan fitur pengingatnya.
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
    <message>
        <source>%1 days update reminder

Using your Internet connections Tarvo can connects to the
ORVEN site, checks for available updates, then downloads and
installs them automatically. This is the most efficient method
to update your Noorvale files,

Would you like to run Tarvo now?</source>
        <extracomment>%1 is the number of days between two reminders.</extracomment>
        <translation>Pengingat pembaruan setiap %1 hari

Dengan koneksi Internet Anda, Tarvo dapat terhubung ke
situs ORVEN, memeriksa pembaruan yang tersedia, lalu mengunduh
dan memasangnya secara otomatis. Inilah cara paling efisien
untuk memperbarui berkas Noorvale Anda.

Jalankan Tarvo sekarang?</translation>
    </message>
</context>
</TS>
