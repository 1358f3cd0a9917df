<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Fichiers d’icônes (*.ico)</translation>
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
        <translation>Décalage horaire (GMT) : heures, ou heures:minutes, de -12:00 à +14:00 (5:30, -3:30, +13)</translation>
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
        <extracomment>A link to a table of the coordinates of the world's cities.</extracomment>
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
        <translation>Pas sûr ? Cherchez en ligne</translation>
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
        <translation>&amp;Chaféite</translation>
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
        <source>Fill the custom method with the parameters of an authority's published timetables</source>
        <translation>Remplit la méthode personnalisée avec les paramètres des horaires publiés par une autorité</translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation> Ajustements (minutes) </translation>
    </message>
    <message>
        <source>Where the sun does not sink to the Fajr or Isha angle, or does not set or rise,
keep Fajr and Isha within this part of the night (sunset to sunrise).</source>
        <translation>Là où le soleil ne descend pas jusqu’à l’angle du Fajr ou de l’Icha, ou ne se couche ou ne se lève pas,
garder le Fajr et l’Icha dans cette partie de la nuit (du coucher au lever du soleil).</translation>
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
        <translation>Gestionnaire d’&amp;alertes</translation>
    </message>
    <message>
        <source>Following %1</source>
        <extracomment>%1: the name of a religious authority whose timetables the custom method follows.</extracomment>
        <translation>Selon %1</translation>
    </message>
    <message>
        <source>Maghrib at %1° below the horizon</source>
        <extracomment>%1: an angle in degrees.</extracomment>
        <translation>Maghrib à %1° sous l’horizon</translation>
    </message>
    <message>
        <source>Isha %1 minutes after Maghrib in Ramadan</source>
        <extracomment>%1: a number of minutes.</extracomment>
        <translation>Icha %1 minutes après le Maghrib pendant le Ramadan</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of the authority's description.</extracomment>
        <translation> ; </translation>
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
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; %3: its sound file.</extracomment>
        <translation>%1 / %2 - %3</translation>
    </message>
    <message>
        <source>%1 / %2 - OFF</source>
        <extracomment>%1: what the period is (Dawn, Noon ...); %2: the prayer's name; its sound alert is off.</extracomment>
        <translation>%1 / %2 - DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>Installed Alerts</source>
        <translation>Alertes installées</translation>
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
        <translation> Réglages de l’horloge </translation>
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
        <extracomment>Followed by a box with the number of days and the word "days".</extracomment>
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
        <translation>Langue :</translation>
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
        <translation>Afficher les &amp;nombres</translation>
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
        <translation>Afficher les &amp;nombres</translation>
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
</context>
</TS>