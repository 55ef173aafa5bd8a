<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Coluna de espera</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Sem imagem</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>coluna de espera, linha %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>coluna %1, linha %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; grupo de %2, %3 pontos</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix, um quebra-cabeça de remover peças: remova grupos de peças iguais para ganhar pontos.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações da versão.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: não foi possível escrever a resposta: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: não existe plataforma chamada &quot;%1&quot;; disponíveis: %2.
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>Deslocar</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Megalinha</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Deslocar megalinha</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Ajuda do Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Não há arquivo de ajuda em %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Não é possível mostrar o arquivo de ajuda %1.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Mais dos desenvolvedores do Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Nossos outros programas</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Pequenos jogos e utilitários, feitos com o mesmo carinho que o Quorbix. Todos são gratuitos e podem ser compartilhados à vontade.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Incline uma bandeja de pedrinhas coloridas até que três iguais se encontrem e rolem para longe. Calmo, tranquilo e para jogar sem parar.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Acenda todas as lanternas de um jardim noturno com um único caminho contínuo. Quarenta jardins feitos à mão, do fácil ao diabólico.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Um pequeno relógio, um calendário e notas adesivas que ficam onde você as coloca na área de trabalho.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Pegue as letras que caem e faça-as voar como palavras antes que o vento mude. Para um jogador ou dois no mesmo teclado.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Um mapa do céu de bolso: encontre as constelações acima de você esta noite, com as suas histórias.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Todos são dos desenvolvedores do Quorbix. Ideias, desejos e relatos de erros são sempre bem-vindos.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Bola vermelha</translation>
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
        <translation>Bola amarela</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Bola magenta</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Joaninha</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Sapo</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Baleia</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Abelha</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cachorro</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Coelho</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Raposa</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Urso</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Polvo</translation>
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
        <translation>Leão</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Porco</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Macaco</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Galinha</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguim</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pintinho</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Coruja</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavalo</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Cobra</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Caranguejo</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Peixe tropical</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Golfinho</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafa</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Caracol</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Borboleta</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papagaio</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Ursinho de pelúcia</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Pipa</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balão</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Ioiô</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Peça de quebra-cabeça</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Locomotiva a vapor</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Carro</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Foguete</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambor</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Veleiro</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robô</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Guarda-chuva</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chave</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Lâmpada</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Livros</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Tesoura</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martelo</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Cartola</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Óculos</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Tênis</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Xícara</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Maçã</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banana</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Morango</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Melancia</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Sorvete</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Sino</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Âncora</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cacto</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Girassol</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Cogumelo</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Bola de futebol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Bola de basquete</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Bola de beisebol</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Bola de tênis</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Bola de vôlei</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Bola de bilhar</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Bola laranja</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Bola ciano</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Bola roxa</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Coração</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Trevo de quatro folhas</translation>
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
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limão</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerejas</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Cenoura</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipa</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Pinheiro</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Folha de bordo</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Floco de neve</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arco-íris</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Peixe</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Coroa</translation>
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
        <translation>Bola marrom</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Bola prateada</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Bola preta</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix para desktop é a versão para PC do
Pocket Quorbix, nosso jogo para computadores
de mão.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Como funciona</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>Na caixa há 26 bolas de 5 cores diferentes.
Com um clique duplo em duas ou mais bolas
ligadas na horizontal ou na vertical,
elas desaparecem.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Quanto mais bolas da mesma cor você pegar
de uma só vez, mais pontos você
recebe.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>No fim você ganha pontos de bônus: quanto
menos bolas sobrarem, maior o bônus.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Design e programação</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Ícones e imagens</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Bolas, ícones do menu e imagens do Sobre:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Imagens das peças do Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>por Google Inc. e Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Fontes: Liberation por Red Hat e Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue por Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>por Philipp H. Poll, Eurofurence por Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Dedicado a todos que já disseram</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>&quot;só mais uma partida&quot;.</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Compilação: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Total: %1 KB     Livre: %2 KB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Você provavelmente está usando %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Memória livre: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Espaço livre em disco: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Revisão</translation>
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
        <translation>Arraste para rolar</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Arraste a janela pelo texto com o botão esquerdo!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Escreva!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>mostrar informações do disco rígido</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Fechar a janela Sobre</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Sobre </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Outros programas</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Envie-nos suas sugestões e relatos de erros por e-mail
ou visite nosso site:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Nosso site: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>Sobre %1! Hora: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Ocorreu um erro com o e-mail!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informações do sistema</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
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
        <translation>Ferramentas e temas para este programa:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Escolher outro modo de jogo (vale no novo jogo)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Tipo de imagem</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Mudar o tamanho das imagens</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Sobre o Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Começa um novo jogo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Sair do Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>Desfazer uma jogada</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>Refazer uma jogada</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Ver recordes</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Bata o recorde e veja a sua posição</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Distribuição das imagens</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Liga ou desliga o som</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Modo normal (vale no novo jogo)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Desloca as peças para a direita (vale no novo jogo)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Nova linha se vazia (vale no novo jogo)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Nova linha se vazia e desloca as peças para a direita (vale no novo jogo)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Grandes (ajustáveis)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Pequenas (ajustáveis)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Personalizar imagens</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Escolher outras imagens para as peças</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Mostrar a ajuda</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix de %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Atual</translation>
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
            <numerusform>Você ganhou %1 ponto </numerusform>
            <numerusform>Você ganhou %1 pontos </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>Sobrou %n bola </numerusform>
            <numerusform>Sobraram %n bolas </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Parabéns! Bônus de 1000 pontos!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>então o bônus é de %n ponto!</numerusform>
            <numerusform>então o bônus é de %n pontos!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Sua pontuação total: %n!!</numerusform>
            <numerusform>Sua pontuação total: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Isto só funciona com imagens pequenas ou grandes</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Pontos do grupo selecionado</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Total de pontos</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Escolher imagens</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Primeiro selecione uma imagem na lista. Depois dê um clique duplo na caixa onde quer colocá-la.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Peça %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>sem imagem</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Você entrou na lista de recordes!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Digite o seu nome</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Recordes: Deslocar</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Recordes: Megalinha</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Recordes: Deslocar megalinha</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Fim</translation>
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
        <translation>Fim de jogo!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fim de jogo</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Distribuição das imagens</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n vezes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>%n no total</numerusform>
            <numerusform>%n no total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n vez</numerusform>
            <numerusform>%1: %n vezes</numerusform>
        </translation>
    </message>
</context>
</TS>
