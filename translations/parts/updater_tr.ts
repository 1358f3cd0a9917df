<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>InstallRun</name>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>Diskte yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>%1 dosyası yazılamadı.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>%1 dosyası eksik.</translation>
    </message>
    <message>
        <source>A folder stands where the file %1 goes.</source>
        <translation>%1 dosyasının konacağı yerde bir klasör var.</translation>
    </message>
    <message>
        <source>The old copy of %1 could not be kept.</source>
        <translation>%1 dosyasının eski kopyası saklanamadı.</translation>
    </message>
    <message>
        <source>The file %1 could not be put in place.</source>
        <translation>%1 dosyası yerine konamadı.</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>İmza doğrulanamıyor.</translation>
    </message>
    <message>
        <source>The update information file is not signed.</source>
        <translation>Güncelleme bilgi dosyası imzalı değil.</translation>
    </message>
    <message>
        <source>The signature of the update information file does not match.</source>
        <translation>Güncelleme bilgi dosyasının imzası eşleşmiyor.</translation>
    </message>
</context>
<context>
    <name>VbError</name>
    <message>
        <source>CCrc32 component failure</source>
        <translation>CCrc32 bileşeni hatası</translation>
    </message>
    <message>
        <source>CFile component failure</source>
        <translation>CFile bileşeni hatası</translation>
    </message>
    <message>
        <source>CIniFile component failure</source>
        <translation>CIniFile bileşeni hatası</translation>
    </message>
    <message>
        <source>cNetGet component failure</source>
        <translation>cNetGet bileşeni hatası</translation>
    </message>
    <message>
        <source>cNetURL component failure</source>
        <translation>cNetURL bileşeni hatası</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Geçersiz yordam çağrısı veya bağımsız değişken</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Bellek yetersiz</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Sıfıra bölme</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tür uyuşmazlığı</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Yol bulunamadı</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Uygulama veya nesne tanımlı hata</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <extracomment>The second line of an error box: %1 is where the error happened (Program.module.procedure), %2 the line number.</extracomment>
        <translation>%1 içinde, %2. satırda</translation>
    </message>
</context>
<context>
    <name>cCabFile</name>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Sistem belirtilen dosyayı bulamıyor.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Sistem belirtilen yolu bulamıyor.</translation>
    </message>
    <message>
        <source>The system cannot open the file.</source>
        <translation>Sistem dosyayı açamıyor.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Erişim reddedildi.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>Bu komutu işlemek için yeterli depolama alanı yok.</translation>
    </message>
    <message>
        <source>Invalid data.</source>
        <translation>Geçersiz veri.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Bu işlemi tamamlamak için yeterli depolama alanı yok.</translation>
    </message>
    <message>
        <source>The system cannot find the drive specified.</source>
        <translation>Sistem belirtilen sürücüyü bulamıyor.</translation>
    </message>
    <message>
        <source>The media is write protected.</source>
        <translation>Ortam yazmaya karşı korumalı.</translation>
    </message>
    <message>
        <source>The system cannot find the device specified.</source>
        <translation>Sistem belirtilen aygıtı bulamıyor.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>Aygıt hazır değil.</translation>
    </message>
    <message>
        <source>Data error (cyclic redundancy check).</source>
        <translation>Veri hatası (döngüsel artıklık denetimi).</translation>
    </message>
    <message>
        <source>The drive cannot locate a specific area or track on the disk.</source>
        <translation>Sürücü diskte belirli bir alanı veya izi bulamıyor.</translation>
    </message>
    <message>
        <source>The specified disk or diskette cannot be accessed.</source>
        <translation>Belirtilen diske veya diskete erişilemiyor.</translation>
    </message>
    <message>
        <source>The drive cannot find the sector requested.</source>
        <translation>Sürücü istenen kesimi bulamıyor.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Sistem belirtilen aygıta yazamıyor.</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>Sistem belirtilen aygıttan okuyamıyor.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Sisteme bağlı bir aygıt çalışmıyor.</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>Dosya başka bir işlem tarafından kullanıldığından işlem dosyaya erişemiyor.</translation>
    </message>
    <message>
        <source>The process cannot access the file because another process has locked a portion of the file.</source>
        <translation>Başka bir işlem dosyanın bir bölümünü kilitlediğinden işlem dosyaya erişemiyor.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk dolu.</translation>
    </message>
    <message>
        <source>The directory or file cannot be created.</source>
        <translation>Dizin veya dosya oluşturulamıyor.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Dosya adı çok uzun.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>Diskte yeterli alan yok.</translation>
    </message>
    <message>
        <source>The filename, directory name, or volume label syntax is incorrect.</source>
        <translation>Dosya adı, dizin adı veya birim etiketi söz dizimi yanlış.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Bilinmeyen hata.</translation>
    </message>
    <message>
        <source>You must set the CabName property before taking any action on the CabFile object.</source>
        <translation>CabFile nesnesinde herhangi bir işlem yapmadan önce CabName özelliğini ayarlamalısınız.</translation>
    </message>
