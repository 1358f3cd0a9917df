<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>Sürüm %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Authority</name>
    <message>
        <source>Umm Al-Qura University, Makkah</source>
        <translation>Ümmü&apos;l-Kurâ Üniversitesi, Mekke</translation>
    </message>
    <message>
        <source>General Authority of Islamic Affairs, Dubai</source>
        <translation>İslami İşler Genel Kurumu, Dubai</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Kuwait</source>
        <translation>Vakıflar Bakanlığı, Kuveyt</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Qatar</source>
        <translation>Vakıflar Bakanlığı, Katar</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura (MUIS)</source>
        <translation>Singapur İslam Dini Konseyi (MUIS)</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM, Malezya</translation>
    </message>
    <message>
        <source>Kemenag, Indonesia</source>
        <translation>Din İşleri Bakanlığı (Kemenag), Endonezya</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Türkiye</translation>
    </message>
    <message>
        <source>UOIF, France</source>
        <translation>UOIF, Fransa</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims, Russia</source>
        <translation>Rusya Müslümanları Dini İdaresi</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Tahran Üniversitesi Jeofizik Enstitüsü</translation>
    </message>
    <message>
        <source>JAKIM, Kelantan</source>
        <translation>JAKIM, Kelantan</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Mısır Genel Harita Kurumu</translation>
    </message>
    <message>
        <source>ISNA Canada</source>
        <translation>ISNA Kanada</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Dünya Hilal Gözlem Komitesi</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Date is not valid</source>
        <translation>Tarih geçerli değil</translation>
    </message>
    <message>
        <source>Longitude is not valid, must be less than 180</source>
        <translation>Boylam geçerli değil, 180&apos;den küçük olmalı</translation>
    </message>
    <message>
        <source>Latitude is not valid, must be less than 89.8</source>
        <translation>Enlem geçerli değil, 89.8&apos;den küçük olmalı</translation>
    </message>
    <message>
        <source>Shadow Ratio is not valid, must be between 1 and 2</source>
        <translation>Gölge oranı geçerli değil, 1 ile 2 arasında olmalı</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Midnight sun: the sun does not set on this day.</source>
        <translation>Gece yarısı güneşi: bu gün güneş batmıyor.</translation>
    </message>
    <message>
        <source>Polar night: the sun does not rise on this day.</source>
        <translation>Kutup gecesi: bu gün güneş doğmuyor.</translation>
    </message>
    <message>
        <source>No true dawn/dusk: the sun does not sink to the Fajr or Isha angle on this day.</source>
        <translation>Gerçek fecir ve akşam karanlığı yok: bu gün güneş İmsak veya Yatsı açısına kadar alçalmıyor.</translation>
    </message>
    <message>
        <source>These times are not in order for this place and method.</source>
        <translation>Bu vakitler bu yer ve yöntem için sıralı değil.</translation>
    </message>
    <message>
        <source>No Asr shadow: the sun does not reach the Asr altitude on this day.</source>
        <translation>İkindi gölgesi yok: güneş bu gün ikindi yüksekliğine ulaşmıyor.</translation>
    </message>
</context>
<context>
    <name>Hijri</name>
    <message>
        <source>Muharram</source>
        <translation>Muharrem</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safer</translation>
    </message>
    <message>
        <source>Rabi Awal</source>
        <translation>Rebiülevvel</translation>
    </message>
    <message>
        <source>Rabi Thani</source>
        <translation>Rebiülahir</translation>
    </message>
    <message>
        <source>Jumada Awal</source>
        <translation>Cemaziyelevvel</translation>
    </message>
    <message>
        <source>Jumada Thani</source>
        <translation>Cemaziyelahir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Recep</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>Şaban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramazan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Şevval</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Qa&apos;dah</source>
        <translation>Zilkade</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Hijja</source>
        <translation>Zilhicce</translation>
    </message>
</context>
<context>
    <name>InstallRun</name>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>Diskte yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>%1 dosyası yazılamadı.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>%1 dosyası eksik.</translation>
    </message>
    <message>
        <source>A folder stands where the file %1 goes.</source>
        <translation>%1 dosyasının konacağı yerde bir klasör var.</translation>
    </message>
    <message>
        <source>The old copy of %1 could not be kept.</source>
        <translation>%1 dosyasının eski kopyası saklanamadı.</translation>
    </message>
    <message>
        <source>The file %1 could not be put in place.</source>
        <translation>%1 dosyası yerine konamadı.</translation>
    </message>
</context>
<context>
    <name>MExceptionHandler</name>
    <message>
        <source>Access Violation</source>
        <translation>Erişim İhlali</translation>
    </message>
    <message>
        <source>Data Type Misalignment</source>
        <translation>Veri Türü Hizalama Hatası</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>Kesme Noktası</translation>
    </message>
    <message>
        <source>Single Step</source>
        <translation>Tek Adım</translation>
    </message>
    <message>
        <source>Array Bounds Exceeded</source>
        <translation>Dizi Sınırları Aşıldı</translation>
    </message>
    <message>
        <source>Float Denormal Operand</source>
        <translation>Kayan Noktada Normal Dışı İşlenen</translation>
    </message>
    <message>
        <source>Divide By Zero</source>
        <translation>Sıfıra Bölme</translation>
    </message>
    <message>
        <source>Floating Point Inexact Result</source>
        <translation>Kayan Noktada Kesin Olmayan Sonuç</translation>
    </message>
    <message>
        <source>Invalid Operation</source>
        <translation>Geçersiz İşlem</translation>
    </message>
    <message>
        <source>Float Overflow</source>
        <translation>Kayan Nokta Taşması</translation>
    </message>
    <message>
        <source>Float Stack Check</source>
        <translation>Kayan Nokta Yığın Denetimi</translation>
    </message>
    <message>
        <source>Float Underflow</source>
        <translation>Kayan Nokta Alt Taşması</translation>
    </message>
    <message>
        <source>Integer Divide By Zero</source>
        <translation>Tamsayıyı Sıfıra Bölme</translation>
    </message>
    <message>
        <source>Integer Overflow</source>
        <translation>Tamsayı Taşması</translation>
    </message>
    <message>
        <source>Privileged Instruction</source>
        <translation>Ayrıcalıklı Komut</translation>
    </message>
    <message>
        <source>In Page Error</source>
        <translation>Sayfa İçi Hata</translation>
    </message>
    <message>
        <source>Illegal Instruction</source>
        <translation>Geçersiz Komut</translation>
    </message>
    <message>
        <source>Non Continuable Exception</source>
        <translation>Devam Edilemeyen Özel Durum</translation>
    </message>
    <message>
        <source>Stack Overflow</source>
        <translation>Yığın Taşması</translation>
    </message>
    <message>
        <source>Invalid Disposition</source>
        <translation>Geçersiz Düzenleme</translation>
    </message>
    <message>
        <source>Guard Page Violation</source>
        <translation>Koruma Sayfası İhlali</translation>
    </message>
    <message>
        <source>Invalid Handle</source>
        <translation>Geçersiz Tanıtıcı</translation>
    </message>
    <message>
        <source>Control-C Exit</source>
        <translation>Control-C ile Çıkış</translation>
    </message>
    <message>
        <source>Unknown (&amp;H%1)</source>
        <extracomment>A processor fault without a name; %1 is its code in hexadecimal.</extracomment>
        <translation>Bilinmeyen (&amp;H%1)</translation>
    </message>
