<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Colonne d’attente</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Sans image</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>colonne d’attente, ligne %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1&#xa0;; groupe de %2, %3 points</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, un jeu de réflexion&#xa0;: retirez des groupes de symboles identiques pour marquer des points.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix&#xa0;: impossible d’écrire la réponse&#xa0;: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix&#xa0;: aucune plateforme nommée «&#xa0;%1&#xa0;»&#xa0;; disponibles&#xa0;: %2.
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
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Ajout de méga-ligne</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Décalage de méga-ligne</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Aide de Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Aucun fichier d’aide à l’emplacement %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Impossible d’afficher le fichier d’aide %1.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>D’autres programmes des développeurs de Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Nos autres programmes</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>De petits jeux et utilitaires, faits avec le même soin que Quorbix. Chacun est gratuit et se partage librement.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Inclinez un plateau de galets colorés jusqu’à ce que trois galets identiques se rencontrent et s’en aillent en roulant. Calme, lent et rejouable à l’infini.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Allumez toutes les lanternes d’un jardin nocturne d’un seul chemin ininterrompu. Quarante jardins faits main, du plus facile au plus diabolique.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Une petite horloge, un calendrier et des pense-bêtes qui restent là où vous les posez sur votre bureau.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Attrapez les lettres qui tombent et faites-les s’envoler en mots avant que le vent ne tourne. Pour un joueur, ou deux sur un même clavier.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Une carte du ciel de poche&#xa0;: trouvez les constellations au-dessus de vous ce soir, avec leurs histoires.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Tous viennent des développeurs de Quorbix. Idées, souhaits et rapports de bogue sont toujours les bienvenus.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Boule rouge</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Boule verte</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Boule bleue</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Boule jaune</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Boule magenta</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Coccinelle</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Grenouille</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Baleine</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Abeille</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Lapin</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Renard</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ours</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Pieuvre</translation>
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
        <translation>Lion</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vache</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cochon</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Singe</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Poule</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingouin</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Poussin</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Canard</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Hibou</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cheval</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortue</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Crabe</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Poisson tropical</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Dauphin</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Éléphant</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafe</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Escargot</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Perroquet</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Ours en peluche</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Cerf-volant</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon de baudruche</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dé</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Pièce de puzzle</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Locomotive à vapeur</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Fusée</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambour</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompette</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitare</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Voilier</translation>
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
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Parapluie</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Ampoule</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Ciseaux</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Marteau</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Haut-de-forme</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Lunettes</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Chaussure de sport</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Tasse</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Pomme</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Fraise</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Pastèque</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Glace</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancre</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Tournesol</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Champignon</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Ballon de foot</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Ballon de basket</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Balle de baseball</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Balle de tennis</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Ballon de volley</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Boule de billard</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Boule orange</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Boule cyan</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Boule violette</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Trèfle à quatre feuilles</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Goutte</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Raisin</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerises</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Carotte</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipe</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Sapin</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Feuille d’érable</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Éclair</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Flocon de neige</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Boule rose</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Boule marron</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Boule argentée</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Boule noire</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix pour le bureau est la version PC de
Pocket Quorbix, notre jeu pour ordinateurs de poche.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Comment ça marche</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>Dans la boîte se trouvent 26 boules de 5 couleurs.
Un double-clic sur deux boules ou plus, reliées
horizontalement ou verticalement, les fait disparaître.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Plus vous retirez de boules de la même couleur
en un seul coup, plus vous gagnez
de points.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>À la fin, vous gagnez d’autant plus de points de bonus
qu’il vous reste moins de boules.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Conception et programmation</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Icônes et images</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Boules, icônes des menus et images «&#xa0;À propos&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Images des symboles tirées de Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>par Google Inc. et Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Polices&#xa0;: Liberation par Red Hat et Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue par Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>par Philipp H. Poll, Eurofurence par Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Dédié à tous ceux qui ont un jour dit</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>«&#xa0;juste une dernière partie&#xa0;».</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Build&#xa0;: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Tot.&#xa0;: %1 Ko     Libre&#xa0;: %2 Ko</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1&#xa0;: %2 Mo  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Vous utilisez probablement %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Mémoire libre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Espace disque libre&#xa0;: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Révision</translation>
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
        <translation>Faites glisser pour défiler</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Glissez le texte pour déplacer la fenêtre&#xa0;!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>M’écrire</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>afficher les préférences du disque dur</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Fermer la fenêtre À propos</translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Autres programmes</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Envoyez-nous suggestions et rapports d’erreur par courriel,
ou visitez notre site web&#xa0;:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Notre site web&#xa0;: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>À propos de %1&#xa0;! Heure&#xa0;: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Une erreur est survenue avec le courriel&#xa0;!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informations système</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Écrit par %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Outils et thèmes pour ce programme&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Choisir un autre mode de jeu (à la prochaine partie)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Type d’images</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Changer la taille des images</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>À propos de Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Commence une nouvelle partie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Quitter Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>annuler un coup</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>refaire un coup</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Battez le record et voyez où vous en êtes</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Répartition des images</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Activer ou couper le son</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Mode normal (à la prochaine partie)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Décale les symboles vers la droite (à la prochaine partie)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Ajoute une nouvelle ligne si vide (à la prochaine partie)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Ajoute une nouvelle ligne si vide et décale les symboles vers la droite (à la prochaine partie)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Grandes (à choisir)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Petites (à choisir)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Choisir les images</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Choisir d’autres images pour les symboles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Afficher le fichier d’aide</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix de %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Actuel</translation>
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
            <numerusform>Vous avez gagné %1 point </numerusform>
            <numerusform>Vous avez gagné %1 points </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Il vous reste %n boule </numerusform>
            <numerusform>Il vous reste %n boules </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Bravo, un bonus de 1000 points&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>d’où un bonus de %n point&#xa0;!</numerusform>
            <numerusform>d’où un bonus de %n points&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Votre score total&#xa0;: %n&#xa0;!!</numerusform>
            <numerusform>Votre score total&#xa0;: %n&#xa0;!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Possible seulement avec les petites ou les grandes images</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Points du groupe sélectionné</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Total des points</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Choisir les images</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Sélectionnez d’abord une image dans la liste. Double-cliquez ensuite sur la case où la placer.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Symbole %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>sans image</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Vous entrez dans les meilleurs scores&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Meilleurs scores&#xa0;: Décalage</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Meilleurs scores&#xa0;: Ajout de méga-ligne</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Meilleurs scores&#xa0;: Décalage de méga-ligne</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Game over !</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Répartition des images</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n fois</numerusform>
            <numerusform>%n fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>%n au total</numerusform>
            <numerusform>%n au total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1&#xa0;: %n fois</numerusform>
            <numerusform>%1&#xa0;: %n fois</numerusform>
        </translation>
    </message>
</context>
</TS>