</context>
<context>
    <name>cFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>Geçersiz dosya adı</translation>
    </message>
    <message>
        <source>Object not properly initialized. Set the PathFileName property to a non-empty value first</source>
        <translation>Nesne düzgün başlatılmadı. Önce PathFileName özelliğine boş olmayan bir değer verin</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>File copy failed</source>
        <translation>Dosya kopyalanamadı</translation>
    </message>
    <message>
        <source>File move failed</source>
        <translation>Dosya taşınamadı</translation>
    </message>
    <message>
        <source>File delete failed</source>
        <translation>Dosya silinemedi</translation>
    </message>
</context>
<context>
    <name>cIniFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>Geçersiz dosya adı</translation>
    </message>
    <message>
        <source>Object not properly initialized</source>
        <translation>Nesne düzgün başlatılmadı</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>Invalid section</source>
        <translation>Geçersiz bölüm</translation>
    </message>
    <message>
        <source>Invalid key</source>
        <translation>Geçersiz anahtar</translation>
    </message>
</context>
<context>
    <name>cNetGet</name>
    <message>
        <source>Disk full</source>
        <translation>Disk dolu</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Yol bulunamadı</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Yol/dosya erişim hatası</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Aygıt G/Ç hatası</translation>
    </message>
    <message>
        <source>Opening Tarvo update page...</source>
        <translation>Tarvo güncelleme sayfası açılıyor...</translation>
    </message>
    <message>
        <source>Reading Url: %1 bytes read</source>
        <extracomment>The download&apos;s status while it runs; %1 is the number of bytes read so far.</extracomment>
        <translation>URL okunuyor: %1 bayt okundu</translation>
    </message>
    <message>
        <source>The download is larger than %1 bytes.</source>
        <translation>İndirilen dosya %1 bayttan büyük.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>No more handles could be generated at this time</source>
        <translation>Şu anda daha fazla tanıtıcı oluşturulamadı</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>İstek zaman aşımına uğradı.</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>Sunucu genişletilmiş bir hata döndürdü.</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>Dahili bir hata oluştu.</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>URL geçersiz.</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized, or is not supported.</source>
        <translation>URL şeması tanınamadı veya desteklenmiyor.</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Sunucu adı çözümlenemedi.</translation>
    </message>
    <message>
        <source>The requested protocol could not be located.</source>
        <translation>İstenen protokol bulunamadı.</translation>
    </message>
    <message>
        <source>A request to InternetQueryOption or InternetSetOption specified an invalid option value.</source>
        <translation>InternetQueryOption veya InternetSetOption isteği geçersiz bir seçenek değeri belirtti.</translation>
    </message>
    <message>
        <source>The length of an option supplied to InternetQueryOption or InternetSetOption is incorrect for the type of option specified.</source>
        <translation>InternetQueryOption veya InternetSetOption&apos;a verilen seçeneğin uzunluğu, belirtilen seçenek türü için yanlış.</translation>
    </message>
    <message>
        <source>The request option can not be set, only queried. </source>
        <translation>İstek seçeneği ayarlanamaz, yalnızca sorgulanabilir. </translation>
    </message>
    <message>
        <source>The Win32 Internet support is being shutdown or unloaded.</source>
        <translation>Win32 İnternet desteği kapatılıyor veya kaldırılıyor.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied user name is incorrect.</source>
        <translation>Sağlanan kullanıcı adı yanlış olduğundan FTP sunucusuna bağlanma ve oturum açma isteği tamamlanamadı.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied password is incorrect. </source>
        <translation>Sağlanan parola yanlış olduğundan FTP sunucusuna bağlanma ve oturum açma isteği tamamlanamadı. </translation>
    </message>
    <message>
        <source>The request to connect to and login to an FTP server failed.</source>
        <translation>FTP sunucusuna bağlanma ve oturum açma isteği başarısız oldu.</translation>
    </message>
    <message>
        <source>The requested operation is invalid. </source>
        <translation>İstenen işlem geçersiz. </translation>
    </message>
    <message>
        <source>The operation was canceled, usually because the handle on which the request was operating was closed before the operation completed.</source>
        <translation>İşlem iptal edildi; genellikle isteğin üzerinde çalıştığı tanıtıcı, işlem tamamlanmadan kapatıldığı için.</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>Sağlanan tanıtıcının türü bu işlem için yanlış.</translation>
    </message>
    <message>
        <source>The requested operation can not be carried out because the handle supplied is not in the correct state.</source>
        <translation>Sağlanan tanıtıcı doğru durumda olmadığından istenen işlem gerçekleştirilemiyor.</translation>
    </message>
    <message>
        <source>The request can not be made via a proxy.</source>
        <translation>İstek bir proxy üzerinden yapılamaz.</translation>
    </message>
    <message>
        <source>A required registry value could not be located. </source>
        <translation>Gerekli bir kayıt defteri değeri bulunamadı. </translation>
    </message>
    <message>
        <source>A required registry value was located but is an incorrect type or has an invalid value.</source>
        <translation>Gerekli bir kayıt defteri değeri bulundu, ancak türü yanlış veya değeri geçersiz.</translation>
    </message>
    <message>
        <source>Direct network access cannot be made at this time. </source>
        <translation>Şu anda doğrudan ağ erişimi sağlanamıyor. </translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a zero context value was supplied.</source>
        <translation>Sıfır bağlam değeri verildiğinden zaman uyumsuz istek yapılamadı.</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a callback function has not been set.</source>
        <translation>Geri çağırma işlevi ayarlanmadığından zaman uyumsuz istek yapılamadı.</translation>
    </message>
    <message>
        <source>The required operation could not be completed because one or more requests are pending.</source>
        <translation>Bir veya daha fazla istek beklemede olduğundan gerekli işlem tamamlanamadı.</translation>
    </message>
    <message>
        <source>The format of the request is invalid.</source>
        <translation>İsteğin biçimi geçersiz.</translation>
    </message>
    <message>
        <source>The requested item could not be located.</source>
        <translation>İstenen öğe bulunamadı.</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>Sunucuya bağlanma girişimi başarısız oldu.</translation>
    </message>
    <message>
        <source>The connection with the server has been terminated.</source>
        <translation>Sunucuyla bağlantı sonlandırıldı.</translation>
    </message>
    <message>
        <source>The connection with the server has been reset.</source>
        <translation>Sunucuyla bağlantı sıfırlandı.</translation>
    </message>
    <message>
        <source>The request failed because the handle already exists.</source>
        <translation>Tanıtıcı zaten var olduğundan istek başarısız oldu.</translation>
    </message>
    <message>
        <source>Error details not available.</source>
        <translation>Hata ayrıntıları yok.</translation>
    </message>
    <message>
        <source>Parsing page...</source>
        <translation>Sayfa ayrıştırılıyor...</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Modem (Busy)</source>
        <translation>Modem (Meşgul)</translation>
    </message>
    <message>
        <source>LAN</source>
        <extracomment>A kind of Internet connection: a local network.</extracomment>
        <translation>Yerel ağ</translation>
    </message>
    <message>
        <source>Proxy Server</source>
        <translation>Proxy sunucusu</translation>
    </message>
