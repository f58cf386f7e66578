<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ColourDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FrmCfg</name>
    <message>
        <source>Wendle Config</source>
        <translation>Wendle-Konfiguration</translation>
    </message>
    <message>
        <source>KESTROW Path:</source>
        <translation>KESTROW-Pfad:</translation>
    </message>
    <message>
        <source>Path to KESTROW(normally C:\Halvern\Kestrow)</source>
        <translation>Pfad zu KESTROW (normalerweise C:\Halvern\Kestrow)</translation>
    </message>
    <message>
        <source>De&amp;lete MakeSkin-created bitmaps(.BMPs) after compiling VOL</source>
        <translation>MakeSkin-Bitmaps (.BMPs) nach dem Kompilieren der VOL &amp;löschen</translation>
    </message>
    <message>
        <source>After compiling a skinset, automatically copy the VOL file to the Kestrow\base\Skins\ directory</source>
        <translation>Nach dem Kompilieren eines Skinsets die VOL-Datei automatisch in den Ordner Kestrow\base\Skins\ kopieren</translation>
    </message>
    <message>
        <source>Auto-Copy VOL</source>
        <translation>VOL automatisch kopieren</translation>
    </message>
    <message>
        <source>Palettes</source>
        <translation>Paletten</translation>
    </message>
    <message>
        <source>Armors Use</source>
        <translation>Rüstungen nutzen</translation>
    </message>
    <message>
        <source>Armor Make Palette(default is pal3)</source>
        <translation>MakeSkin-Palette für Rüstungen (Standard: pal3)</translation>
    </message>
    <message>
        <source>Flags Use</source>
        <translation>Flaggen nutzen</translation>
    </message>
    <message>
        <source>Flag Make Palette(default is pal3)</source>
        <translation>MakeSkin-Palette für Flaggen (Standard: pal3)</translation>
    </message>
    <message>
        <source>Doors Use</source>
        <translation>Türen nutzen</translation>
    </message>
    <message>
        <source>Door Make Palette(default is pal2)</source>
        <translation>MakeSkin-Palette für Türen (Standard: pal2)</translation>
    </message>
    <message>
        <source>Emblems Use</source>
        <translation>Embleme nutzen</translation>
    </message>
    <message>
        <source>Emblem Make Palette(default is pal1)</source>
        <translation>MakeSkin-Palette für Embleme (Standard: pal1)</translation>
    </message>
    <message>
        <source>Flyers Use</source>
        <translation>Flieger nutzen</translation>
    </message>
    <message>
        <source>Flyer Make Palette(default is pal2)</source>
        <translation>MakeSkin-Palette für Flieger (Standard: pal2)</translation>
    </message>
    <message>
        <source>Turrets Use</source>
        <translation>Geschütze nutzen</translation>
    </message>
    <message>
        <source>Turret Make Palette(default is pal2)</source>
        <translation>MakeSkin-Palette für Geschütze (Standard: pal2)</translation>
    </message>
    <message>
        <source>Stations Use</source>
        <translation>Stationen nutzen</translation>
    </message>
    <message>
        <source>Station Make Palette(default is pal2)</source>
        <translation>MakeSkin-Palette für Stationen (Standard: pal2)</translation>
    </message>
    <message>
        <source>Sensors Use</source>
        <translation>Sensoren nutzen</translation>
    </message>
    <message>
        <source>Sensor Make Palette(default is pal2)</source>
        <translation>MakeSkin-Palette für Sensoren (Standard: pal2)</translation>
    </message>
    <message>
        <source>Generators Use</source>
        <translation>Generatoren nutzen</translation>
    </message>
    <message>
        <source>Generator Make Palette(default is pal2)</source>
        <translation>MakeSkin-Palette für Generatoren (Standard: pal2)</translation>
    </message>
    <message>
        <source>Solar Panels Use</source>
        <translation>Solarmodule nutzen</translation>
    </message>
    <message>
        <source>Solar Panel Make Palette(default is pal2)</source>
        <translation>MakeSkin-Palette für Solarmodule (Standard: pal2)</translation>
    </message>
    <message>
        <source>Reset the palettes to their defaults.</source>
        <translation>Setzt die Paletten auf ihre Standardwerte zurück.</translation>
    </message>
    <message>
        <source>&amp;DEFAULTS</source>
        <translation>&amp;STANDARD</translation>
    </message>
    <message>
        <source>The starting, leftmost color in the main window.</source>
        <translation>Die Anfangsfarbe ganz links im Hauptfenster.</translation>
    </message>
    <message>
        <source>Color &amp;1</source>
        <translation>Farbe &amp;1</translation>
    </message>
    <message>
        <source>The finishing, rightmost color in the main window.</source>
        <translation>Die Endfarbe ganz rechts im Hauptfenster.</translation>
    </message>
    <message>
        <source>Color &amp;2</source>
        <translation>Farbe &amp;2</translation>
    </message>
    <message>
        <source>The color of the text in the main window.</source>
        <translation>Die Farbe des Textes im Hauptfenster.</translation>
    </message>
    <message>
        <source>&amp;Text Color</source>
        <translation>&amp;Textfarbe</translation>
    </message>
    <message>
        <source>I am here for nothing more than graphical effect. But I&apos;ll most likely never hold exactly the same design twice!</source>
        <translation>Ich bin nur zur Zierde hier. Aber vermutlich zeige ich nie zweimal genau dasselbe Muster!</translation>
    </message>
    <message>
        <source>Apply Settings</source>
        <translation>Einstellungen übernehmen</translation>
    </message>
    <message>
        <source>&amp;DONE</source>
        <translation>&amp;FERTIG</translation>
    </message>
</context>
<context>
    <name>FrmCompile</name>
    <message>
        <source>Compile</source>
        <translation>Kompilieren</translation>
    </message>
    <message>
        <source>Lines done</source>
        <translation>Erledigte Zeilen</translation>
    </message>
    <message>
        <source>%v of %m lines</source>
        <translation>%v von %m Zeilen</translation>
    </message>
    <message>
        <source>Output of Compile.bat</source>
        <translation>Ausgabe von Compile.bat</translation>
    </message>
    <message>
        <source>End Compile.bat and the tools it started</source>
        <translation>Compile.bat und die davon gestarteten Werkzeuge beenden</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Outcome and left-out bitmaps</source>
        <translation>Ergebnis und ausgelassene Bitmaps</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>brannock::AboutPictures</name>
    <message>
        <source>The skinset maker for Kestrow Wendle VI</source>
        <translation>Der Skinset-Macher für Kestrow Wendle VI</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Paint your bitmaps, tick what goes in, press one button: the skinset is compiled, packed and copied into the game.</source>
        <translation>Male deine Bitmaps, hake an, was hinein soll, drücke einen Knopf: Das Skinset wird kompiliert, gepackt und ins Spiel kopiert.</translation>
    </message>
    <message>
        <source>Made for the players and skin painters of Kestrow Wendle. Press Thanks to meet them.</source>
        <translation>Gemacht für die Spieler und Skin-Maler von Kestrow Wendle. Drücke „Danke“, um sie kennenzulernen.</translation>
    </message>
    <message>
        <source>fresh paint, every time</source>
        <translation>immer frisch gemalt</translation>
    </message>
    <message>
        <source>With thanks to everyone who ever painted a pixel for Kestrow Wendle</source>
        <translation>Danke an alle, die je ein Pixel für Kestrow Wendle gemalt haben</translation>
    </message>
    <message>
        <source>To the skin painters, who turned bare metal into works of art</source>
        <translation>An die Skin-Maler, die aus nacktem Metall Kunstwerke machten</translation>
    </message>
    <message>
        <source>and shared their bitmaps so the rest of us could look good too.</source>
        <translation>und ihre Bitmaps teilten, damit wir anderen auch gut aussehen.</translation>
    </message>
    <message>
        <source>To the players who tried every new skinset the night it came out,</source>
        <translation>An die Spieler, die jedes neue Skinset noch am selben Abend ausprobierten,</translation>
    </message>
    <message>
        <source>and to the squads who agreed on team colours (eventually).</source>
        <translation>und an die Trupps, die sich auf Teamfarben einigten (irgendwann).</translation>
    </message>
    <message>
        <source>To everyone who read the palette notes before asking,</source>
        <translation>An alle, die die Hinweise zu den Paletten lasen, bevor sie fragten,</translation>
    </message>
    <message>
        <source>and to everyone who asked anyway, so the notes got better.</source>
        <translation>und an alle, die trotzdem fragten, sodass die Hinweise besser wurden.</translation>
    </message>
    <message>
        <source>To the testers who found the file names we had spelled wrong,</source>
        <translation>An die Tester, die unsere falsch geschriebenen Dateinamen fanden,</translation>
    </message>
    <message>
        <source>and to the folks who keep the old skin archives running.</source>
        <translation>und an die Leute, die die alten Skin-Archive am Laufen halten.</translation>
    </message>
    <message>
        <source>To the painters of flags and emblems no bigger than a thumbnail,</source>
        <translation>An die Maler von Flaggen und Emblemen, kaum größer als ein Daumennagel,</translation>
    </message>
    <message>
        <source>and the ones who gave a turret more love than it deserved.</source>
        <translation>und an die, die einem Geschütz mehr Liebe schenkten, als es verdiente.</translation>
    </message>
    <message>
        <source>To the map and mod makers, who showed what one small tool can do,</source>
        <translation>An die Karten- und Mod-Macher, die zeigten, was ein kleines Werkzeug kann,</translation>
    </message>
    <message>
        <source>and to you, for building a skinset with this little program.</source>
        <translation>und an dich, weil du mit diesem kleinen Programm ein Skinset baust.</translation>
    </message>
    <message>
        <source>Now go paint something. The battlefield is waiting!</source>
        <translation>Jetzt geh und male etwas. Das Schlachtfeld wartet!</translation>
    </message>
