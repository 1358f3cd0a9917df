<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>App</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers.</extracomment>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>"RTL" for a language read from right to left, "LTR" otherwise.</extracomment>
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
    <name>nv::DesktopNotice</name>
    <message>
        <source>Stop sound</source>
        <translation>Arrêter le son</translation>
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
        <extracomment>%1 is the program's name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Tells you the times of the five daily prayers for your place, shows them as a calendar with Gregorian or Hijri dates, and alerts you when each prayer is due.</source>
        <translation>Vous indique les horaires des cinq prières quotidiennes pour votre lieu, les présente sous forme de calendrier en dates grégoriennes ou hégiriennes, et vous alerte à l'heure de chaque prière.</translation>
    </message>
    <message>
        <source>The times are computed from the position of the sun for the place and method you set. Compare them with the timetable of your local mosque.</source>
        <translation>Les horaires sont calculés d'après la position du soleil pour le lieu et la méthode que vous avez choisis. Comparez-les avec les horaires de votre mosquée.</translation>
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
        <translation>Garde l'horloge compacte au-dessus de toutes les autres fenêtres</translation>
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
        <translation>Ferme l'horloge compacte</translation>
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
    <name>nv::frmSysTray</name>
    <message>
        <source>&amp;Popup</source>
        <extracomment>The title of the tray icon's menu (seen by screen readers).</extracomment>
        <translation>Menu &amp;contextuel</translation>
    </message>
</context>
</TS>