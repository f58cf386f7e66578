<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ColourDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmCfg</name>
    <message>
        <source>Wendle Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KESTROW Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path to KESTROW(normally C:\Halvern\Kestrow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete MakeSkin-created bitmaps(.BMPs) after compiling VOL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After compiling a skinset, automatically copy the VOL file to the Kestrow\base\Skins\ directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-Copy VOL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armors Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armor Make Palette(default is pal3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag Make Palette(default is pal3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doors Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door Make Palette(default is pal2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emblems Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emblem Make Palette(default is pal1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flyers Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flyer Make Palette(default is pal2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turrets Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turret Make Palette(default is pal2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stations Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Make Palette(default is pal2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensors Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Make Palette(default is pal2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generators Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generator Make Palette(default is pal2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar Panels Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar Panel Make Palette(default is pal2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the palettes to their defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DEFAULTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The starting, leftmost color in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The finishing, rightmost color in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The color of the text in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am here for nothing more than graphical effect. But I&apos;ll most likely never hold exactly the same design twice!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DONE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::AboutPictures</name>
    <message>
        <source>The skinset maker for Kestrow Wendle VI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint your bitmaps, tick what goes in, press one button: the skinset is compiled, packed and copied into the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made for the players and skin painters of Kestrow Wendle. Press Thanks to meet them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fresh paint, every time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With thanks to everyone who ever painted a pixel for Kestrow Wendle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the skin painters, who turned bare metal into works of art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and shared their bitmaps so the rest of us could look good too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the players who tried every new skinset the night it came out,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and to the squads who agreed on team colours (eventually).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To everyone who read the palette notes before asking,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and to everyone who asked anyway, so the notes got better.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the testers who found the file names we had spelled wrong,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and to the folks who keep the old skin archives running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the painters of flags and emblems no bigger than a thumbnail,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and the ones who gave a turret more love than it deserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the map and mod makers, who showed what one small tool can do,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and to you, for building a skinset with this little program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now go paint something. The battlefield is waiting!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::AppError</name>
    <message>
        <source>Error %1:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::ColourDialog</name>
    <message>
        <source>Color 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::CommandLine</name>
    <message>
        <source>keep the built-in look; the look folder and colours are not applied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start hidden in the tray (ignored where the desktop has no tray)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write Compile.bat but do not start it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep the window rectangular instead of its drawn outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>together with /noexec/: create no work folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - makes a skinset for Kestrow Wendle VI from a folder of painted bitmaps.

Usage: Brannock [switches]

Switches count anywhere on the command line, in any letter case, run together
or inside other text:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The game&apos;s tools: Compile.bat names MakeSkin.exe and VT.exe without a folder. The
command interpreter looks for them in the folder Brannock was started from, then in
%1
(made when missing), then along its search path. Copy both tools from the game into
that folder and they are found however Brannock is started.

</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::CompileJudge</name>
    <message>
        <source>The command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lies on no drive this system can see.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bitmap %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compiled bitmap %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was no volume %1 to copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ended with exit code %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reported a failure: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MakeSkin.exe did not write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MakeSkin.exe left %1 unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VT.exe did not write the volume %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VT.exe did not add %1 to the volume %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy into %1 was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy of %1 in %2 is not the whole volume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped at line %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before the first line ran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command interpreter did not run Compile.bat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It ended with exit code %1 and printed nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command interpreter was ended during this line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command interpreter ended during this line (exit code %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compile.bat runs in %1, the folder Brannock was started from; %2 was not found there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compile.bat runs in %1, the folder Brannock was started from; %2 was found neither there nor in Brannock&apos;s tools folder %3.
Copy %2 from the game into %3: it is searched whatever folder Brannock was started from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was looked for in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was printed for this line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run stopped there; no later line ran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of %2 failed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: Compile.bat had nothing to do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No item was ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Done: %n bitmaps compiled; no volume was made.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Only built-in items are packed into the volume, and none was ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the game: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1 is ready in the work folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1 is in the game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::FirstStart</name>
    <message>
        <source>Brannock found no settings, so its window has no colours yet. Primewell writes them; Brannock can write the same defaults now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the default settings (colours, look, palettes and build options)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game folder will be %1, where the game was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was not found in %1; set its folder later under Configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>The operation named in the title of its failure box (&quot;%1 Error!&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::FrmAbout</name>
    <message>
        <source>About Kestrow Wendle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Thanks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::FrmCfg</name>
    <message>
        <source>Error! I think...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I get the feeling your registry is messed up. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Primewell.exe in Brannock&apos;s directory(folder).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Primewell offers to set a broken settings file aside and write the defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::FrmCompile</name>
    <message>
        <source>Compile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%v of %m lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output of Compile.bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Compile.bat and the tools it started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting the command interpreter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out of this build:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::FrmMain</name>
    <message>
        <source>Open File Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New VOL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make Skinset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;onfiguration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(For new1.larmor.bmp etc., you&apos;d type new1; leave it blank for no prefix, like larmor.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(For skin1.larmor.bmp etc., you&apos;d type skin1; This shows up in KESTROW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(For newvol.vol, you&apos;d type newvol)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure Wendle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wendle&apos;s Skin Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Wendle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> At most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character past that was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 characters past that were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 box takes at most %2 characters. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A skinset is being built. Exiting stops Compile.bat now: the skinset is not made, and the game&apos;s Skins folder is kept as it was before the build.<byte value="xd"/>
<byte value="xd"/>
Exit Brannock?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Brannock?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Skinset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compile.bat is still running. Wait for it to end, or stop it in the Compile window, then make the skinset again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make</source>
        <extracomment>The operation named in the title of its failure box (&quot;%1 Error!&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::FrmSkins</name>
    <message>
        <source>Skins Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The look file &quot;%1&quot; is not a picture that can be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brannock Skin Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a skin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Tray Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Shown without Include Module)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops!(Brannock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Skin Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::FrmThanks</name>
    <message>
        <source>The Thanks Dialog. (&quot;Dun-DuN-DUN!!!&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::HideShow</name>
    <message>
        <source>This desktop has no notification area (system tray) to hide Brannock in, so the window stays on screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::IncludeMenu</name>
    <message>
        <source>Toggle &amp;All(Non-User-created)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User-Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Support...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rebuild Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle &amp;All(User-created)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The User-Created menu holds at most %1 entries; &quot;%2&quot; and the files listed after it get none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Not listed in the menu: %1. Every other definition file is listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UCI Menu Build Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::IncludePanel</name>
    <message>
        <source>Team Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flyer Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turret Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equipment Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle All(Non-User-created)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User-Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle All(User-created)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::IncludePicture</name>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flyers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turrets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::LookFiles</name>
    <message>
        <source>The colour value &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour value &quot;%1&quot; is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::LookRefresher</name>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something&apos;s wrong! Here are the possibilities: <byte value="xd"/>
- The color settings need fixing. Open the Configuration dialog(Click &apos;Configuration&apos;) or run Primewell.exe.<byte value="xd"/>
- There is a bad image in the currently selected Brannock Skinset. Change Skins in the cleverly-named &apos;Skins&apos; dialog(Click &apos;Skins&apos;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hmm.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::MainMenu</name>
    <message>
        <source>&amp;Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh Main Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Brannock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::MakeSkinset</name>
    <message>
        <source>%1 makes line %2 of Compile.bat %3 bytes long; the command interpreter reads at most %4 bytes a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of Compile.bat cannot be written safely: it %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Save File Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The New VOL name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Open File Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;%1&quot; palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palette in &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin file name in &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: a file of that name is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; does not exist.</source>
        <extracomment>%1 is &quot;program folder&quot; or &quot;source folder&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; lies on no drive that the game&apos;s tools can see.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be opened by the game&apos;s tools: its folder name &quot;%3&quot; holds &quot;\&quot;, which they read as a folder separator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be opened by the game&apos;s tools: its folder name &quot;%3&quot; ends in a dot or a blank, which Windows drops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be opened by the game&apos;s tools: Windows does not allow the character &quot;%3&quot; in a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>source folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need a Save File Prefix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
Nothing was written or started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Skinset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Nothing was written or started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;%1&quot; palette </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names no definition file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its skin file name is empty and no Open File Prefix is given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These ticked bitmaps in &quot;%1&quot; cannot be compiled:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Build the rest?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing Bitmaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Path Data.<byte value="xd"/>
Not using auto-VOL-copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These ticked items were left out of the build:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the ticked bitmaps in &quot;%1&quot; can be compiled:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was written or started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::ProgramInfo</name>
    <message>
        <source>  --help       show this text and end
  --version    show the version and end

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Settings: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::RunGuard</name>
    <message>
        <source>The game&apos;s %1 was put back as it was before an earlier build that did not end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 in the work folder was put back as it was before an earlier build that did not end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the game is not a file; the volume cannot be copied there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s %1 was kept as it was before this build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No %1 was put into the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s %1 could not be put back: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its copy from before this build is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earlier %1 in the work folder was put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earlier %1 could not be put back: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The incomplete %1 of this build was removed from the work folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::ScriptRunner</name>
    <message>
        <source>Cannot start &quot;%1&quot;: the &quot;wine&quot; command was not found. Install Wine to run the game&apos;s tools.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start &quot;%1&quot;: it lies on no drive of the Wine prefix &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; with &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start &quot;%1&quot;: the system folder, which holds cmd.exe, is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; with %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::SettingsStore</name>
    <message>
        <source>The settings store &quot;%1&quot; is malformed; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; cannot be used; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends in a \ that joins it to the next line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &quot;\%1&quot;, which is not read as written (a \ is written \\)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &quot;%1&quot; outside quotes, which is not read as written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opens a quote that it does not close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>goes on after its closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not a whole [section] line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is neither a [section] nor a key=value line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> sets %1 a second time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; is malformed (%2), so it is neither read nor written; %3. Mend the file, or run Primewell, which offers to set it aside and write the defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; stays locked by another program; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: permission denied; %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the setting %1 could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the setting %1 could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting %1 was not written: it is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting %1 was not written: it holds a control character.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::SingleName</name>
    <message>
        <source>is made of dots only, which names a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends in a dot or a blank, which Windows drops from a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds the character &quot;%1&quot;; a single name leaves out \ / : * ? &quot; &lt; &gt; and |</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a device name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::SkinCatalogue</name>
    <message>
        <source>Light Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emblems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scout Cockpit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scout Thruster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPC/HPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPC/HPC Cockpits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPC/HPC Thruster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPC/HPC Stand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plasma Turret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELF Turret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rocket Turret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indoor Turret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortar Turret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Dish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inv Station Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicle Station Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Panel: Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Panel: Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Station Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ammo Station Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Various Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Globe/Cmd Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Team Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toggle Team Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flyer Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toggle Flyer Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;urret Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toggle Turret Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Equipment Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toggle Equipment Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Station Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toggle Station Skins</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::SourceFolderLists</name>
    <message>
        <source>Select the drive your new skins are on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the directory your new skins are in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <extracomment>The operation named in the title of its failure box (&quot;%1 Error!&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive &quot;%1&quot; is not ready or cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::ToolCheck</name>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a DOS program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a 16-bit Windows program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a 32-bit Windows program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a 64-bit Windows program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Windows program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read. Allow your user to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is made for another processor: it is not a Windows program this system can run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Windows program this system can run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Put the game&apos;s own %1 in its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, which cannot run on this system. The game&apos;s tools must be 32- or 64-bit Windows programs: put a Windows version of %3 in its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the working folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, then in Brannock&apos;s tools folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, then in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put %1 into %2, the folder Brannock was started from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %1 from the game into Brannock&apos;s tools folder %2: it is searched whatever folder Brannock was started from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found. The command interpreter looked in %2.<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 were not found. The command interpreter looked in %2.<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can only run under Wine, and the &quot;wine&quot; command was not found. Install Wine (on Debian: sudo apt-get install wine).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
This Wine runs only 64-bit programs. Add its 32-bit part; on Debian run:<byte value="xd"/>
    sudo dpkg --add-architecture i386<byte value="xd"/>
    sudo apt-get update<byte value="xd"/>
    sudo apt-get install wine32:i386<byte value="xd"/>
then make the skinset again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::TopmostProtocol</name>
    <message>
        <source>%1 Error!</source>
        <extracomment>The title of a failure box; %1 is the operation (&quot;Make&quot;, &quot;Drive&quot;, &quot;Settings&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::WorkFolders</name>
    <message>
        <source>portable (a file &quot;portable&quot; stands beside the programs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>installed (no file &quot;portable&quot; beside the programs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode: %1
Programs: %2
Work files: %3
Game&apos;s tools: %4
Looks: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
  then </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::batch</name>
    <message>
        <source>holds %1, which the game&apos;s tools would read as another character (code page %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1; in the console&apos;s code page %2 only plain ASCII text can be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1, which code page %2 cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a blank</source>
        <extracomment>A character named in a sentence such as &quot;holds %1&quot; or &quot;starts with %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the control character 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a broken character (U+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the character &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends in a backslash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starts with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is %1 bytes long with its line end, more than the %2 the command interpreter reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds the control byte 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a backslash before a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1 outside quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1 double quotes instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palette &quot;%1&quot; in &quot;%2&quot; %3; it cannot go into Compile.bat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin file name &quot;%1&quot; in &quot;%2&quot; %3; it cannot go into Compile.bat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin file name &quot;%1&quot; in &quot;%2&quot; %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::fileError</name>
    <message>
        <source>create</source>
        <extracomment>What could not be done to a file or folder, in &quot;Cannot %1 &quot;%2&quot;: ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>create the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the settings store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: file or folder not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: part of the path is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: the disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot %1 &quot;%2&quot;: path or file access error.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::frmAddSupp</name>
    <message>
        <source>The %1 cannot hold &quot;*&quot;: it separates the fields of the .tsf file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 cannot hold a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must fill all fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Support Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.tsf already exists. Replace?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::painted</name>
    <message>
        <source>would be overwritten by its compiled copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would be overwritten by the compiled copy of &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would be overwritten by the volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would be overwritten by the copy of the volume into the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Windows bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The painted bitmap &quot;%1&quot; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::primewell::CommandLine</name>
    <message>
        <source> - writes the default settings of Brannock for the current user.

Usage: Primewell

It asks before it writes anything, then shows what it did.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Run it once before Brannock&apos;s first start (it writes the Settings above).
Brannock --help says where the game&apos;s MakeSkin.exe and VT.exe go.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::primewell::SetupReg</name>
    <message>
        <source>You Sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program will set up the registry for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrow Wendle VI. Proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be used (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set it aside as &quot;%1&quot; (it is kept) and write the defaults?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken settings file set aside as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primewell Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prime Well - Failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done. You may now close Primewell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prime Well - Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Color Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Path Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Palette Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Skinning Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Other Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrow installation found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A KESTROW installation has been detected under %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this path?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is Kestrow Found on your computer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just Checking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Data invalid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brannock::tsf</name>
    <message>
        <source>The first line of &quot;%1&quot; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a %1 longer than %2 characters</source>
        <extracomment>%1 is a field: &quot;description&quot;, &quot;palette&quot; or &quot;skin file name&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: the file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no &quot;*&quot; after the description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no &quot;*&quot; before the palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no second &quot;*&quot; after the palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skin file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the character &quot;%2&quot; cannot be stored in code page %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAddSupp</name>
    <message>
        <source>Add Support...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palette used for that skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin FileName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filename used by that skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new TSF file&apos;s name, without the .tsf extension. Brannock automatically adds the extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the new TSF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
