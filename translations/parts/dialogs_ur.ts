<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
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
        <translation>حسبِ منشا</translation>
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
        <translation>&amp;اوقات کے نام</translation>
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
        <translation>&amp;شمال</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>&amp;جنوب</translation>
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
        <translation>&amp;مشرق</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <translation>&amp;مغرب</translation>
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
        <extracomment>A link to a table of the coordinates of the world's cities.</extracomment>
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
        <translation>&amp;مقام</translation>
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
        <translation>&amp;شافعی</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>&amp;حنفی</translation>
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
        <source>Fill the custom method with the parameters of an authority's published timetables</source>
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
        <translation>&amp;طریقۂ حساب</translation>
    </message>
    <message>
        <source> Daily Defaults </source>
        <translation> روزانہ کی ترتیبات </translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>&amp;تبدیل کریں...</translation>
    </message>
    <message>
        <source>&amp;Alert Manager</source>
        <translation>&amp;الرٹ مینیجر</translation>
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
        <extracomment>Between the parts of the authority's description.</extracomment>
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
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; %3: its sound file.</extracomment>
        <translation>%1 / ⁨%2⁩ - ⁦%3⁩</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; its sound alert is off.</extracomment>
        <translation>%1 / ⁨%2⁩ - بند</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>نصب شدہ الرٹ</translation>
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
        <translation>&amp;براؤز کریں...</translation>
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
        <extracomment>Followed by a box with the number of days and the word "days".</extracomment>
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
        <translation>&amp;عمومی</translation>
    </message>
    <message>
        <source> Calendar Settings </source>
        <translation> کیلنڈر کی ترتیبات </translation>
    </message>
    <message>
        <source>Show Grid&amp;lines</source>
        <translation>گرڈ &amp;لائنیں دکھائیں</translation>
    </message>
    <message>
        <source>&amp;AutoResize Columns</source>
        <translation>کالموں کا &amp;خودکار سائز</translation>
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
        <translation>&amp;کیلنڈر</translation>
    </message>
    <message>
        <source>Show Numbe&amp;rs</source>
        <translation>&amp;نمبر دکھائیں</translation>
    </message>
    <message>
        <source>Show Secon&amp;ds</source>
        <translation>&amp;سیکنڈ دکھائیں</translation>
    </message>
    <message>
        <source>&amp;Normal View</source>
        <translation>عام &amp;منظر</translation>
    </message>
    <message>
        <source>Show N&amp;umbers</source>
        <translation>&amp;نمبر دکھائیں</translation>
    </message>
    <message>
        <source>Show S&amp;econds</source>
        <translation>&amp;سیکنڈ دکھائیں</translation>
    </message>
    <message>
        <source>Sho&amp;w Borders</source>
        <translation>&amp;کنارے دکھائیں</translation>
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
        <translation>&amp;مختصر منظر</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>سسٹم کی زبان</translation>
    </message>
    <message>
        <source>The number of days can not exceed %1 days</source>
        <translation>دنوں کی تعداد %1 سے زیادہ نہیں ہو سکتی</translation>
    </message>
</context>
</TS>