<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
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
</context>
</TS>
