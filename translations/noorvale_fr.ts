<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Authority</name>
    <message>
        <source>Umm Al-Qura University, Makkah</source>
        <translation>Université Umm al-Qura, La Mecque</translation>
    </message>
    <message>
        <source>General Authority of Islamic Affairs, Dubai</source>
        <translation>Autorité générale des affaires islamiques, Dubaï</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Kuwait</source>
        <translation>Ministère des Awqaf, Koweït</translation>
    </message>
    <message>
        <source>Ministry of Awqaf, Qatar</source>
        <translation>Ministère des Awqaf, Qatar</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura (MUIS)</source>
        <translation>Conseil religieux islamique de Singapour (MUIS)</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM, Malaisie</translation>
    </message>
    <message>
        <source>Kemenag, Indonesia</source>
        <translation>Kemenag, Indonésie</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Turquie</translation>
    </message>
    <message>
        <source>UOIF, France</source>
        <translation>UOIF, France</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims, Russia</source>
        <translation>Direction spirituelle des musulmans, Russie</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut de géophysique, Université de Téhéran</translation>
    </message>
    <message>
        <source>JAKIM, Kelantan</source>
        <translation>JAKIM, Kelantan</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Autorité générale égyptienne de géodésie</translation>
    </message>
    <message>
        <source>ISNA Canada</source>
        <translation>ISNA Canada</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Comité mondial d&apos;observation du croissant</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Date is not valid</source>
        <translation>La date n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Longitude is not valid, must be less than 180</source>
        <translation>La longitude n&apos;est pas valide, elle doit être inférieure à 180</translation>
    </message>
    <message>
        <source>Latitude is not valid, must be less than 89.8</source>
        <translation>La latitude n&apos;est pas valide, elle doit être inférieure à 89.8</translation>
    </message>
    <message>
        <source>Shadow Ratio is not valid, must be between 1 and 2</source>
        <translation>Le rapport d&apos;ombre n&apos;est pas valide, il doit être compris entre 1 et 2</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Midnight sun: the sun does not set on this day.</source>
        <translation>Soleil de minuit&#xa0;: le soleil ne se couche pas ce jour-là.</translation>
    </message>
    <message>
        <source>Polar night: the sun does not rise on this day.</source>
        <translation>Nuit polaire&#xa0;: le soleil ne se lève pas ce jour-là.</translation>
    </message>
    <message>
        <source>No true dawn/dusk: the sun does not sink to the Fajr or Isha angle on this day.</source>
        <translation>Ni vraie aube ni vrai crépuscule&#xa0;: le soleil ne descend pas jusqu&apos;à l&apos;angle du Fajr ou de l&apos;Icha ce jour-là.</translation>
    </message>
    <message>
        <source>These times are not in order for this place and method.</source>
        <translation>Ces horaires ne sont pas dans l&apos;ordre pour ce lieu et cette méthode.</translation>
    </message>
    <message>
        <source>No Asr shadow: the sun does not reach the Asr altitude on this day.</source>
        <translation>Pas d&apos;ombre d&apos;Asr&#xa0;: le soleil n&apos;atteint pas la hauteur de l&apos;Asr ce jour-là.</translation>
    </message>
</context>
<context>
    <name>Hijri</name>
    <message>
        <source>Muharram</source>
        <translation>Mouharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi Awal</source>
        <translation>Rabia al-awal</translation>
    </message>
    <message>
        <source>Rabi Thani</source>
        <translation>Rabia ath-thani</translation>
    </message>
    <message>
        <source>Jumada Awal</source>
        <translation>Joumada al-oula</translation>
    </message>
    <message>
        <source>Jumada Thani</source>
        <translation>Joumada ath-thania</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>Chaabane</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Chawwal</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Qa&apos;dah</source>
        <translation>Dhou al-qi&apos;da</translation>
    </message>
    <message>
        <source>Dhu&apos;l-Hijja</source>
        <translation>Dhou al-hijja</translation>
    </message>
