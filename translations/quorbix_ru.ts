<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Столбец ожидания</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Столбец %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Без картинки</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>столбец ожидания, строка %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>столбец %1, строка %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; в группе: %2, очков: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix — головоломка, в которой нужно убирать группы одинаковых фишек и набирать очки.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показать сведения о версии.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: не удалось вывести ответ: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: платформы с именем «%1» нет; доступны: %2.
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>Сдвиг</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Мегаряд</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Мегаряд и сдвиг</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Справка Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Файл справки %1 не найден.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Не удаётся показать файл справки %1.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Другие программы от разработчиков Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Наши другие программы</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Небольшие игры и утилиты, сделанные с той же любовью, что и Quorbix. Все они бесплатны, и ими можно свободно делиться.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Наклоняйте поднос с цветными камешками, пока три одинаковых не встретятся и не укатятся. Спокойная, неторопливая игра, в которую хочется играть снова и снова.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Зажгите все фонари ночного сада одной непрерывной дорожкой. Сорок садов ручной работы — от простых до дьявольски сложных.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Маленькие часы, календарь и заметки-стикеры, которые остаются там, где вы их оставили на рабочем столе.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Ловите падающие буквы и запускайте их ввысь словами, пока не переменился ветер. Для одного игрока или двоих за одной клавиатурой.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Карманная карта звёздного неба: найдите созвездия, что над вами этой ночью, и узнайте их истории.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Все они созданы разработчиками Quorbix. Мы всегда рады идеям, пожеланиям и сообщениям об ошибках.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Красный шарик</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Зелёный шарик</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Синий шарик</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Жёлтый шарик</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Пурпурный шарик</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Божья коровка</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Лягушка</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Кит</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Пчела</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Панда</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Собака</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Кошка</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Хомяк</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Кролик</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Лиса</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Медведь</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Осьминог</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Коала</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Тигр</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Корова</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Свинья</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Обезьяна</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Курица</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Пингвин</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Цыплёнок</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Утка</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Сова</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Лошадь</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Черепаха</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змея</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Краб</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Тропическая рыбка</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Дельфин</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Слон</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Жираф</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Улитка</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Бабочка</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Попугай</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Плюшевый мишка</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Воздушный змей</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Воздушный шарик</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Йо-йо</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Игральный кубик</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Деталь пазла</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Паровоз</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Машина</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Ракета</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Барабан</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Труба</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Гитара</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Парусник</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Робот</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Подарок</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Вертолёт</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Зонтик</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Лампочка</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Книги</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Карандаш</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Ножницы</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Молоток</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Цилиндр</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Кроссовок</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Чашка</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Яблоко</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Банан</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Клубника</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Арбуз</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Пицца</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Мороженое</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Колокольчик</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Якорь</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Дом</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Кактус</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Подсолнух</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Гриб</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Футбольный мяч</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Баскетбольный мяч</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Бейсбольный мяч</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Теннисный мяч</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Волейбольный мяч</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Бильярдный шар</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Оранжевый шарик</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Голубой шарик</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Фиолетовый шарик</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Сердце</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Четырёхлистный клевер</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Капля</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Виноград</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Апельсин</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Лимон</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Вишни</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Морковь</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Тюльпан</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Ёлка</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Кленовый лист</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Звезда</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Молния</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Огонь</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Снежинка</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Радуга</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Рыба</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Корона</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Бриллиант</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Розовый шарик</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Коричневый шарик</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Серебряный шарик</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Чёрный шарик</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix для компьютера — это версия
Pocket Quorbix, нашей игры для карманных
компьютеров.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>В коробке 26 шариков пяти разных цветов.
Два и более шарика, соединённых по горизонтали
или вертикали, исчезают по двойному щелчку.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Чем больше шариков одного цвета вы
убираете за один ход, тем больше очков
получаете.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>В конце вы получаете бонус: чем меньше
шариков осталось, тем он больше.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Авторы</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Дизайн и программирование</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Значки и картинки</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Шарики, значки меню и картинки «О программе»:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Картинки фишек из Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>от Google Inc. и Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Шрифты: Liberation от Red Hat и Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue от Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>от Philipp H. Poll, Eurofurence от Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Посвящается всем, кто хоть раз говорил:</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>«ещё одна партия — и всё».</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Сборка: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Всего: %1 КБ     Свободно: %2 КБ</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 МБ  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Вероятно, у вас %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Версия: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Свободная память: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Свободно на дисках: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Выпуск</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Билд</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Авт. права</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The column of hours in the binary clock</extracomment>
        <translation>Ч</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The column of minutes in the binary clock</extracomment>
        <translation>М</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The column of seconds in the binary clock</extracomment>
        <translation>С</translation>
    </message>
    <message>
        <source>Drag to scroll</source>
        <translation>Перетащите для прокрутки</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Окно можно тащить за текст левой кнопкой!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Пишите!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>показать сведения о жёстком диске</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Закрыть окно «О программе»</translation>
    </message>
    <message>
        <source>About </source>
        <translation>О программе </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Другие программы</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Присылайте идеи и сообщения об ошибках по почте