</context>
<context>
    <name>brannock::AppError</name>
    <message>
        <source>Error %1:<byte value="xd"/>
%2</source>
        <translation>Fehler %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>brannock::ColourDialog</name>
    <message>
        <source>Color 1</source>
        <translation>Farbe 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Farbe 2</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Color Error!</source>
        <translation>Farbfehler!</translation>
    </message>
</context>
<context>
    <name>brannock::CommandLine</name>
    <message>
        <source>keep the built-in look; the look folder and colours are not applied</source>
        <translation>eingebautes Aussehen behalten; Aussehen-Ordner und Farben nicht anwenden</translation>
    </message>
    <message>
        <source>start hidden in the tray (ignored where the desktop has no tray)</source>
        <translation>ausgeblendet im Infobereich starten (ohne Infobereich wirkungslos)</translation>
    </message>
    <message>
        <source>write Compile.bat but do not start it</source>
        <translation>Compile.bat schreiben, aber nicht starten</translation>
    </message>
    <message>
        <source>keep the window rectangular instead of its drawn outline</source>
        <translation>das Fenster rechteckig lassen statt in seiner gezeichneten Form</translation>
    </message>
    <message>
        <source>together with /noexec/: create no work folders</source>
        <translation>zusammen mit /noexec/: keine Arbeitsordner anlegen</translation>
    </message>
    <message>
        <source> - makes a skinset for Kestrow Wendle VI from a folder of painted bitmaps.

Usage: Brannock [switches]

Switches count anywhere on the command line, in any letter case, run together
or inside other text:
</source>
        <translation> - erstellt ein Skinset für Kestrow Wendle VI aus einem Ordner gemalter Bitmaps.

Aufruf: Brannock [Schalter]

Schalter gelten überall in der Befehlszeile, in beliebiger Groß- und Kleinschreibung,
aneinandergereiht oder mitten in anderem Text:
</translation>
    </message>
    <message>
        <source>
The game&apos;s tools: Compile.bat names MakeSkin.exe and VT.exe without a folder. The
command interpreter looks for them in the folder Brannock was started from, then in
%1
(made when missing), then along its search path. Copy both tools from the game into
that folder and they are found however Brannock is started.

</source>
        <translation>
Die Werkzeuge des Spiels: Compile.bat nennt MakeSkin.exe und VT.exe ohne Ordner. Der
Befehlsinterpreter sucht sie im Ordner, aus dem Brannock gestartet wurde, dann in
%1
(wird angelegt, wenn er fehlt), dann entlang seines Suchpfads. Kopiere beide Werkzeuge
aus dem Spiel in diesen Ordner, dann werden sie gefunden, wie auch immer Brannock
gestartet wird.

</translation>
    </message>
    <message>
        <source>
Before the first start:
  Run Primewell once: it writes the default settings (where: Settings, above).
  Put the game&apos;s MakeSkin.exe and VT.exe in the tools folder named above, or in the
  folder Brannock is started from.
  On Linux the tools run under Wine; 32-bit tools need its 32-bit part:
    sudo dpkg --add-architecture i386 &amp;&amp; sudo apt-get update
    sudo apt-get install wine wine32:i386
</source>
        <translation>
Vor dem ersten Start:
  Führe Primewell einmal aus: Es schreibt die Standardeinstellungen (wohin: Einstellungen,
  oben).
  Lege MakeSkin.exe und VT.exe des Spiels in den oben genannten Werkzeugordner oder in
  den Ordner, aus dem Brannock gestartet wird.
  Unter Linux laufen die Werkzeuge unter Wine; 32-Bit-Werkzeuge brauchen dessen 32-Bit-Teil:
    sudo dpkg --add-architecture i386 &amp;&amp; sudo apt-get update
    sudo apt-get install wine wine32:i386
</translation>
    </message>
</context>
<context>
    <name>brannock::CompileJudge</name>
    <message>
        <source>The command</source>
        <translation>Der Befehl</translation>
    </message>
    <message>
        <source>%1 lies on no drive this system can see.</source>
        <translation>%1 liegt auf keinem Laufwerk, das dieses System sieht.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The bitmap %1 is missing.</source>
        <translation>Die Bitmap %1 fehlt.</translation>
    </message>
    <message>
        <source>The compiled bitmap %1 is missing.</source>
        <translation>Die kompilierte Bitmap %1 fehlt.</translation>
    </message>
    <message>
        <source>There was no volume %1 to copy.</source>
        <translation>Es gab keine VOL-Datei %1 zum Kopieren.</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2.</source>
        <translation>%1 endete mit dem Exitcode %2.</translation>
    </message>
    <message>
        <source>%1 reported a failure: %2</source>
        <translation>%1 meldete einen Fehler: %2</translation>
    </message>
    <message>
        <source>MakeSkin.exe did not write %1.</source>
        <translation>MakeSkin.exe hat %1 nicht geschrieben.</translation>
    </message>
    <message>
        <source>MakeSkin.exe left %1 unchanged.</source>
        <translation>MakeSkin.exe hat %1 nicht verändert.</translation>
    </message>
    <message>
        <source>VT.exe did not write the volume %1.</source>
        <translation>VT.exe hat die VOL-Datei %1 nicht geschrieben.</translation>
    </message>
    <message>
        <source>VT.exe did not add %1 to the volume %2.</source>
        <translation>VT.exe hat %1 nicht zur VOL-Datei %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>The copy into %1 was refused.</source>
        <translation>Das Kopieren nach %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>The copy of %1 in %2 is not the whole volume.</source>
        <translation>Die Kopie von %1 in %2 ist nicht die ganze VOL-Datei.</translation>
    </message>
    <message>
        <source>%1 could not be deleted.</source>
        <translation>%1 konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Stopped at line %1 of %2.</source>
        <translation>Angehalten in Zeile %1 von %2.</translation>
    </message>
    <message>
        <source>Stopped before the first line ran.</source>
        <translation>Angehalten, bevor die erste Zeile lief.</translation>
    </message>
    <message>
        <source>The command interpreter did not run Compile.bat.</source>
        <translation>Der Befehlsinterpreter hat Compile.bat nicht ausgeführt.</translation>
    </message>
    <message>
        <source>It ended with exit code %1 and printed nothing.</source>
        <translation>Er endete mit dem Exitcode %1 und gab nichts aus.</translation>
    </message>
    <message>
        <source>The command interpreter was ended during this line.</source>
        <translation>Der Befehlsinterpreter wurde während dieser Zeile beendet.</translation>
    </message>
    <message>
        <source>The command interpreter ended during this line (exit code %1).</source>
        <translation>Der Befehlsinterpreter endete während dieser Zeile (Exitcode %1).</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Compile.bat runs in %1, the folder Brannock was started from; %2 was not found there.</source>
        <translation>Compile.bat läuft in %1, dem Ordner, aus dem Brannock gestartet wurde; %2 wurde dort nicht gefunden.</translation>
    </message>
    <message>
        <source>Compile.bat runs in %1, the folder Brannock was started from; %2 was found neither there nor in Brannock&apos;s tools folder %3.
