<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>MExceptionHandler</name>
    <message>
        <source>Access Violation</source>
        <translation>رسائی کی خلاف ورزی</translation>
    </message>
    <message>
        <source>Data Type Misalignment</source>
        <translation>ڈیٹا کی قسم کی غلط ترتیب</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>بریک پوائنٹ</translation>
    </message>
    <message>
        <source>Single Step</source>
        <translation>سنگل اسٹیپ</translation>
    </message>
    <message>
        <source>Array Bounds Exceeded</source>
        <translation>ارے کی حدود سے تجاوز</translation>
    </message>
    <message>
        <source>Float Denormal Operand</source>
        <translation>فلوٹنگ پوائنٹ کا غیر معیاری آپرینڈ</translation>
    </message>
    <message>
        <source>Divide By Zero</source>
        <translation>صفر سے تقسیم</translation>
    </message>
    <message>
        <source>Floating Point Inexact Result</source>
        <translation>فلوٹنگ پوائنٹ کا غیر قطعی نتیجہ</translation>
    </message>
    <message>
        <source>Invalid Operation</source>
        <translation>غلط عمل</translation>
    </message>
    <message>
        <source>Float Overflow</source>
        <translation>فلوٹنگ پوائنٹ اوور فلو</translation>
    </message>
    <message>
        <source>Float Stack Check</source>
        <translation>فلوٹنگ پوائنٹ اسٹیک کی جانچ</translation>
    </message>
    <message>
        <source>Float Underflow</source>
        <translation>فلوٹنگ پوائنٹ انڈر فلو</translation>
    </message>
    <message>
        <source>Integer Divide By Zero</source>
        <translation>عددِ صحیح کی صفر سے تقسیم</translation>
    </message>
    <message>
        <source>Integer Overflow</source>
        <translation>عددِ صحیح کا اوور فلو</translation>
    </message>
    <message>
        <source>Privileged Instruction</source>
        <translation>مراعات یافتہ ہدایت</translation>
    </message>
    <message>
        <source>In Page Error</source>
        <translation>صفحے میں خرابی</translation>
    </message>
    <message>
        <source>Illegal Instruction</source>
        <translation>غیر قانونی ہدایت</translation>
    </message>
    <message>
        <source>Non Continuable Exception</source>
        <translation>ناقابلِ تسلسل استثنا</translation>
    </message>
    <message>
        <source>Stack Overflow</source>
        <translation>اسٹیک اوور فلو</translation>
    </message>
    <message>
        <source>Invalid Disposition</source>
        <translation>غلط ترتیب</translation>
    </message>
    <message>
        <source>Guard Page Violation</source>
        <translation>گارڈ صفحے کی خلاف ورزی</translation>
    </message>
    <message>
        <source>Invalid Handle</source>
        <translation>غلط ہینڈل</translation>
    </message>
    <message>
        <source>Control-C Exit</source>
        <translation>Control-C سے اخراج</translation>
    </message>
    <message>
        <source>Unknown (&amp;H%1)</source>
        <extracomment>A processor fault without a name; %1 is its code in hexadecimal.</extracomment>
        <translation>نامعلوم (&amp;H%1)</translation>
    </message>
</context>
<context>
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>پروگرام پہلے سے چل رہا ہے</translation>
    </message>