</context>
<context>
    <name>Method</name>
    <message>
        <source>Umm Al-Qura, Makkah</source>
        <translation>Ümmü&apos;l-Kurâ, Mekke</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>Dünya İslam Birliği</translation>
    </message>
    <message>
        <source>Egyptian General Organization of Survey</source>
        <translation>Mısır Genel Harita Kurumu</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi</source>
        <translation>İslami İlimler Üniversitesi, Karaçi</translation>
    </message>
    <message>
        <source>Islamic Society Of North America (ISNA)</source>
        <translation>Kuzey Amerika İslam Topluluğu (ISNA)</translation>
    </message>
    <message>
        <source>Custom / User Defined</source>
        <translation>Özel / Kullanıcı tanımlı</translation>
    </message>
</context>
<context>
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>Program zaten çalışıyor</translation>
    </message>
</context>
<context>
    <name>Pickers</name>
    <message>
        <source>All Supported Files</source>
        <translation>Desteklenen Tüm Dosyalar</translation>
    </message>
    <message>
        <source>Windows Wave Files (*.wav)</source>
        <translation>Windows Wave Dosyaları (*.wav)</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tüm Dosyalar</translation>
    </message>
    <message>
        <source>Windows Bitmap (*.bmp)</source>
        <translation>Windows Bit Eşlem (*.bmp)</translation>
    </message>
    <message>
        <source>Joint Photographic Experts Group (*.jpg)</source>
        <translation>JPEG Resimleri (*.jpg)</translation>
    </message>
    <message>
        <source>Graphics Interchange Format (*.gif)</source>
        <translation>GIF Resimleri (*.gif)</translation>
    </message>
    <message>
        <source>Icon Files (*.ico)</source>
        <translation>Simge Dosyaları (*.ico)</translation>
    </message>
    <message>
        <source>Cursors (*.cur)</source>
        <translation>İmleçler (*.cur)</translation>
    </message>
    <message>
        <source>Windows Metafiles (*.wmf)</source>
        <translation>Windows Meta Dosyaları (*.wmf)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <translation>Gelişmiş Meta Dosyaları (*.emf)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>Fajr</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>Dawn</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Fajr&quot;).</extracomment>
        <translation>Tan vakti</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <extracomment>What the period of the day is (beside its name &quot;Shurooq&quot;).</extracomment>
        <translation>Gün doğumu</translation>
    </message>
    <message>
        <source>Noon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Dhuhr&quot;).</extracomment>
        <translation>Gün ortası</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Asr&quot;).</extracomment>
        <translation>Öğleden sonra</translation>
    </message>
    <message>
        <source>Sunset</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Maghrib&quot;).</extracomment>
        <translation>Gün batımı</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Isha&quot;).</extracomment>
        <translation>Gece</translation>
    </message>
