<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>时钟</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>等待列</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空位</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>等待列，第 %1 行</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>第 %1 列，第 %2 行</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1；%2 个一组，%3 分</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix，一款消除类益智游戏：消除相同图块组成的组来得分。</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: 无法写入输出：%1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: 没有名为“%1”的平台；可用的平台：%2。
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>平移</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>添加超级行</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>平移超级行</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Quorbix 帮助</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>%1 处没有帮助文件。</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>无法显示帮助文件 %1。</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Quorbix 开发者的更多作品</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>我们的其他程序</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>与 Quorbix 一样用心制作的小游戏和小工具。每一款都可以免费游玩，并可自由分享。</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>倾斜装满彩色卵石的托盘，让三颗同色卵石相遇并滚走。安静、舒缓，百玩不厌。</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>用一条不间断的小路点亮夜间花园里的每一盏灯笼。四十座手工设计的花园，从简单到极难。</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>一个小时钟、一个日历，还有贴在桌面上、放在哪里就留在哪里的便签。</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>接住落下的字母，在风向改变之前把它们拼成单词放飞。可一人游戏，也可两人共用一个键盘。</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>口袋星图：找到今晚你头顶上的星座，了解它们的故事。</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>它们都出自 Quorbix 开发者之手。随时欢迎提出想法、愿望和错误报告。</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>红色球</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>绿色球</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>蓝色球</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>黄色球</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>品红色球</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>瓢虫</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>青蛙</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>鲸鱼</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>蜜蜂</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>熊猫</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>猫</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>老鼠</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>仓鼠</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>兔子</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>狐狸</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>熊</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>章鱼</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>考拉</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>老虎</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>狮子</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>奶牛</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>猪</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>猴子</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>鸡</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>企鹅</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>小鸡</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>鸭子</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>猫头鹰</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>马</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>乌龟</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>螃蟹</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>热带鱼</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>海豚</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>大象</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>长颈鹿</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>蜗牛</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>蝴蝶</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>鹦鹉</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>泰迪熊</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>风筝</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>气球</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>拼图块</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>蒸汽火车</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>汽车</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>火箭</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>鼓</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>小号</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>吉他</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>帆船</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>机器人</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>礼物</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>直升机</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>雨伞</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>钥匙</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>灯泡</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>书</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>铅笔</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>剪刀</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>锤子</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>礼帽</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>眼镜</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>运动鞋</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>杯子</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>苹果</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>香蕉</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>草莓</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>西瓜</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>披萨</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>冰淇淋</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>铃铛</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>锚</translation>
    </message>
    <message>
        <source>House</source>
        <translation>房子</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>仙人掌</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>向日葵</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>蘑菇</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>足球</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>篮球</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>棒球</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>网球</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>排球</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>台球</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>橙色球</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>青色球</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>紫色球</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>爱心</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>四叶草</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>水滴</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>葡萄</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙子</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>柠檬</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>樱桃</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>胡萝卜</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>郁金香</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>冷杉</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>枫叶</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星星</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>闪电</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火焰</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>雪花</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>鱼</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>王冠</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>钻石</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>粉色球</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>棕色球</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>银色球</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>黑色球</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>桌面版 Quorbix 是我们的掌上电脑游戏
Pocket Quorbix 的 PC 版本。</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>盒子里有 26 个球，共 5 种颜色。
双击两个或更多横向或纵向相连的球，
它们就会消失。</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>一次消除的同色球越多，
得分就越高。</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>最后剩下的球越少，
获得的奖励分越多。</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>制作人员</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>设计与编程</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>图标与图片</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>球、菜单图标和“关于”窗口图片：</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>图块图片来自 Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>制作：Google Inc. 和 Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>字体：Liberation（Red Hat、Google，OFL 1.1），</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue（Craig Rozynski，OFL 1.1），Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>（Philipp H. Poll），Eurofurence（Tobias B. Koehler，OFL 1.1）</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>献给每一位曾经说过</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>“就再玩一局”的人。</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   构建：%3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>总计：%1 KB     可用：%2 KB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>你运行的可能是 %1</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>版本信息：%1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>可用内存：%1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>可用硬盘空间：</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>发行</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>构建</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The column of hours in the binary clock</extracomment>
        <translation>时</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The column of minutes in the binary clock</extracomment>
        <translation>分</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The column of seconds in the binary clock</extracomment>
        <translation>秒</translation>
    </message>
    <message>
        <source>Drag to scroll</source>
        <translation>拖动以滚动</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>用鼠标左键按住文字即可拖动窗口！</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>给我写信</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>显示硬盘信息</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>关闭“关于”窗口</translation>
    </message>
    <message>
        <source>About </source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>其他程序</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新载入</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>欢迎通过邮件向我们发送建议和错误报告，
或访问我们的主页：</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>我们的主页：%1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>关于 %1！时间：%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>邮件出错！</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>系统信息</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>制作人员</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>作者：%1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>本程序的工具和主题：</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>游戏模式</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>选择其他游戏模式（新游戏时生效）</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>图片类型</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>改变图片大小</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>关于 Quorbix</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>开始新游戏</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>退出 Quorbix</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>撤销一步</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>重做一步</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>打破纪录，看看你的排名</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>图片分布</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>开启或关闭声音</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>普通模式（新游戏时生效）</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>将图块向右平移（新游戏时生效）</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>列空时添加新行（新游戏时生效）</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>列空时添加新行并将图块向右平移（新游戏时生效）</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>大图（可自定义）</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>小图（可自定义）</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>自定义图片</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>为图块选择其他图片</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>显示帮助文件</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix - %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>当前</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>总分</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>你获得了 %1 分 </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>你还剩 %n 个球 </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>恭喜，你获得 1000 分奖励！</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>因此你获得 %n 分奖励！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>你的总分是：%n！！</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>此功能仅适用于小图或大图</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>所选组的分数</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>总分</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>游戏模式</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>先在图片列表中选择一张图片，然后双击要放置该图片的方框。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>图块 %1：%2</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>空白</translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>你进入了高分榜！</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>请输入你的名字</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>高分榜：平移</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>高分榜：添加超级行</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>高分榜：平移超级行</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>你的名字</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>完</translation>
    </message>
</context>
<context>
    <name>TResultForm</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Game over !</source>
        <translation>游戏结束！</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>游戏结束</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>图片分布</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>共 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1：%n 个</numerusform>
        </translation>
    </message>
</context>
</TS>
