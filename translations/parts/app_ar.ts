<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
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
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
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
        <source>Time Zone = GMT %1   Altitude = %2 metres</source>
        <extracomment>%1 is the offset from GMT in hours (&quot;-5&quot;, &quot;+5:30&quot;, &quot;-5 / -4&quot; when it changes), %2 the altitude.</extracomment>
        <translation>المنطقة الزمنية = GMT %1   الارتفاع = %2 متر</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>التعديلات = %1 دقيقة</translation>
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
    <name>nv::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>&amp;طباعة التقويم...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>Com&amp;pact</source>
        <translation>&amp;مصغّر</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;عادي</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأ&amp;دوات</translation>
    </message>
    <message>
        <source>Toolbar Te&amp;xt</source>
        <translation>&amp;نص شريط الأدوات</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>شريط ال&amp;حالة</translation>
    </message>
    <message>
        <source>To&amp;day</source>
        <translation>ال&amp;يوم</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>الأ&amp;سبوع</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>ال&amp;شهر</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>السن&amp;ة</translation>
    </message>
    <message>
        <source>&amp;Gregorian Date</source>
        <translation>تا&amp;ريخ ميلادي</translation>
    </message>
    <message>
        <source>&amp;Hijri Date</source>
        <translation>تاريخ &amp;هجري</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;تحديث</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>البحث عن ت&amp;حديثات...</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;تخصيص...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;خيارات...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>&amp;Contents and Index...</source>
        <translation>ال&amp;محتويات والفهرس...</translation>
    </message>
    <message>
        <source>Noorvale &amp;Online</source>
        <translation>Noorvale &amp;على الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Noorvale Home Page...</source>
        <translation>&amp;صفحة Noorvale الرئيسية...</translation>
    </message>
    <message>
        <source>&amp;Product News...</source>
        <translation>أ&amp;خبار المنتج...</translation>
    </message>
    <message>
        <source>&amp;Download Library...</source>
        <translation>مكتبة الت&amp;نزيلات...</translation>
    </message>
    <message>
        <source>Frequently Asked &amp;Questions...</source>
        <translation>الأسئلة ال&amp;شائعة...</translation>
    </message>
    <message>
        <source>Online &amp;Support...</source>
        <translation>ال&amp;دعم عبر الإنترنت...</translation>
    </message>
    <message>
        <source>&amp;ORVEN Home Page...</source>
        <translation>صفحة ORVEN ال&amp;رئيسية...</translation>
    </message>
    <message>
        <source>&amp;About Noorvale...</source>
        <translation>&amp;حول Noorvale...</translation>
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
        <source>It is time for %1 prayer.</source>
        <translation>حان الآن وقت صلاة %1.</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at a prayer&apos;s minute; %1 is its name.</extracomment>
        <translation>حان وقت %1.</translation>
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
        <translation>&amp;مصغّر</translation>
    </message>
    <message>
        <source>&amp;Stop Playback</source>
        <translation>إي&amp;قاف التشغيل</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>البحث عن ت&amp;حديثات</translation>
    </message>
    <message>
        <source>&amp;Exit Noorvale</source>
        <translation>&amp;خروج من Noorvale</translation>
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
    <message>
        <source>%1 days update reminder

Using your Internet connections Tarvo can connects to the
ORVEN site, checks for available updates, then downloads and
installs them automatically. This is the most efficient method
to update your Noorvale files,

Would you like to run Tarvo now?</source>
        <extracomment>%1 is the number of days between two reminders.</extracomment>
        <translation>تذكير بالتحديث كل %1 يوم

باستخدام اتصالك بالإنترنت، يستطيع Tarvo الاتصال بموقع
ORVEN والبحث عن التحديثات المتاحة، ثم تنزيلها وتثبيتها
تلقائيًا. هذه أفضل طريقة لتحديث ملفات Noorvale
لديك.

هل تريد تشغيل Tarvo الآن؟</translation>
    </message>
</context>
</TS>