</context>
<context>
    <name>PrintCalLVW</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Alt simge aralık dışında</translation>
    </message>
    <message>
        <source>Printing Calendar, Page: %1 of %2</source>
        <translation>Takvim yazdırılıyor, Sayfa: %1 / %2</translation>
    </message>
    <message>
        <source>Prayer Schedule for %1</source>
        <extracomment>The printed calendar&apos;s title; %1 is the place&apos;s name.</extracomment>
        <translation>%1 için Namaz Vakitleri</translation>
    </message>
    <message>
        <source>Latitude = %1` %2`` %3 Longitude = %4` %5`` %6</source>
        <extracomment>The printed calendar&apos;s place: degrees (%1, %4) and minutes (%2, %5) of latitude and longitude, written ` and ``; %3 is North or South, %6 East or West.</extracomment>
        <translation>Enlem = %1` %2`` %3 Boylam = %4` %5`` %6</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Güney</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Kuzey</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Batı</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Doğu</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>Düzeltmeler = %1 dakika</translation>
    </message>
    <message>
        <source>Time Zone = %1   Altitude = %2 metres</source>
        <extracomment>%1 is the zone as &quot;GMT&quot; and the offset in hours (&quot;GMT -5&quot;, &quot;GMT +5:30&quot;, &quot;GMT -5 / -4&quot; when it changes), kept in its own left-to-right order; %2 is the altitude.</extracomment>
        <translation>Saat Dilimi = %1   Rakım = %2 metre</translation>
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
    <name>Settings</name>
    <message>
        <source>Sound Alert</source>
        <translation>Sesli uyarı</translation>
    </message>
    <message>
        <source>Noorvale: the settings file %1 was damaged (%2); what could be read is kept, and the damaged file is kept as %3</source>
        <extracomment>%1 the settings file, %2 what was wrong in it (&quot;line 12: ...&quot;), %3 the copy of it that is kept.</extracomment>
        <translation>Noorvale: %1 ayar dosyası bozuktu (%2); okunabilen kısım korundu, bozuk dosya %3 adıyla saklandı</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>the disk it is on is read-only</source>
        <translation>bulunduğu disk salt okunur</translation>
    </message>
    <message>
        <source>you may not write in its folder</source>
        <translation>klasörüne yazma izniniz yok</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk dolu</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1: %2.

The changes stay in effect while Noorvale runs, and are saved as soon as the file can be written.</source>
        <extracomment>%1 the settings file, %2 why it could not be written (&quot;the disk is full&quot;).</extracomment>
        <translation>Ayarlarınız %1 dosyasına kaydedilemedi: %2.

Değişiklikler Noorvale çalıştığı sürece geçerli kalır ve dosyaya yazılabildiği anda kaydedilir.</translation>
    </message>
</context>
<context>
    <name>TwipsPrinter</name>
    <message>
        <source>Printer error</source>
        <translation>Yazıcı hatası</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>İmza doğrulanamıyor.</translation>
    </message>
    <message>
        <source>The update information file is not signed.</source>
        <translation>Güncelleme bilgi dosyası imzalı değil.</translation>
    </message>
    <message>
        <source>The signature of the update information file does not match.</source>
        <translation>Güncelleme bilgi dosyasının imzası eşleşmiyor.</translation>
    </message>
</context>
<context>
    <name>VbError</name>
    <message>
        <source>CCrc32 component failure</source>
        <translation>CCrc32 bileşeni hatası</translation>
    </message>
    <message>
        <source>CFile component failure</source>
        <translation>CFile bileşeni hatası</translation>
    </message>
    <message>
        <source>CIniFile component failure</source>
        <translation>CIniFile bileşeni hatası</translation>
    </message>
    <message>
        <source>cNetGet component failure</source>
        <translation>cNetGet bileşeni hatası</translation>
    </message>
    <message>
        <source>cNetURL component failure</source>
        <translation>cNetURL bileşeni hatası</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Geçersiz yordam çağrısı veya bağımsız değişken</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Bellek yetersiz</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Sıfıra bölme</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tür uyuşmazlığı</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Yol bulunamadı</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Uygulama veya nesne tanımlı hata</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <extracomment>The second line of an error box: %1 is where the error happened (Program.module.procedure), %2 the line number.</extracomment>
        <translation>%1 içinde, %2. satırda</translation>
    </message>
</context>
<context>
    <name>cCabFile</name>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Sistem belirtilen dosyayı bulamıyor.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Sistem belirtilen yolu bulamıyor.</translation>
    </message>
    <message>
        <source>The system cannot open the file.</source>
        <translation>Sistem dosyayı açamıyor.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Erişim reddedildi.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>Bu komutu işlemek için yeterli depolama alanı yok.</translation>
    </message>
    <message>
        <source>Invalid data.</source>
        <translation>Geçersiz veri.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Bu işlemi tamamlamak için yeterli depolama alanı yok.</translation>
    </message>
    <message>
        <source>The system cannot find the drive specified.</source>
        <translation>Sistem belirtilen sürücüyü bulamıyor.</translation>
    </message>
    <message>
        <source>The media is write protected.</source>
        <translation>Ortam yazmaya karşı korumalı.</translation>
    </message>
    <message>
        <source>The system cannot find the device specified.</source>
        <translation>Sistem belirtilen aygıtı bulamıyor.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>Aygıt hazır değil.</translation>
    </message>
    <message>
        <source>Data error (cyclic redundancy check).</source>
        <translation>Veri hatası (döngüsel artıklık denetimi).</translation>
    </message>
    <message>
        <source>The drive cannot locate a specific area or track on the disk.</source>
        <translation>Sürücü diskte belirli bir alanı veya izi bulamıyor.</translation>
    </message>
    <message>
        <source>The specified disk or diskette cannot be accessed.</source>
        <translation>Belirtilen diske veya diskete erişilemiyor.</translation>
    </message>
    <message>
        <source>The drive cannot find the sector requested.</source>
        <translation>Sürücü istenen kesimi bulamıyor.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Sistem belirtilen aygıta yazamıyor.</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>Sistem belirtilen aygıttan okuyamıyor.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Sisteme bağlı bir aygıt çalışmıyor.</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>Dosya başka bir işlem tarafından kullanıldığından işlem dosyaya erişemiyor.</translation>
    </message>
    <message>
        <source>The process cannot access the file because another process has locked a portion of the file.</source>
        <translation>Başka bir işlem dosyanın bir bölümünü kilitlediğinden işlem dosyaya erişemiyor.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk dolu.</translation>
    </message>
    <message>
        <source>The directory or file cannot be created.</source>
        <translation>Dizin veya dosya oluşturulamıyor.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Dosya adı çok uzun.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>Diskte yeterli alan yok.</translation>
    </message>
    <message>
        <source>The filename, directory name, or volume label syntax is incorrect.</source>
        <translation>Dosya adı, dizin adı veya birim etiketi söz dizimi yanlış.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Bilinmeyen hata.</translation>
    </message>
    <message>
        <source>You must set the CabName property before taking any action on the CabFile object.</source>
        <translation>CabFile nesnesinde herhangi bir işlem yapmadan önce CabName özelliğini ayarlamalısınız.</translation>
    </message>
</context>
<context>
    <name>cFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>Geçersiz dosya adı</translation>
    </message>
    <message>
        <source>Object not properly initialized. Set the PathFileName property to a non-empty value first</source>
        <translation>Nesne düzgün başlatılmadı. Önce PathFileName özelliğine boş olmayan bir değer verin</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>File copy failed</source>
        <translation>Dosya kopyalanamadı</translation>
    </message>
    <message>
        <source>File move failed</source>
        <translation>Dosya taşınamadı</translation>
    </message>
    <message>
        <source>File delete failed</source>
        <translation>Dosya silinemedi</translation>
    </message>
</context>
<context>
    <name>cIniFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>Geçersiz dosya adı</translation>
    </message>
    <message>
        <source>Object not properly initialized</source>
        <translation>Nesne düzgün başlatılmadı</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>Invalid section</source>
        <translation>Geçersiz bölüm</translation>
    </message>
    <message>
        <source>Invalid key</source>
        <translation>Geçersiz anahtar</translation>
    </message>
</context>
<context>
    <name>cNetGet</name>
    <message>
        <source>Disk full</source>
        <translation>Disk dolu</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Yol bulunamadı</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Yol/dosya erişim hatası</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Aygıt G/Ç hatası</translation>
    </message>
    <message>
        <source>Opening Tarvo update page...</source>
        <translation>Tarvo güncelleme sayfası açılıyor...</translation>
    </message>
    <message>
        <source>Reading Url: %1 bytes read</source>
        <extracomment>The download&apos;s status while it runs; %1 is the number of bytes read so far.</extracomment>
        <translation>URL okunuyor: %1 bayt okundu</translation>
    </message>
    <message>
        <source>The download is larger than %1 bytes.</source>
        <translation>İndirilen dosya %1 bayttan büyük.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>No more handles could be generated at this time</source>
        <translation>Şu anda daha fazla tanıtıcı oluşturulamadı</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>İstek zaman aşımına uğradı.</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>Sunucu genişletilmiş bir hata döndürdü.</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>Dahili bir hata oluştu.</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>URL geçersiz.</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized, or is not supported.</source>
        <translation>URL şeması tanınamadı veya desteklenmiyor.</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Sunucu adı çözümlenemedi.</translation>
    </message>
    <message>
        <source>The requested protocol could not be located.</source>
        <translation>İstenen protokol bulunamadı.</translation>
    </message>
    <message>
        <source>A request to InternetQueryOption or InternetSetOption specified an invalid option value.</source>
        <translation>InternetQueryOption veya InternetSetOption isteği geçersiz bir seçenek değeri belirtti.</translation>
    </message>
    <message>
        <source>The length of an option supplied to InternetQueryOption or InternetSetOption is incorrect for the type of option specified.</source>
        <translation>InternetQueryOption veya InternetSetOption&apos;a verilen seçeneğin uzunluğu, belirtilen seçenek türü için yanlış.</translation>
    </message>
    <message>
        <source>The request option can not be set, only queried. </source>
        <translation>İstek seçeneği ayarlanamaz, yalnızca sorgulanabilir. </translation>
    </message>
    <message>
        <source>The Win32 Internet support is being shutdown or unloaded.</source>
        <translation>Win32 İnternet desteği kapatılıyor veya kaldırılıyor.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied user name is incorrect.</source>
        <translation>Sağlanan kullanıcı adı yanlış olduğundan FTP sunucusuna bağlanma ve oturum açma isteği tamamlanamadı.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied password is incorrect. </source>
        <translation>Sağlanan parola yanlış olduğundan FTP sunucusuna bağlanma ve oturum açma isteği tamamlanamadı. </translation>
    </message>
    <message>
        <source>The request to connect to and login to an FTP server failed.</source>
        <translation>FTP sunucusuna bağlanma ve oturum açma isteği başarısız oldu.</translation>
    </message>
    <message>
        <source>The requested operation is invalid. </source>
        <translation>İstenen işlem geçersiz. </translation>
    </message>
    <message>
        <source>The operation was canceled, usually because the handle on which the request was operating was closed before the operation completed.</source>
        <translation>İşlem iptal edildi; genellikle isteğin üzerinde çalıştığı tanıtıcı, işlem tamamlanmadan kapatıldığı için.</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>Sağlanan tanıtıcının türü bu işlem için yanlış.</translation>
    </message>
    <message>
        <source>The requested operation can not be carried out because the handle supplied is not in the correct state.</source>
        <translation>Sağlanan tanıtıcı doğru durumda olmadığından istenen işlem gerçekleştirilemiyor.</translation>
    </message>
    <message>
        <source>The request can not be made via a proxy.</source>
        <translation>İstek bir proxy üzerinden yapılamaz.</translation>
    </message>
    <message>
        <source>A required registry value could not be located. </source>
        <translation>Gerekli bir kayıt defteri değeri bulunamadı. </translation>
    </message>
    <message>
        <source>A required registry value was located but is an incorrect type or has an invalid value.</source>
        <translation>Gerekli bir kayıt defteri değeri bulundu, ancak türü yanlış veya değeri geçersiz.</translation>
    </message>
    <message>
        <source>Direct network access cannot be made at this time. </source>
        <translation>Şu anda doğrudan ağ erişimi sağlanamıyor. </translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a zero context value was supplied.</source>
        <translation>Sıfır bağlam değeri verildiğinden zaman uyumsuz istek yapılamadı.</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a callback function has not been set.</source>
        <translation>Geri çağırma işlevi ayarlanmadığından zaman uyumsuz istek yapılamadı.</translation>
    </message>
    <message>
        <source>The required operation could not be completed because one or more requests are pending.</source>
        <translation>Bir veya daha fazla istek beklemede olduğundan gerekli işlem tamamlanamadı.</translation>
    </message>
    <message>
        <source>The format of the request is invalid.</source>
        <translation>İsteğin biçimi geçersiz.</translation>
    </message>
    <message>
        <source>The requested item could not be located.</source>
        <translation>İstenen öğe bulunamadı.</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>Sunucuya bağlanma girişimi başarısız oldu.</translation>
    </message>
    <message>
        <source>The connection with the server has been terminated.</source>
        <translation>Sunucuyla bağlantı sonlandırıldı.</translation>
    </message>
    <message>
        <source>The connection with the server has been reset.</source>
        <translation>Sunucuyla bağlantı sıfırlandı.</translation>
    </message>
    <message>
        <source>The request failed because the handle already exists.</source>
        <translation>Tanıtıcı zaten var olduğundan istek başarısız oldu.</translation>
    </message>
    <message>
        <source>Error details not available.</source>
        <translation>Hata ayrıntıları yok.</translation>
    </message>
    <message>
        <source>Parsing page...</source>
        <translation>Sayfa ayrıştırılıyor...</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Modem (Busy)</source>
        <translation>Modem (Meşgul)</translation>
    </message>
    <message>
        <source>LAN</source>
        <extracomment>A kind of Internet connection: a local network.</extracomment>
        <translation>Yerel ağ</translation>
    </message>
    <message>
        <source>Proxy Server</source>
        <translation>Proxy sunucusu</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <extracomment>%1 is the status the web server answered with (&quot;404 Not Found&quot;), %2 the address asked for.</extracomment>
        <translation>Sunucu %2 için %1 yanıtını verdi.</translation>
    </message>
    <message>
        <source>The download did not finish within %1 minutes.</source>
        <translation>İndirme %1 dakika içinde tamamlanmadı.</translation>
    </message>
    <message>
        <source>The server redirects the request in a loop.</source>
        <translation>Sunucu isteği bir döngü içinde yönlendiriyor.</translation>
    </message>
</context>
<context>
    <name>modTarvo</name>
    <message>
        <source>Tarvo Update Program</source>
        <translation>Tarvo Güncelleme Programı</translation>
    </message>
    <message>
        <source>Program is already running</source>
        <translation>Program zaten çalışıyor</translation>
    </message>
    <message>
        <source>Cannot run program... Missing parameters...</source>
        <translation>Program çalıştırılamıyor... Parametreler eksik...</translation>
    </message>
    <message>
        <source>Cannot run program... %1</source>
        <extracomment>%1 is an error code that stays as it is.</extracomment>
        <translation>Program çalıştırılamıyor... %1</translation>
    </message>
    <message>
        <source>Tarvo could not find the default Temp directory, cannot continue.</source>
        <translation>Tarvo varsayılan geçici klasörü bulamadı, devam edemiyor.</translation>
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
    <name>nv::fQuenlo</name>
    <message>
        <source>ORVEN Tarvo update  is in progress, Please wait...</source>
        <translation>ORVEN Tarvo güncellemesi sürüyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Cannot run program...<byte value="xd"/>
ERR# %1 ...</source>
        <extracomment>%1 is an error code (QNL101 ...) that stays as it is.</extracomment>
        <translation>Program çalıştırılamıyor...<byte value="xd"/>
ERR# %1 ...</translation>
    </message>
    <message>
        <source>Quenlo Message</source>
        <translation>Quenlo İletisi</translation>
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
        <extracomment>%1 is the program&apos;s name.</extracomment>
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
        <translation>Namaz 00:00&apos;da</translation>
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
    <name>nv::frmCustomize</name>
    <message>
        <source>Automatic (Windows)</source>
        <translation>Otomatik (sistemden)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Derece</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No high-latitude rule.</extracomment>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>Gecenin yarısı</translation>
    </message>
    <message>
        <source>One-seventh of the night</source>
        <translation>Gecenin yedide biri</translation>
    </message>
    <message>
        <source>Twilight angle / 60 of the night</source>
        <translation>Gecenin (alacakaranlık açısı / 60) kadarı</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Özelleştir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source> Periods/Prayers List </source>
        <translation> Vakitler/Namazlar Listesi </translation>
    </message>
    <message>
        <source>Select a Period from the List</source>
        <translation>Listeden bir vakit seçin</translation>
    </message>
    <message>
        <source>Period/Prayer Name</source>
        <translation>Vakit/Namaz Adı</translation>
    </message>
    <message>
        <source>&amp;Period Names</source>
        <translation>&amp;Vakit Adları</translation>
    </message>
    <message>
        <source> Current Location </source>
        <translation> Geçerli Konum </translation>
    </message>
    <message>
        <source> Latitude </source>
        <translation> Enlem </translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>Ekvator</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <translation>Ku&amp;zey</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>&amp;Güney</translation>
    </message>
    <message>
        <source> Longitude </source>
        <translation> Boylam </translation>
    </message>
    <message>
        <source>Greenwich</source>
        <translation>Greenwich</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <translation>&amp;Doğu</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <translation>&amp;Batı</translation>
    </message>
    <message>
        <source>Time Difference (GMT): hours, or hours:minutes, from -12:00 to +14:00 (5:30, -3:30, +13)</source>
        <translation>Saat farkı (GMT): saat ya da saat:dakika, -12:00 ile +14:00 arası (5:30, -3:30, +13)</translation>
    </message>
    <message>
        <source>Height of the place above sea level in metres, 0 to 9000</source>
        <translation>Yerin deniz seviyesinden yüksekliği (metre), 0 ile 9000 arası</translation>
    </message>
    <message>
        <source>USA</source>
        <extracomment>A link to a gazetteer of places in the United States.</extracomment>
        <translation>ABD</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>A link to a table of the coordinates of the world&apos;s cities.</extracomment>
        <translation>Dünya</translation>
    </message>
    <message>
        <source>Location Name</source>
        <translation>Konum Adı</translation>
    </message>
    <message>
        <source>Altitude (metres)</source>
        <translation>Yükseklik (metre)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Saat Dilimi</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>GMT Farkı</translation>
    </message>
    <message>
        <source>Not Sure!, Find it Online</source>
        <translation>Emin değil misiniz? Çevrimiçi bulun</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Konum</translation>
    </message>
    <message>
        <source>Angle of the Sun</source>
        <translation>Güneşin açısı</translation>
    </message>
    <message>
        <source> Dawn/Fajr </source>
        <translation> Tan/İmsak </translation>
    </message>
    <message>
        <source>Minutes before Sunrise</source>
        <translation>Güneş doğmadan önceki dakika</translation>
    </message>
    <message>
        <source> Night/Isha </source>
        <translation> Gece/Yatsı </translation>
    </message>
    <message>
        <source>Minutes After Sunset</source>
        <translation>Gün batımından sonraki dakika</translation>
    </message>
    <message>
        <source> Asr / Afternoon </source>
        <translation> İkindi </translation>
    </message>
    <message>
        <source>&amp;Shafi`i</source>
        <translation>&amp;Şafii</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>&amp;Hanefi</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>Mezhep</translation>
    </message>
    <message>
        <source>Pick an authority…</source>
        <translation>Bir kurum seçin…</translation>
    </message>
    <message>
        <source>Fill the custom method with the parameters of an authority&apos;s published timetables</source>
        <translation>Özel yöntemi bir kurumun yayımladığı vakit cetvellerinin değerleriyle doldurur</translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation> Düzeltmeler (dakika) </translation>
    </message>
    <message>
        <source>Where the sun does not sink to the Fajr or Isha angle, or does not set or rise,
