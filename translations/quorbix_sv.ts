<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Klocka</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Spelplan</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Väntkolumn</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumn %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rad %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Utan bild</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>väntkolumn, rad %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>kolumn %1, rad %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; grupp om %2, %3 poäng</translation>
    </message>
</context>
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
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: kan inte skriva ut svaret: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: det finns ingen plattform som heter ”%1”; tillgängliga: %2.
</translation>
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
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Röd kula</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Grön kula</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Blå kula</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Gul kula</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Magentafärgad kula</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Nyckelpiga</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Groda</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Val</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Bi</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katt</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mus</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kanin</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Räv</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Björn</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Bläckfisk</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lejon</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Apa</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Höna</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingvin</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Kyckling</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Anka</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Uggla</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Häst</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Sköldpadda</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Orm</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krabba</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Tropisk fisk</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraff</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Snigel</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Fjäril</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papegoja</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Nalle</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Drake</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballong</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Jojo</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Tärning</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Pusselbit</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Ånglok</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Bil</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Trumma</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trumpet</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarr</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Segelbåt</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Present</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraply</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Nyckel</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Glödlampa</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Väckarklocka</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Böcker</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Blyertspenna</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Sax</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammare</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Cylinderhatt</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Glasögon</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Sportsko</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Kopp</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Äpple</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banan</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Jordgubbe</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Vattenmelon</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Glass</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Ringklocka</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ankare</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Hus</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Solros</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Svamp</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fotboll</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketboll</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseboll</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tennisboll</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleyboll</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Biljardboll</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Orange kula</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Turkos kula</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Lila kula</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Hjärta</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Fyrklöver</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Droppe</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Vindruvor</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Apelsin</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Körsbär</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Morot</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulpan</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Lönnlöv</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Måne</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stjärna</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blixt</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Eld</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Snöflinga</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regnbåge</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisk</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krona</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Rosa kula</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Brun kula</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Silverkula</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Svart kula</translation>
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
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Totalt: %1 kB     Ledigt: %2 kB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
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
        <extracomment>The column of hours in the binary clock</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The column of minutes in the binary clock</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The column of seconds in the binary clock</extracomment>
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
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeminformation</translation>
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
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
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
    <message>
        <source>Points of the selected group</source>
        <translation>Poäng för den markerade gruppen</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Totalpoäng</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Spelläge</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
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
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Symbol %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>utan bild</translation>
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
    <message>
        <source>High scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ditt namn</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Slut</translation>
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
    <message>
        <source>Game over</source>
        <translation>Spelet är slut</translation>
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
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n gång</numerusform>
            <numerusform>%1: %n gånger</numerusform>
        </translation>
    </message>
</context>
</TS>
