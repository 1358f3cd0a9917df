<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>InstallRun</name>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>L&apos;espace disque disponible est insuffisant.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Le fichier %1 est manquant.</translation>
    </message>
    <message>
        <source>A folder stands where the file %1 goes.</source>
        <translation>Un dossier occupe l&apos;emplacement du fichier %1.</translation>
    </message>
    <message>
        <source>The old copy of %1 could not be kept.</source>
        <translation>L&apos;ancienne copie de %1 n&apos;a pas pu être conservée.</translation>
    </message>
    <message>
        <source>The file %1 could not be put in place.</source>
        <translation>Le fichier %1 n&apos;a pas pu être mis en place.</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>La signature ne peut pas être vérifiée.</translation>
    </message>
    <message>
        <source>The update information file is not signed.</source>
        <translation>Le fichier d&apos;informations de mise à jour n&apos;est pas signé.</translation>
    </message>
    <message>
        <source>The signature of the update information file does not match.</source>
        <translation>La signature du fichier d&apos;informations de mise à jour ne correspond pas.</translation>
    </message>
</context>
<context>
    <name>VbError</name>
    <message>
        <source>CCrc32 component failure</source>
        <translation>Défaillance du composant CCrc32</translation>
    </message>
    <message>
        <source>CFile component failure</source>
        <translation>Défaillance du composant CFile</translation>
    </message>
    <message>
        <source>CIniFile component failure</source>
        <translation>Défaillance du composant CIniFile</translation>
    </message>
    <message>
        <source>cNetGet component failure</source>
        <translation>Défaillance du composant cNetGet</translation>
    </message>
    <message>
        <source>cNetURL component failure</source>
        <translation>Défaillance du composant cNetURL</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <extracomment>The second line of an error box: %1 is where the error happened (Program.module.procedure), %2 the line number.</extracomment>
        <translation>dans %1 à la ligne %2</translation>
    </message>
</context>
<context>
    <name>cCabFile</name>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Le chemin d&apos;accès spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The system cannot open the file.</source>
        <translation>Le système ne peut pas ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Accès refusé.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>Espace de stockage insuffisant pour traiter cette commande.</translation>
    </message>
    <message>
        <source>Invalid data.</source>
        <translation>Données non valides.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Espace de stockage insuffisant pour terminer cette opération.</translation>
    </message>
    <message>
        <source>The system cannot find the drive specified.</source>
        <translation>Le lecteur spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The media is write protected.</source>
        <translation>Le support est protégé en écriture.</translation>
    </message>
    <message>
        <source>The system cannot find the device specified.</source>
        <translation>Le périphérique spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>Le périphérique n&apos;est pas prêt.</translation>
    </message>
    <message>
        <source>Data error (cyclic redundancy check).</source>
        <translation>Erreur de données (contrôle de redondance cyclique).</translation>
    </message>
    <message>
        <source>The drive cannot locate a specific area or track on the disk.</source>
        <translation>Le lecteur ne trouve pas une zone ou une piste précise du disque.</translation>
    </message>
    <message>
        <source>The specified disk or diskette cannot be accessed.</source>
        <translation>Impossible d&apos;accéder au disque ou à la disquette spécifiés.</translation>
    </message>
    <message>
        <source>The drive cannot find the sector requested.</source>
        <translation>Le lecteur ne trouve pas le secteur demandé.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Le système ne peut pas écrire sur le périphérique spécifié.</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>Le système ne peut pas lire depuis le périphérique spécifié.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Un périphérique connecté au système ne fonctionne pas.</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>Le processus ne peut pas accéder au fichier car il est utilisé par un autre processus.</translation>
    </message>
    <message>
        <source>The process cannot access the file because another process has locked a portion of the file.</source>
        <translation>Le processus ne peut pas accéder au fichier car un autre processus en a verrouillé une partie.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The directory or file cannot be created.</source>
        <translation>Impossible de créer le répertoire ou le fichier.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Le nom de fichier est trop long.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>Espace insuffisant sur le disque.</translation>
    </message>
    <message>
        <source>The filename, directory name, or volume label syntax is incorrect.</source>
        <translation>La syntaxe du nom de fichier, de répertoire ou de volume est incorrecte.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>You must set the CabName property before taking any action on the CabFile object.</source>
        <translation>Vous devez définir la propriété CabName avant toute action sur l&apos;objet CabFile.</translation>
    </message>
</context>
<context>
    <name>cFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Object not properly initialized. Set the PathFileName property to a non-empty value first</source>
        <translation>Objet mal initialisé. Donnez d&apos;abord une valeur non vide à la propriété PathFileName</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File copy failed</source>
        <translation>Échec de la copie du fichier</translation>
    </message>
    <message>
        <source>File move failed</source>
        <translation>Échec du déplacement du fichier</translation>
    </message>
    <message>
        <source>File delete failed</source>
        <translation>Échec de la suppression du fichier</translation>
    </message>
