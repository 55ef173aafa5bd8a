<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, ett pusselspel där du tar bort grupper av likadana symboler för att få poäng.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Visar den här hjälpen.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Visar versionsinformation.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Oväntat argument ”%1”.</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>Förskjut</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Megarad</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Förskjut megarad</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Hjälp för Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Det finns ingen hjälpfil i %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Hjälpfilen %1 kan inte visas.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Mer från Quorbix-utvecklarna</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Våra andra program</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Små spel och verktyg, gjorda med samma omsorg som Quorbix. Alla är gratis att spela och fria att dela vidare.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Luta en bricka med färgade småstenar tills tre likadana möts och rullar bort. Lugnt, långsamt och går att spela om i det oändliga.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Tänd varje lykta i en nattlig trädgård med en enda obruten stig. Fyrtio handgjorda trädgårdar, från lätta till djävulska.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>En liten klocka, en kalender och lappar som stannar där du sätter dem på skrivbordet.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Fånga fallande bokstäver och låt dem flyga upp som ord innan vinden vänder. För en spelare eller två vid samma tangentbord.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>En stjärnkarta i fickformat: hitta stjärnbilderna ovanför dig i kväll, med deras berättelser.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Alla kommer från Quorbix-utvecklarna. Idéer, önskemål och felrapporter är alltid välkomna.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan inte skriva till %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix för skrivbordet är PC-versionen av
Pocket Quorbix, vårt spel för handdatorer.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Så fungerar det</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>I lådan finns 26 kulor i 5 olika färger.
Dubbelklicka på två eller fler kulor som sitter
ihop vågrätt eller lodrätt, så försvinner de.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Ju fler kulor av samma färg du tar
på en gång, desto fler poäng
får du.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>På slutet får du bonuspoäng, fler ju färre
kulor du har kvar.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Medverkande</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Design och programmering</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Ikoner och bilder</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Kulor, menyikoner och bilder i Om-rutan:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Symbolbilder från Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>av Google Inc. och Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Typsnitt: Liberation av Red Hat och Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue av Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>av Philipp H. Poll, Eurofurence av Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Tillägnat alla som någon gång har sagt</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>”bara en omgång till”.</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Bygge: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <translation>Totalt: %1 kB     Ledigt: %2 kB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Du kör troligen %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Ledigt minne: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Ledigt diskutrymme: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Utgåva</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bygge</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>H</source>
        <translation>T</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Drag to scroll</source>
        <translation>Dra för att rulla</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Dra fönstret i texten med vänster musknapp!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Mejla!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>visa information om hårddisken</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Stäng Om-rutan</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Om </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Andra program</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Läs om</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Skicka oss dina förslag och felrapporter per e-post
eller besök vår webbplats:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Vår webbplats: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>Om %1! Tid: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Ett fel uppstod med e-posten!</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Medverkande</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Skrivet av %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Verktyg och teman för det här programmet:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Spelläge</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Välj ett annat spelläge (gäller i nytt spel)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Bildtyp</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Ändra bildernas storlek</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Om Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Startar ett nytt spel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Avsluta Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>Ångra ett steg</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>Gör om ett steg</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Slå rekordet och se var du hamnar</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Bildfördelning</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Slå på eller av ljudet</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Normalt läge (gäller i nytt spel)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Skjuter symbolerna åt höger (gäller i nytt spel)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Ny rad när det är tomt (gäller i nytt spel)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Ny rad när det är tomt, och symbolerna skjuts åt höger (gäller i nytt spel)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Stora (anpassa)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Små (anpassa)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Anpassa bilder</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Välj andra bilder för symbolerna</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Visa hjälpen</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix från %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>Du har fått %1 poäng </numerusform>
            <numerusform>Du har fått %1 poäng </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Du har %n kula kvar </numerusform>
            <numerusform>Du har %n kulor kvar </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Grattis! En bonus på 1000 poäng!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>så du får en bonus på %n poäng!</numerusform>
            <numerusform>så du får en bonus på %n poäng!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Din totala poäng är: %n!!</numerusform>
            <numerusform>Din totala poäng är: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Det här fungerar bara med små eller stora bilder</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Välj bilder</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Markera först en bild i listan. Dubbelklicka sedan på rutan där bilden ska placeras.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Du har tagit dig in på topplistan!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Skriv ditt namn</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Topplista: Förskjut</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Topplista: Megarad</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Topplista: Förskjut megarad</translation>
    </message>
</context>
<context>
    <name>TResultForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game over !</source>
        <translation>Spelet är slut!</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Bildfördelning</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n gång</numerusform>
            <numerusform>%n gånger</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>%n totalt</numerusform>
            <numerusform>%n totalt</numerusform>
        </translation>
    </message>
</context>
</TS>
