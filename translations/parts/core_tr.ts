<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
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
        <translation>Gerçek tan ve şafak yok: bu gün güneş İmsak veya Yatsı açısına kadar alçalmıyor.</translation>
    </message>
    <message>
        <source>These times are not in order for this place and method.</source>
        <translation>Bu vakitler bu yer ve yöntem için sıralı değil.</translation>
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
</context>
</TS>