</context>
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
    <name>MExceptionHandler</name>
    <message>
        <source>Access Violation</source>
        <translation>Violation d&apos;accès</translation>
    </message>
    <message>
        <source>Data Type Misalignment</source>
        <translation>Alignement de type de données incorrect</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>Point d&apos;arrêt</translation>
    </message>
    <message>
        <source>Single Step</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Array Bounds Exceeded</source>
        <translation>Limites du tableau dépassées</translation>
    </message>
    <message>
        <source>Float Denormal Operand</source>
        <translation>Opérande flottant dénormalisé</translation>
    </message>
    <message>
        <source>Divide By Zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Floating Point Inexact Result</source>
        <translation>Résultat inexact en virgule flottante</translation>
    </message>
    <message>
        <source>Invalid Operation</source>
        <translation>Opération non valide</translation>
    </message>
    <message>
        <source>Float Overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>Float Stack Check</source>
        <translation>Contrôle de pile en virgule flottante</translation>
    </message>
    <message>
        <source>Float Underflow</source>
        <translation>Dépassement inférieur en virgule flottante</translation>
    </message>
    <message>
        <source>Integer Divide By Zero</source>
        <translation>Division entière par zéro</translation>
    </message>
    <message>
        <source>Integer Overflow</source>
        <translation>Dépassement de capacité d&apos;entier</translation>
    </message>
    <message>
        <source>Privileged Instruction</source>
        <translation>Instruction privilégiée</translation>
    </message>
    <message>
        <source>In Page Error</source>
        <translation>Erreur dans la page</translation>
    </message>
    <message>
        <source>Illegal Instruction</source>
        <translation>Instruction illégale</translation>
    </message>
    <message>
        <source>Non Continuable Exception</source>
        <translation>Exception non continuable</translation>
    </message>
    <message>
        <source>Stack Overflow</source>
        <translation>Dépassement de pile</translation>
    </message>
    <message>
        <source>Invalid Disposition</source>
        <translation>Disposition non valide</translation>
    </message>
    <message>
        <source>Guard Page Violation</source>
        <translation>Violation de page de garde</translation>
    </message>
    <message>
        <source>Invalid Handle</source>
        <translation>Handle non valide</translation>
    </message>
    <message>
        <source>Control-C Exit</source>
        <translation>Sortie par Control-C</translation>
    </message>
    <message>
        <source>Unknown (&amp;H%1)</source>
        <extracomment>A processor fault without a name; %1 is its code in hexadecimal.</extracomment>
        <translation>Inconnue (&amp;H%1)</translation>
    </message>
</context>
<context>
    <name>Method</name>
    <message>
        <source>Umm Al-Qura, Makkah</source>
        <translation>Umm al-Qura, La Mecque</translation>
    </message>
    <message>
        <source>World Islamic League</source>
        <translation>Ligue islamique mondiale</translation>
    </message>
    <message>
        <source>Egyptian General Organization of Survey</source>
        <translation>Organisme général égyptien d&apos;arpentage</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi</source>
        <translation>Université des sciences islamiques, Karachi</translation>
    </message>
    <message>
        <source>Islamic Society Of North America (ISNA)</source>
        <translation>Société islamique d&apos;Amérique du Nord (ISNA)</translation>
    </message>
    <message>
        <source>Custom / User Defined</source>
        <translation>Personnalisée / définie par l&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>Le programme est déjà en cours d&apos;exécution</translation>
    </message>
</context>
<context>
    <name>Pickers</name>
    <message>
        <source>All Supported Files</source>
        <translation>Tous les fichiers pris en charge</translation>
    </message>
    <message>
        <source>Windows Wave Files (*.wav)</source>
        <translation>Fichiers Windows Wave (*.wav)</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Windows Bitmap (*.bmp)</source>
        <translation>Image bitmap Windows (*.bmp)</translation>
    </message>
    <message>
        <source>Joint Photographic Experts Group (*.jpg)</source>
        <translation>Images JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Graphics Interchange Format (*.gif)</source>
        <translation>Images GIF (*.gif)</translation>
    </message>
    <message>
        <source>Icon Files (*.ico)</source>
        <translation>Fichiers d&apos;icônes (*.ico)</translation>
    </message>
    <message>
        <source>Cursors (*.cur)</source>
        <translation>Curseurs (*.cur)</translation>
    </message>
    <message>
        <source>Windows Metafiles (*.wmf)</source>
        <translation>Métafichiers Windows (*.wmf)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <translation>Métafichiers améliorés (*.emf)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>Chourouk</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>Dhohr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>Dawn</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Fajr&quot;).</extracomment>
        <translation>Aube</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <extracomment>What the period of the day is (beside its name &quot;Shurooq&quot;).</extracomment>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Noon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Dhuhr&quot;).</extracomment>
        <translation>Midi</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Asr&quot;).</extracomment>
        <translation>Après-midi</translation>
    </message>
    <message>
        <source>Sunset</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Maghrib&quot;).</extracomment>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>What the period of the day is (beside its prayer&apos;s name &quot;Isha&quot;).</extracomment>
        <translation>Nuit</translation>
    </message>
