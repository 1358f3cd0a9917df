<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
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
</context>
</TS>
