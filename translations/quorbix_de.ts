<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Wartespalte</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Ohne Bild</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>Wartespalte, Reihe %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; Gruppe aus %2, %3 Punkte</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, ein Abräumspiel: Entfernen Sie Gruppen gleicher Symbole und sammeln Sie Punkte.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: Die Antwort kann nicht geschrieben werden: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: Es gibt keine Plattform namens „%1“; verfügbar: %2.
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
        <translation>Schieber</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Mega-Reihe anfügen</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Mega-Reihe schieben</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Quorbix-Hilfe</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Unter %1 gibt es keine Hilfedatei.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Die Hilfedatei %1 kann nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Mehr von den Quorbix-Entwicklern</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Unsere anderen Programme</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Kleine Spiele und Helfer, mit derselben Sorgfalt gemacht wie Quorbix. Jedes ist kostenlos und darf frei weitergegeben werden.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Neigen Sie ein Tablett mit bunten Kieseln, bis drei gleiche zusammenkommen und davonrollen. Ruhig, gemächlich und endlos wieder spielbar.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Entzünden Sie jede Laterne eines nächtlichen Gartens mit einem einzigen ununterbrochenen Weg. Vierzig handgemachte Gärten, von leicht bis teuflisch.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Eine kleine Uhr, ein Kalender und Haftnotizen, die auf Ihrem Desktop dort bleiben, wo Sie sie hinlegen.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Fangen Sie fallende Buchstaben und lassen Sie sie als Wörter aufsteigen, bevor der Wind dreht. Für eine Person oder zwei an einer Tastatur.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Eine Sternkarte für die Tasche: Finden Sie die Sternbilder, die heute Nacht über Ihnen stehen, samt ihren Geschichten.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Alle stammen von den Quorbix-Entwicklern. Ideen, Wünsche und Fehlerberichte sind immer willkommen.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Rote Kugel</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Grüne Kugel</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Blaue Kugel</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Gelbe Kugel</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Magentafarbene Kugel</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Wal</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Biene</translation>
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
        <translation>Katze</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Hase</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Bär</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Krake</translation>
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
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Kuh</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Huhn</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Küken</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ente</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Tropenfisch</translation>
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
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papagei</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Teddybär</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Puzzleteil</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Dampflok</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Glühbirne</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Schere</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Brille</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Turnschuh</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Tasse</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Sonnenblume</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketball</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tennisball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleyball</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Billardkugel</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Orangefarbene Kugel</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Türkisfarbene Kugel</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Lila Kugel</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Vierblättriges Kleeblatt</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Weintrauben</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Karotte</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulpe</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Ahornblatt</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Rosa Kugel</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Braune Kugel</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Silberne Kugel</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Schwarze Kugel</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben in %1 nicht möglich</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix für den Desktop ist die PC-Fassung von
Pocket Quorbix, unserem Spiel für Handheld-Computer.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>So funktioniert es</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>In der Schachtel liegen 26 Kugeln in 5 Farben.
Ein Doppelklick auf zwei oder mehr Kugeln, die
waagerecht oder senkrecht verbunden sind,
lässt sie verschwinden.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Je mehr Kugeln derselben Farbe Sie
in einem Zug abräumen, desto mehr Punkte
erhalten Sie.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>Am Ende gibt es umso mehr Bonuspunkte,
je weniger Kugeln übrig bleiben.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Entwurf und Programmierung</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Icons und Bilder</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Kugeln, Menü-Icons und Info-Bilder:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Symbolbilder aus Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>von Google Inc. und Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Schriften: Liberation von Red Hat und Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue von Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>von Philipp H. Poll, Eurofurence von Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Gewidmet allen, die je gesagt haben:</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>„Nur noch ein Spiel!“</translation>
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
        <translation>Ges.: %1 KB     Frei: %2 KB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Sie verwenden wahrscheinlich %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Versionsinfo: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Freier Speicher: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Freier Plattenplatz: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
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
        <translation>Zum Blättern ziehen</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Fenster mit linker Maustaste am Text ziehen!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>E-Mail!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>Festplatteneinstellungen anzeigen</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Info-Fenster schließen</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Info </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Andere Programme</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Senden Sie uns Vorschläge und Fehlerberichte per E-Mail
oder besuchen Sie uns:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Unsere Homepage: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>Info-Fenster für: %1! Zeit: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Fehler beim Versenden der E-Mail!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeminformationen</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Geschrieben von %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Werkzeuge und Designs für dieses Programm:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Spielmodus wechseln</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Anderen Spielmodus wählen (gilt ab neuem Spiel)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Bildart wählen</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Bildgröße ändern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Über Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Startet ein neues Spiel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Quorbix beenden</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>einen Schritt zurück</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>einen Schritt wiederholen</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Knacken Sie den Rekord und sehen Sie, wo Sie stehen</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Bildverteilung anzeigen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Klänge ein/aus</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Normaler Modus (gilt ab neuem Spiel)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Schiebt Symbole nach rechts (gilt ab neuem Spiel)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Neue Reihe, wenn leer (gilt ab neuem Spiel)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Neue Reihe, wenn leer, und Symbole nach rechts schieben (gilt ab neuem Spiel)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Groß (anpassbar)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Klein (anpassbar)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Bilder anpassen</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Andere Bilder für die Symbole wählen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Hilfedatei anzeigen</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix von %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>Ges.</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>Sie haben %1 Punkt erzielt </numerusform>
            <numerusform>Sie haben %1 Punkte erzielt </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Es bleibt %n Kugel übrig </numerusform>
            <numerusform>Es bleiben %n Kugeln übrig </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Glückwunsch! 1000 Bonuspunkte!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>und damit %n Bonuspunkt!</numerusform>
            <numerusform>und damit %n Bonuspunkte!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Ihr Gesamtergebnis: %n!!</numerusform>
            <numerusform>Ihr Gesamtergebnis: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Das geht nur mit kleinen oder großen Bildern</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Punkte der gewählten Gruppe</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Gesamtpunkte</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Bilder wählen</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Wählen Sie zuerst ein Bild aus der Liste. Doppelklicken Sie dann auf das Feld, in dem es stehen soll.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
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
        <translation>ohne Bild</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Sie sind in der Bestenliste!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Bestenliste: Schieber</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Bestenliste: Mega-Reihe anfügen</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Bestenliste: Mega-Reihe schieben</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Ende</translation>
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
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Bildverteilung</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n-mal</numerusform>
            <numerusform>%n-mal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>%n gesamt</numerusform>
            <numerusform>%n gesamt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n-mal</numerusform>
            <numerusform>%1: %n-mal</numerusform>
        </translation>
    </message>
</context>
</TS>