keep Fajr and Isha within this part of the night (sunset to sunrise).</source>
        <translation>Güneşin İmsak ya da Yatsı açısına inmediği, batmadığı ya da doğmadığı yerlerde
İmsak ve Yatsı gecenin bu bölümünde tutulur (gün batımından gün doğumuna).</translation>
    </message>
    <message>
        <source>Select a Method</source>
        <translation>Yöntem seçin</translation>
    </message>
    <message>
        <source>Margin of Safety Minutes</source>
        <translation>Temkin dakikası</translation>
    </message>
    <message>
        <source>High Latitudes</source>
        <translation>Yüksek enlemler</translation>
    </message>
    <message>
        <source>&amp;Calculation Method</source>
        <translation>Hesaplama &amp;Yöntemi</translation>
    </message>
    <message>
        <source> Daily Defaults </source>
        <translation> Günlük Varsayılanlar </translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>Değiş&amp;tir...</translation>
    </message>
    <message>
        <source>&amp;Alert Manager</source>
        <translation>&amp;Uyarı Yöneticisi</translation>
    </message>
    <message>
        <source>Following %1</source>
        <extracomment>%1: the name of a religious authority whose timetables the custom method follows.</extracomment>
        <translation>%1 esas alınıyor</translation>
    </message>
    <message>
        <source>Maghrib at %1° below the horizon</source>
        <extracomment>%1: an angle in degrees.</extracomment>
        <translation>Akşam, güneş ufkun %1° altındayken</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan</source>
        <extracomment>%1: a number of minutes.</extracomment>
        <translation>Ramazan&apos;da Yatsı, Akşam&apos;dan %1 dakika sonra</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of the authority&apos;s description.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Value must be between %1 and %2, please try again.</source>
        <translation>Değer %1 ile %2 arasında olmalıdır, lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>Value must be between -12:00 and +14:00, please try again.</source>
        <translation>Değer -12:00 ile +14:00 arasında olmalıdır, lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>%1 / %2 - %3</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; %3: its sound file.</extracomment>
        <translation>%1 / %2 - %3</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; its sound alert is off.</extracomment>
        <translation>%1 / %2 - KAPALI</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>Kurulu Uyarılar</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan of the Umm Al-Qura calendar</source>
        <extracomment>%1: a number of minutes. Ramadan as the Umm Al-Qura calendar counts it.</extracomment>
        <translation>Ümmü&apos;l-Kurâ takvimine göre Ramazan&apos;da Yatsı, Akşam&apos;dan %1 dakika sonra</translation>
    </message>
    <message>
        <source>precise</source>
        <extracomment>The sun&apos;s position worked out at each prayer time&apos;s own moment.</extracomment>
        <translation>hassas</translation>
    </message>
    <message>
        <source>classic (as earlier versions)</source>
        <extracomment>The day-of-year series of the program&apos;s earlier versions.</extracomment>
        <translation>klasik (önceki sürümlerdeki gibi)</translation>
    </message>
    <message>
        <source>Precise: the sun where it stands at each prayer time.
