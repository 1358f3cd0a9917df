<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>ورژن %1.%2.%3</translation>
    </message>
</context>
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
    <message>
        <source>JAKIM, Kelantan</source>
        <translation>جاکم، کلنتن</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>مصر کی جنرل اتھارٹی برائے پیمائش</translation>
    </message>
    <message>
        <source>ISNA Canada</source>
        <translation>اسلامک سوسائٹی آف نارتھ امریکہ، کینیڈا</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>عالمی رؤیتِ ہلال کمیٹی</translation>
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
    <message>
        <source>No Asr shadow: the sun does not reach the Asr altitude on this day.</source>
        <translation>عصر کا سایہ نہیں: اس دن سورج عصر کی بلندی تک نہیں پہنچتا۔</translation>
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
    <name>InstallRun</name>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>ڈسک پر کافی خالی جگہ نہیں ہے۔</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>فائل %1 لکھی نہیں جا سکی۔</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>فولڈر %1 نہیں بنایا جا سکتا۔</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>فائل %1 موجود نہیں ہے۔</translation>
    </message>
    <message>
        <source>A folder stands where the file %1 goes.</source>
        <translation>جہاں فائل %1 کو جانا ہے وہاں ایک فولڈر موجود ہے۔</translation>
    </message>
    <message>
        <source>The old copy of %1 could not be kept.</source>
        <translation>%1 کی پرانی نقل محفوظ نہیں رکھی جا سکی۔</translation>
    </message>
    <message>
        <source>The file %1 could not be put in place.</source>
        <translation>فائل %1 اپنی جگہ پر نہیں رکھی جا سکی۔</translation>
    </message>
</context>
<context>
    <name>MExceptionHandler</name>
    <message>
        <source>Access Violation</source>
        <translation>میموری تک ناجائز رسائی</translation>
    </message>
    <message>
        <source>Data Type Misalignment</source>
        <translation>ڈیٹا کی غلط صف بندی</translation>
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
        <translation>ایرے کی حد سے تجاوز</translation>
    </message>
    <message>
        <source>Float Denormal Operand</source>
        <translation>فلوٹنگ پوائنٹ کا ڈی نارمل آپرینڈ</translation>
    </message>
    <message>
        <source>Divide By Zero</source>
        <translation>صفر سے تقسیم</translation>
    </message>
    <message>
        <source>Floating Point Inexact Result</source>
        <translation>فلوٹنگ پوائنٹ کا تقریبی نتیجہ</translation>
    </message>
    <message>
        <source>Invalid Operation</source>
        <translation>غیر درست آپریشن</translation>
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
        <translation>غیر مجاز انسٹرکشن</translation>
    </message>
    <message>
        <source>In Page Error</source>
        <translation>میموری پیج پڑھنے میں خرابی</translation>
    </message>
    <message>
        <source>Illegal Instruction</source>
        <translation>غیر درست انسٹرکشن</translation>
    </message>
    <message>
        <source>Non Continuable Exception</source>
        <translation>ایسا استثنا جس کے بعد کام جاری نہیں رہ سکتا</translation>
    </message>
    <message>
        <source>Stack Overflow</source>
        <translation>اسٹیک اوور فلو</translation>
    </message>
    <message>
        <source>Invalid Disposition</source>
        <translation>استثنا کا غلط نمٹارا</translation>
    </message>
    <message>
        <source>Guard Page Violation</source>
        <translation>گارڈ پیج تک ناجائز رسائی</translation>
    </message>
    <message>
        <source>Invalid Handle</source>
        <translation>غیر درست ہینڈل</translation>
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
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>پروگرام پہلے سے چل رہا ہے</translation>
    </message>