</context>
<context>
    <name>modTarvo</name>
    <message>
        <source>Tarvo Update Program</source>
        <translation>Tarvo Güncelleme Programı</translation>
    </message>
    <message>
        <source>Program is already running</source>
        <translation>Program zaten çalışıyor</translation>
    </message>
    <message>
        <source>Cannot run program... Missing parameters...</source>
        <translation>Program çalıştırılamıyor... Parametreler eksik...</translation>
    </message>
    <message>
        <source>Cannot run program... %1</source>
        <extracomment>%1 is an error code that stays as it is.</extracomment>
        <translation>Program çalıştırılamıyor... %1</translation>
    </message>
    <message>
        <source>Tarvo could not find the default Temp directory, cannot continue.</source>
        <translation>Tarvo varsayılan geçici klasörü bulamadı, devam edemiyor.</translation>
    </message>
</context>
<context>
    <name>nv::fQuenlo</name>
    <message>
        <source>ORVEN Tarvo update  is in progress, Please wait...</source>
        <translation>ORVEN Tarvo güncellemesi sürüyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Cannot run program...<byte value="xd"/>
ERR# %1 ...</source>
        <extracomment>%1 is an error code (QNL101 ...) that stays as it is.</extracomment>
        <translation>Program çalıştırılamıyor...<byte value="xd"/>
