<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
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
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>Program zaten çalışıyor</translation>
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
        <source>Time Zone = GMT %1   Altitude = %2 metres</source>
        <extracomment>%1 is the offset from GMT in hours (&quot;-5&quot;, &quot;+5:30&quot;, &quot;-5 / -4&quot; when it changes), %2 the altitude.</extracomment>
        <translation>Saat Dilimi = GMT %1   Rakım = %2 metre</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>Düzeltmeler = %1 dakika</translation>
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
        <translation>%1 vakti %2</translation>
    </message>
    <message>
        <source>%1 - Next Prayer: %2</source>
        <extracomment>The main window&apos;s caption: %1 is the program&apos;s name, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>%1 - Sonraki Namaz: %2</translation>
    </message>
    <message>
        <source>Next Prayer: %1</source>
        <translation>Sonraki Namaz: %1</translation>
    </message>
    <message>
        <source>Current Location: %1</source>
        <translation>Geçerli Konum: %1</translation>
    </message>
    <message>
        <source>It is time for %1 prayer.</source>
        <translation>%1 namazı vakti geldi.</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at a prayer&apos;s minute; %1 is its name.</extracomment>
        <translation>%1 vakti.</translation>
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
    <message>
        <source>%1 days update reminder

Using your Internet connections Tarvo can connects to the
ORVEN site, checks for available updates, then downloads and
installs them automatically. This is the most efficient method
to update your Noorvale files,

Would you like to run Tarvo now?</source>
        <extracomment>%1 is the number of days between two reminders.</extracomment>
        <translation>%1 günlük güncelleme hatırlatıcısı

Tarvo, İnternet bağlantınızı kullanarak ORVEN sitesine
bağlanabilir, mevcut güncellemeleri denetleyebilir, ardından
bunları otomatik olarak indirip kurabilir. Noorvale dosyalarınızı
güncellemenin en verimli yolu budur.

Tarvo&apos;yu şimdi çalıştırmak ister misiniz?</translation>
    </message>
</context>
</TS>