Copy %2 from the game into %3: it is searched whatever folder Brannock was started from.</source>
        <translation>Compile.bat läuft in %1, dem Ordner, aus dem Brannock gestartet wurde; %2 wurde weder dort noch in Brannocks Werkzeugordner %3 gefunden.
Kopiere %2 aus dem Spiel nach %3: Dort wird gesucht, egal aus welchem Ordner Brannock gestartet wurde.</translation>
    </message>
    <message>
        <source>It was looked for in %1.</source>
        <translation>Gesucht wurde in %1.</translation>
    </message>
    <message>
        <source>Nothing was printed for this line.</source>
        <translation>Zu dieser Zeile wurde nichts ausgegeben.</translation>
    </message>
    <message>
        <source>Printed:
</source>
        <translation>Ausgabe:
</translation>
    </message>
    <message>
        <source>The run stopped there; no later line ran.</source>
        <translation>Der Lauf hielt dort an; keine spätere Zeile lief.</translation>
    </message>
    <message>
        <source>Line %1 of %2 failed: %3</source>
        <translation>Zeile %1 von %2 fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>Done: Compile.bat had nothing to do.</source>
        <translation>Fertig: Compile.bat hatte nichts zu tun.</translation>
    </message>
    <message>
        <source>No item was ticked.</source>
        <translation>Kein Eintrag war angehakt.</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n bitmaps compiled; no volume was made.</source>
        <translation>
            <numerusform>Fertig: %n Bitmap kompiliert; keine VOL-Datei erstellt.</numerusform>
            <numerusform>Fertig: %n Bitmaps kompiliert; keine VOL-Datei erstellt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only built-in items are packed into the volume, and none was ticked.</source>
        <translation>Nur eingebaute Einträge werden in die VOL-Datei gepackt, und keiner davon war angehakt.</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>VOL-Datei: %1</translation>
    </message>
    <message>
        <source>In the game: %1</source>
        <translation>Im Spiel: %1</translation>
    </message>
    <message>
        <source>Done: %1 is ready in the work folder.</source>
        <translation>Fertig: %1 liegt bereit im Arbeitsordner.</translation>
    </message>
    <message>
        <source>Done: %1 is in the game.</source>
        <translation>Fertig: %1 ist im Spiel.</translation>
    </message>
</context>
<context>
    <name>brannock::FirstStart</name>
    <message>
        <source>Brannock found no settings, so its window has no colours yet. Primewell writes them; Brannock can write the same defaults now.</source>
        <translation>Brannock hat keine Einstellungen gefunden, deshalb hat sein Fenster noch keine Farben. Primewell schreibt sie; Brannock kann dieselben Standardwerte auch jetzt schreiben.</translation>
    </message>
    <message>
        <source>Write the default settings (colours, look, palettes and build options)?</source>
        <translation>Die Standardeinstellungen schreiben (Farben, Aussehen, Paletten und Optionen zum Erstellen)?</translation>
    </message>
    <message>
        <source>The game folder will be %1, where the game was found.</source>
        <translation>Als Spielordner wird %1 eingetragen, wo das Spiel gefunden wurde.</translation>
    </message>
    <message>
        <source>The game was not found in %1; set its folder later under Configuration.</source>
        <translation>Das Spiel wurde nicht in %1 gefunden; lege seinen Ordner später unter „Konfiguration“ fest.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>The operation named in the title of its failure box (&quot;%1 Error!&quot;).</extracomment>
        <translation>den Einstellungen</translation>
    </message>
    <message>
        <source>No settings found</source>
        <translation>Keine Einstellungen gefunden</translation>
    </message>
</context>
<context>
    <name>brannock::FrmAbout</name>
    <message>
        <source>About Kestrow Wendle</source>
        <translation>Über Kestrow Wendle</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Thanks</source>
        <translation>&amp;Danke</translation>
    </message>
</context>
<context>
    <name>brannock::FrmCfg</name>
    <message>
        <source>Error! I think...</source>
        <translation>Fehler! Glaube ich...</translation>
    </message>
    <message>
        <source>I get the feeling your registry is messed up. </source>
        <translation>Ich habe das Gefühl, deine Einstellungen sind durcheinander. </translation>
    </message>
    <message>
        <source>Run Primewell.exe in Brannock&apos;s directory(folder).</source>
        <translation>Starte Primewell.exe im Verzeichnis (Ordner) von Brannock.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Primewell offers to set a broken settings file aside and write the defaults.</source>
        <translation><byte value="xd"/>
Primewell bietet an, eine kaputte Einstellungsdatei beiseitezulegen und die Standardwerte zu schreiben.</translation>
    </message>
    <message>
        <source>Config Error!</source>
        <translation>Konfigurationsfehler!</translation>
    </message>
    <message>
        <source>Color Error!</source>
        <translation>Farbfehler!</translation>
    </message>
</context>
<context>
    <name>brannock::FrmCompile</name>
    <message>
        <source>Starting the command interpreter...</source>
        <translation>Der Befehlsinterpreter wird gestartet...</translation>
    </message>
    <message>
        <source>Left out of this build:
</source>
        <translation>Bei diesem Erstellen ausgelassen:
</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Zeile %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>brannock::FrmMain</name>
    <message>
        <source>Open File Prefix</source>
        <translation>Quelldatei-Präfix</translation>
    </message>
    <message>
        <source>Save File Prefix</source>
        <translation>Zieldatei-Präfix</translation>
    </message>
    <message>
        <source>New VOL</source>
        <translation>Neue VOL</translation>
    </message>
    <message>
        <source>&amp;Make Skinset</source>
        <translation>Skinset &amp;erstellen</translation>
    </message>
    <message>
        <source>C&amp;onfiguration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Skins</source>
        <translation>&amp;Skins</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>(For new1.larmor.bmp etc., you&apos;d type new1; leave it blank for no prefix, like larmor.bmp)</source>
        <translation>(Für new1.larmor.bmp usw. gibst du new1 ein; leer lassen für kein Präfix, wie bei larmor.bmp)</translation>
    </message>
    <message>
        <source>(For skin1.larmor.bmp etc., you&apos;d type skin1; This shows up in KESTROW)</source>
        <translation>(Für skin1.larmor.bmp usw. gibst du skin1 ein; dieser Name erscheint in KESTROW)</translation>
    </message>
    <message>
        <source>(For newvol.vol, you&apos;d type newvol)</source>
        <translation>(Für newvol.vol gibst du newvol ein)</translation>
    </message>
    <message>
        <source>GO!!</source>
        <translation>LOS!!</translation>
    </message>
    <message>
        <source>Configure Wendle...</source>
        <translation>Wendle konfigurieren...</translation>
    </message>
    <message>
        <source>Wendle&apos;s Skin Setup...</source>
        <translation>Wendles Skin-Einrichtung...</translation>
    </message>
    <message>
        <source>About Wendle...</source>
        <translation>Über Wendle...</translation>
    </message>
    <message>
        <source> At most %1 characters.</source>
        <translation> Höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The character past that was left out.</source>
        <translation>Das Zeichen danach wurde weggelassen.</translation>
    </message>
    <message>
        <source>The %1 characters past that were left out.</source>
        <translation>Die %1 Zeichen danach wurden weggelassen.</translation>
    </message>
    <message>
        <source>The %1 box takes at most %2 characters. </source>
        <translation>Das Feld „%1“ nimmt höchstens %2 Zeichen auf. </translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Include Menu</source>
        <translation>Auswahlmenü</translation>
    </message>
    <message>
        <source>A skinset is being built. Exiting stops Compile.bat now: the skinset is not made, and the game&apos;s Skins folder is kept as it was before the build.<byte value="xd"/>
<byte value="xd"/>
Exit Brannock?</source>
        <translation>Gerade wird ein Skinset erstellt. Beenden hält Compile.bat jetzt an: Das Skinset wird nicht fertig, und der Skins-Ordner des Spiels bleibt, wie er vor dem Erstellen war.<byte value="xd"/>