</context>
<context>
    <name>cIniFile</name>
    <message>
        <source>Invalid file name</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Object not properly initialized</source>
        <translation>Objet mal initialisé</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid section</source>
        <translation>Section non valide</translation>
    </message>
    <message>
        <source>Invalid key</source>
        <translation>Clé non valide</translation>
    </message>
</context>
<context>
    <name>cNetGet</name>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erreur d&apos;entrée/sortie du périphérique</translation>
    </message>
    <message>
        <source>Opening Tarvo update page...</source>
        <translation>Ouverture de la page de mise à jour de Tarvo...</translation>
    </message>
    <message>
        <source>Reading Url: %1 bytes read</source>
        <extracomment>The download&apos;s status while it runs; %1 is the number of bytes read so far.</extracomment>
        <translation>Lecture de l&apos;URL : %1 octets lus</translation>
    </message>
    <message>
        <source>The download is larger than %1 bytes.</source>
        <translation>Le téléchargement dépasse %1 octets.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>No more handles could be generated at this time</source>
        <translation>Impossible de générer d&apos;autres descripteurs pour le moment</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>Le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>Le serveur a renvoyé une erreur étendue.</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>Une erreur interne s&apos;est produite.</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>L&apos;URL n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized, or is not supported.</source>
        <translation>Le schéma de l&apos;URL n&apos;a pas été reconnu ou n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Le nom du serveur n&apos;a pas pu être résolu.</translation>
    </message>
    <message>
        <source>The requested protocol could not be located.</source>
        <translation>Le protocole demandé est introuvable.</translation>
    </message>
    <message>
        <source>A request to InternetQueryOption or InternetSetOption specified an invalid option value.</source>
        <translation>Une requête à InternetQueryOption ou InternetSetOption a indiqué une valeur d&apos;option non valide.</translation>
    </message>
    <message>
        <source>The length of an option supplied to InternetQueryOption or InternetSetOption is incorrect for the type of option specified.</source>
        <translation>La longueur d&apos;une option fournie à InternetQueryOption ou InternetSetOption est incorrecte pour le type d&apos;option indiqué.</translation>
    </message>
    <message>
        <source>The request option can not be set, only queried. </source>
        <translation>L&apos;option de requête ne peut pas être définie, seulement consultée. </translation>
    </message>
    <message>
        <source>The Win32 Internet support is being shutdown or unloaded.</source>
        <translation>La prise en charge Internet de Win32 est en cours d&apos;arrêt ou de déchargement.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied user name is incorrect.</source>
        <translation>La demande de connexion et d&apos;ouverture de session sur un serveur FTP n&apos;a pas pu aboutir car le nom d&apos;utilisateur fourni est incorrect.</translation>
    </message>
    <message>
        <source>The request to connect and login to an FTP server could not be completed because the supplied password is incorrect. </source>
        <translation>La demande de connexion et d&apos;ouverture de session sur un serveur FTP n&apos;a pas pu aboutir car le mot de passe fourni est incorrect. </translation>
    </message>
    <message>
        <source>The request to connect to and login to an FTP server failed.</source>
        <translation>La demande de connexion et d&apos;ouverture de session sur un serveur FTP a échoué.</translation>
    </message>
    <message>
        <source>The requested operation is invalid. </source>
        <translation>L&apos;opération demandée n&apos;est pas valide. </translation>
    </message>
    <message>
        <source>The operation was canceled, usually because the handle on which the request was operating was closed before the operation completed.</source>
        <translation>L&apos;opération a été annulée, généralement parce que le descripteur sur lequel portait la requête a été fermé avant la fin de l&apos;opération.</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>Le type de descripteur fourni est incorrect pour cette opération.</translation>
    </message>
    <message>
        <source>The requested operation can not be carried out because the handle supplied is not in the correct state.</source>
        <translation>L&apos;opération demandée ne peut pas être effectuée car le descripteur fourni n&apos;est pas dans le bon état.</translation>
    </message>
    <message>
        <source>The request can not be made via a proxy.</source>
        <translation>La requête ne peut pas passer par un proxy.</translation>
    </message>
    <message>
        <source>A required registry value could not be located. </source>
        <translation>Une valeur de registre requise est introuvable. </translation>
    </message>
    <message>
        <source>A required registry value was located but is an incorrect type or has an invalid value.</source>
        <translation>Une valeur de registre requise a été trouvée, mais son type est incorrect ou sa valeur n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Direct network access cannot be made at this time. </source>
        <translation>L&apos;accès direct au réseau est impossible pour le moment. </translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a zero context value was supplied.</source>
        <translation>Une requête asynchrone n&apos;a pas pu être faite car une valeur de contexte nulle a été fournie.</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a callback function has not been set.</source>
        <translation>Une requête asynchrone n&apos;a pas pu être faite car aucune fonction de rappel n&apos;a été définie.</translation>
    </message>
    <message>
        <source>The required operation could not be completed because one or more requests are pending.</source>
        <translation>L&apos;opération requise n&apos;a pas pu aboutir car une ou plusieurs requêtes sont en attente.</translation>
    </message>
    <message>
        <source>The format of the request is invalid.</source>
        <translation>Le format de la requête n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The requested item could not be located.</source>
        <translation>L&apos;élément demandé est introuvable.</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>La tentative de connexion au serveur a échoué.</translation>
    </message>
    <message>
        <source>The connection with the server has been terminated.</source>
        <translation>La connexion avec le serveur a été interrompue.</translation>
    </message>
    <message>
        <source>The connection with the server has been reset.</source>
        <translation>La connexion avec le serveur a été réinitialisée.</translation>
    </message>
    <message>
        <source>The request failed because the handle already exists.</source>
        <translation>La requête a échoué car le descripteur existe déjà.</translation>
    </message>
    <message>
        <source>Error details not available.</source>
        <translation>Détails de l&apos;erreur non disponibles.</translation>
    </message>
    <message>
        <source>Parsing page...</source>
        <translation>Analyse de la page...</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Modem (Busy)</source>
        <translation>Modem (occupé)</translation>
    </message>
    <message>
        <source>LAN</source>
        <extracomment>A kind of Internet connection: a local network.</extracomment>
        <translation>Réseau local</translation>
    </message>
    <message>
        <source>Proxy Server</source>
        <translation>Serveur proxy</translation>
    </message>
