<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameMode</name>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Mega Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Mega Row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quorbix Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no help file at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OtherPrograms</name>
    <message>
        <source>More from the Quorbix developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our other programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small games and helpers, made with the same care as Quorbix. Each one is free to play and free to pass on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt a tray of coloured pebbles until three of a kind meet and roll away. Calm, slow and endlessly replayable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light every lantern of a night-time garden with one unbroken path. Forty hand-made gardens from easy to fiendish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A little clock, a calendar and sticky notes that stay where you put them on your desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catch falling letters and fly them up as words before the wind changes. For one player or two at one keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pocket star map: find the constellations above you tonight, with their stories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All of them come from the Quorbix developers. Ideas, wishes and bug reports are always welcome.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuorbixAbout</name>
    <message>
        <source>Quorbix for the desktop is the PC version of
Pocket Quorbix, our game for handheld computers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How it works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the box are 26 balls with 5 different colors.
By doubleclick on two or more balls horizontaly
or vertically connected, they will disapear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As more balls you get with the same color 
in a single turn, as more points you 
receive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the end you get bonus points as less balls
you have left over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icons and pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balls, menu icons and About pictures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol pictures from Noto Color Emoji (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Google Inc. and Arjen Nienhuis</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts: Liberation by Red Hat and Google (OFL 1.1),</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)</source>
        <extracomment>Names of people, companies, fonts and licences stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dedicated to everyone who ever said</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;just one more game&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>%1.%2   Build : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot: %1 KB     Avl: %2 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 MB  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are probably Running %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Info: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Memory: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Hard disk Space: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left mouse click on text to drag window!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail me!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show hardisk preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close About Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send us your suggestions and error reports by mail,
or visit our homepage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our homepage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About box for: %1! Time: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Error occurred with Mail!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBoxDlg</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools and themes for this program:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch game mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select different game mode (applied in new game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select image types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vary size of images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorbix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit quorbix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undo one step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>redo one step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View high score list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beat High Score and look where you are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show image dispersion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal mode (applied in new game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifts symbols right (applied in new game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new row if emty (applied in new game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new row if empty and shift symbols right (applied in new game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big (customize)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small (customize)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select different symbols for images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display help file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorbix from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You ve earned %1 points </source>
        <extracomment>%1 is the total score; the plural form follows it.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have left %n balls </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulation, you receive a bonus of 1000 points !</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>so you receive a bonus of %n points !</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your total score is: %n!!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This only works for Mode: Small or Big Images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Select Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First select Image from Image List. Then double click on the Image Box where you want to store the image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THighScoreForm</name>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You entered the high score list!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high score: shifter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high score: Add Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high score: Megashift Row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TResultForm</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tdispers_form</name>
    <message>
        <source>Dispersion of images</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
