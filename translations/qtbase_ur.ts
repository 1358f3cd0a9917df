<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Red:</source>
        <translation>سرخ (&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>سیری (&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>قدر (&amp;V):</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>رنگت (&amp;E):</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>HTML (&amp;H):</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>رنگ منتخب کریں</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>اپنے رنگوں میں شامل کریں (&amp;A)</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>نیلا (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>اسکرین سے رنگ چنیں (&amp;P)</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>کرسر %1، %2 پر
منسوخ کرنے کے لیے ESC دبائیں</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>سبز (&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>بنیادی رنگ (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>اپنے رنگ (&amp;C)</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>شفافیت (&amp;L):</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>کام</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>آخر:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>بینر صفحات</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>رات (18:00 تا 05:59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>مقررہ وقت</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>بلنگ کی معلومات:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>طے شدہ پرنٹنگ:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>خفیہ</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>انتہائی خفیہ</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>آغاز:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>دن (06:00 تا 17:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>دوسری شفٹ (16:00 تا 23:59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>کام کا کنٹرول</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>ہفتہ وار تعطیل (ہفتہ تا اتوار)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>معیاری</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>درجہ بند</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>تیسری شفٹ (00:00 تا 07:59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>غیر معینہ مدت تک روکیں</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>فوراً پرنٹ کریں</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>رازدارانہ</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>کام کی ترجیح:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>غیر درجہ بند</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>پیچھے</translation>
    </message>
    <message>
        <source>File</source>
        <translation>فائل</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>کھولیں (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>محفوظ کریں (&amp;S)</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>عرف</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ڈرائیو</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>فائلیں</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>دکھائیں </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» لکھنے سے محفوظ ہے۔
کیا آپ پھر بھی اسے حذف کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>کیا آپ واقعی «%1» کو حذف کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>مقامات اور بُک مارکس کی فہرست</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>فائل کا نام (&amp;N):</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>فائل فولڈر</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>نیا فولڈر</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>فولڈر</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>بالائی فولڈر</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>نیا فولڈر (&amp;N)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ہٹائیں</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>میرا کمپیوٹر</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>تلاش کی جگہ:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>نیا فولڈر بنائیں</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 فائل</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>فائلوں کی قسم:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>فولڈر تلاش کریں</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>چھپی فائلیں دکھائیں (&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>بطور محفوظ کریں</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
فولڈر نہیں ملا۔
براہِ کرم دیکھ لیں کہ فولڈر کا نام درست دیا گیا ہے۔</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>سائیڈ بار</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>فہرست منظر</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>منتخب کریں (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف کریں (&amp;D)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>فولڈر</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>نام بدلیں (&amp;R)</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>فولڈر حذف نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>فولڈر:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>نامعلوم</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 پہلے سے موجود ہے۔
کیا آپ اسے بدلنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>آگے</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>آگے جائیں</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>بالائی فولڈر میں جائیں</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>حالیہ مقامات</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>پیچھے جائیں</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>تفصیلی منظر پر جائیں</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>نیا فولڈر بنائیں</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>شارٹ کٹ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>تفصیلی منظر</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
فائل نہیں ملی۔
براہِ کرم دیکھ لیں کہ فائل کا نام درست دیا گیا ہے۔</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>فہرست منظر پر جائیں</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>سائز</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;نام «%1» استعمال نہیں ہو سکتا۔&lt;/b&gt;&lt;p&gt;کوئی اور نام آزمائیں، کم حروف والا یا رموزِ اوقاف کے بغیر۔</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 بائٹ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>میرا کمپیوٹر</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>کمپیوٹر</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>فائل کا نام درست نہیں</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 بائٹ</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>تبدیلی کی تاریخ</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>انچ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>ملی میٹر</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>پوائنٹ</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>فارم</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>نیچے کا حاشیہ</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>کاغذ</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>کاغذ کا ماخذ:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>دایاں حاشیہ</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>پائیکا (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>حاشیے</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>حسبِ ضرورت</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>افقی</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>صفحے کی ترتیب</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>چوڑائی:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>رخ</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>ڈیڈو (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>عمودی</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>صفحات کی ترتیب:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>اوپر کا حاشیہ</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>بایاں حاشیہ</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>صفحے کا سائز:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>سیسیرو (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>الٹا عمودی</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>ملی میٹر (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>پوائنٹ (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>فی ورق صفحات:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>انچ (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>الٹا افقی</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>اونچائی:</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>لفافہ Monarch</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Architect A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Architect B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Architect C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Architect D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Architect E</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter Small</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>لفافہ You 4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>لفافہ US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>لفافہ US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>لفافہ US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>لفافہ US 14</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>لفافہ PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>لفافہ PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>لفافہ PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>لفافہ PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>لفافہ PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>لفافہ PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>لفافہ PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>لفافہ PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>لفافہ PRC 9</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>لفافہ C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>لفافہ DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>لفافہ B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>لفافہ B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>لفافہ B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>لفافہ C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>لفافہ C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>لفافہ C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>لفافہ C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>لفافہ C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>لفافہ C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>لفافہ C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>لفافہ C7</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7.5 x 10 انچ)</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>حسبِ ضرورت</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K Big</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 Small</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7.25 x 10.5 انچ)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>پوسٹ کارڈ</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>لفافہ Invite</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>لفافہ Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>لفافہ Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>جرمن فین فولڈ (8.5 x 12 انچ)</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>لفافہ PRC 10</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>لفافہ Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>لفافہ Kaku 3</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>لفافہ US 9</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 انچ</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>امریکی فین فولڈ (14.875 x 11 انچ)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>جرمن فین فولڈ لیگل (8.5 x 13 انچ)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>حسبِ ضرورت (%1انچ x %2انچ)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>حسبِ ضرورت (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>حسبِ ضرورت (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>حسبِ ضرورت (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>حسبِ ضرورت (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>حسبِ ضرورت (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>لفافہ Italian</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>دوہرا پوسٹ کارڈ</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8.27 x 13 انچ)</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>لفافہ Personal</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>جفت صفحات</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>پرنٹ</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>اختیارات (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>اختیارات (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>بائیں سے دائیں، اوپر سے نیچے</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>دائیں سے بائیں، نیچے سے اوپر</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF فائل لکھیں</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>پرنٹ (&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>«فی ورق صفحات» اور «صفحات کا مجموعہ» ایک ساتھ استعمال نہیں ہو سکتے۔
براہِ کرم ان میں سے ایک بند کریں۔</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 پہلے سے موجود ہے۔
کیا آپ اسے بدلنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>بائیں سے دائیں، نیچے سے اوپر</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>طاق صفحات</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>مقامی فائل</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>فائل میں پرنٹ کریں (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>فائل میں پرنٹ کریں...</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>خودکار</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>دائیں سے بائیں، اوپر سے نیچے</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>نیچے سے اوپر، بائیں سے دائیں</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>«سے» کی قدر «تک» کی قدر سے بڑی نہیں ہو سکتی۔</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>تمام صفحات</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 ایک فولڈر ہے۔
براہِ کرم فائل کا کوئی اور نام چنیں۔</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>فائل %1 میں لکھا نہیں جا سکتا۔
براہِ کرم فائل کا کوئی اور نام چنیں۔</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>نیچے سے اوپر، دائیں سے بائیں</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>اوپر سے نیچے، بائیں سے دائیں</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>اوپر سے نیچے، دائیں سے بائیں</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>کام کے اختیارات</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>فارم</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>صفحہ</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>تا</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>فارم</translation>
    </message>
    <message>
        <source>None</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>رنگین</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>سب پرنٹ کریں</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>موجودہ صفحہ</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>انتخاب</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>لمبی طرف</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>نقول</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>پرنٹ کی حد</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>رنگ کی وضع</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>اختیارات</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>آؤٹ پٹ کی ترتیبات</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>الٹی ترتیب</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>سیاہ و سفید</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>چھوٹی طرف</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>ترتیب وار</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>نقول:</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>صفحات از</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>صفحات کا مجموعہ:</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>دو رخی پرنٹنگ</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>فارم</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>قسم:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>نام (&amp;N):</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>آؤٹ پٹ فائل (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>خصوصیات (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>پیش منظر</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>پرنٹر</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>مقام:</translation>
    </message>
</context>
</TS>
