<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Hodiny</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Hrací plocha</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Čekací sloupec</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Sloupec %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Řada %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Prázdné</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Bez obrázku</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>čekací sloupec, řada %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>sloupec %1, řada %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; skupina: %2, body: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, hlavolam s odebíráním kamenů: odstraňujte skupiny stejných symbolů a sbírejte body.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zobrazí tuto nápovědu.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí informace o verzi.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument „%1“.</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: odpověď nelze zapsat: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: platforma s názvem „%1“ neexistuje; dostupné: %2.
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>Standardní</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>Posun</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Přidat megařadu</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Posun s megařadou</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Nápověda ke hře Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>V umístění %1 není žádný soubor nápovědy.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Soubor nápovědy %1 nelze zobrazit.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Další programy od vývojářů hry Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Naše další programy</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Malé hry a pomocníci, vytvoření se stejnou péčí jako Quorbix. Všechny jsou zdarma a můžete je volně šířit.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Naklánějte podnos s barevnými oblázky, dokud se nesetkají tři stejné a neodkutálejí se pryč. Klidná, pomalá hra, kterou můžete hrát stále znovu.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Rozsviťte všechny lucerny noční zahrady jedinou nepřerušenou cestou. Čtyřicet ručně vytvořených zahrad, od snadných po ďábelské.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Malé hodiny, kalendář a lepicí poznámky, které zůstanou na ploše tam, kam je dáte.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Chytejte padající písmena a posílejte je vzhůru jako slova, než se otočí vítr. Pro jednoho hráče nebo dva u jedné klávesnice.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Kapesní hvězdná mapa: najděte souhvězdí, která jsou dnes v noci nad vámi, i s jejich příběhy.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Všechny pocházejí od vývojářů hry Quorbix. Nápady, přání a hlášení chyb jsou vždy vítány.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Červená kulička</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Zelená kulička</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Modrá kulička</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Žlutá kulička</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Purpurová kulička</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Beruška</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Žába</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Velryba</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Včela</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pes</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kočka</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Křeček</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Králík</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Liška</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Medvěd</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Chobotnice</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tygr</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lev</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Kráva</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Prase</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Opice</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Slepice</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Tučňák</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Kuřátko</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Kachna</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Sova</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Kůň</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Želva</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Had</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Tropická ryba</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfín</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Slon</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Žirafa</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Šnek</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Motýl</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papoušek</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Plyšový medvídek</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Drak</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balónek</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Jo-jo</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Hrací kostka</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Dílek skládačky</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Parní lokomotiva</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raketa</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trubka</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Kytara</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Plachetnice</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Dárek</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Vrtulník</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Deštník</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klíč</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Žárovka</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Budík</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Knihy</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Tužka</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Nůžky</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Kladivo</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Cylindr</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Brýle</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Teniska</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Šálek</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Jablko</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banán</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Jahoda</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Meloun</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Zmrzlina</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Zvonek</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Kotva</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Dům</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Slunečnice</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Houba</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fotbalový míč</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbalový míč</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseballový míček</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tenisový míček</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volejbalový míč</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Kulečníková koule</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Oranžová kulička</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Azurová kulička</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Fialová kulička</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Srdce</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Čtyřlístek</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Kapka</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Hrozny</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomeranč</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Třešně</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Mrkev</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipán</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Jedle</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Javorový list</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Slunce</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Hvězda</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blesk</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Oheň</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Sněhová vločka</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Duha</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Ryba</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Koruna</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Růžová kulička</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Hnědá kulička</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Stříbrná kulička</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Černá kulička</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nelze zapisovat do %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix pro desktop je verze pro PC
naší hry Pocket Quorbix pro kapesní počítače.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Jak to funguje</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>V krabici je 26 kuliček v 5 různých barvách.
Dvojitým kliknutím na dvě nebo více kuliček
spojených vodorovně nebo svisle je odstraníte.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Čím více kuliček stejné barvy získáte
v jednom tahu, tím více bodů
dostanete.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>Na konci dostanete tím více bonusových bodů,
čím méně kuliček vám zbude.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Poděkování</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Návrh a programování</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Ikony a obrázky</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Kuličky, ikony nabídek a obrázky okna O programu:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Obrázky symbolů z Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>autoři: Google Inc. a Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Písma: Liberation – Red Hat a Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue – Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>– Philipp H. Poll, Eurofurence – Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Věnováno všem, kdo někdy řekli</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>„ještě jednu hru“.</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Sestavení: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Celk.: %1 kB     Volné: %2 kB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Pravděpodobně používáte %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Informace o verzi: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Volná paměť: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Volné místo na disku: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Vydání</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The column of hours in the binary clock</extracomment>
        <translation>H</translation>
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
        <translation>Posunete tažením</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Okno přesunete tažením za text!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Napište!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>zobrazit nastavení pevného disku</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Zavřít okno O programu</translation>
    </message>
    <message>
        <source>About </source>
        <translation>O programu </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Další programy</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Znovu načíst</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Posílejte nám náměty a hlášení chyb e-mailem,