</context>
<context>
    <name>modTarvo</name>
    <message>
        <source>Tarvo Update Program</source>
        <translation>Programme de mise à jour Tarvo</translation>
    </message>
    <message>
        <source>Program is already running</source>
        <translation>Le programme est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Cannot run program... Missing parameters...</source>
        <translation>Impossible de lancer le programme... Paramètres manquants...</translation>
    </message>
    <message>
        <source>Cannot run program... %1</source>
        <extracomment>%1 is an error code that stays as it is.</extracomment>
        <translation>Impossible de lancer le programme... %1</translation>
    </message>
    <message>
        <source>Tarvo could not find the default Temp directory, cannot continue.</source>
        <translation>Tarvo ne trouve pas le dossier temporaire par défaut et ne peut pas continuer.</translation>
    </message>
</context>
<context>
    <name>nv::fQuenlo</name>
    <message>
        <source>ORVEN Tarvo update  is in progress, Please wait...</source>
        <translation>Mise à jour d&apos;ORVEN Tarvo en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Cannot run program...<byte value="xd"/>
ERR# %1 ...</source>
        <extracomment>%1 is an error code (QNL101 ...) that stays as it is.</extracomment>
        <translation>Impossible de lancer le programme...<byte value="xd"/>
ERR# %1 ...</translation>
    </message>
    <message>
        <source>Quenlo Message</source>
        <translation>Message de Quenlo</translation>
    </message>
</context>
<context>
    <name>nv::frmTarvo</name>
    <message>
        <source>Tarvo Updates</source>
        <translation>Mises à jour Tarvo</translation>
    </message>
    <message>
        <source>Software Updates</source>
        <translation>Mises à jour logicielles</translation>
    </message>
    <message>
        <source>Please wait while Tarvo updates your software.</source>
        <translation>Veuillez patienter pendant que Tarvo met à jour votre logiciel.</translation>
    </message>
    <message>
        <source>Connecting to the Internet</source>
        <translation>Connexion à Internet</translation>
    </message>
    <message>
        <source>Looking for software updates</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>Retrieving updates</source>
        <translation>Récupération des mises à jour</translation>
    </message>
    <message>
        <source>Installing updates</source>
        <translation>Installation des mises à jour</translation>
    </message>
    <message>
        <source>Processing, Please wait...</source>
        <translation>Traitement en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>ORVEN Tarvo for %1</source>
        <extracomment>The window title; %1 is the product that is updated (Noorvale).</extracomment>
        <translation>ORVEN Tarvo pour %1</translation>
    </message>
    <message>
        <source>%1 Software Updates</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>Mises à jour de %1</translation>
    </message>
    <message>
        <source>%1, Please wait...</source>
        <extracomment>%1 is the step under way (&quot;Retrieving updates&quot;).</extracomment>
        <translation>%1, veuillez patienter...</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Tarvo has completed the update.</source>
        <translation>Tarvo a terminé la mise à jour.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>You must have an active connection to the Internet<byte value="xd"/>
