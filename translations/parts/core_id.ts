<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
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
        <translation>Dzuhur</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Ashar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
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
    <name>Settings</name>
    <message>
        <source>Sound Alert</source>
        <translation>Pengingat suara</translation>
    </message>
    <message>
        <source>Noorvale: the settings file %1 was damaged (%2); what could be read is kept, and the damaged file is kept as %3</source>
        <extracomment>%1 the settings file, %2 what was wrong in it (&quot;line 12: ...&quot;), %3 the copy of it that is kept.</extracomment>
        <translation>Noorvale: berkas pengaturan %1 rusak (%2); bagian yang dapat dibaca dipertahankan, dan berkas yang rusak disimpan sebagai %3</translation>
    </message>
</context>
</TS>
