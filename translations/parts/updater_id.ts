<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
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
</context>
</TS>