Classic: the coarser yearly series of earlier versions, minutes off at times.</source>
        <translation>Hassas: güneş her namaz vaktinde bulunduğu yerde.
Klasik: önceki sürümlerin daha kaba yıllık serisi, zaman zaman dakikalarca sapar.</translation>
    </message>
    <message>
        <source>Sun&apos;s Position</source>
        <translation>Güneşin Konumu</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The twilight (shafaq) the seasonal rule&apos;s Isha follows: the general one.</extracomment>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The red glow after sunset (shafaq al-ahmar).</extracomment>
        <translation>Kızıl</translation>
    </message>
    <message>
        <source>White</source>
        <extracomment>The white glow after the red one (shafaq al-abyad).</extracomment>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>The twilight whose end the seasonal rule&apos;s Isha follows</source>
        <translation>Mevsimsel kuralda Yatsı&apos;nın, kayboluşuyla girdiği şafak</translation>
    </message>
    <message>
        <source>Shafaq</source>
        <extracomment>The twilight (shafaq) of the seasonal rule&apos;s Isha.</extracomment>
        <translation>Şafak</translation>
    </message>
    <message>
        <source>Fajr and Isha within the season&apos;s minutes of sunrise and sunset</source>
        <translation>İmsak ve Yatsı, güneşin doğuşundan önce ve batışından sonra mevsimin dakikaları içinde</translation>
    </message>
    <message>
        <source>times rounded up to the minute, sunrise down</source>
        <translation>vakitler sonraki dakikaya, güneşin doğuşu önceki dakikaya yuvarlanır</translation>
    </message>
