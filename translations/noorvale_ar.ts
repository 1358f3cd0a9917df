<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>الإصدار %1.%2.%3</translation>
    </message>
</context>
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
    <message>
        <source>JAKIM, Kelantan</source>
        <translation>جاكيم، كلنتن</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>ISNA Canada</source>
        <translation>الجمعية الإسلامية لأمريكا الشمالية، كندا</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>لجنة رؤية الهلال العالمية</translation>
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
    <message>
        <source>No Asr shadow: the sun does not reach the Asr altitude on this day.</source>
        <translation>لا ظل للعصر: لا تبلغ الشمس ارتفاع العصر في هذا اليوم.</translation>
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
    <name>InstallRun</name>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>لا توجد مساحة خالية كافية على القرص.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>تعذّرت كتابة الملف %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>يتعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>الملف %1 غير موجود.</translation>
    </message>
    <message>
        <source>A folder stands where the file %1 goes.</source>
        <translation>يوجد مجلد في المكان المخصّص للملف %1.</translation>
    </message>
    <message>
        <source>The old copy of %1 could not be kept.</source>
        <translation>تعذّر الاحتفاظ بالنسخة القديمة من %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be put in place.</source>
        <translation>تعذّر وضع الملف %1 في مكانه.</translation>
    </message>
</context>
<context>
    <name>MExceptionHandler</name>
    <message>
        <source>Access Violation</source>
        <translation>انتهاك وصول</translation>
    </message>
    <message>
        <source>Data Type Misalignment</source>
        <translation>عدم محاذاة نوع البيانات</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>نقطة توقف</translation>
    </message>
    <message>
        <source>Single Step</source>
        <translation>خطوة مفردة</translation>
    </message>
    <message>
        <source>Array Bounds Exceeded</source>
        <translation>تجاوز حدود المصفوفة</translation>
    </message>
    <message>
        <source>Float Denormal Operand</source>
        <translation>معامل فاصلة عائمة غير طبيعي</translation>
    </message>
    <message>
        <source>Divide By Zero</source>
        <translation>القسمة على صفر</translation>
    </message>
    <message>
        <source>Floating Point Inexact Result</source>
        <translation>نتيجة فاصلة عائمة غير دقيقة</translation>
    </message>
    <message>
        <source>Invalid Operation</source>
        <translation>عملية غير صالحة</translation>
    </message>
    <message>
        <source>Float Overflow</source>
        <translation>تجاوز سعة الفاصلة العائمة</translation>
    </message>
    <message>
        <source>Float Stack Check</source>
        <translation>فحص مكدس الفاصلة العائمة</translation>
    </message>
    <message>
        <source>Float Underflow</source>
        <translation>انحسار سعة الفاصلة العائمة</translation>
    </message>
    <message>
        <source>Integer Divide By Zero</source>
        <translation>قسمة عدد صحيح على صفر</translation>
    </message>
    <message>
        <source>Integer Overflow</source>
        <translation>تجاوز سعة عدد صحيح</translation>
    </message>
    <message>
        <source>Privileged Instruction</source>
        <translation>تعليمة ذات امتياز</translation>
    </message>
    <message>
        <source>In Page Error</source>
        <translation>خطأ في الصفحة</translation>
    </message>
    <message>
        <source>Illegal Instruction</source>
        <translation>تعليمة غير مشروعة</translation>
    </message>
    <message>
        <source>Non Continuable Exception</source>
        <translation>استثناء غير قابل للمتابعة</translation>
    </message>
    <message>
        <source>Stack Overflow</source>
        <translation>تجاوز سعة المكدس</translation>
    </message>
    <message>
        <source>Invalid Disposition</source>
        <translation>تصرّف غير صالح</translation>
    </message>
    <message>
        <source>Guard Page Violation</source>
        <translation>انتهاك صفحة الحماية</translation>
    </message>
    <message>
        <source>Invalid Handle</source>
        <translation>مقبض غير صالح</translation>
    </message>
    <message>
        <source>Control-C Exit</source>
        <translation>خروج بـ Control-C</translation>
    </message>
    <message>
        <source>Unknown (&amp;H%1)</source>
        <extracomment>A processor fault without a name; %1 is its code in hexadecimal.</extracomment>
        <translation>غير معروف (&amp;H%1)</translation>
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
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
    </message>
