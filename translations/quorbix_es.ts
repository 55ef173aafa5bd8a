<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Columna de espera</translation>
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
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>columna de espera, fila %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; grupo de %2, %3 puntos</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, un rompecabezas de eliminar fichas: elimine grupos de símbolos iguales para ganar puntos.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: no se puede escribir la respuesta: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: no hay ninguna plataforma llamada «%1»; disponibles: %2.
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Añadir megafila</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Desplazar megafila</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Ayuda de Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>No hay ningún archivo de ayuda en %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>No se puede mostrar el archivo de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Más de los desarrolladores de Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Nuestros otros programas</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Pequeños juegos y utilidades, hechos con el mismo cuidado que Quorbix. Todos son gratuitos y se pueden compartir libremente.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Incline una bandeja de guijarros de colores hasta que tres iguales se junten y se alejen rodando. Tranquilo, pausado e infinitamente rejugable.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Encienda todos los farolillos de un jardín nocturno con un único camino continuo. Cuarenta jardines hechos a mano, de fáciles a diabólicos.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Un pequeño reloj, un calendario y notas adhesivas que se quedan donde las ponga en su escritorio.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Atrape las letras que caen y hágalas volar como palabras antes de que cambie el viento. Para un jugador o dos en un mismo teclado.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Un mapa estelar de bolsillo: encuentre las constelaciones que hay sobre usted esta noche, con sus historias.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Todos son obra de los desarrolladores de Quorbix. Las ideas, los deseos y los informes de errores siempre son bienvenidos.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Bola roja</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Bola verde</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Bola azul</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Bola amarilla</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Bola magenta</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Mariquita</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Rana</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Ballena</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Abeja</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hámster</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Conejo</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Zorro</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Oso</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Pulpo</translation>
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
        <translation>León</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cerdo</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Gallina</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingüino</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pollito</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Búho</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Cangrejo</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Pez tropical</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfín</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Jirafa</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Caracol</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Mariposa</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Loro</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Osito de peluche</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Globo</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Yoyó</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Pieza de puzle</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Locomotora de vapor</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Cohete</translation>
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
        <translation>Velero</translation>
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
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraguas</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Llave</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Bombilla</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libros</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Tijeras</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martillo</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Sombrero de copa</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Gafas</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Zapatilla deportiva</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Taza</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Manzana</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Plátano</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Fresa</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Sandía</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Helado</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancla</translation>
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
        <translation>Girasol</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Balón de fútbol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Balón de baloncesto</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Pelota de béisbol</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Pelota de tenis</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Balón de voleibol</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Bola de billar</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Bola naranja</translation>
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
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Trébol de cuatro hojas</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Gota</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limón</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerezas</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Zanahoria</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipán</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Abeto</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Hoja de arce</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Rayo</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Copo de nieve</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pez</translation>
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
        <translation>Bola rosa</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Bola marrón</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Bola plateada</translation>
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
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix para escritorio es la versión para PC de
Pocket Quorbix, nuestro juego para ordenadores de mano.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Cómo funciona</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>En la caja hay 26 bolas de 5 colores distintos.
Con una doble pulsación sobre dos o más bolas
unidas en horizontal o en vertical, desaparecen.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Cuantas más bolas del mismo color consiga
en una sola jugada, más puntos
recibirá.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>Al final recibe más puntos de bonificación
cuantas menos bolas le queden.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Diseño y programación</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Iconos e imágenes</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Bolas, iconos de menú e imágenes de «Acerca de»:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Imágenes de los símbolos de Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>de Google Inc. y Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Tipos de letra: Liberation de Red Hat y Google (OFL 1.1),</translation>
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
        <translation>Dedicado a todos los que alguna vez dijeron</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>«solo una partida más».</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Compilación: %3</translation>
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
        <translation>Probablemente está usando %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Información de versión: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Memoria libre: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Espacio libre en disco: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Revisión</translation>
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
        <translation>Arrastre para desplazar</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>¡Arrastre el texto para mover la ventana!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>¡Escriba!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>mostrar las preferencias del disco duro</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Cerrar «Acerca de»</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Otros programas</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Envíenos sus sugerencias e informes de errores por correo
o visite nuestra web:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Nuestra página web: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>Acerca de %1. Hora: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>¡Se produjo un error con el correo!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Información del sistema</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Escrito por %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Herramientas y temas para este programa:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Elegir otro modo de juego (se aplica en la partida nueva)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Tipo de imágenes</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Cambiar el tamaño de las imágenes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Acerca de Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Empieza una partida nueva</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Salir de Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>deshacer un paso</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>rehacer un paso</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Supere el récord y vea en qué puesto está</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Distribución de imágenes</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Activar o desactivar el sonido</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Modo normal (se aplica en la partida nueva)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Desplaza los símbolos a la derecha (se aplica en la partida nueva)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Añade una fila nueva si está vacía (se aplica en la partida nueva)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Añade una fila nueva si está vacía y desplaza los símbolos a la derecha (se aplica en la partida nueva)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Grandes (a elegir)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Pequeñas (a elegir)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Elegir imágenes</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Elegir otras imágenes para los símbolos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Mostrar el archivo de ayuda</translation>
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
            <numerusform>Ha conseguido %1 punto </numerusform>
            <numerusform>Ha conseguido %1 puntos </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Le queda %n bola </numerusform>
            <numerusform>Le quedan %n bolas </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>¡Enhorabuena, recibe 1000 puntos extra!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>¡así que gana %n punto extra!</numerusform>
            <numerusform>¡así que gana %n puntos extra!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>¡Su puntuación total es %n!</numerusform>
            <numerusform>¡Su puntuación total es %n!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Solo funciona con las imágenes pequeñas o grandes</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Puntos del grupo seleccionado</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Puntos totales</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Elegir imágenes</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Primero seleccione una imagen de la lista. Luego pulse dos veces en la casilla donde quiera colocarla.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Símbolo %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>sin imagen</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>¡Ha entrado en las mejores puntuaciones!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Mejores puntuaciones: Desplazar</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Mejores puntuaciones: Añadir megafila</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Mejores puntuaciones: Desplazar megafila</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>TResultForm</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Game over !</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Distribución de imágenes</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n veces</numerusform>
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
            <numerusform>%1: %n vez</numerusform>
            <numerusform>%1: %n veces</numerusform>
        </translation>
    </message>
</context>
</TS>