</context>
<context>
    <name>PrintCalLVW</name>
    <message>
        <source>Subscript out of range</source>
        <translation>اشاریہ حد سے باہر ہے</translation>
    </message>
    <message>
        <source>Printing Calendar, Page: %1 of %2</source>
        <translation>کیلنڈر پرنٹ ہو رہا ہے، صفحہ %1 از %2</translation>
    </message>
    <message>
        <source>Prayer Schedule for %1</source>
        <extracomment>The printed calendar&apos;s title; %1 is the place&apos;s name.</extracomment>
        <translation>%1 کے لیے نماز کے اوقات</translation>
    </message>
    <message>
        <source>Latitude = %1` %2`` %3 Longitude = %4` %5`` %6</source>
        <extracomment>The printed calendar&apos;s place: degrees (%1, %4) and minutes (%2, %5) of latitude and longitude, written ` and ``; %3 is North or South, %6 East or West.</extracomment>
        <translation>عرض البلد = %1` %2`` %3 طول البلد = %4` %5`` %6</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>West</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>East</source>
        <translation>مشرق</translation>
    </message>
    <message>
        <source>Time Zone = GMT %1   Altitude = %2 metres</source>
        <extracomment>%1 is the offset from GMT in hours (&quot;-5&quot;, &quot;+5:30&quot;, &quot;-5 / -4&quot; when it changes), %2 the altitude.</extracomment>
        <translation>ٹائم زون = GMT %1   بلندی = %2 میٹر</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>ترامیم = %1 منٹ</translation>
    </message>
</context>
<context>
    <name>TwipsPrinter</name>
    <message>
        <source>Printer error</source>
        <translation>پرنٹر کی خرابی</translation>
    </message>
</context>
<context>
    <name>nv::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;فائل</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>کیلنڈر &amp;پرنٹ کریں...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بند کریں</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;منظر</translation>
    </message>
    <message>
        <source>Com&amp;pact</source>
        <translation>&amp;مختصر</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;عام</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;ٹول بار</translation>
    </message>
    <message>
        <source>Toolbar Te&amp;xt</source>
        <translation>ٹول بار کا م&amp;تن</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;اسٹیٹس بار</translation>
    </message>
    <message>
        <source>To&amp;day</source>
        <translation>آ&amp;ج</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>&amp;ہفتہ</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>مہی&amp;نہ</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;سال</translation>
    </message>
    <message>
        <source>&amp;Gregorian Date</source>
        <translation>ع&amp;یسوی تاریخ</translation>
    </message>
    <message>
        <source>&amp;Hijri Date</source>
        <translation>ہج&amp;ری تاریخ</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>تا&amp;زہ کریں</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;اوزار</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>اپ ڈیٹس &amp;تلاش کریں...</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;حسبِ منشا...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;اختیارات...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;دد</translation>
    </message>
    <message>
        <source>&amp;Contents and Index...</source>
        <translation>&amp;مندرجات اور اشاریہ...</translation>
    </message>
    <message>
        <source>Noorvale &amp;Online</source>
        <translation>Noorvale &amp;آن لائن</translation>
    </message>
    <message>
        <source>&amp;Noorvale Home Page...</source>
        <translation>Noorvale کا &amp;ہوم پیج...</translation>
    </message>
    <message>
        <source>&amp;Product News...</source>
        <translation>&amp;پروڈکٹ کی خبریں...</translation>
    </message>
    <message>
        <source>&amp;Download Library...</source>
        <translation>&amp;ڈاؤن لوڈ لائبریری...</translation>
    </message>
    <message>
        <source>Frequently Asked &amp;Questions...</source>
        <translation>اکثر پوچھے جانے والے &amp;سوالات...</translation>
    </message>
    <message>
        <source>Online &amp;Support...</source>
        <translation>آن لائن &amp;معاونت...</translation>
    </message>
    <message>
        <source>&amp;ORVEN Home Page...</source>
        <translation>ORVEN کا ہوم پی&amp;ج...</translation>
    </message>
    <message>
        <source>&amp;About Noorvale...</source>
        <translation>Noorvale &amp;کے بارے میں...</translation>
    </message>
    <message>
        <source>Current Time Clock</source>
        <translation>موجودہ وقت کی گھڑی</translation>
    </message>
    <message>
        <source>Prayer Calendar</source>
        <translation>نماز کا کیلنڈر</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>Updating Calendar, Please wait...</source>
        <translation>کیلنڈر اپ ڈیٹ ہو رہا ہے، براہِ کرم انتظار کریں...</translation>
    </message>
    <message>
        <source>A high-latitude rule (Tools &gt; Customize &gt; Calculation Method) keeps Fajr and Isha within the night.</source>
        <translation>بلند عرض البلد کا ایک قاعدہ (اوزار &gt; حسبِ منشا &gt; طریقۂ حساب) فجر اور عشاء کو رات کے اندر رکھتا ہے۔</translation>
    </message>
    <message>
        <source>Printing Calendar, Please wait...</source>
        <translation>کیلنڈر پرنٹ ہو رہا ہے، براہِ کرم انتظار کریں...</translation>
    </message>
    <message>
        <source>Noorvale message</source>
        <translation>Noorvale کا پیغام</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>The next prayer, in the compact window and after &quot;Next Prayer:&quot;: %1 is its name, %2 its time.</extracomment>
        <translation>%1 بوقت %2</translation>
    </message>
    <message>
        <source>%1 - Next Prayer: %2</source>
        <extracomment>The main window&apos;s caption: %1 is the program&apos;s name, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>%1 - اگلی نماز: %2</translation>
    </message>
    <message>
        <source>Next Prayer: %1</source>
        <translation>اگلی نماز: %1</translation>
    </message>
    <message>
        <source>Current Location: %1</source>
        <translation>موجودہ مقام: %1</translation>
    </message>
    <message>
        <source>It is time for %1 prayer.</source>
        <translation>%1 کی نماز کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at a prayer&apos;s minute; %1 is its name.</extracomment>
        <translation>%1 کا وقت۔</translation>
    </message>
    <message>
        <source>Alert Manager</source>
        <translation>الرٹ منیجر</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An Alert Manager entry: %1 is the prayer&apos;s name, %2 its time.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 - OFF</source>
        <extracomment>An Alert Manager entry whose sound is off for today; %1 is the prayer&apos;s name.</extracomment>
        <translation>%1 - بند</translation>
    </message>
    <message>
        <source>&amp;Compact</source>
        <translation>&amp;مختصر</translation>
    </message>
    <message>
        <source>&amp;Stop Playback</source>
        <translation>پلے بیک &amp;روکیں</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>اپ ڈیٹس &amp;تلاش کریں</translation>
    </message>
    <message>
        <source>&amp;Exit Noorvale</source>
        <translation>Noorvale سے &amp;باہر نکلیں</translation>
    </message>
    <message>
        <source>Closing Noorvale will disable its Alert Features.
Are you sure you want to quit?</source>
        <translation>Noorvale بند کرنے سے اس کے الرٹ کام نہیں کریں گے۔
کیا آپ واقعی باہر نکلنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A desktop notice at a prayer: %1 is its time, %2 the place&apos;s name.</extracomment>
        <translation>%2 میں %1</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>مزید اوزار</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>مزید مینو</translation>
    </message>
    <message>
        <source>The time is %1. %2</source>
        <extracomment>What a screen reader says of the clocks: %1 is the time, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>اس وقت %1 ہیں۔ %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>پرنٹ</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>کیلنڈر پرنٹ کریں</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>مختصر</translation>
    </message>
    <message>
        <source>View Compact Mode</source>
        <translation>مختصر منظر دکھائیں</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Change Date Style</source>
        <translation>تاریخ کا انداز بدلیں</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>مناظر</translation>
    </message>
    <message>
        <source>Change View Type</source>
        <translation>منظر کی قسم بدلیں</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>حسبِ منشا</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>اختیارات</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>اپ ڈیٹ</translation>
    </message>
    <message>
        <source>Check for Program Updates</source>
        <translation>پروگرام کی اپ ڈیٹس تلاش کریں</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مدد</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>مدد دکھائیں</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <translation>عیسوی</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>آج</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>ہفتہ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>%1 days update reminder

Using your Internet connections Tarvo can connects to the
ORVEN site, checks for available updates, then downloads and
installs them automatically. This is the most efficient method
to update your Noorvale files,

Would you like to run Tarvo now?</source>
        <extracomment>%1 is the number of days between two reminders.</extracomment>
        <translation>ہر %1 دن بعد اپ ڈیٹ کی یاد دہانی

آپ کے انٹرنیٹ کنکشن کے ذریعے Tarvo، ORVEN کی سائٹ سے
جڑ کر دستیاب اپ ڈیٹس تلاش کر سکتا ہے، پھر انہیں خودکار طور پر
ڈاؤن لوڈ اور انسٹال کر دیتا ہے۔ Noorvale کی فائلیں اپ ڈیٹ کرنے کا
یہ سب سے مؤثر طریقہ ہے۔

کیا آپ ابھی Tarvo چلانا چاہتے ہیں؟</translation>
    </message>
</context>
</TS>
