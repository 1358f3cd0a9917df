<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>Authority</name>
    <message>
        <source>Umm Al-Qura University, Makkah</source>
        <translation>جامعہ ام القریٰ، مکہ مکرمہ</translation>
    </message>
    <message>
        <source>General Authority of Islamic Affairs, Dubai</source>
        <translation>جنرل اتھارٹی برائے اسلامی امور، دبئی</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Kuwait</source>
        <translation>وزارتِ اوقاف، کویت</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Qatar</source>
        <translation>وزارتِ اوقاف، قطر</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura (MUIS)</source>
        <translation>مجلسِ اسلامی سنگاپور (MUIS)</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>جاکیم (JAKIM)، ملائیشیا</translation>
    </message>
    <message>
        <source>Kemenag, Indonesia</source>
        <translation>وزارتِ مذہبی امور (Kemenag)، انڈونیشیا</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>دیانت، ترکی</translation>
    </message>
    <message>
        <source>UOIF, France</source>
        <translation>یونین آف اسلامک آرگنائزیشنز (UOIF)، فرانس</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims, Russia</source>
        <translation>مسلمانوں کی روحانی انتظامیہ، روس</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>انسٹی ٹیوٹ آف جیو فزکس، تہران یونیورسٹی</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Date is not valid</source>
        <translation>تاریخ درست نہیں</translation>
    </message>
    <message>
        <source>Longitude is not valid, must be less than 180</source>
        <translation>طول البلد درست نہیں، 180 سے کم ہونا چاہیے</translation>
    </message>
    <message>
        <source>Latitude is not valid, must be less than 89.8</source>
        <translation>عرض البلد درست نہیں، 89.8 سے کم ہونا چاہیے</translation>
    </message>
    <message>
        <source>Shadow Ratio is not valid, must be between 1 and 2</source>
        <translation>سائے کا تناسب درست نہیں، 1 اور 2 کے درمیان ہونا چاہیے</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Midnight sun: the sun does not set on this day.</source>
        <translation>نصف شب کا سورج: اس دن سورج غروب نہیں ہوتا۔</translation>
    </message>
    <message>
        <source>Polar night: the sun does not rise on this day.</source>
        <translation>قطبی رات: اس دن سورج طلوع نہیں ہوتا۔</translation>
    </message>
    <message>
        <source>No true dawn/dusk: the sun does not sink to the Fajr or Isha angle on this day.</source>
        <translation>نہ صبحِ صادق نہ شفق: اس دن سورج فجر یا عشاء کے زاویے تک نیچے نہیں جاتا۔</translation>
    </message>
    <message>
        <source>These times are not in order for this place and method.</source>
        <translation>اس مقام اور اس طریقۂ حساب کے لیے یہ اوقات ترتیب میں نہیں ہیں۔</translation>
    </message>
</context>
<context>
    <name>Hijri</name>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Rabi Awal</source>
        <translation>ربیع الاول</translation>
    </message>
    <message>
        <source>Rabi Thani</source>
        <translation>ربیع الثانی</translation>
    </message>
    <message>
        <source>Jumada Awal</source>
        <translation>جمادی الاول</translation>
    </message>
    <message>
        <source>Jumada Thani</source>
        <translation>جمادی الثانی</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Qa&apos;dah</source>
        <translation>ذوالقعدہ</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Hijja</source>
        <translation>ذوالحجہ</translation>
    </message>
</context>
<context>
    <name>Method</name>
    <message>
        <source>Umm Al-Qura, Makkah</source>
        <translation>ام القریٰ، مکہ مکرمہ</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>رابطۂ عالمِ اسلامی</translation>
    </message>
    <message>
        <source>Egyptian General Organization of Survey</source>
        <translation>مصری جنرل آرگنائزیشن آف سروے</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi</source>
        <translation>جامعۃ العلوم الاسلامیہ، کراچی</translation>
    </message>
    <message>
        <source>Islamic Society Of North America (ISNA)</source>
        <translation>اسلامک سوسائٹی آف نارتھ امریکہ (ISNA)</translation>
    </message>
    <message>
        <source>Custom / User Defined</source>
        <translation>حسبِ منشا / صارف کا متعین کردہ</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Dawn</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Fajr&quot;).</extracomment>
        <translation>صبحِ صادق</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <extracomment>What the period of the day is (beside its name &quot;Shurooq&quot;).</extracomment>
        <translation>سورج نکلنا</translation>
    </message>
    <message>
        <source>Noon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Dhuhr&quot;).</extracomment>
        <translation>زوال</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Asr&quot;).</extracomment>
        <translation>سہ پہر</translation>
    </message>
    <message>
        <source>Sunset</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Maghrib&quot;).</extracomment>
        <translation>غروبِ آفتاب</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Isha&quot;).</extracomment>
        <translation>رات</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Sound Alert</source>
        <translation>صوتی الرٹ</translation>
    </message>
    <message>
        <source>Noorvale: the settings file %1 was damaged (%2); what could be read is kept, and the damaged file is kept as %3</source>
        <extracomment>%1 the settings file, %2 what was wrong in it (&quot;line 12: ...&quot;), %3 the copy of it that is kept.</extracomment>
        <translation>Noorvale: ترتیبات کی فائل %1 خراب تھی (%2)؛ جتنا پڑھا جا سکا وہ محفوظ ہے، اور خراب فائل %3 کے نام سے رکھ لی گئی ہے</translation>
    </message>
</context>
</TS>