</context>
<context>
    <name>nv::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>Takvimi &amp;Yazdır...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>Com&amp;pact</source>
        <translation>&amp;Küçük</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Araç &amp;Çubuğu</translation>
    </message>
    <message>
        <source>Toolbar Te&amp;xt</source>
        <translation>Araç Çubuğu M&amp;etni</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Durum Çubuğu</translation>
    </message>
    <message>
        <source>To&amp;day</source>
        <translation>&amp;Bugün</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>Ha&amp;fta</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Ay</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Yıl</translation>
    </message>
    <message>
        <source>&amp;Gregorian Date</source>
        <translation>&amp;Miladi Tarih</translation>
    </message>
    <message>
        <source>&amp;Hijri Date</source>
        <translation>&amp;Hicri Tarih</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Yeni&amp;le</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Araçlar</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>&amp;Güncellemeleri Denetle...</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;Özelleştir...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Seçenekler...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Contents and Index...</source>
        <translation>&amp;İçindekiler ve Dizin...</translation>
    </message>
    <message>
        <source>Noorvale &amp;Online</source>
        <translation>Noorvale &amp;Çevrimiçi</translation>
    </message>
    <message>
        <source>&amp;Noorvale Home Page...</source>
        <translation>&amp;Noorvale Ana Sayfası...</translation>
    </message>
    <message>
        <source>&amp;Product News...</source>
        <translation>&amp;Ürün Haberleri...</translation>
    </message>
    <message>
        <source>&amp;Download Library...</source>
        <translation>İndirme &amp;Kitaplığı...</translation>
    </message>
    <message>
        <source>Frequently Asked &amp;Questions...</source>
        <translation>Sıkça Sorulan &amp;Sorular...</translation>
    </message>
    <message>
        <source>Online &amp;Support...</source>
        <translation>Çevrimiçi &amp;Destek...</translation>
    </message>
    <message>
        <source>&amp;ORVEN Home Page...</source>
        <translation>&amp;ORVEN Ana Sayfası...</translation>
    </message>
    <message>
        <source>&amp;About Noorvale...</source>
        <translation>Noorvale &amp;Hakkında...</translation>
    </message>
    <message>
        <source>Current Time Clock</source>
        <translation>Şu Anki Saat</translation>
    </message>
    <message>
        <source>Prayer Calendar</source>
        <translation>Namaz Takvimi</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Updating Calendar, Please wait...</source>
        <translation>Takvim güncelleniyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>A high-latitude rule (Tools &gt; Customize &gt; Calculation Method) keeps Fajr and Isha within the night.</source>
        <translation>Bir yüksek enlem kuralı (Araçlar &gt; Özelleştir &gt; Hesaplama Yöntemi) İmsak ve Yatsı vakitlerini gecenin içinde tutar.</translation>
    </message>
    <message>
        <source>Printing Calendar, Please wait...</source>
        <translation>Takvim yazdırılıyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Noorvale message</source>
        <translation>Noorvale iletisi</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>The next prayer, in the compact window and after &quot;Next Prayer:&quot;: %1 is its name, %2 its time.</extracomment>
        <translation>%1 saat %2</translation>
    </message>
    <message>
        <source>%1 - Next Prayer: %2</source>
        <extracomment>The main window&apos;s caption: %1 is the program&apos;s name, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>%1 - Sonraki Vakit: %2</translation>
    </message>
    <message>
        <source>Next Prayer: %1</source>
        <translation>Sonraki Vakit: %1</translation>
    </message>
    <message>
        <source>Current Location: %1</source>
        <translation>Geçerli Konum: %1</translation>
    </message>
    <message>
        <source>Alert Manager</source>
        <translation>Uyarı Yöneticisi</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An Alert Manager entry: %1 is the prayer&apos;s name, %2 its time.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 - OFF</source>
        <extracomment>An Alert Manager entry whose sound is off for today; %1 is the prayer&apos;s name.</extracomment>
        <translation>%1 - KAPALI</translation>
    </message>
    <message>
        <source>&amp;Compact</source>
        <translation>&amp;Küçük</translation>
    </message>
    <message>
        <source>&amp;Stop Playback</source>
        <translation>Çalmayı &amp;Durdur</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>&amp;Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>&amp;Exit Noorvale</source>
        <translation>Noorvale&apos;den &amp;Çık</translation>
    </message>
    <message>
        <source>Closing Noorvale will disable its Alert Features.
Are you sure you want to quit?</source>
        <translation>Noorvale&apos;yi kapatmak uyarı özelliklerini devre dışı bırakır.
Çıkmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A desktop notice at a prayer: %1 is its time, %2 the place&apos;s name.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Diğer araçlar</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Diğer menüler</translation>
    </message>
    <message>
        <source>The time is %1. %2</source>
        <extracomment>What a screen reader says of the clocks: %1 is the time, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>Saat %1. %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Takvimi Yazdır</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Küçük</translation>
    </message>
    <message>
        <source>View Compact Mode</source>
        <translation>Küçük Görünüme Geç</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Change Date Style</source>
        <translation>Tarih Biçimini Değiştir</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Görünümler</translation>
    </message>
    <message>
        <source>Change View Type</source>
        <translation>Görünüm Türünü Değiştir</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Özelleştir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Check for Program Updates</source>
        <translation>Program Güncellemelerini Denetle</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>Yardımı Göster</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <translation>Miladi</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Hafta</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
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
            <numerusform>%n günlük güncelleme hatırlatıcısı

Tarvo, İnternet bağlantınızı kullanarak ORVEN sitesine
bağlanabilir, mevcut güncellemeleri denetleyebilir, ardından
bunları otomatik olarak indirip kurabilir. Noorvale dosyalarınızı
güncellemenin en verimli yolu budur.

