<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>Годинник</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Ігрове поле</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>Стовпець очікування</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Стовпець %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Рядок %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Порожньо</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Без зображення</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>стовпець очікування, рядок %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>стовпець %1, рядок %2</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1; у групі: %2, очок: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix — головоломка, у якій треба прибирати групи однакових фішок і набирати очки.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Показати цю довідку.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показати відомості про версію.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: не вдалося вивести відповідь: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: платформи з назвою «%1» немає; доступні: %2.
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
        <translation>Зсув</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>Мегаряд</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>Мегаряд і зсув</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Довідка Quorbix</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>Файл довідки %1 не знайдено.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>Не вдається показати файл довідки %1.</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Інші програми від розробників Quorbix</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>Наші інші програми</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Невеликі ігри та утиліти, зроблені так само дбайливо, як Quorbix. Усі вони безкоштовні, і ними можна вільно ділитися.</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>Нахиляйте тацю з кольоровими камінцями, доки три однакові не зустрінуться й не відкотяться. Спокійна, неквапна гра, до якої хочеться повертатися знову і знову.</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>Засвітіть усі ліхтарі нічного саду однією безперервною доріжкою. Сорок садів ручної роботи — від простих до диявольськи складних.</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>Маленький годинник, календар і нотатки-стікери, які лишаються там, де ви їх поклали на робочому столі.</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>Ловіть літери, що падають, і запускайте їх угору словами, поки не змінився вітер. Для одного гравця або двох за однією клавіатурою.</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>Кишенькова карта зоряного неба: знайдіть сузір’я, що над вами цієї ночі, і дізнайтеся їхні історії.</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>Усі вони створені розробниками Quorbix. Ми завжди раді ідеям, побажанням і повідомленням про вади.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>Червона кулька</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Зелена кулька</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Синя кулька</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Жовта кулька</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>Пурпурова кулька</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Сонечко</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Жаба</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Кит</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Бджола</translation>
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
        <translation>Кіт</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Хом’як</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Кролик</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Лисиця</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ведмідь</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Восьминіг</translation>
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
        <translation>Свиня</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Мавпа</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Курка</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Пінгвін</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Курча</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Качка</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Сова</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Кінь</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Черепаха</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змія</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Краб</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Тропічна рибка</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Дельфін</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Слон</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Жирафа</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Равлик</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Метелик</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Папуга</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>Плюшевий ведмедик</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Повітряний змій</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Повітряна кулька</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>Йо-йо</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Гральний кубик</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>Деталь пазла</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>Паротяг</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Автомобіль</translation>
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
        <translation>Гітара</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>Вітрильник</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Робот</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Подарунок</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Гелікоптер</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Парасолька</translation>
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
        <translation>Книжки</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Олівець</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Ножиці</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Молоток</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Циліндр</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>Окуляри</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Кросівка</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Чашка</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Яблуко</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Банан</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Полуниця</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Кавун</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Піца</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Морозиво</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Дзвоник</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Якір</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Будинок</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Кактус</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Соняшник</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Гриб</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Футбольний м’яч</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Баскетбольний м’яч</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Бейсбольний м’яч</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Тенісний м’яч</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Волейбольний м’яч</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>Більярдна куля</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>Помаранчева кулька</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>Блакитна кулька</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Фіолетова кулька</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Серце</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>Чотирилиста конюшина</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Крапля</translation>
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
        <translation>Вишні</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Морква</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Тюльпан</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Ялинка</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Кленовий лист</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Сонце</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Зірка</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Блискавка</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Вогонь</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Сніжинка</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Веселка</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Риба</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Корона</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Діамант</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>Рожева кулька</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>Коричнева кулька</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>Срібна кулька</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>Чорна кулька</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не вдається записати до %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>Quorbix для комп’ютера — це версія