<byte value="xd"/>
Brannock beenden?</translation>
    </message>
    <message>
        <source>Exit Brannock?</source>
        <translation>Brannock beenden?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sicher?</translation>
    </message>
    <message>
        <source>Make Skinset</source>
        <translation>Skinset erstellen</translation>
    </message>
    <message>
        <source>Compile.bat is still running. Wait for it to end, or stop it in the Compile window, then make the skinset again.</source>
        <translation>Compile.bat läuft noch. Warte, bis es endet, oder halte es im Fenster „Kompilieren“ an, und erstelle das Skinset dann erneut.</translation>
    </message>
    <message>
        <source>Make</source>
        <extracomment>The operation named in the title of its failure box (&quot;%1 Error!&quot;).</extracomment>
        <translation>der Erstellung</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Auswahl</translation>
    </message>
</context>
<context>
    <name>brannock::FrmSkins</name>
    <message>
        <source>Skins Error!</source>
        <translation>Fehler bei den Skins!</translation>
    </message>
    <message>
        <source>The look file &quot;%1&quot; is not a picture that can be shown.</source>
        <translation>Die Aussehen-Datei „%1“ ist kein Bild, das angezeigt werden kann.</translation>
    </message>
    <message>
        <source>Brannock Skin Manager</source>
        <translation>Brannock-Skin-Verwaltung</translation>
    </message>
    <message>
        <source>Select a skin.</source>
        <translation>Wähle einen Skin.</translation>
    </message>
    <message>
        <source>System Tray Icon</source>
        <translation>Symbol im Infobereich</translation>
    </message>
    <message>
        <source>(Shown without Include Module)</source>
        <translation>(Ohne Auswahlmodul gezeigt)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Oops!(Brannock)</source>
        <translation>Hoppla! (Brannock)</translation>
    </message>
    <message>
        <source>Invalid Skin Path</source>
        <translation>Ungültiger Skin-Pfad</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Aktuelle Einstellungen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>brannock::FrmThanks</name>
    <message>
        <source>The Thanks Dialog. (&quot;Dun-DuN-DUN!!!&quot;)</source>
        <translation>Der Danke-Dialog. („Dam-DaM-DAMM!!!“)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>brannock::HideShow</name>
    <message>
        <source>This desktop has no notification area (system tray) to hide Brannock in, so the window stays on screen.</source>
        <translation>Diese Arbeitsfläche hat keinen Infobereich (System Tray), in dem sich Brannock verstecken kann, deshalb bleibt das Fenster sichtbar.</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Einblenden</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>brannock::IncludeMenu</name>
    <message>
        <source>Toggle &amp;All(Non-User-created)</source>
        <translation>&amp;Alle eingebauten umschalten</translation>
    </message>
    <message>
        <source>&amp;User-Created</source>
        <translation>&amp;Eigene</translation>
    </message>
    <message>
        <source>&amp;Add Support...</source>
        <translation>Skin &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Rebuild Menu</source>
        <translation>Menü &amp;neu aufbauen</translation>
    </message>
    <message>
        <source>Toggle &amp;All(User-created)</source>
        <translation>&amp;Alle eigenen umschalten</translation>
    </message>
    <message>
        <source>The User-Created menu holds at most %1 entries; &quot;%2&quot; and the files listed after it get none.</source>
        <translation>Das Menü „Eigene“ fasst höchstens %1 Einträge; „%2“ und die danach aufgeführten Dateien bekommen keinen.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Not listed in the menu: %1. Every other definition file is listed.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Nicht im Menü aufgeführt: %1. Alle anderen Definitionsdateien sind aufgeführt.</translation>
    </message>
    <message>
        <source>UCI Menu Build Error!</source>
        <translation>Fehler beim Aufbau des Menüs „Eigene“!</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>User-Created</source>
        <translation>Eigene</translation>
    </message>
</context>
<context>
    <name>brannock::IncludePanel</name>
    <message>
        <source>Team Skins</source>
        <translation>Team-Skins</translation>
    </message>
    <message>
        <source>Flyer Skins</source>
        <translation>Flieger-Skins</translation>
    </message>
    <message>
        <source>Turret Skins</source>
        <translation>Geschütz-Skins</translation>
    </message>
    <message>
        <source>Equipment Skins</source>
        <translation>Geräte-Skins</translation>
    </message>
    <message>
        <source>Station Skins</source>
        <translation>Stations-Skins</translation>
    </message>
    <message>
        <source>Toggle All(Non-User-created)</source>
        <translation>Alle eingebauten umschalten</translation>
    </message>
    <message>
        <source>User-Created</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Toggle All(User-created)</source>
        <translation>Alle eigenen umschalten</translation>
    </message>
</context>
<context>
    <name>brannock::IncludePicture</name>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Flyers</source>
        <translation>Flieger</translation>
    </message>
    <message>
        <source>Turrets</source>
        <translation>Geschütze</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stationen</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Eigene</translation>
    </message>
</context>
<context>
    <name>brannock::LookFiles</name>
    <message>
        <source>The colour value &quot;%1&quot; is not a number.</source>
        <translation>Der Farbwert „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The colour value &quot;%1&quot; is out of range.</source>
        <translation>Der Farbwert „%1“ liegt außerhalb des gültigen Bereichs.</translation>
    </message>
</context>
<context>
    <name>brannock::LookRefresher</name>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Something&apos;s wrong! Here are the possibilities: <byte value="xd"/>
- The color settings need fixing. Open the Configuration dialog(Click &apos;Configuration&apos;) or run Primewell.exe.<byte value="xd"/>
- There is a bad image in the currently selected Brannock Skinset. Change Skins in the cleverly-named &apos;Skins&apos; dialog(Click &apos;Skins&apos;).</source>
        <translation>Etwas stimmt nicht! Folgendes kommt in Frage: <byte value="xd"/>
- Die Farbeinstellungen müssen korrigiert werden. Öffne den Konfigurationsdialog (klicke auf „Konfiguration“) oder starte Primewell.exe.<byte value="xd"/>
- Im gerade gewählten Brannock-Skinset ist ein fehlerhaftes Bild. Wechsle den Skin im schlau benannten Dialog „Skins“ (klicke auf „Skins“).</translation>
    </message>
    <message>
        <source>Hmm.</source>
        <translation>Hm.</translation>
    </message>
</context>
<context>
    <name>brannock::MainMenu</name>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Refresh Main Form</source>
        <translation>Hauptfenster &amp;neu laden</translation>
    </message>
    <message>
        <source>&amp;About Brannock</source>
        <translation>&amp;Über Brannock</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
</context>
<context>
    <name>brannock::MakeSkinset</name>
    <message>
        <source>%1 makes line %2 of Compile.bat %3 bytes long; the command interpreter reads at most %4 bytes a line</source>
        <translation>%1 macht Zeile %2 von Compile.bat %3 Bytes lang; der Befehlsinterpreter liest höchstens %4 Bytes pro Zeile</translation>
    </message>
    <message>
        <source>The text</source>
        <translation>Der Text</translation>
    </message>
    <message>
        <source>Line %1 of Compile.bat cannot be written safely: it %2.</source>
        <translation>Zeile %1 von Compile.bat kann nicht sicher geschrieben werden: Sie %2.</translation>
    </message>
    <message>
        <source>The program folder</source>
        <translation>Der Programmordner</translation>
    </message>
    <message>
        <source>The Save File Prefix</source>
        <translation>Das Zieldatei-Präfix</translation>
    </message>
    <message>
        <source>The New VOL name</source>
        <translation>Der Name der neuen VOL</translation>
    </message>
    <message>
        <source>The source folder</source>
        <translation>Der Quellordner</translation>
    </message>
    <message>
        <source>The Open File Prefix</source>
        <translation>Das Quelldatei-Präfix</translation>
    </message>
    <message>
        <source>The &quot;%1&quot; palette</source>
        <translation>Die Palette „%1“</translation>
    </message>
    <message>
        <source>The palette in &quot;%1&quot;</source>
        <translation>Die Palette in „%1“</translation>
    </message>
    <message>
        <source>The skin file name in &quot;%1&quot;</source>
        <translation>Der Skin-Dateiname in „%1“</translation>
    </message>
    <message>
        <source>The game folder</source>
        <translation>Der Spielordner</translation>
    </message>
    <message>
        <source>Invalid Data!</source>
        <translation>Ungültige Daten!</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: a file of that name is in the way.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: Eine Datei dieses Namens ist im Weg.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; does not exist.</source>
        <extracomment>%1 is &quot;program folder&quot; or &quot;source folder&quot;.</extracomment>
        <translation>Der %1 „%2“ existiert nicht.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; lies on no drive that the game&apos;s tools can see.</source>
        <translation>Der %1 „%2“ liegt auf keinem Laufwerk, das die Werkzeuge des Spiels sehen.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be opened by the game&apos;s tools: its folder name &quot;%3&quot; holds &quot;\&quot;, which they read as a folder separator.</source>
        <translation>Der %1 „%2“ kann von den Werkzeugen des Spiels nicht geöffnet werden: Sein Ordnername „%3“ enthält „\“, das sie als Ordnertrenner lesen.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be opened by the game&apos;s tools: its folder name &quot;%3&quot; ends in a dot or a blank, which Windows drops.</source>
        <translation>Der %1 „%2“ kann von den Werkzeugen des Spiels nicht geöffnet werden: Sein Ordnername „%3“ endet auf einen Punkt oder ein Leerzeichen, das Windows weglässt.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be opened by the game&apos;s tools: Windows does not allow the character &quot;%3&quot; in a name.</source>
        <translation>Der %1 „%2“ kann von den Werkzeugen des Spiels nicht geöffnet werden: Windows erlaubt das Zeichen „%3“ nicht in einem Namen.</translation>
    </message>
    <message>
        <source>Make Error!</source>
        <translation>Fehler bei der Erstellung!</translation>
    </message>
    <message>
        <source>program folder</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source>source folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You need a Save File Prefix.</source>
        <translation>Du brauchst ein Zieldatei-Präfix.</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