</context>
<context>
    <name>PrintCalLVW</name>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Printing Calendar, Page: %1 of %2</source>
        <translation>Impression du calendrier, page %1 sur %2</translation>
    </message>
    <message>
        <source>Prayer Schedule for %1</source>
        <extracomment>The printed calendar&apos;s title; %1 is the place&apos;s name.</extracomment>
        <translation>Horaires de prière pour %1</translation>
    </message>
    <message>
        <source>Latitude = %1` %2`` %3 Longitude = %4` %5`` %6</source>
        <extracomment>The printed calendar&apos;s place: degrees (%1, %4) and minutes (%2, %5) of latitude and longitude, written ` and ``; %3 is North or South, %6 East or West.</extracomment>
        <translation>Latitude = %1` %2`` %3 Longitude = %4` %5`` %6</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>Ajustements = %1 minutes</translation>
    </message>
    <message>
        <source>Time Zone = %1   Altitude = %2 metres</source>
        <extracomment>%1 is the zone as &quot;GMT&quot; and the offset in hours (&quot;GMT -5&quot;, &quot;GMT +5:30&quot;, &quot;GMT -5 / -4&quot; when it changes), kept in its own left-to-right order; %2 is the altitude.</extracomment>
        <translation>Fuseau horaire = %1   Altitude = %2 mètres</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language read from right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Sound Alert</source>
        <translation>Alerte sonore</translation>
    </message>
    <message>
        <source>Noorvale: the settings file %1 was damaged (%2); what could be read is kept, and the damaged file is kept as %3</source>
        <extracomment>%1 the settings file, %2 what was wrong in it (&quot;line 12: ...&quot;), %3 the copy of it that is kept.</extracomment>
        <translation>Noorvale&#xa0;: le fichier de réglages %1 était endommagé (%2)&#xa0;; ce qui a pu être lu est conservé, et le fichier endommagé est gardé sous le nom %3</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>the disk it is on is read-only</source>
        <translation>le disque qui le porte est en lecture seule</translation>
    </message>
    <message>
        <source>you may not write in its folder</source>
        <translation>vous n&apos;avez pas le droit d&apos;écrire dans son dossier</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1: %2.

The changes stay in effect while Noorvale runs, and are saved as soon as the file can be written.</source>
        <extracomment>%1 the settings file, %2 why it could not be written (&quot;the disk is full&quot;).</extracomment>
        <translation>Vos réglages n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2.

Les modifications restent en vigueur tant que Noorvale fonctionne, et seront enregistrées dès que le fichier pourra être écrit.</translation>
    </message>
</context>
<context>
    <name>TwipsPrinter</name>
    <message>
        <source>Printer error</source>
        <translation>Erreur d&apos;imprimante</translation>
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
        <translation>Lecture de l&apos;URL&#xa0;: %1 octets lus</translation>
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
    <message>
        <source>The server answered %1 for %2.</source>
        <extracomment>%1 is the status the web server answered with (&quot;404 Not Found&quot;), %2 the address asked for.</extracomment>
        <translation>Le serveur a répondu %1 pour %2.</translation>
    </message>
    <message>
        <source>The download did not finish within %1 minutes.</source>
        <translation>Le téléchargement ne s&apos;est pas terminé en %1 minutes.</translation>
    </message>
    <message>
        <source>The server redirects the request in a loop.</source>
        <translation>Le serveur redirige la requête en boucle.</translation>
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
    <name>nv::DesktopNotice</name>
    <message>
        <source>Stop sound</source>
        <translation>Arrêter le son</translation>
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
    <name>nv::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Tells you the times of the five daily prayers for your place, shows them as a calendar with Gregorian or Hijri dates, and alerts you when each prayer is due.</source>
        <translation>Vous indique les horaires des cinq prières quotidiennes pour votre lieu, les présente sous forme de calendrier en dates grégoriennes ou hégiriennes, et vous alerte à l&apos;heure de chaque prière.</translation>
    </message>
    <message>
        <source>The times are computed from the position of the sun for the place and method you set. Compare them with the timetable of your local mosque.</source>
        <translation>Les horaires sont calculés d&apos;après la position du soleil pour le lieu et la méthode que vous avez choisis. Comparez-les avec les horaires de votre mosquée.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
</context>
<context>
    <name>nv::frmCompact</name>
    <message>
        <source>Compact Clock</source>
        <translation>Horloge compacte</translation>
    </message>
    <message>
        <source>Prayer at 00:00 PM</source>
        <extracomment>Shown until the first tick replaces it with the next prayer and its time.</extracomment>
        <translation>Prière à 00:00</translation>
    </message>
    <message>
        <source>Push Pin to Keep OnTop</source>
        <translation>Épingler pour garder au premier plan</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>Garder au premier plan</translation>
    </message>
    <message>
        <source>Keeps the compact clock above all other windows</source>
        <translation>Garde l&apos;horloge compacte au-dessus de toutes les autres fenêtres</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the compact clock</source>
        <translation>Ferme l&apos;horloge compacte</translation>
    </message>
    <message>
        <source>Click for Normal Window</source>
        <translation>Cliquer pour une fenêtre normale</translation>
    </message>
    <message>
        <source>Push Pin to Keep Window OnTop</source>
        <translation>Épingler pour garder la fenêtre au premier plan</translation>
    </message>
</context>
<context>
    <name>nv::frmCustomize</name>
    <message>
        <source>Automatic (Windows)</source>
        <translation>Automatique (système)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No high-latitude rule.</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>Milieu de la nuit</translation>
    </message>
    <message>
        <source>One-seventh of the night</source>
        <translation>Un septième de la nuit</translation>
    </message>
    <message>
        <source>Twilight angle / 60 of the night</source>
        <translation>Angle du crépuscule / 60 de la nuit</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> Periods/Prayers List </source>
        <translation> Liste des périodes/prières </translation>
    </message>
    <message>
        <source>Select a Period from the List</source>
        <translation>Choisissez une période dans la liste</translation>
    </message>
    <message>
        <source>Period/Prayer Name</source>
        <translation>Nom de la période/prière</translation>
    </message>
    <message>
        <source>&amp;Period Names</source>
        <translation>Noms des &amp;périodes</translation>
    </message>
    <message>
        <source> Current Location </source>
        <translation> Lieu actuel </translation>
    </message>
    <message>
        <source> Latitude </source>
        <translation> Latitude </translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>Équateur</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <translation>&amp;Nord</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>&amp;Sud</translation>
    </message>
    <message>
        <source> Longitude </source>
        <translation> Longitude </translation>
    </message>
    <message>
        <source>Greenwich</source>
        <translation>Greenwich</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <translation>&amp;Est</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <translation>&amp;Ouest</translation>
    </message>
    <message>
        <source>Time Difference (GMT): hours, or hours:minutes, from -12:00 to +14:00 (5:30, -3:30, +13)</source>
        <translation>Décalage horaire (GMT)&#xa0;: heures, ou heures:minutes, de -12:00 à +14:00 (5:30, -3:30, +13)</translation>
    </message>
    <message>
        <source>Height of the place above sea level in metres, 0 to 9000</source>
        <translation>Altitude du lieu au-dessus du niveau de la mer, en mètres, de 0 à 9000</translation>
    </message>
    <message>
        <source>USA</source>
        <extracomment>A link to a gazetteer of places in the United States.</extracomment>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>A link to a table of the coordinates of the world&apos;s cities.</extracomment>
        <translation>Monde</translation>
    </message>
    <message>
        <source>Location Name</source>
        <translation>Nom du lieu</translation>
    </message>
    <message>
        <source>Altitude (metres)</source>
        <translation>Altitude (mètres)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Décalage GMT</translation>
    </message>
    <message>
        <source>Not Sure!, Find it Online</source>
        <translation>Pas sûr&#xa0;? Cherchez en ligne</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Lieu</translation>
    </message>
    <message>
        <source>Angle of the Sun</source>
        <translation>Angle du soleil</translation>
    </message>
    <message>
        <source> Dawn/Fajr </source>
        <translation> Aube/Fajr </translation>
    </message>
    <message>
        <source>Minutes before Sunrise</source>
        <translation>Minutes avant le lever du soleil</translation>
    </message>
    <message>
        <source> Night/Isha </source>
        <translation> Nuit/Icha </translation>
    </message>
    <message>
        <source>Minutes After Sunset</source>
        <translation>Minutes après le coucher du soleil</translation>
    </message>
    <message>
        <source> Asr / Afternoon </source>
        <translation> Asr / Après-midi </translation>
    </message>
    <message>
        <source>&amp;Shafi`i</source>
        <translation>Cha&amp;féite</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>&amp;Hanafite</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>École juridique</translation>
    </message>
    <message>
        <source>Pick an authority…</source>
        <translation>Choisir une autorité…</translation>
    </message>
    <message>
        <source>Fill the custom method with the parameters of an authority&apos;s published timetables</source>
        <translation>Remplit la méthode personnalisée avec les paramètres des horaires publiés par une autorité</translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation> Ajustements (minutes) </translation>
    </message>
    <message>
        <source>Where the sun does not sink to the Fajr or Isha angle, or does not set or rise,