</context>
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
    <name>PrintCalLVW</name>
    <message>
        <source>Subscript out of range</source>
        <translation>الفهرس خارج النطاق</translation>
    </message>
    <message>
        <source>Printing Calendar, Page: %1 of %2</source>
        <translation>جارٍ طباعة التقويم، الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>Prayer Schedule for %1</source>
        <extracomment>The printed calendar&apos;s title; %1 is the place&apos;s name.</extracomment>
        <translation>مواقيت الصلاة في %1</translation>
    </message>
    <message>
        <source>Latitude = %1` %2`` %3 Longitude = %4` %5`` %6</source>
        <extracomment>The printed calendar&apos;s place: degrees (%1, %4) and minutes (%2, %5) of latitude and longitude, written ` and ``; %3 is North or South, %6 East or West.</extracomment>
        <translation>خط العرض = %1` %2`` %3 خط الطول = %4` %5`` %6</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوبًا</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمالًا</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غربًا</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرقًا</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>التعديلات = %1 دقيقة</translation>
    </message>
    <message>
        <source>Time Zone = %1   Altitude = %2 metres</source>
        <extracomment>%1 is the zone as &quot;GMT&quot; and the offset in hours (&quot;GMT -5&quot;, &quot;GMT +5:30&quot;, &quot;GMT -5 / -4&quot; when it changes), kept in its own left-to-right order; %2 is the altitude.</extracomment>
        <translation>المنطقة الزمنية = %1   الارتفاع = %2 متر</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language read from right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>نعم (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا (&amp;N)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
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
    <message>
        <source>, </source>
        <extracomment>Between the items of a list (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>the disk it is on is read-only</source>
        <translation>القرص الذي يحمله للقراءة فقط</translation>
    </message>
    <message>
        <source>you may not write in its folder</source>
        <translation>لا يحق لك الكتابة في مجلده</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1: %2.

The changes stay in effect while Noorvale runs, and are saved as soon as the file can be written.</source>
        <extracomment>%1 the settings file, %2 why it could not be written (&quot;the disk is full&quot;).</extracomment>
        <translation>تعذّر حفظ إعداداتك في %1: %2.

تبقى التغييرات سارية ما دام Noorvale يعمل، وتُحفظ حالما تمكن الكتابة في الملف.</translation>
    </message>
</context>
<context>
    <name>TwipsPrinter</name>
    <message>
        <source>Printer error</source>
        <translation>خطأ في الطابعة</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>يتعذّر التحقق من التوقيع.</translation>
    </message>
    <message>
        <source>The update information file is not signed.</source>
        <translation>ملف معلومات التحديث غير موقَّع.</translation>
    </message>
    <message>
        <source>The signature of the update information file does not match.</source>
        <translation>توقيع ملف معلومات التحديث غير مطابق.</translation>
    </message>
</context>
<context>
    <name>VbError</name>
    <message>
        <source>CCrc32 component failure</source>
        <translation>عطل في المكوّن CCrc32</translation>
    </message>
    <message>
        <source>CFile component failure</source>
        <translation>عطل في المكوّن CFile</translation>
    </message>
    <message>
        <source>CIniFile component failure</source>
        <translation>عطل في المكوّن CIniFile</translation>
    </message>
    <message>
        <source>cNetGet component failure</source>
        <translation>عطل في المكوّن cNetGet</translation>
    </message>
    <message>
        <source>cNetURL component failure</source>
        <translation>عطل في المكوّن cNetURL</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيط غير صالح</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>القسمة على صفر</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>عدم تطابق النوع</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>المسار غير موجود</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>خطأ معرَّف من التطبيق أو من الكائن</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <extracomment>The second line of an error box: %1 is where the error happened (Program.module.procedure), %2 the line number.</extracomment>
        <translation>في %1 عند السطر %2</translation>
    </message>
</context>
<context>
    <name>cCabFile</name>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>يتعذّر على النظام العثور على الملف المحدد.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>يتعذّر على النظام العثور على المسار المحدد.</translation>
    </message>
    <message>
        <source>The system cannot open the file.</source>
        <translation>يتعذّر على النظام فتح الملف.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>تم رفض الوصول.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>لا تتوفر مساحة تخزين كافية لمعالجة هذا الأمر.</translation>
    </message>
    <message>
        <source>Invalid data.</source>
        <translation>بيانات غير صالحة.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>لا تتوفر مساحة تخزين كافية لإكمال هذه العملية.</translation>
    </message>
    <message>
        <source>The system cannot find the drive specified.</source>
        <translation>يتعذّر على النظام العثور على محرك الأقراص المحدد.</translation>
    </message>
    <message>
        <source>The media is write protected.</source>
        <translation>الوسيط محمي ضد الكتابة.</translation>
    </message>
    <message>
        <source>The system cannot find the device specified.</source>
        <translation>يتعذّر على النظام العثور على الجهاز المحدد.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>الجهاز غير جاهز.</translation>
    </message>
    <message>
        <source>Data error (cyclic redundancy check).</source>
        <translation>خطأ في البيانات (فحص التكرار الدوري).</translation>
    </message>
    <message>
        <source>The drive cannot locate a specific area or track on the disk.</source>
        <translation>يتعذّر على محرك الأقراص تحديد منطقة أو مسار معيّن على القرص.</translation>
    </message>
    <message>
        <source>The specified disk or diskette cannot be accessed.</source>
        <translation>يتعذّر الوصول إلى القرص أو القرص المرن المحدد.</translation>
    </message>
    <message>
        <source>The drive cannot find the sector requested.</source>
        <translation>يتعذّر على محرك الأقراص العثور على القطاع المطلوب.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>يتعذّر على النظام الكتابة على الجهاز المحدد.</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>يتعذّر على النظام القراءة من الجهاز المحدد.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>أحد الأجهزة المتصلة بالنظام لا يعمل.</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>يتعذّر على العملية الوصول إلى الملف لأنه قيد الاستخدام من قِبل عملية أخرى.</translation>
    </message>
    <message>
        <source>The process cannot access the file because another process has locked a portion of the file.</source>
        <translation>يتعذّر على العملية الوصول إلى الملف لأن عملية أخرى أقفلت جزءًا منه.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>القرص ممتلئ.</translation>
    </message>
    <message>
        <source>The directory or file cannot be created.</source>
        <translation>يتعذّر إنشاء المجلد أو الملف.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>اسم الملف طويل جدًا.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>المساحة على القرص غير كافية.</translation>
    </message>
    <message>
        <source>The filename, directory name, or volume label syntax is incorrect.</source>
        <translation>صيغة اسم الملف أو اسم المجلد أو تسمية وحدة التخزين غير صحيحة.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>خطأ غير معروف.</translation>
    </message>
    <message>
        <source>You must set the CabName property before taking any action on the CabFile object.</source>
        <translation>يجب تعيين الخاصية CabName قبل أي إجراء على الكائن CabFile.</translation>
    </message>
</context>
<context>
    <name>cFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>اسم ملف غير صالح</translation>
    </message>
    <message>
        <source>Object not properly initialized. Set the PathFileName property to a non-empty value first</source>
        <translation>لم تتم تهيئة الكائن كما يجب. عيّن أولًا قيمة غير فارغة للخاصية PathFileName</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>File copy failed</source>
        <translation>فشل نسخ الملف</translation>
    </message>
    <message>
        <source>File move failed</source>
        <translation>فشل نقل الملف</translation>
    </message>
    <message>
        <source>File delete failed</source>
        <translation>فشل حذف الملف</translation>
    </message>
</context>
<context>
    <name>cIniFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>اسم ملف غير صالح</translation>
    </message>
    <message>
        <source>Object not properly initialized</source>
        <translation>لم تتم تهيئة الكائن كما يجب</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>Invalid section</source>
        <translation>قسم غير صالح</translation>
    </message>
    <message>
        <source>Invalid key</source>
        <translation>مفتاح غير صالح</translation>
    </message>
</context>
<context>
    <name>cNetGet</name>
    <message>
        <source>Disk full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>المسار غير موجود</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>خطأ في الوصول إلى المسار أو الملف</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>خطأ في إدخال/إخراج الجهاز</translation>
    </message>
    <message>
        <source>Opening Tarvo update page...</source>
        <translation>جارٍ فتح صفحة تحديث Tarvo...</translation>
    </message>
    <message>
        <source>Reading Url: %1 bytes read</source>
        <extracomment>The download&apos;s status while it runs; %1 is the number of bytes read so far.</extracomment>
        <translation>قراءة العنوان: تمت قراءة %1 بايت</translation>
    </message>
    <message>
        <source>The download is larger than %1 bytes.</source>
        <translation>حجم التنزيل أكبر من %1 بايت.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>No more handles could be generated at this time</source>
        <translation>تعذّر إنشاء مزيد من المقابض في الوقت الحالي</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>انتهت مهلة الطلب.</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>أعاد الخادم خطأً موسَّعًا.</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>حدث خطأ داخلي.</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>العنوان (URL) غير صالح.</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized, or is not supported.</source>
        <translation>تعذّر التعرّف على مخطط العنوان (URL) أو أنه غير مدعوم.</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>تعذّر تحليل اسم الخادم.</translation>
    </message>
    <message>
        <source>The requested protocol could not be located.</source>
        <translation>تعذّر العثور على البروتوكول المطلوب.</translation>
    </message>
    <message>
        <source>A request to InternetQueryOption or InternetSetOption specified an invalid option value.</source>
        <translation>حدّد طلبٌ إلى InternetQueryOption أو InternetSetOption قيمة خيار غير صالحة.</translation>
    </message>
    <message>
        <source>The length of an option supplied to InternetQueryOption or InternetSetOption is incorrect for the type of option specified.</source>
        <translation>طول الخيار المقدَّم إلى InternetQueryOption أو InternetSetOption غير صحيح لنوع الخيار المحدد.</translation>
    </message>
    <message>
        <source>The request option can not be set, only queried. </source>
        <translation>لا يمكن تعيين خيار الطلب، بل الاستعلام عنه فقط. </translation>
    </message>
    <message>
        <source>The Win32 Internet support is being shutdown or unloaded.</source>
        <translation>يجري إيقاف دعم الإنترنت في Win32 أو إلغاء تحميله.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied user name is incorrect.</source>
        <translation>تعذّر إكمال طلب الاتصال بخادم FTP وتسجيل الدخول إليه لأن اسم المستخدم المقدَّم غير صحيح.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied password is incorrect. </source>
        <translation>تعذّر إكمال طلب الاتصال بخادم FTP وتسجيل الدخول إليه لأن كلمة المرور المقدَّمة غير صحيحة. </translation>
    </message>
    <message>
        <source>The request to connect to and login to an FTP server failed.</source>
        <translation>فشل طلب الاتصال بخادم FTP وتسجيل الدخول إليه.</translation>
    </message>
    <message>
        <source>The requested operation is invalid. </source>
        <translation>العملية المطلوبة غير صالحة. </translation>
    </message>
    <message>
        <source>The operation was canceled, usually because the handle on which the request was operating was closed before the operation completed.</source>
        <translation>أُلغيت العملية، غالبًا لأن المقبض الذي كان الطلب يعمل عليه أُغلق قبل اكتمال العملية.</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>نوع المقبض المقدَّم غير صحيح لهذه العملية.</translation>
    </message>
    <message>
        <source>The requested operation can not be carried out because the handle supplied is not in the correct state.</source>
        <translation>يتعذّر تنفيذ العملية المطلوبة لأن المقبض المقدَّم ليس في الحالة الصحيحة.</translation>
    </message>
    <message>
        <source>The request can not be made via a proxy.</source>
        <translation>لا يمكن إرسال الطلب عبر خادم وكيل.</translation>
    </message>
    <message>
        <source>A required registry value could not be located. </source>
        <translation>تعذّر العثور على قيمة مطلوبة في السجل. </translation>
    </message>
    <message>
        <source>A required registry value was located but is an incorrect type or has an invalid value.</source>
        <translation>عُثر على قيمة مطلوبة في السجل لكن نوعها غير صحيح أو قيمتها غير صالحة.</translation>
    </message>
    <message>
        <source>Direct network access cannot be made at this time. </source>
        <translation>يتعذّر الوصول المباشر إلى الشبكة في الوقت الحالي. </translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a zero context value was supplied.</source>
        <translation>تعذّر إجراء طلب غير متزامن لأن قيمة السياق المقدَّمة صفر.</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a callback function has not been set.</source>
        <translation>تعذّر إجراء طلب غير متزامن لأنه لم يتم تعيين دالة رد الاستدعاء.</translation>
    </message>
    <message>
        <source>The required operation could not be completed because one or more requests are pending.</source>
        <translation>تعذّر إكمال العملية المطلوبة لوجود طلب واحد أو أكثر قيد الانتظار.</translation>
    </message>
    <message>
        <source>The format of the request is invalid.</source>
        <translation>صيغة الطلب غير صالحة.</translation>
    </message>
    <message>
        <source>The requested item could not be located.</source>
        <translation>تعذّر العثور على العنصر المطلوب.</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>فشلت محاولة الاتصال بالخادم.</translation>
    </message>
    <message>
        <source>The connection with the server has been terminated.</source>
        <translation>انقطع الاتصال بالخادم.</translation>
    </message>
    <message>
        <source>The connection with the server has been reset.</source>
        <translation>أُعيد تعيين الاتصال بالخادم.</translation>
    </message>
    <message>
        <source>The request failed because the handle already exists.</source>
        <translation>فشل الطلب لأن المقبض موجود بالفعل.</translation>
    </message>
    <message>
        <source>Error details not available.</source>
        <translation>تفاصيل الخطأ غير متوفرة.</translation>
    </message>
    <message>
        <source>Parsing page...</source>
        <translation>جارٍ تحليل الصفحة...</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>مودم</translation>
    </message>
    <message>
        <source>Modem (Busy)</source>
        <translation>مودم (مشغول)</translation>
    </message>
    <message>
        <source>LAN</source>
        <extracomment>A kind of Internet connection: a local network.</extracomment>
        <translation>شبكة محلية</translation>
    </message>
    <message>
        <source>Proxy Server</source>
        <translation>خادم وكيل</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <extracomment>%1 is the status the web server answered with (&quot;404 Not Found&quot;), %2 the address asked for.</extracomment>
        <translation>ردّ الخادم بـ %1 على طلب %2.</translation>
    </message>
    <message>
        <source>The download did not finish within %1 minutes.</source>
        <translation>لم يكتمل التنزيل خلال %1 دقيقة.</translation>
    </message>
    <message>
        <source>The server redirects the request in a loop.</source>
        <translation>يعيد الخادم توجيه الطلب في حلقة لا تنتهي.</translation>
    </message>
</context>
<context>
    <name>modTarvo</name>
    <message>
        <source>Tarvo Update Program</source>
        <translation>برنامج تحديث Tarvo</translation>
    </message>
    <message>
        <source>Program is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
    </message>
    <message>
        <source>Cannot run program... Missing parameters...</source>
        <translation>يتعذّر تشغيل البرنامج... المعاملات ناقصة...</translation>
    </message>
    <message>
        <source>Cannot run program... %1</source>
        <extracomment>%1 is an error code that stays as it is.</extracomment>
        <translation>يتعذّر تشغيل البرنامج... %1</translation>
    </message>
    <message>
        <source>Tarvo could not find the default Temp directory, cannot continue.</source>
        <translation>تعذّر على Tarvo العثور على مجلد الملفات المؤقتة الافتراضي، ولا يمكنه المتابعة.</translation>
    </message>
</context>
<context>
    <name>nv::DesktopNotice</name>
    <message>
        <source>Stop sound</source>
        <translation>إيقاف الصوت</translation>
    </message>
</context>
<context>
    <name>nv::fQuenlo</name>
    <message>
        <source>ORVEN Tarvo update  is in progress, Please wait...</source>
        <translation>جارٍ تحديث ORVEN Tarvo، يُرجى الانتظار...</translation>
    </message>
    <message>
        <source>Cannot run program...<byte value="xd"/>
ERR# %1 ...</source>
        <extracomment>%1 is an error code (QNL101 ...) that stays as it is.</extracomment>
        <translation>يتعذّر تشغيل البرنامج...<byte value="xd"/>
ERR# %1 ...</translation>
    </message>
    <message>
        <source>Quenlo Message</source>
        <translation>رسالة Quenlo</translation>
    </message>
</context>
<context>
    <name>nv::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>معلومات النظام غير متاحة في الوقت الحالي</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Tells you the times of the five daily prayers for your place, shows them as a calendar with Gregorian or Hijri dates, and alerts you when each prayer is due.</source>
        <translation>يخبرك بمواقيت الصلوات الخمس اليومية لمكانك، ويعرضها تقويمًا بالتاريخ الميلادي أو الهجري، وينبّهك حين يحين وقت كل صلاة.</translation>
    </message>
    <message>
        <source>The times are computed from the position of the sun for the place and method you set. Compare them with the timetable of your local mosque.</source>
        <translation>تُحسب المواقيت من موقع الشمس للمكان وطريقة الحساب اللذين حدّدتهما. قارنها بجدول مواقيت مسجدك المحلي.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>معلومات النظام (&amp;S)...</translation>
    </message>
</context>
<context>
    <name>nv::frmCompact</name>
    <message>
        <source>Compact Clock</source>
        <translation>الساعة المصغّرة</translation>
    </message>
    <message>
        <source>Prayer at 00:00 PM</source>
        <extracomment>Shown until the first tick replaces it with the next prayer and its time.</extracomment>
        <translation>الصلاة الساعة 00:00 م</translation>
    </message>
    <message>
        <source>Push Pin to Keep OnTop</source>
        <translation>ثبّت الدبوس لإبقائها في المقدمة</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>إبقاء في المقدمة</translation>
    </message>
    <message>
        <source>Keeps the compact clock above all other windows</source>
        <translation>يُبقي الساعة المصغّرة فوق كل النوافذ الأخرى</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Closes the compact clock</source>
        <translation>يغلق الساعة المصغّرة</translation>
    </message>
    <message>
        <source>Click for Normal Window</source>
        <translation>انقر للعودة إلى نافذة عادية</translation>
    </message>
    <message>
        <source>Push Pin to Keep Window OnTop</source>
        <translation>ثبّت الدبوس لإبقاء النافذة في المقدمة</translation>
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
        <translation>أسماء الأوقات (&amp;P)</translation>
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
        <translation>شمال (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>جنوب (&amp;S)</translation>
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
        <translation>شرق (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <translation>غرب (&amp;W)</translation>
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
        <extracomment>A link to a table of the coordinates of the world&apos;s cities.</extracomment>
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
        <translation>الموقع (&amp;L)</translation>
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
        <translation>شافعي (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>حنفي (&amp;H)</translation>
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
        <source>Fill the custom method with the parameters of an authority&apos;s published timetables</source>
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
        <translation>طريقة الحساب (&amp;C)</translation>
    </message>
    <message>
        <source> Daily Defaults </source>
        <translation> الإعدادات اليومية </translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>تغيير (&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Alert Manager</source>
        <translation>مدير التنبيهات (&amp;A)</translation>
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
        <extracomment>Between the parts of the authority&apos;s description.</extracomment>
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
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; %3: its sound file.</extracomment>
        <translation>%1 / ⁨%2⁩ - ⁦%3⁩</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; its sound alert is off.</extracomment>
        <translation>%1 / ⁨%2⁩ - متوقف</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>التنبيهات المثبتة</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan of the Umm Al-Qura calendar</source>
        <extracomment>%1: a number of minutes. Ramadan as the Umm Al-Qura calendar counts it.</extracomment>
        <translation>العشاء بعد المغرب بـ%1 دقيقة في رمضان حسب تقويم أم القرى</translation>
    </message>
    <message>
        <source>precise</source>
        <extracomment>The sun&apos;s position worked out at each prayer time&apos;s own moment.</extracomment>
        <translation>دقيق</translation>
    </message>
    <message>
        <source>classic (as earlier versions)</source>
        <extracomment>The day-of-year series of the program&apos;s earlier versions.</extracomment>
        <translation>تقليدي (كالإصدارات السابقة)</translation>
    </message>
    <message>
        <source>Precise: the sun where it stands at each prayer time.
Classic: the coarser yearly series of earlier versions, minutes off at times.</source>
        <translation>دقيق: الشمس حيث تكون عند كل وقت صلاة.
تقليدي: السلسلة السنوية الأقل دقة في الإصدارات السابقة، وقد تخطئ بدقائق أحيانًا.</translation>
    </message>
    <message>
        <source>Sun&apos;s Position</source>
        <translation>موضع الشمس</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The twilight (shafaq) the seasonal rule&apos;s Isha follows: the general one.</extracomment>
        <translation>العام</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The red glow after sunset (shafaq al-ahmar).</extracomment>
        <translation>الأحمر</translation>
    </message>
    <message>
        <source>White</source>
        <extracomment>The white glow after the red one (shafaq al-abyad).</extracomment>
        <translation>الأبيض</translation>
    </message>
    <message>
        <source>The twilight whose end the seasonal rule&apos;s Isha follows</source>
        <translation>الشفق الذي يدخل العشاء بمغيبه في القاعدة الموسمية</translation>
    </message>
    <message>
        <source>Shafaq</source>
        <extracomment>The twilight (shafaq) of the seasonal rule&apos;s Isha.</extracomment>
        <translation>الشفق</translation>
    </message>
    <message>
        <source>Fajr and Isha within the season&apos;s minutes of sunrise and sunset</source>
        <translation>الفجر والعشاء في حدود دقائق الموسم قبل الشروق وبعد الغروب</translation>
    </message>
    <message>
        <source>times rounded up to the minute, sunrise down</source>
        <translation>الأوقات مقرّبة إلى الدقيقة التالية، والشروق إلى السابقة</translation>
    </message>
</context>
<context>
    <name>nv::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>طباعة التقويم (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عرض (&amp;V)</translation>
    </message>
    <message>
        <source>Com&amp;pact</source>
        <translation>مصغّر (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>عادي (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأدوات (&amp;T)</translation>
    </message>
    <message>
        <source>Toolbar Te&amp;xt</source>
        <translation>نص شريط الأدوات (&amp;X)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>شريط الحالة (&amp;B)</translation>
    </message>
    <message>
        <source>To&amp;day</source>
        <translation>اليوم (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>الأسبوع (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>الشهر (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>السنة (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gregorian Date</source>
        <translation>تاريخ ميلادي (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Hijri Date</source>
        <translation>تاريخ هجري (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>تحديث (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>أدوات (&amp;T)</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>البحث عن تحديثات (&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>تخصيص (&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>خيارات (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>تعليمات (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents and Index...</source>
        <translation>المحتويات والفهرس (&amp;C)...</translation>
    </message>
    <message>
        <source>Noorvale &amp;Online</source>
        <translation>Noorvale على الإنترنت (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Noorvale Home Page...</source>
        <translation>صفحة Noorvale الرئيسية (&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Product News...</source>
        <translation>أخبار المنتج (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Download Library...</source>
        <translation>مكتبة التنزيلات (&amp;D)...</translation>
    </message>
    <message>
        <source>Frequently Asked &amp;Questions...</source>
        <translation>الأسئلة الشائعة (&amp;Q)...</translation>
    </message>
    <message>
        <source>Online &amp;Support...</source>
        <translation>الدعم عبر الإنترنت (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;ORVEN Home Page...</source>
        <translation>صفحة ORVEN الرئيسية (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;About Noorvale...</source>
        <translation>حول Noorvale (&amp;A)...</translation>
    </message>
    <message>
        <source>Current Time Clock</source>
        <translation>ساعة الوقت الحالي</translation>
    </message>
    <message>
        <source>Prayer Calendar</source>
        <translation>تقويم الصلاة</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Updating Calendar, Please wait...</source>
        <translation>جارٍ تحديث التقويم، يرجى الانتظار...</translation>
    </message>
    <message>
        <source>A high-latitude rule (Tools &gt; Customize &gt; Calculation Method) keeps Fajr and Isha within the night.</source>
        <translation>تُبقي قاعدةُ خطوط العرض العليا (أدوات &gt; تخصيص &gt; طريقة الحساب) وقتَي الفجر والعشاء ضمن الليل.</translation>
    </message>
    <message>
        <source>Printing Calendar, Please wait...</source>
        <translation>جارٍ طباعة التقويم، يرجى الانتظار...</translation>
    </message>
    <message>
        <source>Noorvale message</source>
        <translation>رسالة Noorvale</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>The next prayer, in the compact window and after &quot;Next Prayer:&quot;: %1 is its name, %2 its time.</extracomment>
        <translation>%1 الساعة %2</translation>
    </message>
    <message>
        <source>%1 - Next Prayer: %2</source>
        <extracomment>The main window&apos;s caption: %1 is the program&apos;s name, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>%1 - الصلاة التالية: %2</translation>
    </message>
    <message>
        <source>Next Prayer: %1</source>
        <translation>الصلاة التالية: %1</translation>
    </message>
    <message>
        <source>Current Location: %1</source>
        <translation>الموقع الحالي: %1</translation>
    </message>
    <message>
        <source>Alert Manager</source>
        <translation>مدير التنبيهات</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An Alert Manager entry: %1 is the prayer&apos;s name, %2 its time.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 - OFF</source>
        <extracomment>An Alert Manager entry whose sound is off for today; %1 is the prayer&apos;s name.</extracomment>
        <translation>%1 - متوقف</translation>
    </message>
    <message>
        <source>&amp;Compact</source>
        <translation>مصغّر (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Stop Playback</source>
        <translation>إيقاف التشغيل (&amp;S)</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>البحث عن تحديثات (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Exit Noorvale</source>
        <translation>خروج من Noorvale (&amp;E)</translation>
    </message>
    <message>
        <source>Closing Noorvale will disable its Alert Features.
Are you sure you want to quit?</source>
        <translation>إغلاق Noorvale سيعطّل ميزات التنبيه فيه.
هل تريد الخروج فعلًا؟</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A desktop notice at a prayer: %1 is its time, %2 the place&apos;s name.</extracomment>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>مزيد من الأدوات</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>مزيد من القوائم</translation>
    </message>
    <message>
        <source>The time is %1. %2</source>
        <extracomment>What a screen reader says of the clocks: %1 is the time, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>الساعة الآن %1. %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>طباعة التقويم</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>مصغّر</translation>
    </message>
    <message>
        <source>View Compact Mode</source>
        <translation>العرض المصغّر</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Change Date Style</source>
        <translation>تغيير نمط التاريخ</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>طرق العرض</translation>
    </message>
    <message>
        <source>Change View Type</source>
        <translation>تغيير نوع العرض</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>تخصيص</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Check for Program Updates</source>
        <translation>البحث عن تحديثات للبرنامج</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>عرض التعليمات</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <translation>ميلادي</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>الأسبوع</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
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
            <numerusform>تذكير بالتحديث كل %n يوم

باستخدام اتصالك بالإنترنت، يستطيع Tarvo الاتصال بموقع
ORVEN والبحث عن التحديثات المتاحة، ثم تنزيلها وتثبيتها
تلقائيًا. هذه أفضل طريقة لتحديث ملفات Noorvale
لديك.

هل تريد تشغيل Tarvo الآن؟</numerusform>
            <numerusform>تذكير بالتحديث كل يوم

باستخدام اتصالك بالإنترنت، يستطيع Tarvo الاتصال بموقع
ORVEN والبحث عن التحديثات المتاحة، ثم تنزيلها وتثبيتها
تلقائيًا. هذه أفضل طريقة لتحديث ملفات Noorvale
لديك.

هل تريد تشغيل Tarvo الآن؟</numerusform>
            <numerusform>تذكير بالتحديث كل يومين

باستخدام اتصالك بالإنترنت، يستطيع Tarvo الاتصال بموقع
ORVEN والبحث عن التحديثات المتاحة، ثم تنزيلها وتثبيتها
تلقائيًا. هذه أفضل طريقة لتحديث ملفات Noorvale
لديك.

هل تريد تشغيل Tarvo الآن؟</numerusform>
            <numerusform>تذكير بالتحديث كل %n أيام

باستخدام اتصالك بالإنترنت، يستطيع Tarvo الاتصال بموقع
ORVEN والبحث عن التحديثات المتاحة، ثم تنزيلها وتثبيتها
تلقائيًا. هذه أفضل طريقة لتحديث ملفات Noorvale
لديك.

هل تريد تشغيل Tarvo الآن؟</numerusform>
            <numerusform>تذكير بالتحديث كل %n يومًا

باستخدام اتصالك بالإنترنت، يستطيع Tarvo الاتصال بموقع
ORVEN والبحث عن التحديثات المتاحة، ثم تنزيلها وتثبيتها
تلقائيًا. هذه أفضل طريقة لتحديث ملفات Noorvale
لديك.

هل تريد تشغيل Tarvo الآن؟</numerusform>
            <numerusform>تذكير بالتحديث كل %n يوم

باستخدام اتصالك بالإنترنت، يستطيع Tarvo الاتصال بموقع
ORVEN والبحث عن التحديثات المتاحة، ثم تنزيلها وتثبيتها
تلقائيًا. هذه أفضل طريقة لتحديث ملفات Noorvale
لديك.

هل تريد تشغيل Tarvo الآن؟</numerusform>
        </translation>
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
        <translation>استعراض (&amp;B)...</translation>
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
        <extracomment>Followed by a box with the number of days and the word &quot;days&quot;.</extracomment>
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
        <translation>عام (&amp;G)</translation>
    </message>
    <message>
        <source> Calendar Settings </source>
        <translation> إعدادات التقويم </translation>
    </message>
    <message>
        <source>Show Grid&amp;lines</source>
        <translation>إظهار خطوط الشبكة (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;AutoResize Columns</source>
        <translation>ضبط عرض الأعمدة تلقائيًا (&amp;A)</translation>
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
        <translation>التقويم (&amp;C)</translation>
    </message>
    <message>
        <source>Show Numbe&amp;rs</source>
        <translation>إظهار الأرقام (&amp;R)</translation>
    </message>
    <message>
        <source>Show Secon&amp;ds</source>
        <translation>إظهار الثواني (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Normal View</source>
        <translation>العرض العادي (&amp;N)</translation>
    </message>
    <message>
        <source>Show N&amp;umbers</source>
        <translation>إظهار الأرقام (&amp;U)</translation>
    </message>
    <message>
        <source>Show S&amp;econds</source>
        <translation>إظهار الثواني (&amp;E)</translation>
    </message>
    <message>
        <source>Sho&amp;w Borders</source>
        <translation>إظهار الحواف (&amp;W)</translation>
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
        <translation>العرض المصغّر (&amp;V)</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>The number of days can not exceed %1 days</source>
        <translation>لا يمكن أن يتجاوز عدد الأيام %1 يومًا</translation>
    </message>
    <message>
        <source>Tabular (arithmetical)</source>
        <translation>الجدولي (الحسابي)</translation>
    </message>
    <message>
        <source>Umm Al-Qura (Saudi Arabia)</source>
        <translation>أم القرى (السعودية)</translation>
    </message>
    <message>
        <source>Days added to the Hijri date, for a community whose month begins when it sights the moon</source>
        <translation>أيام تُضاف إلى التاريخ الهجري، لمن يبدأ شهره برؤية الهلال</translation>
    </message>
    <message>
        <source>Hijri Calendar</source>
        <translation>التقويم الهجري</translation>
    </message>
    <message>
        <source>Hijri Adjustment (days)</source>
        <translation>تعديل التاريخ الهجري (أيام)</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon&apos;s menu (seen by screen readers).</extracomment>
        <translation>القائمة المنبثقة (&amp;P)</translation>
    </message>
</context>
<context>
    <name>nv::frmTarvo</name>
    <message>
        <source>Tarvo Updates</source>
        <translation>تحديثات Tarvo</translation>
    </message>
    <message>
        <source>Software Updates</source>
        <translation>تحديثات البرامج</translation>
    </message>
    <message>
        <source>Please wait while Tarvo updates your software.</source>
        <translation>يُرجى الانتظار ريثما يحدّث Tarvo برامجك.</translation>
    </message>
    <message>
        <source>Connecting to the Internet</source>
        <translation>الاتصال بالإنترنت</translation>
    </message>
    <message>
        <source>Looking for software updates</source>
        <translation>البحث عن تحديثات البرامج</translation>
    </message>
    <message>
        <source>Retrieving updates</source>
        <translation>تنزيل التحديثات</translation>
    </message>
    <message>
        <source>Installing updates</source>
        <translation>تثبيت التحديثات</translation>
    </message>
    <message>
        <source>Processing, Please wait...</source>
        <translation>جارٍ المعالجة، يُرجى الانتظار...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>ORVEN Tarvo for %1</source>
        <extracomment>The window title; %1 is the product that is updated (Noorvale).</extracomment>
        <translation>ORVEN Tarvo لبرنامج %1</translation>
    </message>
    <message>
        <source>%1 Software Updates</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>تحديثات %1</translation>
    </message>
    <message>
        <source>%1, Please wait...</source>
        <extracomment>%1 is the step under way (&quot;Retrieving updates&quot;).</extracomment>
        <translation>%1، يُرجى الانتظار...</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Tarvo has completed the update.</source>
        <translation>أكمل Tarvo التحديث.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>You must have an active connection to the Internet<byte value="xd"/>
for Tarvo to function properly. Please establish<byte value="xd"/>
an Internet Connection and try again.</source>
        <translation>يجب أن يكون لديك اتصال نشط بالإنترنت<byte value="xd"/>
كي يعمل Tarvo كما ينبغي. يُرجى الاتصال<byte value="xd"/>
بالإنترنت ثم المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Internet Status: Connected: %1</source>
        <extracomment>%1 is the kind of connection (LAN, Modem, Proxy Server).</extracomment>
        <translation>حالة الإنترنت: متصل: %1</translation>
    </message>
    <message>
        <source>Internet Status: Not Connected</source>
        <translation>حالة الإنترنت: غير متصل</translation>
    </message>
    <message>
        <source>Update Failed, could not connect to the Internet.</source>
        <translation>فشل التحديث، تعذّر الاتصال بالإنترنت.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>فشل التنزيل.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve Tarvo file. %1</source>
        <translation>فشل التحديث، تعذّر تنزيل ملف Tarvo. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not open Tarvo file.</source>
        <translation>فشل التحديث، تعذّر فتح ملف Tarvo.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid. %1</source>
        <translation>فشل التحديث، ملف Tarvo غير صالح. %1</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid.</source>
        <translation>فشل التحديث، ملف Tarvo غير صالح.</translation>
    </message>
    <message>
        <source>Update Failed, update package is not valid.</source>
        <translation>فشل التحديث، حزمة التحديث غير صالحة.</translation>
    </message>
    <message>
        <source>There is a newer version of the Tarvo program available...<byte value="xd"/>
You MUST update Tarvo before checking for %1 updates.<byte value="xd"/>
<byte value="xd"/>
Do you wish to download the update now?</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>يتوفر إصدار أحدث من برنامج Tarvo...<byte value="xd"/>
يجب تحديث Tarvo قبل البحث عن تحديثات %1.<byte value="xd"/>
<byte value="xd"/>
هل تريد تنزيل التحديث الآن؟</translation>
    </message>
    <message>
        <source>Tarvo Message</source>
        <translation>رسالة Tarvo</translation>
    </message>
    <message>
        <source>Tarvo version is not up to date.</source>
        <translation>إصدار Tarvo ليس الأحدث.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo version is not up to date.</source>
        <translation>فشل التحديث، إصدار Tarvo ليس الأحدث.</translation>
    </message>
    <message>
        <source>You have the latest version, No update is available at this time.</source>
        <translation>لديك الإصدار الأحدث، ولا يتوفر أي تحديث في الوقت الحالي.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve updated files. %1</source>
        <translation>فشل التحديث، تعذّر تنزيل الملفات المحدَّثة. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not authenticate update files. %1</source>
        <translation>فشل التحديث، تعذّر التحقق من صحة ملفات التحديث. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not extract update files.</source>
        <translation>فشل التحديث، تعذّر استخراج ملفات التحديث.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files.</source>
        <translation>فشل التحديث، تعذّر استخراج الملفات.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files. %1</source>
        <translation>فشل التحديث، تعذّر استخراج الملفات. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>فشل التحديث، تعذّر تثبيت ملفات التحديث. يتعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1</source>
        <translation>فشل التحديث، تعذّر تثبيت ملفات التحديث. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not locate update files.</source>
        <translation>فشل التحديث، تعذّر العثور على ملفات التحديث.</translation>
    </message>
    <message>
        <source>Update Failed, could not copy update files. %1</source>
        <translation>فشل التحديث، تعذّر نسخ ملفات التحديث. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1 The previous version was restored.</source>
        <extracomment>%1 is the cause, a sentence of its own.</extracomment>
        <translation>فشل التحديث، تعذّر تثبيت ملفات التحديث. %1 تمت استعادة الإصدار السابق.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطي</translation>
    </message>
    <message>
        <source>Tarvo update Failed...</source>
        <translation>فشل تحديث Tarvo...</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the Tarvo update?</source>
        <translation>هل أنت متأكد من أنك تريد إلغاء تحديث Tarvo؟</translation>
    </message>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>لا توجد مساحة خالية كافية على القرص.</translation>
    </message>
    <message>
        <source>The data does not match its checksum.</source>
        <translation>البيانات لا تطابق مجموع التحقق الخاص بها.</translation>
    </message>
    <message>
        <source>The update names no SHA-256 checksum for %1.</source>
        <extracomment>%1 is a file name of the update.</extracomment>
        <translation>لا يذكر التحديث مجموع تحقق SHA-256 للملف %1.</translation>
    </message>
    <message>
        <source>This update is not signed.</source>
        <translation>هذا التحديث غير موقَّع.</translation>
    </message>
    <message>
        <source>The update server %1 is not answering, although the Internet<byte value="xd"/>
can be reached. It may be down for a while; please try again later.</source>
        <translation>خادم التحديث %1 لا يستجيب، مع أن الإنترنت<byte value="xd"/>
متاح. ربما يكون متوقفًا بعض الوقت؛ يُرجى المحاولة لاحقًا.</translation>
    </message>
    <message>
        <source>Update Failed, the update server %1 is not answering.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>فشل التحديث، خادم التحديث %1 لا يستجيب.</translation>
    </message>
    <message>
        <source>The update information file names no valid version.</source>
        <translation>لا يذكر ملف معلومات التحديث إصدارًا صالحًا.</translation>
    </message>
    <message>
        <source>Update Failed, the update offered is version %1, older than the installed version %2.</source>
        <extracomment>%1 is the version offered by the update, %2 the version installed (&quot;1.1&quot;).</extracomment>
        <translation>فشل التحديث، التحديث المعروض هو الإصدار %1، وهو أقدم من الإصدار المثبّت %2.</translation>
    </message>
    <message>
        <source>Version %1 is installed already, No update is available at this time.</source>
        <extracomment>%1 is the version installed (&quot;1.1&quot;).</extracomment>
        <translation>الإصدار %1 مثبّت بالفعل، ولا يتوفر أي تحديث في الوقت الحالي.</translation>
    </message>
</context>
<context>
    <name>Alert</name>
    <message>
        <source>It is time for Fajr prayer.</source>
        <extracomment>The alert at Fajr&apos;s minute; say the prayer&apos;s name as your language names the prayer (Turkish: Sabah namazı).</extracomment>
        <translation>حان الآن وقت صلاة الفجر.</translation>
    </message>
    <message>
        <source>It is sunrise (Shurooq).</source>
        <extracomment>At sunrise there is no prayer: the sentence names the sunrise.</extracomment>
        <translation>حان الآن وقت الشروق.</translation>
    </message>
    <message>
        <source>It is time for Dhuhr prayer.</source>
        <translation>حان الآن وقت صلاة الظهر.</translation>
    </message>
    <message>
        <source>It is time for Asr prayer.</source>
        <translation>حان الآن وقت صلاة العصر.</translation>
    </message>
    <message>
        <source>It is time for Maghrib prayer.</source>
        <translation>حان الآن وقت صلاة المغرب.</translation>
    </message>
    <message>
        <source>It is time for Isha prayer.</source>
        <translation>حان الآن وقت صلاة العشاء.</translation>
    </message>
    <message>
        <source>Fajr now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at Fajr&apos;s minute: short, the prayer named.</extracomment>
        <translation>حان وقت الفجر.</translation>
    </message>
    <message>
        <source>Shurooq now.</source>
        <translation>حان وقت الشروق.</translation>
    </message>
    <message>
        <source>Dhuhr now.</source>
        <translation>حان وقت الظهر.</translation>
    </message>
    <message>
        <source>Asr now.</source>
        <translation>حان وقت العصر.</translation>
    </message>
    <message>
        <source>Maghrib now.</source>
        <translation>حان وقت المغرب.</translation>
    </message>
    <message>
        <source>Isha now.</source>
        <translation>حان وقت العشاء.</translation>
    </message>
    <message>
        <source>It is time for %1 prayer.</source>
        <translation>حان الآن وقت صلاة %1.</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <translation>حان وقت %1.</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Val:</source>
        <extracomment>The value (brightness) of a colour in the colour dialog.</extracomment>
        <translation>القيمة (&amp;V):</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>الطباعة على الوجهين</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>No double-sided printing.</extracomment>
        <translation>معطّلة</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>التجليد على الحافة الطويلة</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>التجليد على الحافة القصيرة</translation>
    </message>
</context>
</TS>