nebo navštivte náš web:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Naše stránky: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>O programu %1! Čas: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Při odesílání e-mailu došlo k chybě!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informace o systému</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>O programu %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Poděkování</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Nástroje a motivy pro tento program:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Volby</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Herní režim</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Zvolit jiný herní režim (platí od nové hry)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Typ obrázků</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Změnit velikost obrázků</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>O hře Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Spustí novou hru</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Ukončit Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>o krok zpět</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>o krok vpřed</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Překonejte rekord a podívejte se, kde jste</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Rozložení obrázků</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Zvuky</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Zapnout či vypnout zvuk</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Normální režim (platí od nové hry)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Posouvá symboly doprava (platí od nové hry)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Přidá novou řadu, je-li prázdná (platí od nové hry)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Přidá novou řadu, je-li prázdná, a posune symboly doprava (platí od nové hry)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardní</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Velké (vlastní)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Malé (vlastní)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Vlastní obrázky</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Zvolit jiné obrázky pro symboly</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Zobrazit soubor nápovědy</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix od %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>Celk.</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>Získali jste %1 bod </numerusform>
            <numerusform>Získali jste %1 body </numerusform>
            <numerusform>Získali jste %1 bodů </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Zbývá vám %n kulička </numerusform>
            <numerusform>Zbývají vám %n kuličky </numerusform>
            <numerusform>Zbývá vám %n kuliček </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Gratulujeme, dostáváte bonus 1000 bodů!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>takže dostáváte bonus %n bod!</numerusform>
            <numerusform>takže dostáváte bonus %n body!</numerusform>
            <numerusform>takže dostáváte bonus %n bodů!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Váš celkový výsledek: %n!!</numerusform>
            <numerusform>Váš celkový výsledek: %n!!</numerusform>
            <numerusform>Váš celkový výsledek: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Funguje jen s malými nebo velkými obrázky</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Body vybrané skupiny</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Body celkem</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Herní režim</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Výběr obrázků</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Nejprve vyberte obrázek ze seznamu. Potom dvakrát klikněte na políčko, kam ho chcete umístit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrázky</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Symbol %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>bez obrázku</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Dostali jste se mezi nejlepší!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Zadejte své jméno</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Nejlepší výsledky: Posun</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Nejlepší výsledky: Přidat megařadu</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Nejlepší výsledky: Posun s megařadou</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Vaše jméno</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Konec</translation>
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
        <translation>Konec hry!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Konec hry</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Rozložení obrázků</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%nkrát</numerusform>
            <numerusform>%nkrát</numerusform>
            <numerusform>%nkrát</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>celkem %n</numerusform>
            <numerusform>celkem %n</numerusform>
            <numerusform>celkem %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %nkrát</numerusform>
            <numerusform>%1: %nkrát</numerusform>
            <numerusform>%1: %nkrát</numerusform>
        </translation>
    </message>
</context>
</TS>
