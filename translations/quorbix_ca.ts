<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Rellotge</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tauler</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Columna d’espera</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Buit</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Sense imatge</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>columna d’espera, fila %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; grup de %2, %3 punts</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, un trencaclosques d’eliminar fitxes: elimineu grups de símbols iguals per a guanyar punts.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra aquesta ajuda.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra la informació de la versió.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inesperat «%1».</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: no es pot escriure la resposta: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: no hi ha cap plataforma anomenada «%1»; disponibles: %2.
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>Estàndard</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>Desplaçament</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Afegeix megafila</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Desplaça megafila</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Ajuda del Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>No hi ha cap fitxer d’ajuda a %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>No es pot mostrar el fitxer d’ajuda %1.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Més dels desenvolupadors del Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Els nostres altres programes</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Jocs i utilitats petits, fets amb la mateixa cura que el Quorbix. Tots són gratuïts i es poden compartir lliurement.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Inclineu una safata de còdols de colors fins que tres d’iguals es trobin i se’n vagin rodolant. Tranquil, pausat i per a jugar-hi sense fi.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Enceneu tots els fanals d’un jardí nocturn amb un sol camí ininterromput. Quaranta jardins fets a mà, de fàcils a diabòlics.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Un rellotget, un calendari i notes adhesives que es queden allà on les poseu a l’escriptori.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Atrapeu les lletres que cauen i feu-les volar com a paraules abans que giri el vent. Per a un jugador o dos en un mateix teclat.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Un mapa estel·lar de butxaca: trobeu les constel·lacions que teniu al damunt aquesta nit, amb les seves històries.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Tots són obra dels desenvolupadors del Quorbix. Les idees, els desitjos i els informes d’error sempre són benvinguts.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Bola vermella</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Bola verda</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Bola blava</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Bola groga</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Bola magenta</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Marieta</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Granota</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Balena</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Abella</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Gos</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gat</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratolí</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hàmster</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Conill</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Guineu</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ós</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Coala</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lleó</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Porc</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mico</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Gallina</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingüí</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pollet</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ànec</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Mussol</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavall</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serp</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Cranc</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Peix tropical</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Dofí</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafa</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Cargol</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Papallona</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Lloro</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Ós de peluix</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Estel</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Io-io</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dau</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Peça de trencaclosques</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Locomotora de vapor</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Cotxe</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Coet</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambor</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompeta</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Veler</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Regal</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicòpter</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraigua</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clau</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Bombeta</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Llibres</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Llapis</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Tisores</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martell</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Barret de copa</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Ulleres</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Sabatilla esportiva</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Tassa</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Poma</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Plàtan</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Maduixa</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Síndria</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Gelat</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Àncora</translation>
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
        <translation>Gira-sol</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Bolet</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Pilota de futbol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Pilota de bàsquet</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Pilota de beisbol</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Pilota de tennis</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Pilota de voleibol</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Bola de billar</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Bola taronja</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Bola cian</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Bola morada</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Trèvol de quatre fulles</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Gota</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Raïm</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Taronja</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Llimona</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cireres</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Pastanaga</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipa</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Avet</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Fulla d’auró</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lluna</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Llamp</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Foc</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Floc de neu</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc de Sant Martí</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Peix</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Bola rosa</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Bola marró</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Bola platejada</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Bola negra</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No es pot escriure a %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>El Quorbix d’escriptori és la versió per a PC del
Pocket Quorbix, el nostre joc per a ordinadors de butxaca.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Com funciona</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>A la capsa hi ha 26 boles de 5 colors diferents.
Amb un doble clic sobre dues o més boles unides
horitzontalment o verticalment, desapareixen.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Com més boles del mateix color aconseguiu
en una sola jugada, més punts
rebeu.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>Al final rebeu més punts de bonificació
com menys boles us quedin.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crèdits</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Disseny i programació</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Icones i imatges</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Boles, icones de menú i imatges del «Quant a»:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Imatges dels símbols de Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>de Google Inc. i Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Tipus de lletra: Liberation de Red Hat i Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue de Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>de Philipp H. Poll, Eurofurence de Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Dedicat a tothom qui ha dit mai</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>«només una partida més».</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Compilació: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Total: %1 KB     Disp.: %2 KB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Probablement feu servir %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Informació de la versió: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Memòria lliure: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Espai lliure al disc dur: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versió</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Revisió</translation>
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
        <translation>Arrossegueu per a desplaçar</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Arrossegueu el text per a moure la finestra!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Escriviu!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>mostra les preferències del disc dur</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Tanca el «Quant a»</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Quant a </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Altres programes</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Endavant</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Torna a carregar</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Envieu-nos suggeriments i informes d’error per correu
o visiteu el nostre web:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>El nostre web: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>Quant a %1! Hora: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>S’ha produït un error amb el correu!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informació del sistema</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>Quant a %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crèdits</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Escrit per %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Eines i temes per a aquest programa:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Joc</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualitza</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opcions</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Mode de joc</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Trieu un altre mode de joc (s’aplica a la partida nova)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Tipus d’imatges</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Canvia la mida de les imatges</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Quant al Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nova</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Comença una partida nova</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Surt del Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>desfés un pas</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>refés un pas</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Millors puntuacions</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Bateu el rècord i mireu on sou</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Distribució de les imatges</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Activa o desactiva el so</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Mode normal (s’aplica a la partida nova)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Desplaça els símbols a la dreta (s’aplica a la partida nova)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Afegeix una fila nova si és buida (s’aplica a la partida nova)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Afegeix una fila nova si és buida i desplaça els símbols a la dreta (s’aplica a la partida nova)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estàndard</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Grans (personalitza)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Petites (personalitza)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Personalitza les imatges</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Trieu altres imatges per als símbols</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Mostra el fitxer d’ajuda</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix de %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>Heu guanyat %1 punt </numerusform>
            <numerusform>Heu guanyat %1 punts </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Us queda %n bola </numerusform>
            <numerusform>Us queden %n boles </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Enhorabona, 1000 punts de bonificació!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>i rebeu %n punt de bonificació!</numerusform>
            <numerusform>i rebeu %n punts de bonificació!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>La puntuació total és: %n!!</numerusform>
            <numerusform>La puntuació total és: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Només funciona amb les imatges petites o grans</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Punts del grup seleccionat</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Punts totals</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Mode de joc</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfés</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refés</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Tria les imatges</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Primer seleccioneu una imatge de la llista. Després feu doble clic a la casella on la vulgueu posar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anul·la</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D’acord</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imatges</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Símbol %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>sense imatge</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Millors puntuacions</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punts</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Heu entrat a les millors puntuacions!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Introduïu el vostre nom</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Millors puntuacions</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Millors puntuacions: Desplaçament</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Millors puntuacions: Afegeix megafila</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Millors puntuacions: Desplaça megafila</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Millors puntuacions</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>El vostre nom</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Fi</translation>
    </message>
</context>
<context>
    <name>TResultForm</name>
    <message>
        <source>OK</source>
        <translation>D’acord</translation>
    </message>
    <message>
        <source>Game over !</source>
        <translation>Fi de la partida!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fi de la partida</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Distribució de les imatges</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vegada</numerusform>
            <numerusform>%n vegades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>%n en total</numerusform>
            <numerusform>%n en total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n vegada</numerusform>
            <numerusform>%1: %n vegades</numerusform>
        </translation>
    </message>
</context>
</TS>
