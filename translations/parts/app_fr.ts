<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <name>NoorvaleMain</name>
    <message>
        <source>Program is already running</source>
        <translation>Le programme est déjà en cours d&apos;exécution</translation>
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
        <source>Time Zone = GMT %1   Altitude = %2 metres</source>
        <extracomment>%1 is the offset from GMT in hours (&quot;-5&quot;, &quot;+5:30&quot;, &quot;-5 / -4&quot; when it changes), %2 the altitude.</extracomment>
        <translation>Fuseau horaire = GMT %1   Altitude = %2 mètres</translation>
    </message>
    <message>
        <source>Adjustments = %1 minutes</source>
        <extracomment>%1 lists the minutes added to each prayer (&quot;Fajr +2, Shurooq -7&quot;).</extracomment>
        <translation>Ajustements = %1 minutes</translation>
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
        <source>It is time for %1 prayer.</source>
        <translation>C&apos;est l&apos;heure de la prière&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 now.</source>
        <extracomment>Blinks in the compact window and the minimised caption at a prayer&apos;s minute; %1 is its name.</extracomment>
        <translation>%1 maintenant.</translation>
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
    <message>
        <source>%1 days update reminder

Using your Internet connections Tarvo can connects to the
ORVEN site, checks for available updates, then downloads and
installs them automatically. This is the most efficient method
to update your Noorvale files,

Would you like to run Tarvo now?</source>
        <extracomment>%1 is the number of days between two reminders.</extracomment>
        <translation>Rappel de mise à jour tous les %1 jours

Grâce à votre connexion Internet, Tarvo peut se connecter au
site d&apos;ORVEN, rechercher les mises à jour disponibles, puis les
télécharger et les installer automatiquement. C&apos;est la méthode
la plus efficace pour mettre à jour vos fichiers Noorvale.

Voulez-vous lancer Tarvo maintenant&#xa0;?</translation>
    </message>
</context>
</TS>