keep Fajr and Isha within this part of the night (sunset to sunrise).</source>
        <translation>Là où le soleil ne descend pas jusqu&apos;à l&apos;angle du Fajr ou de l&apos;Icha, ou ne se couche ou ne se lève pas,
garder le Fajr et l&apos;Icha dans cette partie de la nuit (du coucher au lever du soleil).</translation>
    </message>
    <message>
        <source>Select a Method</source>
        <translation>Choisir une méthode</translation>
    </message>
    <message>
        <source>Margin of Safety Minutes</source>
        <translation>Minutes de marge de sécurité</translation>
    </message>
    <message>
        <source>High Latitudes</source>
        <translation>Hautes latitudes</translation>
    </message>
    <message>
        <source>&amp;Calculation Method</source>
        <translation>Méthode de &amp;calcul</translation>
    </message>
    <message>
        <source> Daily Defaults </source>
        <translation> Réglages quotidiens </translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Alert Manager</source>
        <translation>Gestionnaire d&apos;&amp;alertes</translation>
    </message>
    <message>
        <source>Following %1</source>
        <extracomment>%1: the name of a religious authority whose timetables the custom method follows.</extracomment>
        <translation>Selon %1</translation>
    </message>
    <message>
        <source>Maghrib at %1° below the horizon</source>
        <extracomment>%1: an angle in degrees.</extracomment>
        <translation>Maghrib à %1° sous l&apos;horizon</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan</source>
        <extracomment>%1: a number of minutes.</extracomment>
        <translation>Icha %1 minutes après le Maghrib pendant le Ramadan</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of the authority&apos;s description.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Value must be between %1 and %2, please try again.</source>
        <translation>La valeur doit être comprise entre %1 et %2, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Value must be between -12:00 and +14:00, please try again.</source>
        <translation>La valeur doit être comprise entre -12:00 et +14:00, veuillez réessayer.</translation>
    </message>
    <message>
        <source>%1 / %2 - %3</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; %3: its sound file.</extracomment>
        <translation>%1 / %2 - %3</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer&apos;s name; its sound alert is off.</extracomment>
        <translation>%1 / %2 - désactivé</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>Alertes installées</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan of the Umm Al-Qura calendar</source>
        <extracomment>%1: a number of minutes. Ramadan as the Umm Al-Qura calendar counts it.</extracomment>
        <translation>Icha %1 minutes après le Maghrib pendant le Ramadan du calendrier Umm al-Qura</translation>
    </message>
    <message>
        <source>precise</source>
        <extracomment>The sun&apos;s position worked out at each prayer time&apos;s own moment.</extracomment>
        <translation>précis</translation>
    </message>
    <message>
        <source>classic (as earlier versions)</source>
        <extracomment>The day-of-year series of the program&apos;s earlier versions.</extracomment>
        <translation>classique (comme les versions précédentes)</translation>
    </message>
    <message>
        <source>Precise: the sun where it stands at each prayer time.
