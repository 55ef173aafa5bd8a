<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Campo di gioco</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Colonna d’attesa</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Senza immagine</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>colonna d’attesa, riga %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>colonna %1, riga %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; gruppo di %2, %3 punti</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, un rompicapo a eliminazione: elimina gruppi di simboli uguali per fare punti.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra questa guida.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: impossibile scrivere la risposta: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: non esiste una piattaforma chiamata «%1»; disponibili: %2.
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
        <translation>Scorrimento</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Aggiungi mega-riga</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Scorri mega-riga</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Guida di Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Nessun file della guida in %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Impossibile mostrare il file della guida %1.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Altro dagli sviluppatori di Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>I nostri altri programmi</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Piccoli giochi e strumenti, fatti con la stessa cura di Quorbix. Ognuno è gratuito e si può condividere liberamente.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Inclina un vassoio di sassolini colorati finché tre uguali si incontrano e rotolano via. Calmo, lento e rigiocabile all’infinito.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Accendi ogni lanterna di un giardino notturno con un unico percorso ininterrotto. Quaranta giardini fatti a mano, dai facili ai diabolici.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Un piccolo orologio, un calendario e foglietti adesivi che restano dove li metti sulla tua scrivania.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Acchiappa le lettere che cadono e falle volare come parole prima che cambi il vento. Per un giocatore o due sulla stessa tastiera.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Una mappa stellare tascabile: trova le costellazioni sopra di te stanotte, con le loro storie.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Vengono tutti dagli sviluppatori di Quorbix. Idee, desideri e segnalazioni di errori sono sempre benvenuti.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Pallina rossa</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Pallina verde</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Pallina blu</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Pallina gialla</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Pallina magenta</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Coccinella</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Rana</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Balena</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Ape</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cane</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gatto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Criceto</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Coniglio</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Volpe</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Orso</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Polpo</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Mucca</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Maiale</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Scimmia</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Gallina</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguino</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pulcino</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Anatra</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Gufo</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavallo</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Granchio</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Pesce tropicale</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfino</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraffa</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Lumaca</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Farfalla</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Pappagallo</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Orsacchiotto</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Aquilone</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Palloncino</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Pezzo di puzzle</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Locomotiva a vapore</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Razzo</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tamburo</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Tromba</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Chitarra</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Barca a vela</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Elicottero</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Ombrello</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chiave</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Lampadina</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libri</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Forbici</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martello</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Cilindro</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Occhiali</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Scarpa da ginnastica</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Tazza</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Mela</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banana</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Fragola</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Anguria</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Gelato</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancora</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Girasole</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Fungo</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Pallone da calcio</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Pallone da basket</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Palla da baseball</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Pallina da tennis</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Pallone da pallavolo</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Palla da biliardo</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Pallina arancione</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Pallina ciano</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Pallina viola</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cuore</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Quadrifoglio</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Goccia</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uva</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancia</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limone</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Ciliegie</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Carota</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipano</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Abete</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Foglia d’acero</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Fulmine</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Fiocco di neve</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcobaleno</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pesce</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Pallina rosa</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Pallina marrone</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Pallina argentata</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Pallina nera</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix per il desktop è la versione per PC di
Pocket Quorbix, il nostro gioco per computer palmari.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Come funziona</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>Nella scatola ci sono 26 palline di 5 colori diversi.
Con un doppio clic su due o più palline unite
in orizzontale o in verticale, spariscono.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Più palline dello stesso colore prendi
in una sola mossa, più punti
ricevi.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>Alla fine ricevi tanti più punti bonus
quante meno palline ti restano.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Riconoscimenti</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Progettazione e programmazione</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Icone e immagini</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Palline, icone dei menu e immagini delle informazioni:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Immagini dei simboli da Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>di Google Inc. e Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Caratteri: Liberation di Red Hat e Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue di Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>di Philipp H. Poll, Eurofurence di Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Dedicato a chiunque abbia mai detto</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>«ancora una partita e basta».</translation>
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
        <translation>Tot.: %1 KB     Disp.: %2 KB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Probabilmente stai usando %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Informazioni sulla versione: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Memoria libera: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Spazio libero su disco: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
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
        <translation>O</translation>
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
        <translation>Trascina per scorrere</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Trascina il testo per spostare la finestra!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Scrivimi!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>mostra le preferenze del disco rigido</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Chiudi le informazioni</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Informazioni </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Altri programmi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Inviaci suggerimenti e segnalazioni di errori per e-mail
o visita il nostro sito:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Il nostro sito: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>Informazioni su %1! Ora: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Si è verificato un errore con l’e-mail!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informazioni di sistema</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Riconoscimenti</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Scritto da %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Strumenti e temi per questo programma:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Modalità di gioco</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Scegli un’altra modalità di gioco (dalla prossima partita)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Tipo di immagini</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Cambia la dimensione delle immagini</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Informazioni su Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Esci da Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>annulla una mossa</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>ripeti una mossa</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Batti il record e guarda a che punto sei</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Distribuzione immagini</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Attiva o disattiva i suoni</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Modalità normale (dalla prossima partita)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Sposta i simboli a destra (dalla prossima partita)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Aggiunge una nuova riga se vuota (dalla prossima partita)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Aggiunge una nuova riga se vuota e sposta i simboli a destra (dalla prossima partita)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Grandi (personalizza)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Piccole (personalizza)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Personalizza immagini</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Scegli altre immagini per i simboli</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Mostra il file della guida</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix da %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Attuale</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>Totale</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>Hai guadagnato %1 punto </numerusform>
            <numerusform>Hai guadagnato %1 punti </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Ti resta %n pallina </numerusform>
            <numerusform>Ti restano %n palline </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Complimenti, un bonus di 1000 punti!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>quindi ricevi un bonus di %n punto!</numerusform>
            <numerusform>quindi ricevi un bonus di %n punti!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Il tuo punteggio totale: %n!!</numerusform>
            <numerusform>Il tuo punteggio totale: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Funziona solo con le immagini piccole o grandi</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Punti del gruppo selezionato</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Punti totali</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Modalità di gioco</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Scegli immagini</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Seleziona prima un’immagine dall’elenco. Poi fai doppio clic sulla casella in cui vuoi metterla.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Simbolo %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>senza immagine</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Sei entrato in classifica!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Migliori punteggi: Scorrimento</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Migliori punteggi: Aggiungi mega-riga</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Migliori punteggi: Scorri mega-riga</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Fine</translation>
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
        <translation>Partita finita!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partita finita</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Distribuzione immagini</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n volta</numerusform>
            <numerusform>%n volte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>%n in totale</numerusform>
            <numerusform>%n in totale</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n volta</numerusform>
            <numerusform>%1: %n volte</numerusform>
        </translation>
    </message>
</context>
</TS>