Nothing was written or started.</source>
        <translation>.<byte value="xd"/>
Nichts wurde geschrieben oder gestartet.</translation>
    </message>
    <message>
        <source>Make Skinset</source>
        <translation>Skinset erstellen</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Nothing was written or started.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Nichts wurde geschrieben oder gestartet.</translation>
    </message>
    <message>
        <source>The source folder &quot;%1&quot;</source>
        <translation>Der Quellordner „%1“</translation>
    </message>
    <message>
        <source>The program folder &quot;%1&quot;</source>
        <translation>Der Programmordner „%1“</translation>
    </message>
    <message>
        <source>The game folder &quot;%1&quot;</source>
        <translation>Der Spielordner „%1“</translation>
    </message>
    <message>
        <source>The &quot;%1&quot; palette </source>
        <translation>Die Palette „%1“ </translation>
    </message>
    <message>
        <source>it names no definition file.</source>
        <translation>nennt keine Definitionsdatei.</translation>
    </message>
    <message>
        <source>its skin file name is empty and no Open File Prefix is given.</source>
        <translation>sein Skin-Dateiname ist leer, und es ist kein Quelldatei-Präfix angegeben.</translation>
    </message>
    <message>
        <source>These ticked bitmaps in &quot;%1&quot; cannot be compiled:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Build the rest?</source>
        <translation>Diese angehakten Bitmaps in „%1“ können nicht kompiliert werden:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Den Rest erstellen?</translation>
    </message>
    <message>
        <source>Missing Bitmaps</source>
        <translation>Fehlende Bitmaps</translation>
    </message>
    <message>
        <source>Invalid Path Data.<byte value="xd"/>
Not using auto-VOL-copy.</source>
        <translation>Ungültige Pfadangabe.<byte value="xd"/>
Die VOL-Datei wird nicht automatisch kopiert.</translation>
    </message>
    <message>
        <source>These ticked items were left out of the build:<byte value="xd"/>
</source>
        <translation>Diese angehakten Einträge wurden beim Erstellen ausgelassen:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>None of the ticked bitmaps in &quot;%1&quot; can be compiled:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was written or started.</source>
        <translation>Keine der angehakten Bitmaps in „%1“ kann kompiliert werden:<byte value="xd"/>
%2<byte value="xd"/>
Nichts wurde geschrieben oder gestartet.</translation>
    </message>
</context>
<context>
    <name>brannock::ProgramInfo</name>
    <message>
        <source>  --help       show this text and end
  --version    show the version and end

</source>
        <translation>  --help       diesen Text zeigen und beenden
  --version    die Version zeigen und beenden

</translation>
    </message>
    <message>
        <source>
Settings: </source>
        <translation>
Einstellungen: </translation>
    </message>
</context>
<context>
    <name>brannock::RunGuard</name>
    <message>
        <source>The game&apos;s %1 was put back as it was before an earlier build that did not end.</source>
        <translation>Die Datei %1 des Spiels wurde wiederhergestellt, wie sie vor einem früheren, nicht zu Ende gelaufenen Erstellen war.</translation>
    </message>
    <message>
        <source>The %1 in the work folder was put back as it was before an earlier build that did not end.</source>
        <translation>Die Datei %1 im Arbeitsordner wurde wiederhergestellt, wie sie vor einem früheren, nicht zu Ende gelaufenen Erstellen war.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the game is not a file; the volume cannot be copied there.</source>
        <translation>„%1“ im Spiel ist keine Datei; die VOL-Datei kann nicht dorthin kopiert werden.</translation>
    </message>
    <message>
        <source>The game&apos;s %1 was kept as it was before this build.</source>
        <translation>Die Datei %1 des Spiels blieb, wie sie vor diesem Erstellen war.</translation>
    </message>
    <message>
        <source>No %1 was put into the game.</source>
        <translation>Es wurde keine Datei %1 ins Spiel gelegt.</translation>
    </message>
    <message>
        <source>The game&apos;s %1 could not be put back: %2</source>
        <translation>Die Datei %1 des Spiels konnte nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>Its copy from before this build is %1.</source>
        <translation>Ihre Kopie von vor diesem Erstellen ist %1.</translation>
    </message>
    <message>
        <source>The earlier %1 in the work folder was put back.</source>
        <translation>Die frühere Datei %1 im Arbeitsordner wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The earlier %1 could not be put back: %2</source>
        <translation>Die frühere Datei %1 konnte nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>The incomplete %1 of this build was removed from the work folder.</source>
        <translation>Die unvollständige Datei %1 dieses Erstellens wurde aus dem Arbeitsordner entfernt.</translation>
    </message>
</context>
<context>
    <name>brannock::ScriptRunner</name>
    <message>
        <source>Cannot start &quot;%1&quot;: the &quot;wine&quot; command was not found. Install Wine to run the game&apos;s tools.</source>
        <translation>„%1“ kann nicht gestartet werden: Der Befehl „wine“ wurde nicht gefunden. Installiere Wine, um die Werkzeuge des Spiels auszuführen.</translation>
    </message>
    <message>
        <source>Cannot start &quot;%1&quot;: it lies on no drive of the Wine prefix &quot;%2&quot;.</source>
        <translation>„%1“ kann nicht gestartet werden: Es liegt auf keinem Laufwerk des Wine-Präfixes „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; with &quot;%2&quot;</source>
        <translation>„%1“ mit „%2“</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Cannot start &quot;%1&quot;: the system folder, which holds cmd.exe, is not known.</source>
        <translation>„%1“ kann nicht gestartet werden: Der Systemordner, in dem cmd.exe liegt, ist nicht bekannt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; with %2</source>
        <translation>„%1“ mit %2</translation>
    </message>