Classic: the coarser yearly series of earlier versions, minutes off at times.</source>
        <translation>Précis&#xa0;: le soleil là où il se trouve à chaque heure de prière.
Classique&#xa0;: la série annuelle plus grossière des versions précédentes, parfois décalée de quelques minutes.</translation>
    </message>
    <message>
        <source>Sun&apos;s Position</source>
        <translation>Position du soleil</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The twilight (shafaq) the seasonal rule&apos;s Isha follows: the general one.</extracomment>
        <translation>Général</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The red glow after sunset (shafaq al-ahmar).</extracomment>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>White</source>
        <extracomment>The white glow after the red one (shafaq al-abyad).</extracomment>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>The twilight whose end the seasonal rule&apos;s Isha follows</source>
        <translation>Le crépuscule dont la fin marque l&apos;Icha de la règle saisonnière</translation>
    </message>
    <message>
        <source>Shafaq</source>
        <extracomment>The twilight (shafaq) of the seasonal rule&apos;s Isha.</extracomment>
        <translation>Chafaq</translation>
    </message>
    <message>
        <source>Fajr and Isha within the season&apos;s minutes of sunrise and sunset</source>
        <translation>Fajr et Icha dans les minutes de la saison avant le lever et après le coucher du soleil</translation>
    </message>
    <message>
        <source>times rounded up to the minute, sunrise down</source>
        <translation>heures arrondies à la minute suivante, lever du soleil à la précédente</translation>
    </message>
</context>
<context>
    <name>nv::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>&amp;Imprimer le calendrier...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Com&amp;pact</source>
        <translation>Com&amp;pact</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toolbar Te&amp;xt</source>
        <translation>Te&amp;xte de la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>To&amp;day</source>
        <translation>Aujour&amp;d&apos;hui</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>&amp;Semaine</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Année</translation>
    </message>
    <message>
        <source>&amp;Gregorian Date</source>
        <translation>Date &amp;grégorienne</translation>
    </message>
    <message>
        <source>&amp;Hijri Date</source>
        <translation>Date &amp;hégirienne</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>&amp;Rechercher des mises à jour...</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;Personnaliser...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Contents and Index...</source>
        <translation>&amp;Sommaire et index...</translation>
    </message>
    <message>
        <source>Noorvale &amp;Online</source>
        <translation>Noorvale en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Noorvale Home Page...</source>
        <translation>Page d&apos;accueil de &amp;Noorvale...</translation>
    </message>
    <message>
        <source>&amp;Product News...</source>
        <translation>&amp;Actualités du produit...</translation>
    </message>
    <message>
        <source>&amp;Download Library...</source>
        <translation>Bibliothèque de &amp;téléchargement...</translation>
    </message>
    <message>
        <source>Frequently Asked &amp;Questions...</source>
        <translation>&amp;Questions fréquentes...</translation>
    </message>
    <message>
        <source>Online &amp;Support...</source>
        <translation>Assistance en &amp;ligne...</translation>
    </message>
    <message>
        <source>&amp;ORVEN Home Page...</source>
        <translation>Page d&apos;accueil d&apos;&amp;ORVEN...</translation>
    </message>
    <message>
        <source>&amp;About Noorvale...</source>
        <translation>À &amp;propos de Noorvale...</translation>
    </message>
    <message>
        <source>Current Time Clock</source>
        <translation>Horloge de l&apos;heure actuelle</translation>
    </message>
    <message>
        <source>Prayer Calendar</source>
        <translation>Calendrier des prières</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Updating Calendar, Please wait...</source>
        <translation>Mise à jour du calendrier, veuillez patienter...</translation>
    </message>
    <message>
        <source>A high-latitude rule (Tools &gt; Customize &gt; Calculation Method) keeps Fajr and Isha within the night.</source>
        <translation>Une règle des hautes latitudes (Outils &gt; Personnaliser &gt; Méthode de calcul) garde Fajr et Icha dans la nuit.</translation>
    </message>
    <message>
        <source>Printing Calendar, Please wait...</source>
        <translation>Impression du calendrier, veuillez patienter...</translation>
    </message>
    <message>
        <source>Noorvale message</source>
        <translation>Message de Noorvale</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>The next prayer, in the compact window and after &quot;Next Prayer:&quot;: %1 is its name, %2 its time.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 - Next Prayer: %2</source>
        <extracomment>The main window&apos;s caption: %1 is the program&apos;s name, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>%1 - Prochaine prière&#xa0;: %2</translation>
    </message>
    <message>
        <source>Next Prayer: %1</source>
        <translation>Prochaine prière&#xa0;: %1</translation>
    </message>
    <message>
        <source>Current Location: %1</source>
        <translation>Lieu actuel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Alert Manager</source>
        <translation>Gestionnaire d&apos;alertes</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An Alert Manager entry: %1 is the prayer&apos;s name, %2 its time.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 - OFF</source>
        <extracomment>An Alert Manager entry whose sound is off for today; %1 is the prayer&apos;s name.</extracomment>
        <translation>%1 - désactivé</translation>
    </message>
    <message>
        <source>&amp;Compact</source>
        <translation>&amp;Compact</translation>
    </message>
    <message>
        <source>&amp;Stop Playback</source>
        <translation>&amp;Arrêter la lecture</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>&amp;Exit Noorvale</source>
        <translation>&amp;Quitter Noorvale</translation>
    </message>
    <message>
        <source>Closing Noorvale will disable its Alert Features.