или заходите на сайт:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Наш сайт: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>О программе %1! Время: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Ошибка при отправке письма!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Сведения о системе</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Авторы</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Автор: %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Инструменты и темы для этой программы:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Режим игры</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Выбрать другой режим игры (действует в новой игре)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Тип картинок</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Изменить размер картинок</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>О программе Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Начать новую игру</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Выйти из Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>Отменить один ход</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>Повторить один ход</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Таблица рекордов</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Побейте рекорд и найдите себя в таблице</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Распределение картинок</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Включить или выключить звук</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Обычный режим (действует в новой игре)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Фишки сдвигаются вправо (действует в новой игре)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Новый ряд, когда столбец пуст (действует в новой игре)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Новый ряд, когда столбец пуст, и сдвиг фишек вправо (действует в новой игре)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартные</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Крупные (настроить)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Мелкие (настроить)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Настроить картинки</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Выбрать другие картинки для фишек</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Показать справку</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix от %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>Всего</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>Вы набрали %1 очко </numerusform>
            <numerusform>Вы набрали %1 очка </numerusform>
            <numerusform>Вы набрали %1 очков </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>У вас остался %n шарик </numerusform>
            <numerusform>У вас осталось %n шарика </numerusform>
            <numerusform>У вас осталось %n шариков </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Поздравляем! Бонус — 1000 очков!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>поэтому ваш бонус — %n очко!</numerusform>
            <numerusform>поэтому ваш бонус — %n очка!</numerusform>
            <numerusform>поэтому ваш бонус — %n очков!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Ваш итоговый счёт: %n!!</numerusform>
            <numerusform>Ваш итоговый счёт: %n!!</numerusform>
            <numerusform>Ваш итоговый счёт: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Это работает только с крупными или мелкими картинками</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Очки выбранной группы</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Всего очков</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Режим игры</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Выбор картинок</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Сначала выберите картинку в списке. Затем дважды щёлкните по ячейке, в которую её нужно поместить.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Фишка %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>без картинки</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Вы попали в таблицу рекордов!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Рекорды: Сдвиг</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Рекорды: Мегаряд</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Рекорды: Мегаряд и сдвиг</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Конец</translation>
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
        <translation>Игра окончена!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Игра окончена</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Распределение картинок</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n раз</numerusform>
            <numerusform>%n раза</numerusform>
            <numerusform>%n раз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>всего %n</numerusform>
            <numerusform>всего %n</numerusform>
            <numerusform>всего %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n раз</numerusform>
            <numerusform>%1: %n раза</numerusform>
            <numerusform>%1: %n раз</numerusform>
        </translation>
    </message>
</context>
</TS>
