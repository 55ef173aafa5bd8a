<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Kolumna oczekująca</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Puste</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Bez obrazka</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>kolumna oczekująca, wiersz %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>kolumna %1, wiersz %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; w grupie: %2, punktów: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, łamigłówka, w której za usuwanie grup jednakowych symboli zdobywa się punkty.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: nie można wypisać odpowiedzi: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: nie ma platformy o nazwie „%1”; dostępne: %2.
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>Przesuwanie</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Dodaj megarząd</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Przesuń megarząd</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Pomoc Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Brak pliku pomocy %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Nie można wyświetlić pliku pomocy %1.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Więcej od twórców Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Nasze inne programy</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Małe gry i narzędzia, zrobione z taką samą starannością jak Quorbix. Każdy jest darmowy i można go swobodnie przekazywać dalej.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Przechylaj tacę z kolorowymi kamykami, aż trzy jednakowe się spotkają i odtoczą. Spokojna, niespieszna i wciągająca bez końca.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Zapal każdą latarnię w nocnym ogrodzie jedną nieprzerwaną ścieżką. Czterdzieści ręcznie zaprojektowanych ogrodów, od łatwych po diabelsko trudne.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Mały zegar, kalendarz i karteczki, które zostają na pulpicie tam, gdzie je położysz.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Łap spadające litery i wypuszczaj je w górę jako słowa, zanim zmieni się wiatr. Dla jednego gracza lub dwóch przy jednej klawiaturze.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Kieszonkowa mapa nieba: znajdź gwiazdozbiory, które są dziś nad tobą, i poznaj ich historie.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Wszystkie pochodzą od twórców Quorbix. Pomysły, życzenia i zgłoszenia błędów są zawsze mile widziane.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Czerwona kulka</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Zielona kulka</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Niebieska kulka</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Żółta kulka</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Purpurowa kulka</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Biedronka</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Żaba</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Wieloryb</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Pszczoła</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kot</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Chomik</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Królik</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Lis</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Niedźwiedź</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Ośmiornica</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tygrys</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lew</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Krowa</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Świnia</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Małpa</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Kura</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingwin</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Kurczątko</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Kaczka</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Sowa</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Koń</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Żółw</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Rybka tropikalna</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Słoń</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Żyrafa</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Ślimak</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Motyl</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papuga</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Miś</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Latawiec</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balonik</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Jo-jo</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kostka do gry</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Element układanki</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Lokomotywa parowa</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Samochód</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rakieta</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Bęben</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trąbka</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitara</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Żaglówka</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Prezent</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klucz</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Żarówka</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Książki</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Ołówek</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Nożyczki</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Młotek</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Okulary</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>But sportowy</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Filiżanka</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Jabłko</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banan</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Truskawka</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Arbuz</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Lody</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Kotwica</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Słonecznik</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Grzyb</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Piłka nożna</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Piłka do koszykówki</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Piłka baseballowa</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Piłka tenisowa</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Piłka do siatkówki</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Bila</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Pomarańczowa kulka</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Turkusowa kulka</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Fioletowa kulka</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Serce</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Czterolistna koniczyna</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Kropla</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Winogrona</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańcza</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Cytryna</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Czereśnie</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Marchewka</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipan</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Jodła</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Liść klonu</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Gwiazda</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Błyskawica</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Ogień</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Płatek śniegu</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Tęcza</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Ryba</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Korona</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diament</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Różowa kulka</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Brązowa kulka</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Srebrna kulka</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Czarna kulka</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix na komputer to wersja gry
Pocket Quorbix, naszej gry na komputery
kieszonkowe.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>W pudełku jest 26 kulek w 5 różnych kolorach.
Dwie lub więcej kulek połączonych w poziomie
lub w pionie znika po dwukrotnym kliknięciu.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Im więcej kulek tego samego koloru
zbierzesz w jednym ruchu, tym więcej
punktów otrzymasz.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>Na koniec dostajesz premię: im mniej kulek
zostało, tym jest ona większa.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Twórcy</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Projekt i programowanie</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Ikony i obrazki</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Kulki, ikony menu i obrazki „O programie”:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Obrazki symboli z Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>autorstwa Google Inc. i Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Czcionki: Liberation od Red Hat i Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue od Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>od Philipp H. Poll, Eurofurence od Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Dedykowane każdemu, kto kiedykolwiek powiedział</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>„jeszcze tylko jedna gra”.</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Kompilacja: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Razem: %1 KB     Wolne: %2 KB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Prawdopodobnie używasz systemu %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Wolna pamięć: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Wolne miejsce na dysku: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Wydanie</translation>
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
        <translation>G</translation>
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
        <translation>Przeciągnij, aby przewinąć</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Przeciągnij okno lewym przyciskiem za tekst!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Napisz!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>pokaż informacje o dysku twardym</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Zamknij okno „O programie”</translation>
    </message>
    <message>
        <source>About </source>
        <translation>O programie </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Inne programy</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Wysyłaj nam sugestie i zgłoszenia błędów pocztą