Are you sure you want to quit?</source>
        <translation>Fermer Noorvale désactivera ses fonctions d&apos;alerte.
Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A desktop notice at a prayer: %1 is its time, %2 the place&apos;s name.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Plus d&apos;outils</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Plus de menus</translation>
    </message>
    <message>
        <source>The time is %1. %2</source>
        <extracomment>What a screen reader says of the clocks: %1 is the time, %2 the next prayer (&quot;Asr at 03:43 PM&quot;).</extracomment>
        <translation>Il est %1. %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimer le calendrier</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compact</translation>
    </message>
    <message>
        <source>View Compact Mode</source>
        <translation>Afficher le mode compact</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Change Date Style</source>
        <translation>Changer le style de date</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Change View Type</source>
        <translation>Changer le type d&apos;affichage</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Check for Program Updates</source>
        <translation>Rechercher des mises à jour du programme</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <translation>Grégorien</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hégirien</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
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
            <numerusform>Rappel de mise à jour quotidien

Grâce à votre connexion Internet, Tarvo peut se connecter au
site d&apos;ORVEN, rechercher les mises à jour disponibles, puis les
télécharger et les installer automatiquement. C&apos;est la méthode
la plus efficace pour mettre à jour vos fichiers Noorvale.

Voulez-vous lancer Tarvo maintenant&#xa0;?</numerusform>
            <numerusform>Rappel de mise à jour tous les %n jours

Grâce à votre connexion Internet, Tarvo peut se connecter au
site d&apos;ORVEN, rechercher les mises à jour disponibles, puis les
télécharger et les installer automatiquement. C&apos;est la méthode
la plus efficace pour mettre à jour vos fichiers Noorvale.

Voulez-vous lancer Tarvo maintenant&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nv::frmOptions</name>
    <message>
        <source>Normal View</source>
        <translation>Vue normale</translation>
    </message>
    <message>
        <source>Compact View</source>
        <translation>Vue compacte</translation>
    </message>
    <message>
        <source>System Tray only</source>
        <translation>Zone de notification seulement</translation>
    </message>
    <message>
        <source>Last View Used</source>
        <translation>Dernière vue utilisée</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source> Clock Settings </source>
        <translation> Réglages de l&apos;horloge </translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Hands Color</source>
        <translation>Couleur des aiguilles</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> Startup Options </source>
        <translation> Options de démarrage </translation>
    </message>
    <message>
        <source>Startup View</source>
        <translation>Vue au démarrage</translation>
    </message>
    <message>
        <source> Program Updates (requires an Internet connection) </source>
        <translation> Mises à jour du programme (connexion Internet requise) </translation>
    </message>
    <message>
        <source>No thanks, I will manually update the program</source>
        <translation>Non merci, je mettrai le programme à jour moi-même</translation>
    </message>
    <message>
        <source>Yes, Please remind me every</source>
        <extracomment>Followed by a box with the number of days and the word &quot;days&quot;.</extracomment>
        <translation>Oui, me le rappeler tous les</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source> Alerts </source>
        <translation> Alertes </translation>
    </message>
    <message>
        <source>Show a desktop notification at each prayer</source>
        <translation>Afficher une notification sur le bureau à chaque prière</translation>
    </message>
    <message>
        <source> Language </source>
        <translation> Langue </translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>The language changes the next time Noorvale starts.</source>
        <translation>La langue change au prochain démarrage de Noorvale.</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source> Calendar Settings </source>
        <translation> Réglages du calendrier </translation>
    </message>
    <message>
        <source>Show Grid&amp;lines</source>
        <translation>Afficher le &amp;quadrillage</translation>
    </message>
    <message>
        <source>&amp;AutoResize Columns</source>
        <translation>&amp;Ajuster automatiquement les colonnes</translation>
    </message>
    <message>
        <source>Gregorian Date</source>
        <translation>Date grégorienne</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>Date hégirienne</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Couleur de surbrillance</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <source>Show Numbe&amp;rs</source>
        <translation>Afficher les c&amp;hiffres</translation>
    </message>
    <message>
        <source>Show Secon&amp;ds</source>
        <translation>Afficher les &amp;secondes</translation>
    </message>
    <message>
        <source>&amp;Normal View</source>
        <translation>Vue &amp;normale</translation>
    </message>
    <message>
        <source>Show N&amp;umbers</source>
        <translation>Afficher les c&amp;hiffres</translation>
    </message>
    <message>
        <source>Show S&amp;econds</source>
        <translation>Afficher les &amp;secondes</translation>
    </message>
    <message>
        <source>Sho&amp;w Borders</source>
        <translation>Afficher les &amp;bordures</translation>
    </message>
    <message>
        <source> Control Bar </source>
        <translation> Barre de contrôle </translation>
    </message>
    <message>
        <source>Foreground Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Compact &amp;View</source>
        <translation>V&amp;ue compacte</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The number of days can not exceed %1 days</source>
        <translation>Le nombre de jours ne peut pas dépasser %1 jours</translation>
    </message>
    <message>
        <source>Tabular (arithmetical)</source>
        <translation>Tabulaire (arithmétique)</translation>
    </message>
    <message>
        <source>Umm Al-Qura (Saudi Arabia)</source>
        <translation>Umm al-Qura (Arabie saoudite)</translation>
    </message>
    <message>
        <source>Days added to the Hijri date, for a community whose month begins when it sights the moon</source>
        <translation>Jours ajoutés à la date hégirienne, pour une communauté dont le mois commence à l&apos;observation du croissant</translation>
    </message>
    <message>
        <source>Hijri Calendar</source>
        <translation>Calendrier hégirien</translation>
    </message>
    <message>
        <source>Hijri Adjustment (days)</source>
        <translation>Ajustement hégirien (jours)</translation>
    </message>