</context>
<context>
    <name>Pickers</name>
    <message>
        <source>All Supported Files</source>
        <translation>تمام معاون فائلیں</translation>
    </message>
    <message>
        <source>Windows Wave Files (*.wav)</source>
        <translation>Windows Wave فائلیں (*.wav)</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>تمام فائلیں</translation>
    </message>
    <message>
        <source>Windows Bitmap (*.bmp)</source>
        <translation>Windows بٹ میپ (*.bmp)</translation>
    </message>
    <message>
        <source>Joint Photographic Experts Group (*.jpg)</source>
        <translation>JPEG تصاویر (*.jpg)</translation>
    </message>
    <message>
        <source>Graphics Interchange Format (*.gif)</source>
        <translation>GIF تصاویر (*.gif)</translation>
    </message>
    <message>
        <source>Icon Files (*.ico)</source>
        <translation>آئیکن فائلیں (*.ico)</translation>
    </message>
    <message>
        <source>Cursors (*.cur)</source>
        <translation>کرسر (*.cur)</translation>
    </message>
    <message>
        <source>Windows Metafiles (*.wmf)</source>
        <translation>Windows میٹا فائلیں (*.wmf)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <translation>بہتر میٹا فائلیں (*.emf)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>رنگ</translation>
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
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>ترامیم = %1 منٹ</translation>
    </message>
    <message>
        <source>Time Zone = %1   Altitude = %2 metres</source>
        <extracomment>%1 is the zone as &quot;GMT&quot; and the offset in hours (&quot;GMT -5&quot;, &quot;GMT +5:30&quot;, &quot;GMT -5 / -4&quot; when it changes), kept in its own left-to-right order; %2 is the altitude.</extracomment>
        <translation>ٹائم زون = %1   بلندی = %2 میٹر</translation>
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
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ہاں (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>نہیں (&amp;N)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>روکیں</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>دوبارہ کوشش کریں</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>نظر انداز کریں</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>لاگو کریں</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مدد</translation>
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
    <message>
        <source>, </source>
        <extracomment>Between the items of a list (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>the disk it is on is read-only</source>
        <translation>جس ڈسک پر یہ ہے وہ صرف پڑھنے کے لیے ہے</translation>
    </message>
    <message>
        <source>you may not write in its folder</source>
        <translation>آپ کو اس کے فولڈر میں لکھنے کی اجازت نہیں</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ڈسک بھری ہوئی ہے</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1: %2.

The changes stay in effect while Noorvale runs, and are saved as soon as the file can be written.</source>
        <extracomment>%1 the settings file, %2 why it could not be written (&quot;the disk is full&quot;).</extracomment>
        <translation>آپ کی ترتیبات %1 میں محفوظ نہیں ہو سکیں: %2۔

جب تک Noorvale چل رہا ہے تبدیلیاں نافذ رہیں گی، اور فائل میں لکھنا ممکن ہوتے ہی محفوظ ہو جائیں گی۔</translation>
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
    <name>UpdateSignature</name>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>دستخط کی جانچ نہیں ہو سکتی۔</translation>
    </message>
    <message>
        <source>The update information file is not signed.</source>
        <translation>اپ ڈیٹ کی معلوماتی فائل پر دستخط نہیں ہیں۔</translation>
    </message>
    <message>
        <source>The signature of the update information file does not match.</source>
        <translation>اپ ڈیٹ کی معلوماتی فائل کے دستخط مطابقت نہیں رکھتے۔</translation>
    </message>
</context>
<context>
    <name>VbError</name>
    <message>
        <source>CCrc32 component failure</source>
        <translation>CCrc32 جزو میں خرابی</translation>
    </message>
    <message>
        <source>CFile component failure</source>
        <translation>CFile جزو میں خرابی</translation>
    </message>
    <message>
        <source>CIniFile component failure</source>
        <translation>CIniFile جزو میں خرابی</translation>
    </message>
    <message>
        <source>cNetGet component failure</source>
        <translation>cNetGet جزو میں خرابی</translation>
    </message>
    <message>
        <source>cNetURL component failure</source>
        <translation>cNetURL جزو میں خرابی</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>پروسیجر کال یا آرگیومنٹ درست نہیں</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>اوور فلو</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>میموری ختم ہو گئی</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>صفر سے تقسیم</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>قسم میں عدم مطابقت</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>فائل نہیں ملی</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>راستہ نہیں ملا</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>ایپلیکیشن یا آبجیکٹ کی متعین کردہ خرابی</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <extracomment>The second line of an error box: %1 is where the error happened (Program.module.procedure), %2 the line number.</extracomment>
        <translation>%1 میں، سطر %2 پر</translation>
    </message>
</context>
<context>
    <name>cCabFile</name>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>سسٹم مخصوص فائل تلاش نہیں کر سکا۔</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>سسٹم مخصوص راستہ تلاش نہیں کر سکا۔</translation>
    </message>
    <message>
        <source>The system cannot open the file.</source>
        <translation>سسٹم فائل نہیں کھول سکا۔</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>رسائی سے انکار کر دیا گیا۔</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>اس کمانڈ پر عمل کے لیے کافی اسٹوریج دستیاب نہیں۔</translation>
    </message>
    <message>
        <source>Invalid data.</source>
        <translation>ڈیٹا درست نہیں۔</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>اس عمل کو مکمل کرنے کے لیے کافی اسٹوریج دستیاب نہیں۔</translation>
    </message>
    <message>
        <source>The system cannot find the drive specified.</source>
        <translation>سسٹم مخصوص ڈرائیو تلاش نہیں کر سکا۔</translation>
    </message>
    <message>
        <source>The media is write protected.</source>
        <translation>میڈیا پر لکھنے کی حفاظت لگی ہے۔</translation>
    </message>
    <message>
        <source>The system cannot find the device specified.</source>
        <translation>سسٹم مخصوص ڈیوائس تلاش نہیں کر سکا۔</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>ڈیوائس تیار نہیں ہے۔</translation>
    </message>
    <message>
        <source>Data error (cyclic redundancy check).</source>
        <translation>ڈیٹا میں خرابی (سائکلک ریڈنڈنسی چیک)۔</translation>
    </message>
    <message>
        <source>The drive cannot locate a specific area or track on the disk.</source>
        <translation>ڈرائیو ڈسک پر مخصوص حصہ یا ٹریک تلاش نہیں کر سکی۔</translation>
    </message>
    <message>
        <source>The specified disk or diskette cannot be accessed.</source>
        <translation>مخصوص ڈسک یا ڈسکیٹ تک رسائی نہیں ہو سکتی۔</translation>
    </message>
    <message>
        <source>The drive cannot find the sector requested.</source>
        <translation>ڈرائیو مطلوبہ سیکٹر تلاش نہیں کر سکی۔</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>سسٹم مخصوص ڈیوائس پر نہیں لکھ سکتا۔</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>سسٹم مخصوص ڈیوائس سے نہیں پڑھ سکتا۔</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>سسٹم سے منسلک ایک ڈیوائس کام نہیں کر رہی۔</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>یہ عمل فائل تک رسائی نہیں کر سکتا کیونکہ اسے کوئی دوسرا عمل استعمال کر رہا ہے۔</translation>
    </message>
    <message>
        <source>The process cannot access the file because another process has locked a portion of the file.</source>
        <translation>یہ عمل فائل تک رسائی نہیں کر سکتا کیونکہ کسی دوسرے عمل نے فائل کا کچھ حصہ مقفل کر رکھا ہے۔</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>ڈسک بھر چکی ہے۔</translation>
    </message>
    <message>
        <source>The directory or file cannot be created.</source>
        <translation>ڈائریکٹری یا فائل نہیں بنائی جا سکتی۔</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>فائل کا نام بہت لمبا ہے۔</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>ڈسک پر کافی جگہ نہیں ہے۔</translation>
    </message>
    <message>
        <source>The filename, directory name, or volume label syntax is incorrect.</source>
        <translation>فائل کے نام، ڈائریکٹری کے نام یا والیوم لیبل کی ساخت درست نہیں۔</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>نامعلوم خرابی۔</translation>
    </message>
    <message>
        <source>You must set the CabName property before taking any action on the CabFile object.</source>
        <translation>CabFile آبجیکٹ پر کوئی بھی کارروائی کرنے سے پہلے CabName پراپرٹی مقرر کرنا ضروری ہے۔</translation>
    </message>
</context>
<context>
    <name>cFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>فائل کا نام درست نہیں</translation>
    </message>
    <message>
        <source>Object not properly initialized. Set the PathFileName property to a non-empty value first</source>
        <translation>آبجیکٹ درست طور پر شروع نہیں کیا گیا۔ پہلے PathFileName پراپرٹی کو کوئی غیر خالی قدر دیں</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>فائل نہیں ملی</translation>
    </message>
    <message>
        <source>File copy failed</source>
        <translation>فائل کی نقل ناکام ہو گئی</translation>
    </message>
    <message>
        <source>File move failed</source>
        <translation>فائل منتقل نہیں ہو سکی</translation>
    </message>
    <message>
        <source>File delete failed</source>
        <translation>فائل حذف نہیں ہو سکی</translation>
    </message>
</context>
<context>
    <name>cIniFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>فائل کا نام درست نہیں</translation>
    </message>
    <message>
        <source>Object not properly initialized</source>
        <translation>آبجیکٹ درست طور پر شروع نہیں کیا گیا</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>فائل نہیں ملی</translation>
    </message>
    <message>
        <source>Invalid section</source>
        <translation>سیکشن درست نہیں</translation>
    </message>
    <message>
        <source>Invalid key</source>
        <translation>کلید درست نہیں</translation>
    </message>
</context>
<context>
    <name>cNetGet</name>
    <message>
        <source>Disk full</source>
        <translation>ڈسک بھری ہوئی ہے</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>راستہ نہیں ملا</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>راستے/فائل تک رسائی میں خرابی</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>ڈیوائس کے ان پٹ/آؤٹ پٹ میں خرابی</translation>
    </message>
    <message>
        <source>Opening Tarvo update page...</source>
        <translation>Tarvo اپ ڈیٹ کا صفحہ کھولا جا رہا ہے...</translation>
    </message>
    <message>
        <source>Reading Url: %1 bytes read</source>
        <extracomment>The download&apos;s status while it runs; %1 is the number of bytes read so far.</extracomment>
        <translation>URL پڑھا جا رہا ہے: %1 بائٹ پڑھے گئے</translation>
    </message>
    <message>
        <source>The download is larger than %1 bytes.</source>
        <translation>ڈاؤن لوڈ %1 بائٹ سے بڑا ہے۔</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>تیار</translation>
    </message>
    <message>
        <source>No more handles could be generated at this time</source>
        <translation>اس وقت مزید ہینڈل نہیں بنائے جا سکے</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>درخواست کا وقت ختم ہو گیا۔</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>سرور نے ایک توسیعی خرابی واپس کی۔</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>ایک اندرونی خرابی پیش آئی۔</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>URL درست نہیں ہے۔</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized, or is not supported.</source>
        <translation>URL کی اسکیم پہچانی نہیں جا سکی یا معاون نہیں ہے۔</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>سرور کا نام حل نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>The requested protocol could not be located.</source>
        <translation>مطلوبہ پروٹوکول نہیں مل سکا۔</translation>
    </message>
    <message>
        <source>A request to InternetQueryOption or InternetSetOption specified an invalid option value.</source>
        <translation>InternetQueryOption یا InternetSetOption کی درخواست میں آپشن کی غلط قدر دی گئی۔</translation>
    </message>
    <message>
        <source>The length of an option supplied to InternetQueryOption or InternetSetOption is incorrect for the type of option specified.</source>
        <translation>InternetQueryOption یا InternetSetOption کو دیے گئے آپشن کی لمبائی مخصوص آپشن کی قسم کے لیے درست نہیں۔</translation>
    </message>
    <message>
        <source>The request option can not be set, only queried. </source>
        <translation>درخواست کا آپشن مقرر نہیں کیا جا سکتا، صرف معلوم کیا جا سکتا ہے۔ </translation>
    </message>
    <message>
        <source>The Win32 Internet support is being shutdown or unloaded.</source>
        <translation>Win32 انٹرنیٹ سپورٹ بند یا ان لوڈ کی جا رہی ہے۔</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied user name is incorrect.</source>
        <translation>FTP سرور سے جڑنے اور لاگ اِن کرنے کی درخواست مکمل نہیں ہو سکی کیونکہ دیا گیا صارف نام غلط ہے۔</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied password is incorrect. </source>
        <translation>FTP سرور سے جڑنے اور لاگ اِن کرنے کی درخواست مکمل نہیں ہو سکی کیونکہ دیا گیا پاس ورڈ غلط ہے۔ </translation>
    </message>
    <message>
        <source>The request to connect to and login to an FTP server failed.</source>
        <translation>FTP سرور سے جڑنے اور لاگ اِن کرنے کی درخواست ناکام ہو گئی۔</translation>
    </message>
    <message>
        <source>The requested operation is invalid. </source>
        <translation>مطلوبہ عمل درست نہیں۔ </translation>
    </message>
    <message>
        <source>The operation was canceled, usually because the handle on which the request was operating was closed before the operation completed.</source>
        <translation>عمل منسوخ کر دیا گیا، عموماً اس لیے کہ جس ہینڈل پر درخواست چل رہی تھی وہ عمل مکمل ہونے سے پہلے بند ہو گیا۔</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>دیے گئے ہینڈل کی قسم اس عمل کے لیے درست نہیں۔</translation>
    </message>
    <message>
        <source>The requested operation can not be carried out because the handle supplied is not in the correct state.</source>
        <translation>مطلوبہ عمل انجام نہیں دیا جا سکتا کیونکہ دیا گیا ہینڈل درست حالت میں نہیں۔</translation>
    </message>
    <message>
        <source>The request can not be made via a proxy.</source>
        <translation>یہ درخواست پراکسی کے ذریعے نہیں کی جا سکتی۔</translation>
    </message>
    <message>
        <source>A required registry value could not be located. </source>
        <translation>رجسٹری کی ایک ضروری قدر نہیں مل سکی۔ </translation>
    </message>
    <message>
        <source>A required registry value was located but is an incorrect type or has an invalid value.</source>
        <translation>رجسٹری کی ضروری قدر مل گئی لیکن اس کی قسم غلط ہے یا قدر درست نہیں۔</translation>
    </message>
    <message>
        <source>Direct network access cannot be made at this time. </source>
        <translation>اس وقت نیٹ ورک تک براہِ راست رسائی نہیں ہو سکتی۔ </translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a zero context value was supplied.</source>
        <translation>غیر ہم وقت درخواست نہیں کی جا سکی کیونکہ سیاق کی قدر صفر دی گئی۔</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a callback function has not been set.</source>
        <translation>غیر ہم وقت درخواست نہیں کی جا سکی کیونکہ کال بیک فنکشن مقرر نہیں کیا گیا۔</translation>
    </message>
    <message>
        <source>The required operation could not be completed because one or more requests are pending.</source>
        <translation>مطلوبہ عمل مکمل نہیں ہو سکا کیونکہ ایک یا زیادہ درخواستیں زیرِ التوا ہیں۔</translation>
    </message>
    <message>
        <source>The format of the request is invalid.</source>
        <translation>درخواست کی ساخت درست نہیں۔</translation>
    </message>
    <message>
        <source>The requested item could not be located.</source>
        <translation>مطلوبہ چیز نہیں مل سکی۔</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>سرور سے رابطے کی کوشش ناکام ہو گئی۔</translation>
    </message>
    <message>
        <source>The connection with the server has been terminated.</source>
        <translation>سرور سے رابطہ ختم ہو گیا۔</translation>
    </message>
    <message>
        <source>The connection with the server has been reset.</source>
        <translation>سرور سے رابطہ ری سیٹ ہو گیا۔</translation>
    </message>
    <message>
        <source>The request failed because the handle already exists.</source>
        <translation>درخواست ناکام ہو گئی کیونکہ ہینڈل پہلے سے موجود ہے۔</translation>
    </message>
    <message>
        <source>Error details not available.</source>
        <translation>خرابی کی تفصیل دستیاب نہیں۔</translation>
    </message>
    <message>
        <source>Parsing page...</source>
        <translation>صفحے کا تجزیہ ہو رہا ہے...</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>موڈیم</translation>
    </message>
    <message>
        <source>Modem (Busy)</source>
        <translation>موڈیم (مصروف)</translation>
    </message>
    <message>
        <source>LAN</source>
        <extracomment>A kind of Internet connection: a local network.</extracomment>
        <translation>LAN</translation>
    </message>
    <message>
        <source>Proxy Server</source>
        <translation>پراکسی سرور</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <extracomment>%1 is the status the web server answered with (&quot;404 Not Found&quot;), %2 the address asked for.</extracomment>
        <translation>سرور نے %2 کے لیے %1 جواب دیا۔</translation>
    </message>
    <message>
        <source>The download did not finish within %1 minutes.</source>
        <translation>ڈاؤن لوڈ %1 منٹ میں مکمل نہیں ہوا۔</translation>
    </message>
    <message>
        <source>The server redirects the request in a loop.</source>
        <translation>سرور درخواست کو ایک نہ ختم ہونے والے چکر میں ری ڈائریکٹ کر رہا ہے۔</translation>
    </message>
</context>
<context>
    <name>modTarvo</name>
    <message>
        <source>Tarvo Update Program</source>
        <translation>Tarvo اپ ڈیٹ پروگرام</translation>
    </message>
    <message>
        <source>Program is already running</source>
        <translation>پروگرام پہلے سے چل رہا ہے</translation>
    </message>
    <message>
        <source>Cannot run program... Missing parameters...</source>
        <translation>پروگرام نہیں چلایا جا سکتا... پیرامیٹر موجود نہیں...</translation>
    </message>
    <message>
        <source>Cannot run program... %1</source>
        <extracomment>%1 is an error code that stays as it is.</extracomment>
        <translation>پروگرام نہیں چلایا جا سکتا... %1</translation>
    </message>
    <message>
        <source>Tarvo could not find the default Temp directory, cannot continue.</source>
        <translation>Tarvo کو عارضی فائلوں کا طے شدہ فولڈر نہیں ملا، آگے نہیں بڑھ سکتا۔</translation>
    </message>
</context>
<context>
    <name>nv::DesktopNotice</name>
    <message>
        <source>Stop sound</source>
        <translation>آواز بند کریں</translation>
    </message>
</context>
<context>
    <name>nv::fQuenlo</name>
    <message>
        <source>ORVEN Tarvo update  is in progress, Please wait...</source>
        <translation>ORVEN Tarvo کی اپ ڈیٹ جاری ہے، براہِ کرم انتظار کریں...</translation>
    </message>
    <message>
        <source>Cannot run program...<byte value="xd"/>
ERR# %1 ...</source>
        <extracomment>%1 is an error code (QNL101 ...) that stays as it is.</extracomment>
        <translation>پروگرام نہیں چلایا جا سکتا...<byte value="xd"/>
ERR# %1 ...</translation>
    </message>
    <message>
        <source>Quenlo Message</source>
        <translation>Quenlo پیغام</translation>
    </message>
</context>
<context>
    <name>nv::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>سسٹم کی معلومات اس وقت دستیاب نہیں ہیں</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 کے بارے میں</translation>
    </message>
    <message>
        <source>Tells you the times of the five daily prayers for your place, shows them as a calendar with Gregorian or Hijri dates, and alerts you when each prayer is due.</source>
        <translation>آپ کے مقام کے لیے پانچوں روزانہ نمازوں کے اوقات بتاتا ہے، انہیں عیسوی یا ہجری تاریخوں کے ساتھ کیلنڈر کی صورت میں دکھاتا ہے، اور ہر نماز کا وقت ہونے پر آپ کو یاد دہانی کراتا ہے۔</translation>
    </message>
    <message>
        <source>The times are computed from the position of the sun for the place and method you set. Compare them with the timetable of your local mosque.</source>
        <translation>اوقات آپ کے مقرر کردہ مقام اور طریقۂ حساب کے مطابق سورج کے مقام سے نکالے جاتے ہیں۔ انہیں اپنی مقامی مسجد کے نظام الاوقات سے ملا لیں۔</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>سسٹم کی اطلاعات (&amp;S)...</translation>
    </message>
</context>
<context>
    <name>nv::frmCompact</name>
    <message>
        <source>Compact Clock</source>
        <translation>مختصر گھڑی</translation>
    </message>
    <message>
        <source>Prayer at 00:00 PM</source>
        <extracomment>Shown until the first tick replaces it with the next prayer and its time.</extracomment>
        <translation>نماز 00:00 بجے</translation>
    </message>
    <message>
        <source>Push Pin to Keep OnTop</source>
        <translation>اوپر رکھنے کے لیے پن لگائیں</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>سب سے اوپر رکھیں</translation>
    </message>
    <message>
        <source>Keeps the compact clock above all other windows</source>
        <translation>مختصر گھڑی کو باقی تمام ونڈوز کے اوپر رکھتا ہے</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ونڈو بند کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Closes the compact clock</source>
        <translation>مختصر گھڑی بند کرتا ہے</translation>
    </message>
    <message>
        <source>Click for Normal Window</source>
        <translation>عام ونڈو کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>Push Pin to Keep Window OnTop</source>
        <translation>ونڈو کو اوپر رکھنے کے لیے پن لگائیں</translation>
    </message>
</context>
<context>
    <name>nv::frmCustomize</name>
    <message>
        <source>Automatic (Windows)</source>
        <translation>خودکار (سسٹم سے)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>دستی</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>درجہ</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقیقہ</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No high-latitude rule.</extracomment>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>نصف شب</translation>
    </message>
    <message>
        <source>One-seventh of the night</source>
        <translation>رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>Twilight angle / 60 of the night</source>
        <translation>رات کا (شفق کا زاویہ / 60) حصہ</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>تخصیص</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source> Periods/Prayers List </source>
        <translation> اوقات/نمازوں کی فہرست </translation>
    </message>
    <message>
        <source>Select a Period from the List</source>
        <translation>فہرست سے کوئی وقت منتخب کریں</translation>
    </message>
    <message>
        <source>Period/Prayer Name</source>
        <translation>وقت/نماز کا نام</translation>
    </message>
    <message>
        <source>&amp;Period Names</source>
        <translation>اوقات کے نام (&amp;P)</translation>
    </message>
    <message>
        <source> Current Location </source>
        <translation> موجودہ مقام </translation>
    </message>
    <message>
        <source> Latitude </source>
        <translation> عرض البلد </translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>خطِ استوا</translation>
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
        <translation> طول البلد </translation>
    </message>
    <message>
        <source>Greenwich</source>
        <translation>گرینچ</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <translation>مشرق (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <translation>مغرب (&amp;W)</translation>
    </message>
    <message>
        <source>Time Difference (GMT): hours, or hours:minutes, from -12:00 to +14:00 (5:30, -3:30, +13)</source>
        <translation>گرینچ (GMT) سے وقت کا فرق: گھنٹے، یا گھنٹے:منٹ، ‎-12:00 سے ‎+14:00 تک (5:30، ‎-3:30، ‎+13)</translation>
    </message>
    <message>
        <source>Height of the place above sea level in metres, 0 to 9000</source>
        <translation>سطحِ سمندر سے مقام کی بلندی میٹر میں، 0 سے 9000 تک</translation>
    </message>
    <message>
        <source>USA</source>
        <extracomment>A link to a gazetteer of places in the United States.</extracomment>
        <translation>امریکہ</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>A link to a table of the coordinates of the world&apos;s cities.</extracomment>
        <translation>دنیا</translation>
    </message>
    <message>
        <source>Location Name</source>
        <translation>مقام کا نام</translation>
    </message>
    <message>
        <source>Altitude (metres)</source>
        <translation>بلندی (میٹر)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ٹائم زون</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>GMT سے فرق</translation>
    </message>
    <message>
        <source>Not Sure!, Find it Online</source>
        <translation>یقین نہیں؟ آن لائن تلاش کریں</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>مقام (&amp;L)</translation>
    </message>
    <message>
        <source>Angle of the Sun</source>
        <translation>سورج کا زاویہ</translation>
    </message>
    <message>
        <source> Dawn/Fajr </source>
        <translation> صبح صادق/فجر </translation>
    </message>
    <message>
        <source>Minutes before Sunrise</source>
        <translation>طلوعِ آفتاب سے پہلے منٹ</translation>
    </message>
    <message>
        <source> Night/Isha </source>
        <translation> رات/عشاء </translation>
    </message>
    <message>
        <source>Minutes After Sunset</source>
        <translation>غروبِ آفتاب کے بعد منٹ</translation>
    </message>
    <message>
        <source> Asr / Afternoon </source>
        <translation> عصر / سہ پہر </translation>
    </message>
    <message>
        <source>&amp;Shafi`i</source>
        <translation>شافعی (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>حنفی (&amp;H)</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>فقہی مسلک</translation>
    </message>
    <message>
        <source>Pick an authority…</source>
        <translation>کوئی ادارہ منتخب کریں…</translation>
    </message>
    <message>
        <source>Fill the custom method with the parameters of an authority&apos;s published timetables</source>
        <translation>اپنے طریقے میں کسی ادارے کے شائع کردہ نظام الاوقات کی اقدار بھرتا ہے</translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation> ترامیم (منٹ) </translation>
    </message>
    <message>
        <source>Where the sun does not sink to the Fajr or Isha angle, or does not set or rise,
keep Fajr and Isha within this part of the night (sunset to sunrise).</source>
        <translation>جہاں سورج فجر یا عشاء کے زاویے تک نہیں اترتا، یا غروب یا طلوع نہیں ہوتا،
وہاں فجر اور عشاء رات کے اس حصے میں رہتے ہیں (غروب سے طلوع تک)۔</translation>
    </message>
    <message>
        <source>Select a Method</source>
        <translation>طریقہ منتخب کریں</translation>
    </message>
    <message>
        <source>Margin of Safety Minutes</source>
        <translation>احتیاط کے منٹ</translation>
    </message>
    <message>
        <source>High Latitudes</source>
        <translation>بلند عرض البلد</translation>
    </message>
    <message>
        <source>&amp;Calculation Method</source>
        <translation>طریقۂ حساب (&amp;C)</translation>
    </message>
    <message>
        <source> Daily Defaults </source>
        <translation> روزانہ کی ترتیبات </translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>تبدیل کریں (&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Alert Manager</source>
        <translation>الرٹ مینیجر (&amp;A)</translation>
    </message>
    <message>
        <source>Following %1</source>
        <extracomment>%1: the name of a religious authority whose timetables the custom method follows.</extracomment>
        <translation>%1 کے مطابق</translation>
    </message>
    <message>
        <source>Maghrib at %1° below the horizon</source>
        <extracomment>%1: an angle in degrees.</extracomment>
        <translation>مغرب جب سورج افق سے %1° نیچے ہو</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan</source>
        <extracomment>%1: a number of minutes.</extracomment>
        <translation>رمضان میں عشاء مغرب کے %1 منٹ بعد</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of the authority&apos;s description.</extracomment>
        <translation>؛ </translation>
    </message>
    <message>
        <source>Value must be between %1 and %2, please try again.</source>
        <translation>قیمت %1 اور %2 کے درمیان ہونی چاہیے، براہِ کرم دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>Value must be between -12:00 and +14:00, please try again.</source>
        <translation>قیمت ‎-12:00 اور ‎+14:00 کے درمیان ہونی چاہیے، براہِ کرم دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>%1 / %2 - %3</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; %3: its sound file.</extracomment>
        <translation>%1 / ⁨%2⁩ - ⁦%3⁩</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; its sound alert is off.</extracomment>
        <translation>%1 / ⁨%2⁩ - بند</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>نصب شدہ الرٹ</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan of the Umm Al-Qura calendar</source>
        <extracomment>%1: a number of minutes. Ramadan as the Umm Al-Qura calendar counts it.</extracomment>
        <translation>ام القریٰ تقویم کے رمضان میں عشاء مغرب کے %1 منٹ بعد</translation>
    </message>
    <message>
        <source>precise</source>
        <extracomment>The sun&apos;s position worked out at each prayer time&apos;s own moment.</extracomment>
        <translation>درست</translation>
    </message>
    <message>
        <source>classic (as earlier versions)</source>
        <extracomment>The day-of-year series of the program&apos;s earlier versions.</extracomment>
        <translation>روایتی (پچھلے ورژن کی طرح)</translation>
    </message>
    <message>
        <source>Precise: the sun where it stands at each prayer time.
Classic: the coarser yearly series of earlier versions, minutes off at times.</source>
        <translation>درست: ہر نماز کے وقت سورج جہاں واقعی ہو۔
روایتی: پچھلے ورژن کا کم درست سالانہ سلسلہ، جو کبھی کبھی منٹوں کا فرق دیتا ہے۔</translation>
    </message>
    <message>
        <source>Sun&apos;s Position</source>
        <translation>سورج کا مقام</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The twilight (shafaq) the seasonal rule&apos;s Isha follows: the general one.</extracomment>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The red glow after sunset (shafaq al-ahmar).</extracomment>
        <translation>سرخ</translation>
    </message>
    <message>
        <source>White</source>
        <extracomment>The white glow after the red one (shafaq al-abyad).</extracomment>
        <translation>سفید</translation>
    </message>
    <message>
        <source>The twilight whose end the seasonal rule&apos;s Isha follows</source>
        <translation>وہ شفق جس کے غائب ہونے پر موسمی قاعدے میں عشاء کا وقت ہوتا ہے</translation>
    </message>
    <message>
        <source>Shafaq</source>
        <extracomment>The twilight (shafaq) of the seasonal rule&apos;s Isha.</extracomment>
        <translation>شفق</translation>
    </message>
    <message>
        <source>Fajr and Isha within the season&apos;s minutes of sunrise and sunset</source>
        <translation>فجر اور عشاء، طلوع سے پہلے اور غروب کے بعد موسم کے منٹوں کے اندر</translation>
    </message>
    <message>
        <source>times rounded up to the minute, sunrise down</source>
        <translation>اوقات اگلے منٹ تک، طلوع پچھلے منٹ تک</translation>
    </message>
</context>
<context>
    <name>nv::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>فائل (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>کیلنڈر پرنٹ کریں (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>بند کریں (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>منظر (&amp;V)</translation>
    </message>
    <message>
        <source>Com&amp;pact</source>
        <translation>مختصر (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>عام (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ٹول بار (&amp;T)</translation>
    </message>
    <message>
        <source>Toolbar Te&amp;xt</source>
        <translation>ٹول بار کا متن (&amp;X)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>اسٹیٹس بار (&amp;B)</translation>
    </message>
    <message>
        <source>To&amp;day</source>
        <translation>آج (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>ہفتہ (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>مہینہ (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>سال (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gregorian Date</source>
        <translation>عیسوی تاریخ (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Hijri Date</source>
        <translation>ہجری تاریخ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>تازہ کریں (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>اوزار (&amp;T)</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>اپ ڈیٹس تلاش کریں (&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>تخصیص (&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>اختیارات (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مدد (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents and Index...</source>
        <translation>مندرجات اور اشاریہ (&amp;C)...</translation>
    </message>
    <message>
        <source>Noorvale &amp;Online</source>
        <translation>Noorvale آن لائن (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Noorvale Home Page...</source>
        <translation>Noorvale کا ہوم پیج (&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Product News...</source>
        <translation>پروڈکٹ کی خبریں (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Download Library...</source>
        <translation>ڈاؤن لوڈ لائبریری (&amp;D)...</translation>
    </message>
    <message>
        <source>Frequently Asked &amp;Questions...</source>
        <translation>اکثر پوچھے جانے والے سوالات (&amp;Q)...</translation>
    </message>
    <message>
        <source>Online &amp;Support...</source>
        <translation>آن لائن معاونت (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;ORVEN Home Page...</source>
        <translation>ORVEN کا ہوم پیج (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;About Noorvale...</source>
        <translation>Noorvale کے بارے میں (&amp;A)...</translation>
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
        <translation>بلند عرض البلد کا ایک قاعدہ (اوزار &gt; تخصیص &gt; طریقۂ حساب) فجر اور عشاء کو رات کے اندر رکھتا ہے۔</translation>
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
        <source>Alert Manager</source>
        <translation>الرٹ مینیجر</translation>
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
        <translation>مختصر (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Stop Playback</source>
        <translation>پلے بیک روکیں (&amp;S)</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>اپ ڈیٹس تلاش کریں (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Exit Noorvale</source>
        <translation>Noorvale سے باہر نکلیں (&amp;E)</translation>
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
        <translation>تخصیص</translation>
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
    <message numerus="yes">
        <source>%n days update reminder

Using your Internet connections Tarvo can connects to the
ORVEN site, checks for available updates, then downloads and
installs them automatically. This is the most efficient method
to update your Noorvale files,

Would you like to run Tarvo now?</source>
        <extracomment>%n is the number of days between two reminders.</extracomment>
        <translation>
            <numerusform>ہر روز اپ ڈیٹ کی یاد دہانی

آپ کے انٹرنیٹ کنکشن کے ذریعے Tarvo، ORVEN کی سائٹ سے
جڑ کر دستیاب اپ ڈیٹس تلاش کر سکتا ہے، پھر انہیں خودکار طور پر
ڈاؤن لوڈ اور انسٹال کر دیتا ہے۔ Noorvale کی فائلیں اپ ڈیٹ کرنے کا
یہ سب سے مؤثر طریقہ ہے۔

کیا آپ ابھی Tarvo چلانا چاہتے ہیں؟</numerusform>
            <numerusform>ہر %n دن بعد اپ ڈیٹ کی یاد دہانی

آپ کے انٹرنیٹ کنکشن کے ذریعے Tarvo، ORVEN کی سائٹ سے
جڑ کر دستیاب اپ ڈیٹس تلاش کر سکتا ہے، پھر انہیں خودکار طور پر
ڈاؤن لوڈ اور انسٹال کر دیتا ہے۔ Noorvale کی فائلیں اپ ڈیٹ کرنے کا
یہ سب سے مؤثر طریقہ ہے۔

کیا آپ ابھی Tarvo چلانا چاہتے ہیں؟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nv::frmOptions</name>
    <message>
        <source>Normal View</source>
        <translation>عام منظر</translation>
    </message>
    <message>
        <source>Compact View</source>
        <translation>مختصر منظر</translation>
    </message>
    <message>
        <source>System Tray only</source>
        <translation>صرف سسٹم ٹرے</translation>
    </message>
    <message>
        <source>Last View Used</source>
        <translation>آخری استعمال شدہ منظر</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>اوپر</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>نیچے</translation>
    </message>
    <message>
        <source> Clock Settings </source>
        <translation> گھڑی کی ترتیبات </translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>پس منظر کا رنگ</translation>
    </message>
    <message>
        <source>Hands Color</source>
        <translation>سوئیوں کا رنگ</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>براؤز کریں (&amp;B)...</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>پس منظر کی تصویر</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>اختیارات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source> Startup Options </source>
        <translation> آغاز کے اختیارات </translation>
    </message>
    <message>
        <source>Startup View</source>
        <translation>آغاز پر منظر</translation>
    </message>
    <message>
        <source> Program Updates (requires an Internet connection) </source>
        <translation> پروگرام کی اپ ڈیٹس (انٹرنیٹ کنکشن درکار ہے) </translation>
    </message>
    <message>
        <source>No thanks, I will manually update the program</source>
        <translation>نہیں شکریہ، میں پروگرام خود اپ ڈیٹ کروں گا</translation>
    </message>
    <message>
        <source>Yes, Please remind me every</source>
        <extracomment>Followed by a box with the number of days and the word &quot;days&quot;.</extracomment>
        <translation>جی ہاں، مجھے ہر</translation>
    </message>
    <message>
        <source>days</source>
        <translation>دن بعد یاد دلائیں</translation>
    </message>
    <message>
        <source> Alerts </source>
        <translation> الرٹ </translation>
    </message>
    <message>
        <source>Show a desktop notification at each prayer</source>
        <translation>ہر نماز پر ڈیسک ٹاپ اطلاع دکھائیں</translation>
    </message>
    <message>
        <source> Language </source>
        <translation> زبان </translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>زبان:</translation>
    </message>
    <message>
        <source>The language changes the next time Noorvale starts.</source>
        <translation>زبان اگلی بار Noorvale شروع ہونے پر بدلے گی۔</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>عمومی (&amp;G)</translation>
    </message>
    <message>
        <source> Calendar Settings </source>
        <translation> کیلنڈر کی ترتیبات </translation>
    </message>
    <message>
        <source>Show Grid&amp;lines</source>
        <translation>گرڈ لائنیں دکھائیں (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;AutoResize Columns</source>
        <translation>کالموں کا خودکار سائز (&amp;A)</translation>
    </message>
    <message>
        <source>Gregorian Date</source>
        <translation>عیسوی تاریخ</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>وقت</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>نمایاں کرنے کا رنگ</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>کیلنڈر (&amp;C)</translation>
    </message>
    <message>
        <source>Show Numbe&amp;rs</source>
        <translation>نمبر دکھائیں (&amp;R)</translation>
    </message>
    <message>
        <source>Show Secon&amp;ds</source>
        <translation>سیکنڈ دکھائیں (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Normal View</source>
        <translation>عام منظر (&amp;N)</translation>
    </message>
    <message>
        <source>Show N&amp;umbers</source>
        <translation>نمبر دکھائیں (&amp;U)</translation>
    </message>
    <message>
        <source>Show S&amp;econds</source>
        <translation>سیکنڈ دکھائیں (&amp;E)</translation>
    </message>
    <message>
        <source>Sho&amp;w Borders</source>
        <translation>کنارے دکھائیں (&amp;W)</translation>
    </message>
    <message>
        <source> Control Bar </source>
        <translation> کنٹرول بار </translation>
    </message>
    <message>
        <source>Foreground Color</source>
        <translation>پیش منظر کا رنگ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>مقام</translation>
    </message>
    <message>
        <source>Compact &amp;View</source>
        <translation>مختصر منظر (&amp;V)</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>سسٹم کی زبان</translation>
    </message>
    <message>
        <source>The number of days can not exceed %1 days</source>
        <translation>دنوں کی تعداد %1 سے زیادہ نہیں ہو سکتی</translation>
    </message>
    <message>
        <source>Tabular (arithmetical)</source>
        <translation>جدولی (حسابی)</translation>
    </message>
    <message>
        <source>Umm Al-Qura (Saudi Arabia)</source>
        <translation>ام القریٰ (سعودی عرب)</translation>
    </message>
    <message>
        <source>Days added to the Hijri date, for a community whose month begins when it sights the moon</source>
        <translation>ہجری تاریخ میں جمع کیے گئے دن، اس برادری کے لیے جس کا مہینہ چاند دیکھ کر شروع ہوتا ہے</translation>
    </message>
    <message>
        <source>Hijri Calendar</source>
        <translation>ہجری تقویم</translation>
    </message>
    <message>
        <source>Hijri Adjustment (days)</source>
        <translation>ہجری تاریخ کی درستی (دن)</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon&apos;s menu (seen by screen readers).</extracomment>
        <translation>پاپ اپ مینو (&amp;P)</translation>
    </message>
</context>
<context>
    <name>nv::frmTarvo</name>
    <message>
        <source>Tarvo Updates</source>
        <translation>Tarvo اپ ڈیٹس</translation>
    </message>
    <message>
        <source>Software Updates</source>
        <translation>سافٹ ویئر اپ ڈیٹس</translation>
    </message>
    <message>
        <source>Please wait while Tarvo updates your software.</source>
        <translation>براہِ کرم انتظار کریں، Tarvo آپ کا سافٹ ویئر اپ ڈیٹ کر رہا ہے۔</translation>
    </message>
    <message>
        <source>Connecting to the Internet</source>
        <translation>انٹرنیٹ سے رابطہ</translation>
    </message>
    <message>
        <source>Looking for software updates</source>
        <translation>سافٹ ویئر اپ ڈیٹس کی تلاش</translation>
    </message>
    <message>
        <source>Retrieving updates</source>
        <translation>اپ ڈیٹس کا حصول</translation>
    </message>
    <message>
        <source>Installing updates</source>
        <translation>اپ ڈیٹس کی تنصیب</translation>
    </message>
    <message>
        <source>Processing, Please wait...</source>
        <translation>کارروائی جاری ہے، براہِ کرم انتظار کریں...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>ORVEN Tarvo for %1</source>
        <extracomment>The window title; %1 is the product that is updated (Noorvale).</extracomment>
        <translation>%1 کے لیے ORVEN Tarvo</translation>
    </message>
    <message>
        <source>%1 Software Updates</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>%1 سافٹ ویئر اپ ڈیٹس</translation>
    </message>
    <message>
        <source>%1, Please wait...</source>
        <extracomment>%1 is the step under way (&quot;Retrieving updates&quot;).</extracomment>
        <translation>%1، براہِ کرم انتظار کریں...</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>ختم کریں</translation>
    </message>
    <message>
        <source>Tarvo has completed the update.</source>
        <translation>Tarvo نے اپ ڈیٹ مکمل کر لی ہے۔</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>You must have an active connection to the Internet<byte value="xd"/>
for Tarvo to function properly. Please establish<byte value="xd"/>
an Internet Connection and try again.</source>
        <translation>Tarvo کے درست کام کے لیے انٹرنیٹ سے فعال<byte value="xd"/>
رابطہ ضروری ہے۔ براہِ کرم انٹرنیٹ سے<byte value="xd"/>
رابطہ قائم کر کے دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>Internet Status: Connected: %1</source>
        <extracomment>%1 is the kind of connection (LAN, Modem, Proxy Server).</extracomment>
        <translation>انٹرنیٹ کی حالت: منسلک: %1</translation>
    </message>
    <message>
        <source>Internet Status: Not Connected</source>
        <translation>انٹرنیٹ کی حالت: منسلک نہیں</translation>
    </message>
    <message>
        <source>Update Failed, could not connect to the Internet.</source>
        <translation>اپ ڈیٹ ناکام، انٹرنیٹ سے رابطہ نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>ڈاؤن لوڈ ناکام ہو گیا۔</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve Tarvo file. %1</source>
        <translation>اپ ڈیٹ ناکام، Tarvo فائل حاصل نہیں ہو سکی۔ %1</translation>
    </message>
    <message>
        <source>Update Failed, could not open Tarvo file.</source>
        <translation>اپ ڈیٹ ناکام، Tarvo فائل کھولی نہیں جا سکی۔</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid. %1</source>
        <translation>اپ ڈیٹ ناکام، Tarvo فائل درست نہیں۔ %1</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid.</source>
        <translation>اپ ڈیٹ ناکام، Tarvo فائل درست نہیں۔</translation>
    </message>
    <message>
        <source>Update Failed, update package is not valid.</source>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ پیکج درست نہیں۔</translation>
    </message>
    <message>
        <source>There is a newer version of the Tarvo program available...<byte value="xd"/>
You MUST update Tarvo before checking for %1 updates.<byte value="xd"/>
<byte value="xd"/>
Do you wish to download the update now?</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>Tarvo پروگرام کا نیا ورژن دستیاب ہے...<byte value="xd"/>
%1 کی اپ ڈیٹس تلاش کرنے سے پہلے Tarvo کو اپ ڈیٹ کرنا لازمی ہے۔<byte value="xd"/>
<byte value="xd"/>
کیا آپ ابھی اپ ڈیٹ ڈاؤن لوڈ کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Tarvo Message</source>
        <translation>Tarvo پیغام</translation>
    </message>
    <message>
        <source>Tarvo version is not up to date.</source>
        <translation>Tarvo کا ورژن تازہ ترین نہیں ہے۔</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo version is not up to date.</source>
        <translation>اپ ڈیٹ ناکام، Tarvo کا ورژن تازہ ترین نہیں ہے۔</translation>
    </message>
    <message>
        <source>You have the latest version, No update is available at this time.</source>
        <translation>آپ کے پاس تازہ ترین ورژن ہے، اس وقت کوئی اپ ڈیٹ دستیاب نہیں۔</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve updated files. %1</source>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ شدہ فائلیں حاصل نہیں ہو سکیں۔ %1</translation>
    </message>
    <message>
        <source>Update Failed, could not authenticate update files. %1</source>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ فائلوں کی تصدیق نہیں ہو سکی۔ %1</translation>
    </message>
    <message>
        <source>Update Failed, could not extract update files.</source>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ فائلیں نکالی نہیں جا سکیں۔</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files.</source>
        <translation>اپ ڈیٹ ناکام، فائلیں نکالی نہیں جا سکیں۔</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files. %1</source>
        <translation>اپ ڈیٹ ناکام، فائلیں نکالی نہیں جا سکیں۔ %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ فائلیں انسٹال نہیں ہو سکیں۔ فولڈر %1 نہیں بنایا جا سکتا۔</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1</source>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ فائلیں انسٹال نہیں ہو سکیں۔ %1</translation>
    </message>
    <message>
        <source>Update Failed, could not locate update files.</source>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ فائلیں نہیں مل سکیں۔</translation>
    </message>
    <message>
        <source>Update Failed, could not copy update files. %1</source>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ فائلیں کاپی نہیں ہو سکیں۔ %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1 The previous version was restored.</source>
        <extracomment>%1 is the cause, a sentence of its own.</extracomment>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ فائلیں انسٹال نہیں ہو سکیں۔ %1 پچھلا ورژن بحال کر دیا گیا۔</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>چھوڑیں</translation>
    </message>
    <message>
        <source>Tarvo update Failed...</source>
        <translation>Tarvo کی اپ ڈیٹ ناکام ہو گئی...</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the Tarvo update?</source>
        <translation>کیا آپ واقعی Tarvo کی اپ ڈیٹ منسوخ کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>ڈسک پر کافی خالی جگہ نہیں ہے۔</translation>
    </message>
    <message>
        <source>The data does not match its checksum.</source>
        <translation>ڈیٹا اپنے چیک سم سے مطابقت نہیں رکھتا۔</translation>
    </message>
    <message>
        <source>The update names no SHA-256 checksum for %1.</source>
        <extracomment>%1 is a file name of the update.</extracomment>
        <translation>اپ ڈیٹ میں %1 کا SHA-256 چیک سم درج نہیں ہے۔</translation>
    </message>
    <message>
        <source>This update is not signed.</source>
        <translation>یہ اپ ڈیٹ دستخط شدہ نہیں ہے۔</translation>
    </message>
    <message>
        <source>The update server %1 is not answering, although the Internet<byte value="xd"/>
can be reached. It may be down for a while; please try again later.</source>
        <translation>اپ ڈیٹ سرور %1 جواب نہیں دے رہا، حالانکہ انٹرنیٹ<byte value="xd"/>
دستیاب ہے۔ ممکن ہے وہ کچھ دیر کے لیے بند ہو؛ براہِ کرم بعد میں دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>Update Failed, the update server %1 is not answering.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>اپ ڈیٹ ناکام، اپ ڈیٹ سرور %1 جواب نہیں دے رہا۔</translation>
    </message>
    <message>
        <source>The update information file names no valid version.</source>
        <translation>اپ ڈیٹ کی معلوماتی فائل میں کوئی درست ورژن درج نہیں۔</translation>
    </message>
    <message>
        <source>Update Failed, the update offered is version %1, older than the installed version %2.</source>
        <extracomment>%1 is the version offered by the update, %2 the version installed (&quot;1.1&quot;).</extracomment>
        <translation>اپ ڈیٹ ناکام، پیش کردہ اپ ڈیٹ ورژن %1 ہے، جو انسٹال شدہ ورژن %2 سے پرانا ہے۔</translation>
    </message>
    <message>
        <source>Version %1 is installed already, No update is available at this time.</source>
        <extracomment>%1 is the version installed (&quot;1.1&quot;).</extracomment>
        <translation>ورژن %1 پہلے سے انسٹال ہے، اس وقت کوئی اپ ڈیٹ دستیاب نہیں۔</translation>
    </message>
</context>
<context>
    <name>Alert</name>
    <message>
        <source>It is time for Fajr prayer.</source>
        <extracomment>The alert at Fajr&apos;s minute; say the prayer&apos;s name as your language names the prayer (Turkish: Sabah namazı).</extracomment>
        <translation>فجر کی نماز کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>It is sunrise (Shurooq).</source>
        <extracomment>At sunrise there is no prayer: the sentence names the sunrise.</extracomment>
        <translation>طلوعِ آفتاب کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>It is time for Dhuhr prayer.</source>
        <translation>ظہر کی نماز کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>It is time for Asr prayer.</source>
        <translation>عصر کی نماز کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>It is time for Maghrib prayer.</source>
        <translation>مغرب کی نماز کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>It is time for Isha prayer.</source>
        <translation>عشاء کی نماز کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>Fajr now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at Fajr&apos;s minute: short, the prayer named.</extracomment>
        <translation>فجر کا وقت۔</translation>
    </message>
    <message>
        <source>Shurooq now.</source>
        <translation>طلوعِ آفتاب کا وقت۔</translation>
    </message>
    <message>
        <source>Dhuhr now.</source>
        <translation>ظہر کا وقت۔</translation>
    </message>
    <message>
        <source>Asr now.</source>
        <translation>عصر کا وقت۔</translation>
    </message>
    <message>
        <source>Maghrib now.</source>
        <translation>مغرب کا وقت۔</translation>
    </message>
    <message>
        <source>Isha now.</source>
        <translation>عشاء کا وقت۔</translation>
    </message>
    <message>
        <source>It is time for %1 prayer.</source>
        <translation>%1 کی نماز کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <translation>%1 کا وقت۔</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Val:</source>
        <extracomment>The value (brightness) of a colour in the colour dialog.</extracomment>
        <translation>قدر (&amp;V):</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>صفحات</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>دو رخی پرنٹنگ</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>No double-sided printing.</extracomment>
        <translation>بند</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>لمبی طرف سے جلد بندی</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>چھوٹی طرف سے جلد بندی</translation>
    </message>
</context>
</TS>
