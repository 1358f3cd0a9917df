<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Pickers</name>
    <message>
        <source>All Supported Files</source>
        <translation>كل الملفات المدعومة</translation>
    </message>
    <message>
        <source>Windows Wave Files (*.wav)</source>
        <translation>ملفات Windows Wave (*.wav)</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>Windows Bitmap (*.bmp)</source>
        <translation>صور Windows النقطية (*.bmp)</translation>
    </message>
    <message>
        <source>Joint Photographic Experts Group (*.jpg)</source>
        <translation>صور JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Graphics Interchange Format (*.gif)</source>
        <translation>صور GIF (*.gif)</translation>
    </message>
    <message>
        <source>Icon Files (*.ico)</source>
        <translation>ملفات الأيقونات (*.ico)</translation>
    </message>
    <message>
        <source>Cursors (*.cur)</source>
        <translation>المؤشرات (*.cur)</translation>
    </message>
    <message>
        <source>Windows Metafiles (*.wmf)</source>
        <translation>ملفات Windows التعريفية (*.wmf)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <translation>الملفات التعريفية المحسّنة (*.emf)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
</context>
<context>
    <name>nv::frmCustomize</name>
    <message>
        <source>Automatic (Windows)</source>
        <translation>تلقائي (من النظام)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>يدوي</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>الدرجة</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>الدقيقة</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No high-latitude rule.</extracomment>
        <translation>بلا قاعدة</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>One-seventh of the night</source>
        <translation>سُبع الليل</translation>
    </message>
    <message>
        <source>Twilight angle / 60 of the night</source>
        <translation>زاوية الشفق / 60 من الليل</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>تخصيص</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source> Periods/Prayers List </source>
        <translation> قائمة الأوقات/الصلوات </translation>
    </message>
    <message>
        <source>Select a Period from the List</source>
        <translation>اختر وقتًا من القائمة</translation>
    </message>
    <message>
        <source>Period/Prayer Name</source>
        <translation>اسم الوقت/الصلاة</translation>
    </message>
    <message>
        <source>&amp;Period Names</source>
        <translation>&amp;أسماء الأوقات</translation>
    </message>
    <message>
        <source> Current Location </source>
        <translation> الموقع الحالي </translation>
    </message>
    <message>
        <source> Latitude </source>
        <translation> خط العرض </translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>خط الاستواء</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <translation>&amp;شمال</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>&amp;جنوب</translation>
    </message>
    <message>
        <source> Longitude </source>
        <translation> خط الطول </translation>
    </message>
    <message>
        <source>Greenwich</source>
        <translation>غرينتش</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <translation>&amp;شرق</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <translation>&amp;غرب</translation>
    </message>
    <message>
        <source>Time Difference (GMT): hours, or hours:minutes, from -12:00 to +14:00 (5:30, -3:30, +13)</source>
        <translation>فرق التوقيت عن غرينتش (GMT): ساعات، أو ساعات:دقائق، من ‎-12:00 إلى ‎+14:00 (5:30، ‎-3:30، ‎+13)</translation>
    </message>
    <message>
        <source>Height of the place above sea level in metres, 0 to 9000</source>
        <translation>ارتفاع المكان عن سطح البحر بالأمتار، من 0 إلى 9000</translation>
    </message>
    <message>
        <source>USA</source>
        <extracomment>A link to a gazetteer of places in the United States.</extracomment>
        <translation>الولايات المتحدة</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>A link to a table of the coordinates of the world's cities.</extracomment>
        <translation>العالم</translation>
    </message>
    <message>
        <source>Location Name</source>
        <translation>اسم الموقع</translation>
    </message>
    <message>
        <source>Altitude (metres)</source>
        <translation>الارتفاع (بالأمتار)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>الفرق عن GMT</translation>
    </message>
    <message>
        <source>Not Sure!, Find it Online</source>
        <translation>لست متأكدًا؟ ابحث عنه على الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;الموقع</translation>
    </message>
    <message>
        <source>Angle of the Sun</source>
        <translation>زاوية الشمس</translation>
    </message>
    <message>
        <source> Dawn/Fajr </source>
        <translation> الفجر </translation>
    </message>
    <message>
        <source>Minutes before Sunrise</source>
        <translation>دقائق قبل الشروق</translation>
    </message>
    <message>
        <source> Night/Isha </source>
        <translation> الليل/العشاء </translation>
    </message>
    <message>
        <source>Minutes After Sunset</source>
        <translation>دقائق بعد الغروب</translation>
    </message>
    <message>
        <source> Asr / Afternoon </source>
        <translation> العصر </translation>
    </message>
    <message>
        <source>&amp;Shafi`i</source>
        <translation>&amp;شافعي</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>&amp;حنفي</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>المذهب الفقهي</translation>
    </message>
    <message>
        <source>Pick an authority…</source>
        <translation>اختر جهة معتمدة…</translation>
    </message>
    <message>
        <source>Fill the custom method with the parameters of an authority's published timetables</source>
        <translation>يملأ الطريقة المخصصة بمعايير التقاويم التي تنشرها جهة معتمدة</translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation> التعديلات (بالدقائق) </translation>
    </message>
    <message>
        <source>Where the sun does not sink to the Fajr or Isha angle, or does not set or rise,
keep Fajr and Isha within this part of the night (sunset to sunrise).</source>
        <translation>حيث لا تنخفض الشمس إلى زاوية الفجر أو العشاء، أو لا تغرب أو لا تشرق،
يبقى الفجر والعشاء ضمن هذا الجزء من الليل (من الغروب إلى الشروق).</translation>
    </message>
    <message>
        <source>Select a Method</source>
        <translation>اختر طريقة</translation>
    </message>
    <message>
        <source>Margin of Safety Minutes</source>
        <translation>دقائق الاحتياط</translation>
    </message>
    <message>
        <source>High Latitudes</source>
        <translation>خطوط العرض العليا</translation>
    </message>
    <message>
        <source>&amp;Calculation Method</source>
        <translation>&amp;طريقة الحساب</translation>
    </message>
    <message>
        <source> Daily Defaults </source>
        <translation> الإعدادات اليومية </translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>&amp;تغيير...</translation>
    </message>
    <message>
        <source>&amp;Alert Manager</source>
        <translation>مدير &amp;التنبيهات</translation>
    </message>
    <message>
        <source>Following %1</source>
        <extracomment>%1: the name of a religious authority whose timetables the custom method follows.</extracomment>
        <translation>وفق %1</translation>
    </message>
    <message>
        <source>Maghrib at %1° below the horizon</source>
        <extracomment>%1: an angle in degrees.</extracomment>
        <translation>المغرب عند %1° تحت الأفق</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan</source>
        <extracomment>%1: a number of minutes.</extracomment>
        <translation>العشاء بعد المغرب بـ%1 دقيقة في رمضان</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of the authority's description.</extracomment>
        <translation>؛ </translation>
    </message>
    <message>
        <source>Value must be between %1 and %2, please try again.</source>
        <translation>يجب أن تكون القيمة بين %1 و%2، يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Value must be between -12:00 and +14:00, please try again.</source>
        <translation>يجب أن تكون القيمة بين ‎-12:00 و‎+14:00، يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>%1 / %2 - %3</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; %3: its sound file.</extracomment>
        <translation>%1 / ⁨%2⁩ - ⁦%3⁩</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; its sound alert is off.</extracomment>
        <translation>%1 / ⁨%2⁩ - متوقف</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>التنبيهات المثبتة</translation>
    </message>
</context>
<context>
    <name>nv::frmOptions</name>
    <message>
        <source>Normal View</source>
        <translation>العرض العادي</translation>
    </message>
    <message>
        <source>Compact View</source>
        <translation>العرض المصغّر</translation>
    </message>
    <message>
        <source>System Tray only</source>
        <translation>منطقة الإشعارات فقط</translation>
    </message>
    <message>
        <source>Last View Used</source>
        <translation>آخر عرض مستخدم</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source> Clock Settings </source>
        <translation> إعدادات الساعة </translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>لون الخلفية</translation>
    </message>
    <message>
        <source>Hands Color</source>
        <translation>لون العقارب</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;استعراض...</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source> Startup Options </source>
        <translation> خيارات بدء التشغيل </translation>
    </message>
    <message>
        <source>Startup View</source>
        <translation>العرض عند البدء</translation>
    </message>
    <message>
        <source> Program Updates (requires an Internet connection) </source>
        <translation> تحديثات البرنامج (تتطلب اتصالًا بالإنترنت) </translation>
    </message>
    <message>
        <source>No thanks, I will manually update the program</source>
        <translation>لا، شكرًا، سأحدّث البرنامج يدويًا</translation>
    </message>
    <message>
        <source>Yes, Please remind me every</source>
        <extracomment>Followed by a box with the number of days and the word "days".</extracomment>
        <translation>نعم، ذكّرني كل</translation>
    </message>
    <message>
        <source>days</source>
        <translation>يومًا</translation>
    </message>
    <message>
        <source> Alerts </source>
        <translation> التنبيهات </translation>
    </message>
    <message>
        <source>Show a desktop notification at each prayer</source>
        <translation>إظهار إشعار على سطح المكتب عند كل صلاة</translation>
    </message>
    <message>
        <source> Language </source>
        <translation> اللغة </translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <source>The language changes the next time Noorvale starts.</source>
        <translation>تتغير اللغة عند تشغيل Noorvale في المرة القادمة.</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;عام</translation>
    </message>
    <message>
        <source> Calendar Settings </source>
        <translation> إعدادات التقويم </translation>
    </message>
    <message>
        <source>Show Grid&amp;lines</source>
        <translation>إظهار &amp;خطوط الشبكة</translation>
    </message>
    <message>
        <source>&amp;AutoResize Columns</source>
        <translation>ضبط عرض &amp;الأعمدة تلقائيًا</translation>
    </message>
    <message>
        <source>Gregorian Date</source>
        <translation>التاريخ الميلادي</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>لون التمييز</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;التقويم</translation>
    </message>
    <message>
        <source>Show Numbe&amp;rs</source>
        <translation>إظهار &amp;الأرقام</translation>
    </message>
    <message>
        <source>Show Secon&amp;ds</source>
        <translation>إظهار &amp;الثواني</translation>
    </message>
    <message>
        <source>&amp;Normal View</source>
        <translation>العرض &amp;العادي</translation>
    </message>
    <message>
        <source>Show N&amp;umbers</source>
        <translation>إظهار &amp;الأرقام</translation>
    </message>
    <message>
        <source>Show S&amp;econds</source>
        <translation>إظهار &amp;الثواني</translation>
    </message>
    <message>
        <source>Sho&amp;w Borders</source>
        <translation>إظهار &amp;الحواف</translation>
    </message>
    <message>
        <source> Control Bar </source>
        <translation> شريط التحكم </translation>
    </message>
    <message>
        <source>Foreground Color</source>
        <translation>لون النص</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Compact &amp;View</source>
        <translation>&amp;العرض المصغّر</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>The number of days can not exceed %1 days</source>
        <translation>لا يمكن أن يتجاوز عدد الأيام %1 يومًا</translation>
    </message>
</context>
</TS>