Pocket Quorbix, нашої гри для кишенькових
комп’ютерів.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>У коробці 26 кульок п’яти різних кольорів.
Дві й більше кульки, з’єднані по горизонталі
чи вертикалі, зникають від подвійного клацання.</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>Що більше кульок одного кольору ви
прибираєте за один хід, то більше очок
отримуєте.</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>Наприкінці ви отримуєте бонус: що менше
кульок лишилося, то він більший.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Автори</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>Дизайн і програмування</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>Піктограми й зображення</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>Кульки, піктограми меню й зображення «Про програму»:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Зображення фішок із Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>від Google Inc. і Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Шрифти: Liberation від Red Hat і Google (OFL 1.1),</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue від Craig Rozynski (OFL 1.1), Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>від Philipp H. Poll, Eurofurence від Tobias B. Koehler (OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>Присвячується всім, хто хоч раз казав:</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>«ще одна партія — і все».</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   Збірка: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>Усього: %1 КБ     Вільно: %2 КБ</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 МБ  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>Імовірно, у вас %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>Версія: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>Вільна пам’ять: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>Вільно на дисках: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Випуск</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Білд</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Авт. права</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The column of hours in the binary clock</extracomment>
        <translation>Г</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The column of minutes in the binary clock</extracomment>
        <translation>Х</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The column of seconds in the binary clock</extracomment>
        <translation>С</translation>
    </message>
    <message>
        <source>Drag to scroll</source>
        <translation>Перетягніть, щоб гортати</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>Вікно можна тягти за текст лівою кнопкою!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>Пишіть!</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>показати відомості про жорсткий диск</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>Закрити вікно «Про програму»</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Про програму </translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>Інші програми</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>Надсилайте ідеї та повідомлення про вади поштою
або відвідайте наш сайт:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>Наш сайт: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>Про програму %1! Час: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>Помилка під час надсилання листа!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Відомості про систему</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>Про %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Автори</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>Автор: %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>Інструменти й теми для цієї програми:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Опції</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>Режим гри</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>Вибрати інший режим гри (діє в новій грі)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>Тип зображень</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>Змінити розмір зображень</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Про Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>Почати нову гру</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Вийти з Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>Скасувати один хід</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>Повторити один хід</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>Таблиця рекордів</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>Побийте рекорд і знайдіть себе в таблиці</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>Розподіл зображень</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Увімкнути чи вимкнути звук</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>Звичайний режим (діє в новій грі)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>Фішки зсуваються праворуч (діє в новій грі)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>Новий ряд, коли стовпець порожній (діє в новій грі)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>Новий ряд, коли стовпець порожній, і зсув фішок праворуч (діє в новій грі)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартні</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>Великі (налаштувати)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>Малі (налаштувати)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>Налаштувати зображення</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>Вибрати інші зображення для фішок</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>Показати довідку</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix від %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>Вибір</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>Усього</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>Ви набрали %1 очко </numerusform>
            <numerusform>Ви набрали %1 очки </numerusform>
            <numerusform>Ви набрали %1 очок </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>У вас лишилася %n кулька </numerusform>
            <numerusform>У вас лишилося %n кульки </numerusform>
            <numerusform>У вас лишилося %n кульок </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>Вітаємо! Ваш бонус — 1000 очок!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>тож ваш бонус — %n очко!</numerusform>
            <numerusform>тож ваш бонус — %n очки!</numerusform>
            <numerusform>тож ваш бонус — %n очок!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>Ваш підсумковий рахунок: %n!!</numerusform>
            <numerusform>Ваш підсумковий рахунок: %n!!</numerusform>
            <numerusform>Ваш підсумковий рахунок: %n!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>Це працює лише з великими або малими зображеннями</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>Очки вибраної групи</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>Усього очок</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Режим гри</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>Вибір зображень</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>Спершу виберіть зображення у списку. Потім двічі клацніть клітинку, до якої його слід помістити.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Відміна</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>Фішка %1: %2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>без зображення</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>Ви потрапили до таблиці рекордів!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Введіть своє ім’я</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>Рекорди: Зсув</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>Рекорди: Мегаряд</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>Рекорди: Мегаряд і зсув</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше ім’я</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>Кінець</translation>
    </message>
</context>
<context>
    <name>TResultForm</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Game over !</source>
        <translation>Гру закінчено!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Гру закінчено</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>Розподіл зображень</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n раз</numerusform>
            <numerusform>%n рази</numerusform>
            <numerusform>%n разів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>усього %n</numerusform>
            <numerusform>усього %n</numerusform>
            <numerusform>усього %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n раз</numerusform>
            <numerusform>%1: %n рази</numerusform>
            <numerusform>%1: %n разів</numerusform>
        </translation>
    </message>
</context>
</TS>
