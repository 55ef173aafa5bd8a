<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Wachtkolom</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leeg</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Zonder afbeelding</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>wachtkolom, rij %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>kolom %1, rij %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; groep van %2, %3 punten</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, een puzzelspel waarin u stenen wegspeelt: verwijder groepen gelijke symbolen voor punten.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Toont versie-informatie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: kan het antwoord niet schrijven: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: er is geen platform met de naam ‘%1’; beschikbaar: %2.
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>Schuiver</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Megarij toevoegen</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Megarij schuiven</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Quorbix-hulp</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Er is geen hulpbestand op %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Het hulpbestand %1 kan niet worden getoond.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Meer van de Quorbix-ontwikkelaars</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Onze andere programma’s</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Kleine spellen en hulpmiddelen, met dezelfde zorg gemaakt als Quorbix. Elk ervan is gratis te spelen en vrij door te geven.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Kantel een dienblad met gekleurde kiezels tot er drie gelijke samenkomen en wegrollen. Rustig, langzaam en eindeloos opnieuw te spelen.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Ontsteek elke lantaarn van een nachtelijke tuin met één ononderbroken pad. Veertig handgemaakte tuinen, van makkelijk tot duivels.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Een klokje, een kalender en plakbriefjes die op uw bureaublad blijven waar u ze neerlegt.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Vang vallende letters en laat ze als woorden opvliegen voordat de wind draait. Voor één speler of twee aan één toetsenbord.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Een sterrenkaart op zak: vind de sterrenbeelden die vannacht boven u staan, met hun verhalen.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Ze komen allemaal van de Quorbix-ontwikkelaars. Ideeën, wensen en foutmeldingen zijn altijd welkom.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Rode bal</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Groene bal</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Blauwe bal</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Gele bal</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Magenta bal</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Lieveheersbeestje</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Kikker</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Walvis</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Bij</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hond</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kat</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Muis</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Konijn</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Vos</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Beer</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Octopus</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tijger</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leeuw</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Koe</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Varken</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Aap</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Kip</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguïn</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Kuiken</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Eend</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Uil</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Paard</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Schildpad</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Slang</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Tropische vis</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Dolfijn</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Olifant</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraf</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Slak</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Vlinder</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papegaai</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Teddybeer</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Vlieger</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Jojo</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dobbelsteen</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Puzzelstukje</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Stoomlocomotief</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompet</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitaar</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Zeilboot</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraplu</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Sleutel</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Gloeilamp</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Boeken</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Schaar</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hamer</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Hoge hoed</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Bril</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Sportschoen</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Kopje</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Appel</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banaan</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Aardbei</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Watermeloen</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>IJsje</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Huis</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Zonnebloem</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Paddenstoel</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Voetbal</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbal</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Honkbal</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tennisbal</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleybal</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Biljartbal</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Oranje bal</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Cyaan bal</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Paarse bal</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Hart</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Klavertjevier</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Druppel</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Druiven</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Sinaasappel</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citroen</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kersen</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Wortel</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulp</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Dennenboom</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Esdoornblad</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Zon</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Bliksem</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Vuur</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Sneeuwvlok</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenboog</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Kroon</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Roze bal</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Bruine bal</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Zilveren bal</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Zwarte bal</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix voor de desktop is de pc-versie van
Pocket Quorbix, ons spel voor handcomputers.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Hoe het werkt</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>In de doos zitten 26 ballen in 5 verschillende kleuren.
Dubbelklik op twee of meer ballen die horizontaal
of verticaal verbonden zijn, en ze verdwijnen.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Hoe meer ballen van dezelfde kleur u
in één beurt wegspeelt, hoe meer punten
u krijgt.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>Aan het eind krijgt u meer bonuspunten
naarmate u minder ballen overhoudt.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Met dank aan</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Ontwerp en programmering</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Pictogrammen en afbeeldingen</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Ballen, menupictogrammen en info-afbeeldingen:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Symboolafbeeldingen uit Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>door Google Inc. en Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Lettertypen: Liberation door Red Hat en Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue door Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>door Philipp H. Poll, Eurofurence door Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Opgedragen aan iedereen die ooit zei:</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>“nog één spelletje”.</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Build: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Tot.: %1 KB     Vrij: %2 KB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>U gebruikt waarschijnlijk %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Versie-info: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Vrij geheugen: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Vrije schijfruimte: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Uitgave</translation>
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
        <translation>U</translation>
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
        <translation>Sleep om te schuiven</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Sleep de tekst om het venster te verplaatsen!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Mail mij!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>schijfvoorkeuren tonen</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Info-venster sluiten</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Over </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Andere programma’s</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Herladen</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Stuur ons uw suggesties en foutmeldingen per e-mail
of bezoek onze website:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Onze website: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>Info over %1! Tijd: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Er ging iets mis met de e-mail!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeeminformatie</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Met dank aan</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Geschreven door %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Hulpmiddelen en thema’s voor dit programma:</translation>
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
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Spelmodus wijzigen</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Kies een andere spelmodus (geldt vanaf nieuw spel)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Soort afbeeldingen</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Grootte van afbeeldingen wijzigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Over Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Start een nieuw spel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Quorbix afsluiten</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>één stap ongedaan maken</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>één stap opnieuw</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Topscores bekijken</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Verbeter de topscore en zie waar u staat</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Verdeling van afbeeldingen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Geluid aan/uit</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Normale modus (geldt vanaf nieuw spel)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Schuift symbolen naar rechts (geldt vanaf nieuw spel)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Voegt een nieuwe rij toe als die leeg is (geldt vanaf nieuw spel)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Voegt een nieuwe rij toe als die leeg is en schuift symbolen naar rechts (geldt vanaf nieuw spel)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Groot (aanpassen)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Klein (aanpassen)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Afbeeldingen aanpassen</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Kies andere afbeeldingen voor de symbolen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Hulpbestand tonen</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix van %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Huidig</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>Totaal</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>U hebt %1 punt verdiend </numerusform>
            <numerusform>U hebt %1 punten verdiend </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>U hebt nog %n bal over </numerusform>
            <numerusform>U hebt nog %n ballen over </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Gefeliciteerd, u krijgt 1000 bonuspunten!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>dus u krijgt %n bonuspunt!</numerusform>
            <numerusform>dus u krijgt %n bonuspunten!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Uw totaalscore is: %n!!</numerusform>
            <numerusform>Uw totaalscore is: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Dit werkt alleen met kleine of grote afbeeldingen</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Punten van de geselecteerde groep</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Totaal aantal punten</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Spelmodus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Afbeeldingen kiezen</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Selecteer eerst een afbeelding in de lijst. Dubbelklik dan op het vak waar u de afbeelding wilt plaatsen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Symbool %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>zonder afbeelding</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>U staat in de topscores!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Voer uw naam in</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Topscores: Schuiver</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Topscores: Megarij toevoegen</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Topscores: Megarij schuiven</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Uw naam</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Einde</translation>
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
        <translation>Spel afgelopen!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spel afgelopen</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Verdeling van afbeeldingen</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n keer</numerusform>
            <numerusform>%n keer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>%n totaal</numerusform>
            <numerusform>%n totaal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n keer</numerusform>
            <numerusform>%1: %n keer</numerusform>
        </translation>
    </message>
</context>
</TS>