</context>
<context>
    <name>brannock::SettingsStore</name>
    <message>
        <source>The settings store &quot;%1&quot; is malformed; %2.</source>
        <translation>Die Einstellungsablage „%1“ ist fehlerhaft; %2.</translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; cannot be used; %2.</source>
        <translation>Die Einstellungsablage „%1“ kann nicht verwendet werden; %2.</translation>
    </message>
    <message>
        <source>ends in a \ that joins it to the next line</source>
        <translation>endet auf ein \, das sie mit der nächsten Zeile verbindet</translation>
    </message>
    <message>
        <source>holds &quot;\%1&quot;, which is not read as written (a \ is written \\)</source>
        <translation>enthält „\%1“, das nicht so gelesen wird, wie es dasteht (ein \ wird als \\ geschrieben)</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot; outside quotes, which is not read as written</source>
        <translation>enthält „%1“ außerhalb von Anführungszeichen, das nicht so gelesen wird, wie es dasteht</translation>
    </message>
    <message>
        <source>opens a quote that it does not close</source>
        <translation>öffnet ein Anführungszeichen, das sie nicht schließt</translation>
    </message>
    <message>
        <source>goes on after its closing quote</source>
        <translation>geht nach ihrem schließenden Anführungszeichen weiter</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source> holds a control character</source>
        <translation> enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source> is not a whole [section] line</source>
        <translation> ist keine vollständige [Abschnitt]-Zeile</translation>
    </message>
    <message>
        <source> is neither a [section] nor a key=value line</source>
        <translation> ist weder eine [Abschnitt]- noch eine Schlüssel=Wert-Zeile</translation>
    </message>
    <message>
        <source> sets %1 a second time</source>
        <translation> setzt %1 ein zweites Mal</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>sie ist größer als 1 MB</translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; is malformed (%2), so it is neither read nor written; %3. Mend the file, or run Primewell, which offers to set it aside and write the defaults.</source>
        <translation>Die Einstellungsablage „%1“ ist fehlerhaft (%2), deshalb wird sie weder gelesen noch geschrieben; %3. Repariere die Datei oder starte Primewell, das anbietet, sie beiseitezulegen und die Standardwerte zu schreiben.</translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; stays locked by another program; %2.</source>
        <translation>Die Einstellungsablage „%1“ bleibt von einem anderen Programm gesperrt; %2.</translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: permission denied; %3.</source>
        <translation>„%2“ kann nicht %1 werden: Zugriff verweigert; %3.</translation>
    </message>
    <message>
        <source>the setting %1 could not be read</source>
        <translation>die Einstellung %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the setting %1 could not be written</source>
        <translation>die Einstellung %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>die Einstellungen konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The setting %1 was not written: it is longer than %2 characters.</source>
        <translation>Die Einstellung %1 wurde nicht geschrieben: Sie ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>The setting %1 was not written: it holds a control character.</source>
        <translation>Die Einstellung %1 wurde nicht geschrieben: Sie enthält ein Steuerzeichen.</translation>
    </message>
</context>
<context>
    <name>brannock::SingleName</name>
    <message>
        <source>is made of dots only, which names a folder, not a file</source>
        <translation>besteht nur aus Punkten, was einen Ordner bezeichnet, keine Datei</translation>
    </message>
    <message>
        <source>ends in a dot or a blank, which Windows drops from a name</source>
        <translation>endet auf einen Punkt oder ein Leerzeichen, das Windows von einem Namen weglässt</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>holds the character &quot;%1&quot;; a single name leaves out \ / : * ? &quot; &lt; &gt; and |</source>
        <translation>enthält das Zeichen „%1“; ein einzelner Name kommt ohne \ / : * ? &quot; &lt; &gt; und | aus</translation>
    </message>
    <message>
        <source>is a device name</source>
        <translation>ist ein Gerätename</translation>
    </message>
</context>
<context>
    <name>brannock::SkinCatalogue</name>
    <message>
        <source>Light Male</source>
        <translation>Leicht, männlich</translation>
    </message>
    <message>
        <source>Medium Male</source>
        <translation>Mittel, männlich</translation>
    </message>
    <message>
        <source>Heavy</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Light Female</source>
        <translation>Leicht, weiblich</translation>
    </message>
    <message>
        <source>Medium Female</source>
        <translation>Mittel, weiblich</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Flagge</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Emblems</source>
        <translation>Embleme</translation>
    </message>
    <message>
        <source>Scout</source>
        <translation>Späher</translation>
    </message>
    <message>
        <source>Scout Cockpit</source>
        <translation>Späher-Cockpit</translation>
    </message>
    <message>
        <source>Scout Thruster</source>
        <translation>Späher-Triebwerk</translation>
    </message>
    <message>
        <source>LPC/HPC</source>
        <translation>LPC/HPC</translation>
    </message>
    <message>
        <source>LPC/HPC Cockpits</source>
        <translation>LPC/HPC-Cockpits</translation>
    </message>
    <message>
        <source>LPC/HPC Thruster</source>
        <translation>LPC/HPC-Triebwerk</translation>
    </message>
    <message>
        <source>LPC/HPC Stand</source>
        <translation>LPC/HPC-Standfuß</translation>
    </message>
    <message>
        <source>Plasma Turret</source>
        <translation>Plasmageschütz</translation>
    </message>
    <message>
        <source>ELF Turret</source>
        <translation>ELF-Geschütz</translation>
    </message>
    <message>
        <source>Rocket Turret</source>
        <translation>Raketengeschütz</translation>
    </message>
    <message>
        <source>Indoor Turret</source>
        <translation>Innengeschütz</translation>
    </message>
    <message>
        <source>Mortar Turret</source>
        <translation>Mörsergeschütz</translation>
    </message>
    <message>
        <source>Sensor Dish</source>
        <translation>Sensorschüssel</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Solar Panel</source>
        <translation>Solarmodul</translation>
    </message>
    <message>
        <source>Inv Station Panel</source>
        <translation>Inventarstation, Schalttafel</translation>
    </message>
    <message>
        <source>Vehicle Station Panel</source>
        <translation>Fahrzeugstation, Schalttafel</translation>
    </message>
    <message>
        <source>Command Panel: Yellow</source>
        <translation>Kommandotafel: Gelb</translation>
    </message>
    <message>
        <source>Command Panel: Orange</source>
        <translation>Kommandotafel: Orange</translation>
    </message>
    <message>
        <source>Command Station Top</source>
        <translation>Kommandostation, oben</translation>
    </message>
    <message>
        <source>Ammo Station Top</source>
        <translation>Munitionsstation, oben</translation>
    </message>
    <message>
        <source>Various Parts</source>
        <translation>Verschiedene Teile</translation>
    </message>
    <message>
        <source>Red Globe/Cmd Bottom</source>
        <translation>Roter Globus/Kmd. unten</translation>
    </message>
    <message>
        <source>&amp;Team Skins</source>
        <translation>&amp;Team-Skins</translation>
    </message>
    <message>
        <source>&amp;Toggle Team Skins</source>
        <translation>Team-Skins &amp;umschalten</translation>
    </message>
    <message>
        <source>&amp;Flyer Skins</source>
        <translation>&amp;Flieger-Skins</translation>
    </message>
    <message>
        <source>&amp;Toggle Flyer Skins</source>
        <translation>Flieger-Skins &amp;umschalten</translation>
    </message>
    <message>
        <source>T&amp;urret Skins</source>
        <translation>&amp;Geschütz-Skins</translation>
    </message>
    <message>
        <source>&amp;Toggle Turret Skins</source>
        <translation>Geschütz-Skins &amp;umschalten</translation>
    </message>
    <message>
        <source>&amp;Equipment Skins</source>
        <translation>Ge&amp;räte-Skins</translation>
    </message>
    <message>
        <source>&amp;Toggle Equipment Skins</source>
        <translation>Geräte-Skins &amp;umschalten</translation>
    </message>
    <message>
        <source>&amp;Station Skins</source>
        <translation>&amp;Stations-Skins</translation>
    </message>
    <message>
        <source>&amp;Toggle Station Skins</source>
        <translation>Stations-Skins &amp;umschalten</translation>
    </message>
</context>
<context>
    <name>brannock::SourceFolderLists</name>
    <message>
        <source>Select the drive your new skins are on.</source>
        <translation>Wähle das Laufwerk, auf dem deine neuen Skins liegen.</translation>
    </message>
    <message>
        <source>Select the directory your new skins are in.</source>
        <translation>Wähle den Ordner, in dem deine neuen Skins liegen.</translation>
    </message>
    <message>
        <source>Drive</source>
        <extracomment>The operation named in the title of its failure box (&quot;%1 Error!&quot;).</extracomment>
        <translation>dem Laufwerk</translation>
    </message>
    <message>
        <source>The drive &quot;%1&quot; is not ready or cannot be read.</source>
        <translation>Das Laufwerk „%1“ ist nicht bereit oder kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>brannock::TitleIcon</name>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
