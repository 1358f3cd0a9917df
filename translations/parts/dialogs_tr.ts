<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
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
    <name>nv::frmCustomize</name>
    <message>
        <source>Automatic (Windows)</source>
        <translation>Otomatik (sistemden)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Elle</translation>
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
        <translation>&amp;Kuzey</translation>
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
        <extracomment>A link to a table of the coordinates of the world's cities.</extracomment>
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
        <translation>Güneşten önceki dakika</translation>
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
        <source>Fill the custom method with the parameters of an authority's published timetables</source>
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
        <translation>Ramazan'da Yatsı, Akşam'dan %1 dakika sonra</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of the authority's description.</extracomment>
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
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; %3: its sound file.</extracomment>
        <translation>%1 / %2 - %3</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; its sound alert is off.</extracomment>
        <translation>%1 / %2 - KAPALI</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>Kurulu Uyarılar</translation>
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
        <translation>&amp;Gözat...</translation>
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
        <extracomment>Followed by a box with the number of days and the word "days".</extracomment>
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
        <translation>&amp;Kenarlıkları göster</translation>
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
</context>
</TS>