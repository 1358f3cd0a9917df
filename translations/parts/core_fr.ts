<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
</context>
</TS>