ERR# %1 ...</translation>
    </message>
    <message>
        <source>Quenlo Message</source>
        <translation>Quenlo İletisi</translation>
    </message>
</context>
<context>
    <name>nv::frmTarvo</name>
    <message>
        <source>Tarvo Updates</source>
        <translation>Tarvo Güncellemeleri</translation>
    </message>
    <message>
        <source>Software Updates</source>
        <translation>Yazılım Güncellemeleri</translation>
    </message>
    <message>
        <source>Please wait while Tarvo updates your software.</source>
        <translation>Tarvo yazılımınızı güncellerken lütfen bekleyin.</translation>
    </message>
    <message>
        <source>Connecting to the Internet</source>
        <translation>İnternet&apos;e bağlanılıyor</translation>
    </message>
    <message>
        <source>Looking for software updates</source>
        <translation>Yazılım güncellemeleri aranıyor</translation>
    </message>
    <message>
        <source>Retrieving updates</source>
        <translation>Güncellemeler alınıyor</translation>
    </message>
    <message>
        <source>Installing updates</source>
        <translation>Güncellemeler yükleniyor</translation>
    </message>
    <message>
        <source>Processing, Please wait...</source>
        <translation>İşleniyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>ORVEN Tarvo for %1</source>
        <extracomment>The window title; %1 is the product that is updated (Noorvale).</extracomment>
        <translation>%1 için ORVEN Tarvo</translation>
    </message>
    <message>
        <source>%1 Software Updates</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>%1 Yazılım Güncellemeleri</translation>
    </message>
    <message>
        <source>%1, Please wait...</source>
        <extracomment>%1 is the step under way (&quot;Retrieving updates&quot;).</extracomment>
        <translation>%1, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Tarvo has completed the update.</source>
        <translation>Tarvo güncellemeyi tamamladı.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>You must have an active connection to the Internet<byte value="xd"/>