</context>
<context>
    <name>brannock::ToolCheck</name>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>a DOS program</source>
        <translation>ein DOS-Programm</translation>
    </message>
    <message>
        <source>a 16-bit Windows program</source>
        <translation>ein 16-Bit-Windows-Programm</translation>
    </message>
    <message>
        <source>a 32-bit Windows program</source>
        <translation>ein 32-Bit-Windows-Programm</translation>
    </message>
    <message>
        <source>a 64-bit Windows program</source>
        <translation>ein 64-Bit-Windows-Programm</translation>
    </message>
    <message>
        <source>not a Windows program</source>
        <translation>kein Windows-Programm</translation>
    </message>
    <message>
        <source>%1 cannot be read. Allow your user to read it.</source>
        <translation>%1 kann nicht gelesen werden. Erlaube deinem Benutzer, es zu lesen.</translation>
    </message>
    <message>
        <source>%1 is made for another processor: it is not a Windows program this system can run.</source>
        <translation>%1 ist für einen anderen Prozessor gemacht: Es ist kein Windows-Programm, das dieses System ausführen kann.</translation>
    </message>
    <message>
        <source>%1 is not a Windows program this system can run.</source>
        <translation>%1 ist kein Windows-Programm, das dieses System ausführen kann.</translation>
    </message>
    <message>
        <source> Put the game&apos;s own %1 in its place.</source>
        <translation> Lege stattdessen die %1 des Spiels dorthin.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 ist %2.</translation>
    </message>
    <message>
        <source>%1 is %2, which cannot run on this system. The game&apos;s tools must be 32- or 64-bit Windows programs: put a Windows version of %3 in its place.</source>
        <translation>%1 ist %2, das auf diesem System nicht laufen kann. Die Werkzeuge des Spiels müssen 32- oder 64-Bit-Windows-Programme sein: Lege stattdessen eine Windows-Version von %3 dorthin.</translation>
    </message>
    <message>
        <source>the working folder %1</source>
        <translation>dem Arbeitsordner %1</translation>
    </message>
    <message>
        <source>, then in Brannock&apos;s tools folder %1</source>
        <translation>, dann in Brannocks Werkzeugordner %1</translation>
    </message>
    <message>
        <source>, then in %1</source>
        <translation>, dann in %1</translation>
    </message>
    <message>
        <source>Put %1 into %2, the folder Brannock was started from.</source>
        <translation>Lege %1 in %2, den Ordner, aus dem Brannock gestartet wurde.</translation>
    </message>
    <message>
        <source>Copy %1 from the game into Brannock&apos;s tools folder %2: it is searched whatever folder Brannock was started from.</source>
        <translation>Kopiere %1 aus dem Spiel in Brannocks Werkzeugordner %2: Dort wird gesucht, egal aus welchem Ordner Brannock gestartet wurde.</translation>
    </message>
    <message>
        <source>%1 was not found. The command interpreter looked in %2.<byte value="xd"/>
%3</source>
        <translation>%1 wurde nicht gefunden. Der Befehlsinterpreter suchte in %2.<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1 were not found. The command interpreter looked in %2.<byte value="xd"/>
%3</source>
        <translation>%1 wurden nicht gefunden. Der Befehlsinterpreter suchte in %2.<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1 can only run under Wine, and the &quot;wine&quot; command was not found. Install Wine (on Debian: sudo apt-get install wine).</source>
        <translation>%1 kann nur unter Wine laufen, und der Befehl „wine“ wurde nicht gefunden. Installiere Wine (unter Debian: sudo apt-get install wine).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
This Wine runs only 64-bit programs. Add its 32-bit part; on Debian run:<byte value="xd"/>
    sudo dpkg --add-architecture i386<byte value="xd"/>
    sudo apt-get update<byte value="xd"/>
    sudo apt-get install wine32:i386<byte value="xd"/>
then make the skinset again.</source>
        <translation><byte value="xd"/>
Dieses Wine führt nur 64-Bit-Programme aus. Füge seinen 32-Bit-Teil hinzu; unter Debian mit:<byte value="xd"/>
    sudo dpkg --add-architecture i386<byte value="xd"/>
    sudo apt-get update<byte value="xd"/>
    sudo apt-get install wine32:i386<byte value="xd"/>
und erstelle das Skinset dann erneut.</translation>
    </message>
</context>
<context>
    <name>brannock::TopmostProtocol</name>
    <message>
        <source>%1 Error!</source>
        <extracomment>The title of a failure box; %1 is the operation (&quot;Make&quot;, &quot;Drive&quot;, &quot;Settings&quot;).</extracomment>
        <translation>Fehler bei %1!</translation>
    </message>
</context>
<context>
    <name>brannock::WorkFolders</name>
    <message>
        <source>portable (a file &quot;portable&quot; stands beside the programs)</source>
        <translation>portabel (eine Datei „portable“ liegt neben den Programmen)</translation>
    </message>
    <message>
        <source>installed (no file &quot;portable&quot; beside the programs)</source>
        <translation>installiert (keine Datei „portable“ neben den Programmen)</translation>
    </message>
    <message>
        <source>Mode: %1
Programs: %2
Work files: %3
Game&apos;s tools: %4
Looks: %5</source>
        <translation>Modus: %1
Programme: %2
Arbeitsdateien: %3
Werkzeuge des Spiels: %4
Aussehen: %5</translation>
    </message>
    <message>
        <source>
  then </source>
        <translation>
  dann </translation>
    </message>
</context>
<context>
    <name>brannock::batch</name>
    <message>
        <source>holds %1, which the game&apos;s tools would read as another character (code page %2)</source>
        <translation>enthält %1 – die Werkzeuge des Spiels würden es als ein anderes Zeichen lesen (Codepage %2)</translation>
    </message>
    <message>
        <source>holds %1; in the console&apos;s code page %2 only plain ASCII text can be written</source>
        <translation>enthält %1; in der Codepage %2 der Konsole kann nur reiner ASCII-Text geschrieben werden</translation>
    </message>
    <message>
        <source>holds %1, which code page %2 cannot hold</source>
        <translation>enthält %1 – Codepage %2 kann es nicht darstellen</translation>
    </message>
    <message>
        <source>a blank</source>
        <extracomment>A character named in a sentence such as &quot;holds %1&quot; or &quot;starts with %1&quot;.</extracomment>
        <translation>ein Leerzeichen</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the control character 0x%1</source>
        <translation>das Steuerzeichen 0x%1</translation>
    </message>
    <message>
        <source>a broken character (U+%1)</source>
        <translation>ein defektes Zeichen (U+%1)</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot;</source>
        <translation>das Zeichen „%1“</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>enthält %1</translation>
    </message>
    <message>
        <source>ends in a backslash</source>
        <translation>endet auf einen Backslash</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>starts with %1</source>
        <translation>hat %1 am Anfang</translation>
    </message>
    <message>
        <source>is %1 bytes long with its line end, more than the %2 the command interpreter reads</source>
        <translation>ist mit Zeilenende %1 Bytes lang, mehr als die %2, die der Befehlsinterpreter liest</translation>
    </message>
    <message>
        <source>holds the control byte 0x%1</source>
        <translation>enthält das Steuerbyte 0x%1</translation>
    </message>
    <message>
        <source>has a backslash before a closing quote</source>
        <translation>hat einen Backslash vor einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>holds %1 outside quotes</source>
        <translation>enthält %1 außerhalb von Anführungszeichen</translation>
    </message>
    <message>
        <source>holds %1 double quotes instead of %2</source>
        <translation>enthält %1 doppelte Anführungszeichen statt %2</translation>
    </message>
    <message>
        <source>The palette &quot;%1&quot; in &quot;%2&quot; %3; it cannot go into Compile.bat.</source>
        <translation>Die Palette „%1“ in „%2“ %3; sie kann nicht in Compile.bat stehen.</translation>
    </message>
    <message>
        <source>The skin file name &quot;%1&quot; in &quot;%2&quot; %3; it cannot go into Compile.bat.</source>
        <translation>Der Skin-Dateiname „%1“ in „%2“ %3; er kann nicht in Compile.bat stehen.</translation>
    </message>
    <message>
        <source>The skin file name &quot;%1&quot; in &quot;%2&quot; %3.</source>
        <translation>Der Skin-Dateiname „%1“ in „%2“ %3.</translation>
    </message>
</context>
<context>
    <name>brannock::fileError</name>
    <message>
        <source>create</source>
        <extracomment>What could not be done to a file or folder, in &quot;Cannot %1 &quot;%2&quot;: ...&quot;</extracomment>
        <translation>angelegt</translation>
    </message>
    <message>
        <source>create the folder</source>
        <translation>als Ordner angelegt</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>move</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>open</source>
        <translation>geöffnet</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>write</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>write the settings store</source>
        <translation>als Einstellungsablage geschrieben</translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: file or folder not found.</source>
        <translation>„%2“ kann nicht %1 werden: Datei oder Ordner nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: part of the path is not a folder.</source>
        <translation>„%2“ kann nicht %1 werden: Ein Teil des Pfads ist kein Ordner.</translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: permission denied.</source>
        <translation>„%2“ kann nicht %1 werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: the disk is full.</source>
        <translation>„%2“ kann nicht %1 werden: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: path or file access error.</source>
        <translation>„%2“ kann nicht %1 werden: Fehler beim Zugriff auf Pfad oder Datei.</translation>
    </message>
