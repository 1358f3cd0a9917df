<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Authority</name>
    <message>
        <source>Umm Al-Qura University, Makkah</source>
        <translation>جامعة أم القرى، مكة المكرمة</translation>
    </message>
    <message>
        <source>General Authority of Islamic Affairs, Dubai</source>
        <translation>الهيئة العامة للشؤون الإسلامية، دبي</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Kuwait</source>
        <translation>وزارة الأوقاف، الكويت</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Qatar</source>
        <translation>وزارة الأوقاف، قطر</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura (MUIS)</source>
        <translation>المجلس الإسلامي في سنغافورة (MUIS)</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>جاكيم (JAKIM)، ماليزيا</translation>
    </message>
    <message>
        <source>Kemenag, Indonesia</source>
        <translation>وزارة الشؤون الدينية (Kemenag)، إندونيسيا</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>رئاسة الشؤون الدينية (ديانت)، تركيا</translation>
    </message>
    <message>
        <source>UOIF, France</source>
        <translation>اتحاد المنظمات الإسلامية (UOIF)، فرنسا</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims, Russia</source>
        <translation>الإدارة الدينية للمسلمين، روسيا</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>معهد الجيوفيزياء، جامعة طهران</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Date is not valid</source>
        <translation>التاريخ غير صالح</translation>
    </message>
    <message>
        <source>Longitude is not valid, must be less than 180</source>
        <translation>خط الطول غير صالح، يجب أن يكون أقل من 180</translation>
    </message>
    <message>
        <source>Latitude is not valid, must be less than 89.8</source>
        <translation>خط العرض غير صالح، يجب أن يكون أقل من 89.8</translation>
    </message>
    <message>
        <source>Shadow Ratio is not valid, must be between 1 and 2</source>
        <translation>نسبة الظل غير صالحة، يجب أن تكون بين 1 و2</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Midnight sun: the sun does not set on this day.</source>
        <translation>شمس منتصف الليل: لا تغرب الشمس في هذا اليوم.</translation>
    </message>
    <message>
        <source>Polar night: the sun does not rise on this day.</source>
        <translation>الليل القطبي: لا تشرق الشمس في هذا اليوم.</translation>
    </message>
    <message>
        <source>No true dawn/dusk: the sun does not sink to the Fajr or Isha angle on this day.</source>
        <translation>لا فجر صادق ولا شفق: لا تنخفض الشمس إلى زاوية الفجر أو العشاء في هذا اليوم.</translation>
    </message>
    <message>
        <source>These times are not in order for this place and method.</source>
        <translation>هذه الأوقات ليست مرتّبة لهذا المكان وطريقة الحساب هذه.</translation>
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
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>Rabi Thani</source>
        <translation>ربيع الآخر</translation>
    </message>
    <message>
        <source>Jumada Awal</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jumada Thani</source>
        <translation>جمادى الآخرة</translation>
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
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Hijja</source>
        <translation>ذو الحجة</translation>
    </message>
</context>
<context>
    <name>Method</name>
    <message>
        <source>Umm Al-Qura, Makkah</source>
        <translation>أم القرى، مكة المكرمة</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>Egyptian General Organization of Survey</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi</source>
        <translation>جامعة العلوم الإسلامية، كراتشي</translation>
    </message>
    <message>
        <source>Islamic Society Of North America (ISNA)</source>
        <translation>الجمعية الإسلامية لأمريكا الشمالية (ISNA)</translation>
    </message>
    <message>
        <source>Custom / User Defined</source>
        <translation>مخصّصة / يحدّدها المستخدم</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Dawn</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Fajr&quot;).</extracomment>
        <translation>طلوع الفجر</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <extracomment>What the period of the day is (beside its name &quot;Shurooq&quot;).</extracomment>
        <translation>شروق الشمس</translation>
    </message>
    <message>
        <source>Noon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Dhuhr&quot;).</extracomment>
        <translation>الزوال</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Asr&quot;).</extracomment>
        <translation>بعد الظهيرة</translation>
    </message>
    <message>
        <source>Sunset</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Maghrib&quot;).</extracomment>
        <translation>غروب الشمس</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Isha&quot;).</extracomment>
        <translation>الليل</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Sound Alert</source>
        <translation>تنبيه صوتي</translation>
    </message>
    <message>
        <source>Noorvale: the settings file %1 was damaged (%2); what could be read is kept, and the damaged file is kept as %3</source>
        <extracomment>%1 the settings file, %2 what was wrong in it (&quot;line 12: ...&quot;), %3 the copy of it that is kept.</extracomment>
        <translation>Noorvale: ملف الإعدادات %1 كان تالفًا (%2)؛ حُفظ ما أمكنت قراءته، واحتُفظ بالملف التالف باسم %3</translation>
    </message>
</context>
</TS>
