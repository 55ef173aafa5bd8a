<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>AboutAccessible</name>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>Waiting column</source>
        <translation>待機列</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>%1 列目</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>waiting column, row %1</source>
        <translation>待機列、%1 行目</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>%1 列目、%2 行目</translation>
    </message>
    <message>
        <source>%1; group of %2, %3 points</source>
        <translation>%1、%2 個のグループ、%3 点</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation>Quorbix は、同じシンボルのグループを消して得点を稼ぐパズルゲームです。</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>quorbix: cannot write the answer: %1
</source>
        <translation>quorbix: 出力を書き込めません: %1
</translation>
    </message>
    <message>
        <source>quorbix: there is no platform named &apos;%1&apos;; available: %2.
</source>
        <translation>quorbix: 「%1」という名前のプラットフォームはありません。使用可能: %2。
</translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation>メガ列追加</translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation>メガ列シフト</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation>Quorbix ヘルプ</translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation>%1 にヘルプファイルがありません。</translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation>ヘルプファイル %1 を表示できません。</translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation>Quorbix 開発者のその他の作品</translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation>その他のプログラム</translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation>Quorbix と同じように心を込めて作った小さなゲームとツールです。どれも無料で遊べて、自由に配布できます。</translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation>色とりどりの小石が載ったトレイを傾けて、同じ色が 3 つそろうと転がって消えます。穏やかでゆったり、何度でも遊べます。</translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation>一筆書きの道で夜の庭のすべての灯籠に明かりをともしましょう。やさしいものから極悪なものまで、手作りの庭が 40 面。</translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation>小さな時計とカレンダー、そしてデスクトップの置いた場所にとどまる付箋です。</translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation>落ちてくる文字を捕まえ、風向きが変わる前に単語にして飛ばしましょう。1 人でも、1 台のキーボードで 2 人でも遊べます。</translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation>ポケット星図: 今夜あなたの頭上にある星座を、その物語とともに見つけましょう。</translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation>どれも Quorbix の開発者によるものです。アイデア、ご要望、バグ報告はいつでも歓迎します。</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Red ball</source>
        <translation>赤いボール</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>緑のボール</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>青いボール</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>黄色いボール</translation>
    </message>
    <message>
        <source>Magenta ball</source>
        <translation>マゼンタのボール</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>テントウムシ</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>カエル</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>クジラ</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>ミツバチ</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>パンダ</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>イヌ</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>ネコ</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>ネズミ</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>ハムスター</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>ウサギ</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>キツネ</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>クマ</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>タコ</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>コアラ</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>トラ</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>ライオン</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>ウシ</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>ブタ</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>サル</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>ニワトリ</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>ペンギン</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>ヒヨコ</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>アヒル</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>フクロウ</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>ウマ</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>カメ</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>ヘビ</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>カニ</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>熱帯魚</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>イルカ</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>ゾウ</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>キリン</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>カタツムリ</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>チョウ</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>オウム</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <translation>テディベア</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>カイト</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>風船</translation>
    </message>
    <message>
        <source>Yo-yo</source>
        <translation>ヨーヨー</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>サイコロ</translation>
    </message>
    <message>
        <source>Puzzle piece</source>
        <translation>パズルのピース</translation>
    </message>
    <message>
        <source>Steam engine</source>
        <translation>蒸気機関車</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>ロケット</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>ドラム</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>トランペット</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>ギター</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <translation>ヨット</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>ロボット</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>プレゼント</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>ヘリコプター</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>傘</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>鍵</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>電球</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>目覚まし時計</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>本</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>鉛筆</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>はさみ</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>ハンマー</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>シルクハット</translation>
    </message>
    <message>
        <source>Glasses</source>
        <translation>メガネ</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>スニーカー</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>カップ</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>リンゴ</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>バナナ</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>イチゴ</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>スイカ</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>ピザ</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>ソフトクリーム</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>ベル</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>錨</translation>
    </message>
    <message>
        <source>House</source>
        <translation>家</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>サボテン</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>ヒマワリ</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>キノコ</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>サッカーボール</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>バスケットボール</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>野球のボール</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>テニスボール</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>バレーボール</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <translation>ビリヤードの球</translation>
    </message>
    <message>
        <source>Orange ball</source>
        <translation>オレンジのボール</translation>
    </message>
    <message>
        <source>Cyan ball</source>
        <translation>水色のボール</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>紫のボール</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <translation>四つ葉のクローバー</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>しずく</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>ブドウ</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>ミカン</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>レモン</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>サクランボ</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>ニンジン</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>チューリップ</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>モミの木</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>カエデの葉</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>稲妻</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>炎</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>雪の結晶</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>虹</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>魚</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>王冠</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>ダイヤモンド</translation>
    </message>
    <message>
        <source>Pink ball</source>
        <translation>ピンクのボール</translation>
    </message>
    <message>
        <source>Brown ball</source>
        <translation>茶色のボール</translation>
    </message>
    <message>
        <source>Silver ball</source>
        <translation>銀色のボール</translation>
    </message>
    <message>
        <source>Black ball</source>
        <translation>黒いボール</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation>デスクトップ版 Quorbix は、携帯端末向けの