</context>
<context>
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon&apos;s menu (seen by screen readers).</extracomment>
        <translation>Menu &amp;contextuel</translation>
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
        <translation>État d&apos;Internet&#xa0;: connecté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Internet Status: Not Connected</source>
        <translation>État d&apos;Internet&#xa0;: non connecté</translation>
    </message>
    <message>
        <source>Update Failed, could not connect to the Internet.</source>
        <translation>Échec de la mise à jour&#xa0;: impossible de se connecter à Internet.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Le téléchargement a échoué.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve Tarvo file. %1</source>
        <translation>Échec de la mise à jour&#xa0;: impossible de récupérer le fichier Tarvo. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not open Tarvo file.</source>
        <translation>Échec de la mise à jour&#xa0;: impossible d&apos;ouvrir le fichier Tarvo.</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid. %1</source>
        <translation>Échec de la mise à jour&#xa0;: le fichier Tarvo n&apos;est pas valide. %1</translation>
    </message>
    <message>
        <source>Update Failed, Tarvo file is not valid.</source>
        <translation>Échec de la mise à jour&#xa0;: le fichier Tarvo n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Update Failed, update package is not valid.</source>
        <translation>Échec de la mise à jour&#xa0;: le paquet de mise à jour n&apos;est pas valide.</translation>
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
Voulez-vous télécharger la mise à jour maintenant&#xa0;?</translation>
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
        <translation>Échec de la mise à jour&#xa0;: la version de Tarvo n&apos;est pas à jour.</translation>
    </message>
    <message>
        <source>You have the latest version, No update is available at this time.</source>
        <translation>Vous avez la dernière version, aucune mise à jour n&apos;est disponible pour le moment.</translation>
    </message>
    <message>
        <source>Update Failed, could not retrieve updated files. %1</source>
        <translation>Échec de la mise à jour&#xa0;: impossible de récupérer les fichiers mis à jour. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not authenticate update files. %1</source>
        <translation>Échec de la mise à jour&#xa0;: impossible d&apos;authentifier les fichiers de mise à jour. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not extract update files.</source>
        <translation>Échec de la mise à jour&#xa0;: impossible d&apos;extraire les fichiers de mise à jour.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files.</source>
        <translation>Échec de la mise à jour&#xa0;: impossible d&apos;extraire les fichiers.</translation>
    </message>
    <message>
        <source>Update Failed, could not extract files. %1</source>
        <translation>Échec de la mise à jour&#xa0;: impossible d&apos;extraire les fichiers. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. The folder %1 cannot be made.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Échec de la mise à jour&#xa0;: impossible d&apos;installer les fichiers de mise à jour. Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1</source>
        <translation>Échec de la mise à jour&#xa0;: impossible d&apos;installer les fichiers de mise à jour. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not locate update files.</source>
        <translation>Échec de la mise à jour&#xa0;: fichiers de mise à jour introuvables.</translation>
    </message>
    <message>
        <source>Update Failed, could not copy update files. %1</source>
        <translation>Échec de la mise à jour&#xa0;: impossible de copier les fichiers de mise à jour. %1</translation>
    </message>
    <message>
        <source>Update Failed, could not install update files. %1 The previous version was restored.</source>
        <extracomment>%1 is the cause, a sentence of its own.</extracomment>
        <translation>Échec de la mise à jour&#xa0;: impossible d&apos;installer les fichiers de mise à jour. %1 La version précédente a été restaurée.</translation>
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
        <translation>Voulez-vous vraiment annuler la mise à jour de Tarvo&#xa0;?</translation>
    </message>
    <message>
        <source>There is not enough free disk space.</source>
        <translation>L&apos;espace disque disponible est insuffisant.</translation>
    </message>
    <message>
        <source>The data does not match its checksum.</source>
        <translation>Les données ne correspondent pas à leur somme de contrôle.</translation>
    </message>
    <message>
        <source>The update names no SHA-256 checksum for %1.</source>
        <extracomment>%1 is a file name of the update.</extracomment>
        <translation>La mise à jour n&apos;indique aucune somme de contrôle SHA-256 pour %1.</translation>
    </message>
    <message>
        <source>This update is not signed.</source>
        <translation>Cette mise à jour n&apos;est pas signée.</translation>
    </message>
    <message>
        <source>The update server %1 is not answering, although the Internet<byte value="xd"/>