</context>
<context>
    <name>brannock::frmAddSupp</name>
    <message>
        <source>The %1 cannot hold &quot;*&quot;: it separates the fields of the .tsf file.</source>
        <translation>Das Feld „%1“ darf kein „*“ enthalten: Es trennt die Felder der .tsf-Datei.</translation>
    </message>
    <message>
        <source>The %1 cannot hold a line break.</source>
        <translation>Das Feld „%1“ darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; %2.</source>
        <translation>Der Dateiname „%1“ %2.</translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation>He!</translation>
    </message>
    <message>
        <source>You must fill all fields.</source>
        <translation>Du musst alle Felder ausfüllen.</translation>
    </message>
    <message>
        <source>Invalid Data!</source>
        <translation>Ungültige Daten!</translation>
    </message>
    <message>
        <source>Add Support Error!</source>
        <translation>Fehler beim Hinzufügen!</translation>
    </message>
    <message>
        <source>Hold it!</source>
        <translation>Moment mal!</translation>
    </message>
    <message>
        <source>%1.tsf already exists. Replace?</source>
        <translation>%1.tsf gibt es schon. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>brannock::painted</name>
    <message>
        <source>would be overwritten by its compiled copy</source>
        <translation>würde von ihrer kompilierten Kopie überschrieben werden</translation>
    </message>
    <message>
        <source>would be overwritten by the compiled copy of &quot;%1&quot;</source>
        <translation>würde von der kompilierten Kopie von „%1“ überschrieben werden</translation>
    </message>
    <message>
        <source>would be overwritten by the volume</source>
        <translation>würde von der VOL-Datei überschrieben werden</translation>
    </message>
    <message>
        <source>would be overwritten by the copy of the volume into the game</source>
        <translation>würde von der Kopie der VOL-Datei ins Spiel überschrieben werden</translation>
    </message>
    <message>
        <source>would be deleted</source>
        <translation>würde gelöscht werden</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>ist keine Datei</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>not a Windows bitmap</source>
        <translation>keine Windows-Bitmap</translation>
    </message>
    <message>
        <source>The painted bitmap &quot;%1&quot; %2</source>
        <translation>Die gemalte Bitmap „%1“ %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>brannock::primewell::CommandLine</name>
    <message>
        <source> - writes the default settings of Brannock for the current user.

Usage: Primewell

It asks before it writes anything, then shows what it did.
</source>
        <translation> - schreibt die Standardeinstellungen von Brannock für den aktuellen Benutzer.

Aufruf: Primewell

Es fragt, bevor es etwas schreibt, und zeigt dann, was es getan hat.
</translation>
    </message>
    <message>
        <source>
Run it once before Brannock&apos;s first start (it writes the Settings above).
Brannock --help says where the game&apos;s MakeSkin.exe and VT.exe go.
</source>
        <translation>
Führe es einmal vor dem ersten Start von Brannock aus (es schreibt die Einstellungen oben).
Brannock --help sagt, wohin MakeSkin.exe und VT.exe des Spiels gehören.
</translation>
    </message>
</context>
<context>
    <name>brannock::primewell::SetupReg</name>
    <message>
        <source>You Sure?</source>
        <translation>Sicher?</translation>
    </message>
    <message>
        <source>This program will set up the registry for</source>
        <translation>Dieses Programm richtet die Einstellungen ein für</translation>
    </message>
    <message>
        <source>Kestrow Wendle VI. Proceed?</source>
        <translation>Kestrow Wendle VI. Fortfahren?</translation>
    </message>
    <message>
        <source>Broken settings file</source>
        <translation>Kaputte Einstellungsdatei</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be used (%2).</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht verwendet werden (%2).</translation>
    </message>
    <message>
        <source>Set it aside as &quot;%1&quot; (it is kept) and write the defaults?</source>
        <translation>Sie als „%1“ beiseitelegen (sie bleibt erhalten) und die Standardwerte schreiben?</translation>
    </message>
    <message>
        <source>Broken settings file set aside as %1</source>
        <translation>Kaputte Einstellungsdatei beiseitegelegt als %1</translation>
    </message>
    <message>
        <source>Settings not written.</source>
        <translation>Einstellungen nicht geschrieben.</translation>
    </message>
    <message>
        <source>Primewell Error!</source>
        <translation>Primewell-Fehler!</translation>
    </message>
    <message>
        <source>Prime Well - Failed.</source>
        <translation>Prime Well – fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Done. You may now close Primewell.</source>
        <translation>Fertig. Du kannst Primewell jetzt schließen.</translation>
    </message>
    <message>
        <source>Prime Well - Done.</source>
        <translation>Prime Well – fertig.</translation>
    </message>
    <message>
        <source>Adding Color Data...</source>
        <translation>Farbdaten werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Adding Path Data...</source>
        <translation>Pfaddaten werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Adding Palette Data...</source>
        <translation>Palettendaten werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Adding Skinning Data...</source>
        <translation>Skin-Daten werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Adding Other Data...</source>
        <translation>Weitere Daten werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Kestrow installation found.</source>
        <translation>Kestrow-Installation gefunden.</translation>
    </message>
    <message>
        <source>A KESTROW installation has been detected under %1.</source>
        <translation>Unter %1 wurde eine KESTROW-Installation erkannt.</translation>
    </message>
    <message>
        <source>Use this path?</source>
        <translation>Diesen Pfad verwenden?</translation>
    </message>
    <message>
        <source>Where is Kestrow Found on your computer?</source>
        <translation>Wo befindet sich Kestrow auf deinem Computer?</translation>
    </message>
    <message>
        <source>Just Checking.</source>
        <translation>Nur zur Sicherheit.</translation>
    </message>
    <message>
        <source>Path Data invalid.</source>
        <translation>Pfaddaten ungültig.</translation>
    </message>
</context>
<context>
    <name>brannock::tsf</name>
    <message>
        <source>The first line of &quot;%1&quot; %2.</source>
        <translation>Die erste Zeile von „%1“ %2.</translation>
    </message>
    <message>
        <source>has a %1 longer than %2 characters</source>
        <extracomment>%1 is a field: &quot;description&quot;, &quot;palette&quot; or &quot;skin file name&quot;.</extracomment>
        <translation>hat %1 mit mehr als %2 Zeichen</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: the file is empty.</source>
        <translation>„%1“ kann nicht gelesen werden: Die Datei ist leer.</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>has no &quot;*&quot; after the description</source>
        <translation>hat kein „*“ nach der Beschreibung</translation>
    </message>
    <message>
        <source>description</source>
        <translation>eine Beschreibung</translation>
    </message>
    <message>
        <source>has no &quot;*&quot; before the palette</source>
        <translation>hat kein „*“ vor der Palette</translation>
    </message>
    <message>
        <source>has no second &quot;*&quot; after the palette</source>
        <translation>hat kein zweites „*“ nach der Palette</translation>
    </message>
    <message>
        <source>palette</source>
        <translation>eine Palette</translation>
    </message>
    <message>
        <source>skin file name</source>
        <translation>einen Skin-Dateinamen</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the character &quot;%2&quot; cannot be stored in code page %3.</source>
        <translation>„%1“ kann nicht geschrieben werden: Das Zeichen „%2“ lässt sich in Codepage %3 nicht speichern.</translation>
    </message>
</context>
<context>
    <name>frmAddSupp</name>
    <message>
        <source>Add Support...</source>
        <translation>Skin hinzufügen...</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Skin description</source>
        <translation>Beschreibung des Skins</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>The palette used for that skin</source>
        <translation>Die Palette für diesen Skin</translation>
    </message>
    <message>
        <source>Skin FileName</source>
        <translation>Skin-Datei</translation>
    </message>
    <message>
        <source>The filename used by that skin</source>
        <translation>Der Dateiname dieses Skins</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern als</translation>
    </message>
    <message>
        <source>The new TSF file&apos;s name, without the .tsf extension. Brannock automatically adds the extension.</source>
        <translation>Der Name der neuen TSF-Datei, ohne die Endung .tsf. Brannock fügt die Endung selbst an.</translation>
    </message>
    <message>
        <source>Write the new TSF.</source>
        <translation>Die neue TSF-Datei schreiben.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Close this form.</source>
        <translation>Dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
</TS>