当社ゲーム Pocket Quorbix の PC 版です。</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation>箱の中には 5 色のボールが 26 個あります。
縦か横につながった 2 個以上のボールを
ダブルクリックすると消えます。</translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation>1 回で同じ色のボールを多く消すほど、
高い得点がもらえます。</translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation>最後に、残ったボールが少ないほど
多くのボーナス点がもらえます。</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>デザインとプログラミング</translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation>アイコンと画像</translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation>ボール、メニューアイコン、情報画面の画像:</translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>シンボル画像: Noto Color Emoji (OFL 1.1)</translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>制作: Google Inc.、Arjen Nienhuis</translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>フォント: Liberation (Red Hat、Google、OFL 1.1)、</translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>Comic Neue (Craig Rozynski、OFL 1.1)、Linux Biolinum</translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation>(Philipp H. Poll)、Eurofurence (Tobias B. Koehler、OFL 1.1)</translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation>「あと 1 ゲームだけ」と言ったことのある</translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation>すべての人に捧げます。</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation>%1.%2   ビルド: %3</translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <extracomment>The memory in all and the memory available, in kilobytes</extracomment>
        <translation>合計: %1 KB     空き: %2 KB</translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <extracomment>A file system&apos;s folder and its free space in megabytes</extracomment>
        <translation>%1: %2 MB  </translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation>お使いのシステムはおそらく %1 です</translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation>空きメモリ: %1</translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation>ディスクの空き容量: </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>リリース</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>ビルド</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>The column of hours in the binary clock</extracomment>
        <translation>時</translation>
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
        <translation>ドラッグでスクロール</translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation>テキストを左ドラッグでウィンドウを移動!</translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation>ハードディスクの情報を表示</translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation>情報画面を閉じる</translation>
    </message>
    <message>
        <source>About </source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>その他のプログラム</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation>ご意見や不具合の報告はメールでお送りください。
ホームページもどうぞ:</translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation>ホームページ: %1</translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation>%1 について - 時刻: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation>メールでエラーが発生しました!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>システム情報</translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation>作者: %1</translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation>このプログラム用のツールとテーマ:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation>ゲームモード</translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation>ゲームモードを変更します (次の新しいゲームから有効)</translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation>画像の種類</translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation>画像の大きさを変更します</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation>Quorbix について</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation>新しいゲームを始めます</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation>Quorbix を終了します</translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation>1 手元に戻す</translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation>1 手やり直す</translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation>ハイスコアを更新して順位を確かめよう</translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation>画像の分布</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>サウンドのオン/オフを切り替えます</translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation>通常のモード (次の新しいゲームから有効)</translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation>シンボルを右に寄せます (次の新しいゲームから有効)</translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation>空になったら新しい列を追加します (次の新しいゲームから有効)</translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation>空になったら新しい列を追加し、シンボルを右に寄せます (次の新しいゲームから有効)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation>大 (カスタマイズ)</translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation>小 (カスタマイズ)</translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation>画像のカスタマイズ</translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation>シンボルの画像を選び直します</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation>ヘルプを表示します</translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation>Quorbix - %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <extracomment>The status bar&apos;s caption of the points the selected group would earn (a 45-pixel box)</extracomment>
        <translation>現在</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The status bar&apos;s caption of the game&apos;s points so far (a 40-pixel box)</extracomment>
        <translation>合計</translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation>
            <numerusform>得点は %1 点です </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation>
            <numerusform>残りのボールは %n 個です </numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation>おめでとう! ボーナスは 1000 点です!</translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation>
            <numerusform>ボーナスは %n 点です!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation>
            <numerusform>合計得点: %n 点!!</numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation>この機能は画像が小または大のときだけ使えます</translation>
    </message>
    <message>
        <source>Points of the selected group</source>
        <translation>選んだグループの得点</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>合計得点</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>ゲームモード</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation>画像の選択</translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation>まず一覧から画像を選び、次にその画像を入れたい枠をダブルクリックしてください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Symbol %1: %2</source>
        <translation>シンボル %1: %2</translation>
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
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation>ハイスコアに入りました!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>名前を入力してください</translation>
    </message>
    <message>
        <source>high score</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation>ハイスコア: シフト</translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation>ハイスコア: メガ列追加</translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation>ハイスコア: メガ列シフト</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>TMovieScroll</name>
    <message>
        <source>The End</source>
        <translation>終わり</translation>
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
        <translation>ゲームオーバー!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>ゲームオーバー</translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation>画像の分布</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation>
            <numerusform>合計 %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n times</source>
        <translation>
            <numerusform>%1: %n 個</numerusform>
        </translation>
    </message>
</context>
</TS>