can be reached. It may be down for a while; please try again later.</source>
        <translation>Le serveur de mise à jour %1 ne répond pas, bien qu&apos;Internet<byte value="xd"/>
soit accessible. Il est peut-être momentanément hors service&#xa0;; veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Update Failed, the update server %1 is not answering.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Échec de la mise à jour&#xa0;: le serveur de mise à jour %1 ne répond pas.</translation>
    </message>
    <message>
        <source>The update information file names no valid version.</source>
        <translation>Le fichier d&apos;informations de mise à jour n&apos;indique aucune version valide.</translation>
    </message>
    <message>
        <source>Update Failed, the update offered is version %1, older than the installed version %2.</source>
        <extracomment>%1 is the version offered by the update, %2 the version installed (&quot;1.1&quot;).</extracomment>
        <translation>Échec de la mise à jour&#xa0;: la mise à jour proposée est la version %1, plus ancienne que la version installée %2.</translation>
    </message>
    <message>
        <source>Version %1 is installed already, No update is available at this time.</source>
        <extracomment>%1 is the version installed (&quot;1.1&quot;).</extracomment>
        <translation>La version %1 est déjà installée, aucune mise à jour n&apos;est disponible pour le moment.</translation>
    </message>
</context>
<context>
    <name>Alert</name>
    <message>
        <source>It is time for Fajr prayer.</source>
        <extracomment>The alert at Fajr&apos;s minute; say the prayer&apos;s name as your language names the prayer (Turkish: Sabah namazı).</extracomment>
        <translation>C&apos;est l&apos;heure de la prière de Fajr.</translation>
    </message>
    <message>
        <source>It is sunrise (Shurooq).</source>
        <extracomment>At sunrise there is no prayer: the sentence names the sunrise.</extracomment>
        <translation>C&apos;est le lever du soleil (Chourouk).</translation>
    </message>
    <message>
        <source>It is time for Dhuhr prayer.</source>
        <translation>C&apos;est l&apos;heure de la prière de Dhohr.</translation>
    </message>
    <message>
        <source>It is time for Asr prayer.</source>
        <translation>C&apos;est l&apos;heure de la prière d&apos;Asr.</translation>
    </message>
    <message>
        <source>It is time for Maghrib prayer.</source>
        <translation>C&apos;est l&apos;heure de la prière de Maghrib.</translation>
    </message>
    <message>
        <source>It is time for Isha prayer.</source>
        <translation>C&apos;est l&apos;heure de la prière d&apos;Icha.</translation>
    </message>
    <message>
        <source>Fajr now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at Fajr&apos;s minute: short, the prayer named.</extracomment>
        <translation>C&apos;est l&apos;heure de Fajr.</translation>
    </message>
    <message>
        <source>Shurooq now.</source>
        <translation>Lever du soleil (Chourouk).</translation>
    </message>
    <message>
        <source>Dhuhr now.</source>
        <translation>C&apos;est l&apos;heure de Dhohr.</translation>
    </message>
    <message>
        <source>Asr now.</source>
        <translation>C&apos;est l&apos;heure d&apos;Asr.</translation>
    </message>
    <message>
        <source>Maghrib now.</source>
        <translation>C&apos;est l&apos;heure de Maghrib.</translation>
    </message>
    <message>
        <source>Isha now.</source>
        <translation>C&apos;est l&apos;heure d&apos;Icha.</translation>
    </message>
    <message>
        <source>It is time for %1 prayer.</source>
        <translation>C&apos;est l&apos;heure de la prière&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <translation>%1&#xa0;: c&apos;est l&apos;heure.</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Val:</source>
        <extracomment>The value (brightness) of a colour in the colour dialog.</extracomment>
        <translation>&amp;Valeur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impression recto verso</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>No double-sided printing.</extracomment>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Reliure bord long</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Reliure bord court</translation>
    </message>
</context>
</TS>