Tarvo&apos;yu şimdi çalıştırmak ister misiniz?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nv::frmOptions</name>
    <message>
        <source>Normal View</source>
        <translation>Normal Görünüm</translation>
    </message>
    <message>
        <source>Compact View</source>
        <translation>Küçük Görünüm</translation>
    </message>
    <message>
        <source>System Tray only</source>
        <translation>Yalnızca sistem tepsisi</translation>
    </message>
    <message>
        <source>Last View Used</source>
        <translation>Son kullanılan görünüm</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Üst</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source> Clock Settings </source>
        <translation> Saat Ayarları </translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Arka plan rengi</translation>
    </message>
    <message>
        <source>Hands Color</source>
        <translation>Akrep ve yelkovan rengi</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Göz&amp;at...</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Arka plan resmi</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source> Startup Options </source>
        <translation> Başlangıç Seçenekleri </translation>
    </message>
    <message>
        <source>Startup View</source>
        <translation>Başlangıç görünümü</translation>
    </message>
    <message>
        <source> Program Updates (requires an Internet connection) </source>
        <translation> Program Güncellemeleri (İnternet bağlantısı gerekir) </translation>
    </message>
    <message>
        <source>No thanks, I will manually update the program</source>
        <translation>Hayır, teşekkürler; programı kendim güncelleyeceğim</translation>
    </message>
    <message>
        <source>Yes, Please remind me every</source>
        <extracomment>Followed by a box with the number of days and the word &quot;days&quot;.</extracomment>
        <translation>Evet, bana her</translation>
    </message>
    <message>
        <source>days</source>
        <translation>günde bir hatırlat</translation>
    </message>
    <message>
        <source> Alerts </source>
        <translation> Uyarılar </translation>
    </message>
    <message>
        <source>Show a desktop notification at each prayer</source>
        <translation>Her namazda masaüstü bildirimi göster</translation>
    </message>
    <message>
        <source> Language </source>
        <translation> Dil </translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>The language changes the next time Noorvale starts.</source>
        <translation>Dil, Noorvale bir sonraki açılışında değişir.</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Genel</translation>
    </message>
    <message>
        <source> Calendar Settings </source>
        <translation> Takvim Ayarları </translation>
    </message>
    <message>
        <source>Show Grid&amp;lines</source>
        <translation>&amp;Izgara çizgilerini göster</translation>
    </message>
    <message>
        <source>&amp;AutoResize Columns</source>
        <translation>Sütunları &amp;otomatik boyutlandır</translation>
    </message>
    <message>
        <source>Gregorian Date</source>
        <translation>Miladi tarih</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>Hicri tarih</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Vurgu rengi</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Takvim</translation>
    </message>
    <message>
        <source>Show Numbe&amp;rs</source>
        <translation>&amp;Rakamları göster</translation>
    </message>
    <message>
        <source>Show Secon&amp;ds</source>
        <translation>&amp;Saniyeleri göster</translation>
    </message>
    <message>
        <source>&amp;Normal View</source>
        <translation>&amp;Normal Görünüm</translation>
    </message>
    <message>
        <source>Show N&amp;umbers</source>
        <translation>&amp;Rakamları göster</translation>
    </message>
    <message>
        <source>Show S&amp;econds</source>
        <translation>&amp;Saniyeleri göster</translation>
    </message>
    <message>
        <source>Sho&amp;w Borders</source>
        <translation>K&amp;enarlıkları göster</translation>
    </message>
    <message>
        <source> Control Bar </source>
        <translation> Denetim Çubuğu </translation>
    </message>
    <message>
        <source>Foreground Color</source>
        <translation>Ön plan rengi</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Compact &amp;View</source>
        <translation>&amp;Küçük Görünüm</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>The number of days can not exceed %1 days</source>
        <translation>Gün sayısı %1 günü geçemez</translation>
    </message>
    <message>
        <source>Tabular (arithmetical)</source>
        <translation>Tablolu (hesaplı)</translation>
    </message>
    <message>
        <source>Umm Al-Qura (Saudi Arabia)</source>
        <translation>Ümmü&apos;l-Kurâ (Suudi Arabistan)</translation>
    </message>
    <message>
        <source>Days added to the Hijri date, for a community whose month begins when it sights the moon</source>
        <translation>Ayı hilali görerek başlatan bir topluluk için Hicri tarihe eklenen günler</translation>
    </message>
    <message>
        <source>Hijri Calendar</source>
        <translation>Hicri takvim</translation>
    </message>
    <message>
        <source>Hijri Adjustment (days)</source>
        <translation>Hicri düzeltme (gün)</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon&apos;s menu (seen by screen readers).</extracomment>
        <translation>&amp;Açılır Menü</translation>
    </message>
</context>
<context>
    <name>nv::frmTarvo</name>
    <message>
        <source>Tarvo Updates</source>
        <translation>Tarvo Güncellemeleri</translation>
    </message>
    <message>
        <source>Software Updates</source>
        <translation>Yazılım Güncellemeleri</translation>
    </message>
    <message>
        <source>Please wait while Tarvo updates your software.</source>
        <translation>Tarvo yazılımınızı güncellerken lütfen bekleyin.</translation>
    </message>
    <message>
        <source>Connecting to the Internet</source>
        <translation>İnternet&apos;e bağlanılıyor</translation>
    </message>
    <message>
        <source>Looking for software updates</source>
        <translation>Yazılım güncellemeleri aranıyor</translation>
    </message>
    <message>
        <source>Retrieving updates</source>
        <translation>Güncellemeler alınıyor</translation>
    </message>
    <message>
        <source>Installing updates</source>
        <translation>Güncellemeler yükleniyor</translation>
    </message>
    <message>
        <source>Processing, Please wait...</source>
        <translation>İşleniyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>ORVEN Tarvo for %1</source>
        <extracomment>The window title; %1 is the product that is updated (Noorvale).</extracomment>
        <translation>%1 için ORVEN Tarvo</translation>
    </message>
    <message>
        <source>%1 Software Updates</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>%1 Yazılım Güncellemeleri</translation>
    </message>
    <message>
        <source>%1, Please wait...</source>
        <extracomment>%1 is the step under way (&quot;Retrieving updates&quot;).</extracomment>
        <translation>%1, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Tarvo has completed the update.</source>
        <translation>Tarvo güncellemeyi tamamladı.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>You must have an active connection to the Internet<byte value="xd"/>
for Tarvo to function properly. Please establish<byte value="xd"/>
an Internet Connection and try again.</source>
        <translation>Tarvo&apos;nun düzgün çalışması için etkin bir<byte value="xd"/>