for Tarvo to function properly. Please establish<byte value="xd"/>
an Internet Connection and try again.</source>
        <translation>Tarvo&apos;nun düzgün çalışması için etkin bir<byte value="xd"/>
İnternet bağlantınız olmalıdır. Lütfen bir<byte value="xd"/>
İnternet bağlantısı kurup yeniden deneyin.</translation>
    </message>
    <message>
        <source>Internet Status: Connected: %1</source>
        <extracomment>%1 is the kind of connection (LAN, Modem, Proxy Server).</extracomment>
        <translation>İnternet Durumu: Bağlı: %1</translation>
    </message>
    <message>
        <source>Internet Status: Not Connected</source>
        <translation>İnternet Durumu: Bağlı Değil</translation>
    </message>
    <message>
        <source>Update Failed, could not connect to the Internet.</source>
        <translation>Güncelleme başarısız, İnternet&apos;e bağlanılamadı.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>İndirme başarısız oldu.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve Tarvo file. %1</source>
        <translation>Güncelleme başarısız, Tarvo dosyası alınamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not open Tarvo file.</source>
        <translation>Güncelleme başarısız, Tarvo dosyası açılamadı.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid. %1</source>
        <translation>Güncelleme başarısız, Tarvo dosyası geçerli değil. %1</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid.</source>
        <translation>Güncelleme başarısız, Tarvo dosyası geçerli değil.</translation>
    </message>
    <message>
        <source>Update Failed, update package is not valid.</source>
        <translation>Güncelleme başarısız, güncelleme paketi geçerli değil.</translation>
    </message>
    <message>
        <source>There is a newer version of the Tarvo program available...<byte value="xd"/>
You MUST update Tarvo before checking for %1 updates.<byte value="xd"/>
<byte value="xd"/>
Do you wish to download the update now?</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>Tarvo programının daha yeni bir sürümü var...<byte value="xd"/>
%1 güncellemelerini denetlemeden önce Tarvo&apos;yu MUTLAKA güncellemelisiniz.<byte value="xd"/>
<byte value="xd"/>
Güncellemeyi şimdi indirmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Tarvo Message</source>
        <translation>Tarvo İletisi</translation>
    </message>
    <message>
        <source>Tarvo version is not up to date.</source>
        <translation>Tarvo sürümü güncel değil.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo version is not up to date.</source>
        <translation>Güncelleme başarısız, Tarvo sürümü güncel değil.</translation>
    </message>
    <message>
        <source>You have the latest version, No update is available at this time.</source>
        <translation>En son sürüme sahipsiniz, şu anda güncelleme yok.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve updated files. %1</source>
        <translation>Güncelleme başarısız, güncellenmiş dosyalar alınamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not authenticate update files. %1</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları doğrulanamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not extract update files.</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları çıkarılamadı.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files.</source>
        <translation>Güncelleme başarısız, dosyalar çıkarılamadı.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files. %1</source>
        <translation>Güncelleme başarısız, dosyalar çıkarılamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Güncelleme başarısız, güncelleme dosyaları yüklenemedi. %1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları yüklenemedi. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not locate update files.</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları bulunamadı.</translation>
    </message>
    <message>
        <source>Update Failed, could not copy update files. %1</source>
        <translation>Güncelleme başarısız, güncelleme dosyaları kopyalanamadı. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1 The previous version was restored.</source>
        <extracomment>%1 is the cause, a sentence of its own.</extracomment>
        <translation>Güncelleme başarısız, güncelleme dosyaları yüklenemedi. %1 Önceki sürüm geri yüklendi.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Tarvo update Failed...</source>
        <translation>Tarvo güncellemesi başarısız oldu...</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the Tarvo update?</source>
        <translation>Tarvo güncellemesini iptal etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>Diskte yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>The data does not match its checksum.</source>
        <translation>Veriler sağlama toplamıyla eşleşmiyor.</translation>
    </message>
</context>
</TS>