for Tarvo to function properly. Please establish<byte value="xd"/>
an Internet Connection and try again.</source>
        <translation>Une connexion Internet active est nécessaire<byte value="xd"/>
au bon fonctionnement de Tarvo. Veuillez établir<byte value="xd"/>
une connexion Internet et réessayer.</translation>
    </message>
    <message>
        <source>Internet Status: Connected: %1</source>
        <extracomment>%1 is the kind of connection (LAN, Modem, Proxy Server).</extracomment>
        <translation>État d&apos;Internet : connecté : %1</translation>
    </message>
    <message>
        <source>Internet Status: Not Connected</source>
        <translation>État d&apos;Internet : non connecté</translation>
    </message>
    <message>
        <source>Update Failed, could not connect to the Internet.</source>
        <translation>Échec de la mise à jour : impossible de se connecter à Internet.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Le téléchargement a échoué.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve Tarvo file. %1</source>
        <translation>Échec de la mise à jour : impossible de récupérer le fichier Tarvo. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not open Tarvo file.</source>
        <translation>Échec de la mise à jour : impossible d&apos;ouvrir le fichier Tarvo.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid. %1</source>
        <translation>Échec de la mise à jour : le fichier Tarvo n&apos;est pas valide. %1</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid.</source>
        <translation>Échec de la mise à jour : le fichier Tarvo n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Update Failed, update package is not valid.</source>
        <translation>Échec de la mise à jour : le paquet de mise à jour n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>There is a newer version of the Tarvo program available...<byte value="xd"/>
You MUST update Tarvo before checking for %1 updates.<byte value="xd"/>
<byte value="xd"/>
Do you wish to download the update now?</source>
        <extracomment>%1 is the product that is updated (Noorvale).</extracomment>
        <translation>Une version plus récente du programme Tarvo est disponible...<byte value="xd"/>
Vous DEVEZ mettre à jour Tarvo avant de rechercher les mises à jour de %1.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous télécharger la mise à jour maintenant ?</translation>
    </message>
    <message>
        <source>Tarvo Message</source>
        <translation>Message de Tarvo</translation>
    </message>
    <message>
        <source>Tarvo version is not up to date.</source>
        <translation>La version de Tarvo n&apos;est pas à jour.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo version is not up to date.</source>
        <translation>Échec de la mise à jour : la version de Tarvo n&apos;est pas à jour.</translation>
    </message>
    <message>
        <source>You have the latest version, No update is available at this time.</source>
        <translation>Vous avez la dernière version, aucune mise à jour n&apos;est disponible pour le moment.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve updated files. %1</source>
        <translation>Échec de la mise à jour : impossible de récupérer les fichiers mis à jour. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not authenticate update files. %1</source>
        <translation>Échec de la mise à jour : impossible d&apos;authentifier les fichiers de mise à jour. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not extract update files.</source>
        <translation>Échec de la mise à jour : impossible d&apos;extraire les fichiers de mise à jour.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files.</source>
        <translation>Échec de la mise à jour : impossible d&apos;extraire les fichiers.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files. %1</source>
        <translation>Échec de la mise à jour : impossible d&apos;extraire les fichiers. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Échec de la mise à jour : impossible d&apos;installer les fichiers de mise à jour. Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1</source>
        <translation>Échec de la mise à jour : impossible d&apos;installer les fichiers de mise à jour. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not locate update files.</source>
        <translation>Échec de la mise à jour : fichiers de mise à jour introuvables.</translation>
    </message>
    <message>
        <source>Update Failed, could not copy update files. %1</source>
        <translation>Échec de la mise à jour : impossible de copier les fichiers de mise à jour. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1 The previous version was restored.</source>
        <extracomment>%1 is the cause, a sentence of its own.</extracomment>
        <translation>Échec de la mise à jour : impossible d&apos;installer les fichiers de mise à jour. %1 La version précédente a été restaurée.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Tarvo update Failed...</source>
        <translation>Échec de la mise à jour de Tarvo...</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the Tarvo update?</source>
        <translation>Voulez-vous vraiment annuler la mise à jour de Tarvo ?</translation>
    </message>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>L&apos;espace disque disponible est insuffisant.</translation>
    </message>
    <message>
        <source>The data does not match its checksum.</source>
        <translation>Les données ne correspondent pas à leur somme de contrôle.</translation>
    </message>
</context>
</TS>