İnternet bağlantınız olmalıdır. Lütfen bir<byte value="xd"/>
İnternet bağlantısı kurup yeniden deneyin.</translation>
    </message>
    <message>
        <source>Internet Status: Connected: %1</source>
        <extracomment>%1 is the kind of connection (LAN, Modem, Proxy Server).</extracomment>
        <translation>İnternet Durumu: Bağlı: %1</translation>
    </message>
    <message>
        <source>Internet Status: Not Connected</source>
        <translation>İnternet Durumu: Bağlı Değil</translation>
    </message>
    <message>
        <source>Update Failed, could not connect to the Internet.</source>
        <translation>Güncelleme başarısız, İnternet&apos;e bağlanılamadı.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>İndirme başarısız oldu.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve Tarvo file. %1</source>
        <translation>Güncelleme başarısız, Tarvo dosyası alınamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not open Tarvo file.</source>
        <translation>Güncelleme başarısız, Tarvo dosyası açılamadı.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid. %1</source>
        <translation>Güncelleme başarısız, Tarvo dosyası geçerli değil. %1</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid.</source>
        <translation>Güncelleme başarısız, Tarvo dosyası geçerli değil.</translation>
    </message>
    <message>
        <source>Update Failed, update package is not valid.</source>
        <translation>Güncelleme başarısız, güncelleme paketi geçerli değil.</translation>
    </message>
    <message>
        <source>There is a newer version of the Tarvo program available...<byte value="xd"/>
You MUST update Tarvo before checking for %1 updates.<byte value="xd"/>
<byte value="xd"/>
Do you wish to download the update now?</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>Tarvo programının daha yeni bir sürümü var...<byte value="xd"/>
%1 güncellemelerini denetlemeden önce Tarvo&apos;yu MUTLAKA güncellemelisiniz.<byte value="xd"/>
<byte value="xd"/>
Güncellemeyi şimdi indirmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Tarvo Message</source>
        <translation>Tarvo İletisi</translation>
    </message>
    <message>
        <source>Tarvo version is not up to date.</source>
        <translation>Tarvo sürümü güncel değil.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo version is not up to date.</source>
        <translation>Güncelleme başarısız, Tarvo sürümü güncel değil.</translation>
    </message>
    <message>
        <source>You have the latest version, No update is available at this time.</source>
        <translation>En son sürüme sahipsiniz, şu anda güncelleme yok.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve updated files. %1</source>
        <translation>Güncelleme başarısız, güncellenmiş dosyalar alınamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not authenticate update files. %1</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları doğrulanamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not extract update files.</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları çıkarılamadı.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files.</source>
        <translation>Güncelleme başarısız, dosyalar çıkarılamadı.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files. %1</source>
        <translation>Güncelleme başarısız, dosyalar çıkarılamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Güncelleme başarısız, güncelleme dosyaları yüklenemedi. %1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları yüklenemedi. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not locate update files.</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları bulunamadı.</translation>
    </message>
    <message>
        <source>Update Failed, could not copy update files. %1</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları kopyalanamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1 The previous version was restored.</source>
        <extracomment>%1 is the cause, a sentence of its own.</extracomment>
        <translation>Güncelleme başarısız, güncelleme dosyaları yüklenemedi. %1 Önceki sürüm geri yüklendi.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Tarvo update Failed...</source>
        <translation>Tarvo güncellemesi başarısız oldu...</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the Tarvo update?</source>
        <translation>Tarvo güncellemesini iptal etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>Diskte yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>The data does not match its checksum.</source>
        <translation>Veriler sağlama toplamıyla eşleşmiyor.</translation>
    </message>
    <message>
        <source>The update names no SHA-256 checksum for %1.</source>
        <extracomment>%1 is a file name of the update.</extracomment>
        <translation>Güncelleme %1 için SHA-256 sağlama toplamı belirtmiyor.</translation>
    </message>
    <message>
        <source>This update is not signed.</source>
        <translation>Bu güncelleme imzalı değil.</translation>
    </message>
    <message>
        <source>The update server %1 is not answering, although the Internet<byte value="xd"/>
can be reached. It may be down for a while; please try again later.</source>
        <translation>İnternet&apos;e erişilebildiği hâlde güncelleme sunucusu %1<byte value="xd"/>
yanıt vermiyor. Bir süreliğine kapalı olabilir; lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Update Failed, the update server %1 is not answering.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Güncelleme başarısız, güncelleme sunucusu %1 yanıt vermiyor.</translation>
    </message>
    <message>
        <source>The update information file names no valid version.</source>
        <translation>Güncelleme bilgi dosyası geçerli bir sürüm belirtmiyor.</translation>
    </message>
    <message>
        <source>Update Failed, the update offered is version %1, older than the installed version %2.</source>
        <extracomment>%1 is the version offered by the update, %2 the version installed (&quot;1.1&quot;).</extracomment>
        <translation>Güncelleme başarısız, sunulan güncelleme %1 sürümü; bu, kurulu %2 sürümünden daha eski.</translation>
    </message>
    <message>
        <source>Version %1 is installed already, No update is available at this time.</source>
        <extracomment>%1 is the version installed (&quot;1.1&quot;).</extracomment>
        <translation>%1 sürümü zaten kurulu, şu anda güncelleme yok.</translation>
    </message>
</context>
<context>
    <name>Alert</name>
    <message>
        <source>It is time for Fajr prayer.</source>
        <extracomment>The alert at Fajr&apos;s minute; say the prayer&apos;s name as your language names the prayer (Turkish: Sabah namazı).</extracomment>
        <translation>Sabah namazı vakti geldi.</translation>
    </message>
    <message>
        <source>It is sunrise (Shurooq).</source>
        <extracomment>At sunrise there is no prayer: the sentence names the sunrise.</extracomment>
        <translation>Güneşin doğuş vakti geldi.</translation>
    </message>
    <message>
        <source>It is time for Dhuhr prayer.</source>
        <translation>Öğle namazı vakti geldi.</translation>
    </message>
    <message>
        <source>It is time for Asr prayer.</source>
        <translation>İkindi namazı vakti geldi.</translation>
    </message>
    <message>
        <source>It is time for Maghrib prayer.</source>
        <translation>Akşam namazı vakti geldi.</translation>
    </message>
    <message>
        <source>It is time for Isha prayer.</source>
        <translation>Yatsı namazı vakti geldi.</translation>
    </message>
    <message>
        <source>Fajr now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at Fajr&apos;s minute: short, the prayer named.</extracomment>
        <translation>Sabah namazı vakti.</translation>
    </message>
    <message>
        <source>Shurooq now.</source>
        <translation>Güneş doğuyor.</translation>
    </message>
    <message>
        <source>Dhuhr now.</source>
        <translation>Öğle namazı vakti.</translation>
    </message>
    <message>
        <source>Asr now.</source>
        <translation>İkindi namazı vakti.</translation>
    </message>
    <message>
        <source>Maghrib now.</source>
        <translation>Akşam namazı vakti.</translation>
    </message>
    <message>
        <source>Isha now.</source>
        <translation>Yatsı namazı vakti.</translation>
    </message>
    <message>
        <source>It is time for %1 prayer.</source>
        <translation>%1 vakti geldi.</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <translation>%1 vakti.</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Val:</source>
        <extracomment>The value (brightness) of a colour in the colour dialog.</extracomment>
        <translation>&amp;Değer:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Sayfalar</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Çift Taraflı Yazdırma</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>No double-sided printing.</extracomment>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Uzun kenardan ciltleme</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Kısa kenardan ciltleme</translation>
    </message>
</context>
</TS>