lub odwiedź naszą stronę:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Nasza strona: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>O programie %1! Godzina: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Wystąpił błąd poczty!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informacje o systemie</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Twórcy</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Narzędzia i motywy dla tego programu:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Wybierz inny tryb gry (od nowej gry)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Rodzaj obrazków</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Zmień rozmiar obrazków</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>O programie Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Rozpoczyna nową grę</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Zakończ Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>Cofnij jeden ruch</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>Ponów jeden ruch</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Pobij rekord i sprawdź, gdzie jesteś</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Rozkład obrazków</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Włącz lub wyłącz dźwięk</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Tryb zwykły (od nowej gry)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Przesuwa symbole w prawo (od nowej gry)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Dodaje nowy rząd, gdy pusto (od nowej gry)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Dodaje nowy rząd, gdy pusto, i przesuwa symbole w prawo (od nowej gry)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowe</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Duże (dostosuj)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Małe (dostosuj)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Dostosuj obrazki</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Wybierz inne obrazki symboli</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Wyświetl pomoc</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix od %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>Suma</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>Masz %1 punkt </numerusform>
            <numerusform>Masz %1 punkty </numerusform>
            <numerusform>Masz %1 punktów </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Została ci %n kulka </numerusform>
            <numerusform>Zostały ci %n kulki </numerusform>
            <numerusform>Zostało ci %n kulek </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Gratulacje! Premia: 1000 punktów!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>więc dostajesz %n punkt premii!</numerusform>
            <numerusform>więc dostajesz %n punkty premii!</numerusform>
            <numerusform>więc dostajesz %n punktów premii!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Twój wynik łączny: %n!!</numerusform>
            <numerusform>Twój wynik łączny: %n!!</numerusform>
            <numerusform>Twój wynik łączny: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Działa to tylko w trybie małych lub dużych obrazków</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Punkty wybranej grupy</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Suma punktów</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Wybór obrazków</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Najpierw wybierz obrazek z listy. Potem kliknij dwukrotnie pole, w którym ma się znaleźć.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazki</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Symbol %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>bez obrazka</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Jesteś na liście najlepszych wyników!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Podaj swoje imię</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Najlepsze wyniki: Przesuwanie</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Najlepsze wyniki: Dodaj megarząd</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Najlepsze wyniki: Przesuń megarząd</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Koniec</translation>
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
        <translation>Koniec gry!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Koniec gry</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Rozkład obrazków</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n raz</numerusform>
            <numerusform>%n razy</numerusform>
            <numerusform>%n razy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>razem %n</numerusform>
            <numerusform>razem %n</numerusform>
            <numerusform>razem %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n raz</numerusform>
            <numerusform>%1: %n razy</numerusform>
            <numerusform>%1: %n razy</numerusform>
        </translation>
    </message>
</context>
</TS>
