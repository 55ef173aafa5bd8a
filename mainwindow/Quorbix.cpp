#include "Quorbix.h"
#include "ui_Quorbix.h"

#include "Accessibility.h"
#include "ActionAccessible.h"
#include "BoardAccessible.h"
#include "BoardSpeech.h"
#include "BoardView.h"
#include "DispersU.h"
#include "DrawGrid.h"
#include "MenuSupport.h"
#include "StatusPanels.h"
#include "WindowSettings.h"
#include "imgCmbo.h"

#include "AppFiles.h"
#include "HighScoreListU.h"
#include "Language.h"
#include "Maker.h"
#include "ProfileFile.h"
#include "QuorbixAbout.h"
#include "Resources.h"
#include "Results.h"
#include "Shell.h"
#include "Sound.h"
#include "WindowSystem.h"
#include "aboutdlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using quorbix::PictureSize;

namespace {

// The status bar's panels: "Actual", its points, "Total", the total, the mode's caption.
enum StatusPanel {
    ActualCaption = 0,
    ActualPoints = 1,
    TotalCaption = 2,
    TotalPoints = 3,
    ModeName = 4
};
const std::vector<int> StatusPanelWidths = {45, 60, 40, 60, 140};

constexpr int BubbleEraseMs = 2000;

// The menu bar and the status bar speak in the desktop's small interface font, not in the
// window's big board font.
QFont interfaceFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(false);  // said out loud, or the window's bold would be inherited
    return font;
}

// The desktop's own keys for a command, then those a player expects of any Linux game, which
// a platform without a desktop theme (or with another desktop's scheme) may not name.
QList<QKeySequence> commandKeys(QKeySequence::StandardKey command,
                                std::initializer_list<QKeySequence> expected)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    for (const QKeySequence &key : expected)
        if (!keys.contains(key)) keys << key;
    return keys;
}

QString scoreText(const engine::TotalScore &score)
{
    return QString::fromLatin1(score.text().data());
}

// The game modes' captions, in the engine's order and words; the window shows them translated.
const char *const ModeCaptions[] = {
    QT_TRANSLATE_NOOP("GameMode", "Standard"),
    QT_TRANSLATE_NOOP("GameMode", "Shifter"),
    QT_TRANSLATE_NOOP("GameMode", "Add Mega Row"),
    QT_TRANSLATE_NOOP("GameMode", "Shift Mega Row"),
};

// A hand-edited settings file may name a mode outside the four: it has no caption.
QString modeCaption(engine::GameMode mode)
{
    const auto index = static_cast<std::size_t>(mode);
    return index < std::size(ModeCaptions)
               ? QCoreApplication::translate("GameMode", ModeCaptions[index])
               : QString();
}

}  // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>())
{
    FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

TDrawGrid *TForm1::grid() const { return ui->DrawGrid1; }
TStatusBar *TForm1::statusBar1() const { return ui->StatusBar1; }

// ---------------------------------------------------------------- start-up and shut-down

void TForm1::FormCreate()
{
    quorbix::installAccessibility();
    quorbix::applyHintSettings();
    platform::moveOldSettingsFile();
    helpFile_ = platform::localizedFile(platform::helpFilePath());

    ui->setupUi(this);
    createWindowLook();
    createStatusBar();
    createMenus();
    createBoard();
    createBubbleTimer();
    connectCommands();

    AboutBoxDlg1 = new TAboutBoxDlg(this);
    ConfigureForQuorbix(*AboutBoxDlg1);

    game_.setListener(this);
}

// Title, icon, frame and fonts: the board's face for the window, the interface face for its bars.
void TForm1::createWindowLook()
{
    setWindowTitle(tr("Quorbix from %1").arg(QString::fromLatin1(platform::maker::kWebAddress)));
    setWindowIcon(resources::applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont boardFont(QStringLiteral("Comic Sans MS"));
    boardFont.setPixelSize(19);
    boardFont.setBold(true);
    setFont(boardFont);
    ui->MainMenu1->setFont(interfaceFont());
    for (QMenu *menu : ui->MainMenu1->findChildren<QMenu *>()) menu->setFont(interfaceFont());
    ui->StatusBar1->setFont(interfaceFont());
    setBackgroundRole(QPalette::Button);
}

void TForm1::createStatusBar()
{
    ui->StatusBar1->setPanels(StatusPanelWidths);
    //: The status bar's caption of the points the selected group would earn (a 45-pixel box)
    ui->StatusBar1->setPanelText(ActualCaption, tr("Actual"));
    ui->StatusBar1->setPanelText(ActualPoints, QStringLiteral("0"));
    //: The status bar's caption of the game's points so far (a 40-pixel box)
    ui->StatusBar1->setPanelText(TotalCaption, tr("Total"));
    ui->StatusBar1->setPanelText(TotalPoints, QStringLiteral("0"));
    ui->StatusBar1->setPanelDescription(ActualPoints, tr("Points of the selected group"));
    ui->StatusBar1->setPanelDescription(TotalPoints, tr("Total points"));
    ui->StatusBar1->setPanelDescription(ModeName, tr("Game mode"));
}

// Mode captions, keys, spoken names of the arrows, pictures, hints and the skin.
void TForm1::createMenus()
{
    for (QAction *item : ui->ModeGroup->actions())
        item->setText(modeCaption(engine::GameMode{item->property("GameMode").toInt()}));
    attachShortcuts();
    quorbix::setSpokenName(ui->Undo2, tr("Undo"));
    quorbix::setSpokenName(ui->Redo2, tr("Redo"));
    quorbix::attachMenuPictures(this);
    new quorbix::MenuBarHints(ui->MainMenu1);
    quorbix::attachMenuSkin(this);
}

// The grid, what a screen reader hears of it, and its events in the order the game expects.
void TForm1::createBoard()
{
    ui->DrawGrid1->setGridSize(engine::FieldColumns, engine::Rows);
    speech_ = std::make_unique<quorbix::BoardSpeech>(game_, pictures_);
    ui->DrawGrid1->setSpeech(speech_.get());
    ui->DrawGrid1->setDrawCellHandler([this](QPainter &p, int column, int row, const QRect &rect) {
        DrawGrid1DrawCell(p, column, row, rect);
    });
    connect(ui->DrawGrid1, &TDrawGrid::SelectCell, this, &TForm1::DrawGrid1SelectCell);
    connect(ui->DrawGrid1, &TDrawGrid::MouseDown, this, &TForm1::DrawGrid1MouseDown);
    connect(ui->DrawGrid1, &TDrawGrid::DblClick, this, &TForm1::DrawGrid1DblClick);
    connect(ui->DrawGrid1, &TDrawGrid::MouseUp, this, [this] { DrawGrid1MouseUp(); });
    ui->centralwidget->installEventFilter(this);
}

void TForm1::createBubbleTimer()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(BubbleEraseMs);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

void TForm1::connectCommands()
{
    connect(ui->NewGame1, &QAction::triggered, this, &TForm1::NewGame1Click);
    connect(ui->Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(ui->Undo2, &QAction::triggered, this, &TForm1::Undo2Click);
    connect(ui->Redo2, &QAction::triggered, this, &TForm1::Redo2Click);
    connect(ui->Soundson1, &QAction::triggered, this, &TForm1::Soundson1Click);
    connect(ui->Normal1, &QAction::triggered, this, &TForm1::Normal1Click);
    connect(ui->Shifter1, &QAction::triggered, this, &TForm1::Shifter1Click);
    connect(ui->AddLast1, &QAction::triggered, this, &TForm1::AddLast1Click);
    connect(ui->MegaShift1, &QAction::triggered, this, &TForm1::MegaShift1Click);
    connect(ui->Standard1, &QAction::triggered, this, &TForm1::Standard1Click);
    connect(ui->KidsImages1, &QAction::triggered, this, &TForm1::KidsImages1Click);
    connect(ui->SmallImages1, &QAction::triggered, this, &TForm1::SmallImages1Click);
    connect(ui->SelectSymbols1, &QAction::triggered, this, &TForm1::SelectSymbols1Click);
    connect(ui->dfdf1, &QAction::triggered, this, &TForm1::dfdf1Click);
    connect(ui->Showimagedispersion1, &QAction::triggered, this,
            &TForm1::Showimagedispersion1Click);
    connect(ui->About1, &QAction::triggered, this, &TForm1::About1Click);
    connect(ui->Help2, &QAction::triggered, this, &TForm1::Help2Click);
}

void TForm1::attachShortcuts()
{
    // An action's keys work only while the action is enabled, so they follow the items (undo
    // and redo follow the game).
    ui->NewGame1->setShortcuts(commandKeys(QKeySequence::New, {Qt::CTRL | Qt::Key_N}));
    ui->Exit1->setShortcuts(commandKeys(QKeySequence::Quit, {Qt::CTRL | Qt::Key_Q}));
    ui->Undo2->setShortcuts(commandKeys(QKeySequence::Undo, {Qt::CTRL | Qt::Key_Z}));
    ui->Redo2->setShortcuts(
        commandKeys(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                         QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    ui->Help2->setShortcuts(commandKeys(QKeySequence::HelpContents, {Qt::Key_F1}));
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (formShown_) return;
    FormShow();
    formShown_ = true;
    // Centred once, with the size the settings gave it (where the window system places windows
    // itself, it is left to it).
    const QScreen *screen = this->screen();
    if (screen && platform::windowPlacementWorks()) {
        const QRect desk = screen->availableGeometry();
        move(desk.center() - QPoint(width() / 2, height() / 2));
        keepOnScreen();
    }
    ui->DrawGrid1->setFocus();
}

void TForm1::FormShow() { ReadWindowSettings(); }

void TForm1::ReadWindowSettings()
{
    const auto settings = quorbix::WindowSettings::read(platform::settingsFilePath());
    soundsOn_ = settings.soundsOn;
    ui->Soundson1->setChecked(soundsOn_);
    switch (settings.pictureSizeCode) {
    case static_cast<int>(PictureSize::Standard):
        pictureSize_ = PictureSize::Standard;
        ui->Standard1->setChecked(true);
        break;
    case static_cast<int>(PictureSize::Big):
        pictureSize_ = PictureSize::Big;
        ui->KidsImages1->setChecked(true);
        break;
    case static_cast<int>(PictureSize::Small):
        pictureSize_ = PictureSize::Small;
        ui->SmallImages1->setChecked(true);
        break;
    default: break;  // a hand-edited code: the size stays as it is
    }
    ApplyPictureSize(pictureSize_);
    game_.setGameMode(settings.gameMode);
    for (QAction *item : ui->ModeGroup->actions())
        if (engine::GameMode{item->property("GameMode").toInt()} == settings.gameMode)
            item->setChecked(true);
    NewGame();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TForm1::FormClose()
{
    if (!sessionEnding_) fadeOut();
}

void TForm1::EndSession()
{
    sessionEnding_ = true;
    // A name prompt for a high score stores the name in its field, not nothing.
    for (THighScoreForm *scores : findChildren<THighScoreForm *>()) scores->EndSession();
    close();
    // A modal window (the game-over window, a name prompt) holds a loop of its own; ending them
    // all lets the windows close in order, so the settings and scores are still written.
    QCoreApplication::exit(0);
}

void TForm1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The window has one size for each picture size and mode. Some desktops offer to maximise
    // it all the same (their decorations draw the button whatever the window asks for): such
    // a request is undone at once.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        fitWindow();
    }
}

void TForm1::FormDestroy()
{
    // Nothing may report to a window that is going away, nor read its board.
    game_.setListener(nullptr);
    ui->DrawGrid1->setSpeech(nullptr);
    WriteWindowSettings();
}

void TForm1::WriteWindowSettings()
{
    const quorbix::WindowSettings settings{soundsOn_, static_cast<int>(pictureSize_),
                                           game_.gameMode()};
    try {
        settings.write(platform::settingsFilePath());
    } catch (const platform::ProfileWriteError &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorbix"), error.message());
    }
}

// ---------------------------------------------------------------- layout

void TForm1::ApplyPictureSize(PictureSize size)
{
    const bool onScreen = formShown_ && isVisible();
    if (onScreen) fadeOut();
    const quorbix::ViewGeometry g = quorbix::viewGeometry(size);
    ui->DrawGrid1->hide();
    ui->DrawGrid1->setGeometry(g.margin, 0, g.width, g.height);
    ui->DrawGrid1->setCellSize(g.cell);
    pictureSize_ = size;
    reloadPictures();
    fitWindow();
    ui->centralwidget->update();
    ui->DrawGrid1->show();
    if (onScreen) fadeIn();
}

void TForm1::reloadPictures()
{
    const qreal ratio = devicePixelRatioF();
    switch (pictureSize_) {
    case PictureSize::Standard: pictures_.LoadStandardPictures(ratio); break;
    case PictureSize::Small:
        pictures_.LoadSmallPictures(platform::settingsFilePath(), ratio);
        break;
    case PictureSize::Big: pictures_.LoadBigPictures(platform::settingsFilePath(), ratio); break;
    }
    ui->DrawGrid1->Repaint();
    // The cells' names follow their pictures; a new game comes this way too.
    quorbix::announceBoardChange(ui->DrawGrid1);
}

void TForm1::fitWindow()
{
    const int width = quorbix::clientWidth(pictureSize_, game_.gameMode());
    const int viewHeight = quorbix::viewGeometry(pictureSize_).height;
    ui->centralwidget->setFixedSize(width, viewHeight);
    const int height = ui->MainMenu1->heightForWidth(width) + viewHeight + ui->StatusBar1->height();
    // A fixed size: the player cannot resize, and the window keeps its top-left corner...
    setFixedSize(width, height);
    keepOnScreen();
}

void TForm1::keepOnScreen()
{
    // ...unless it has grown past the screen's edge (Big on a scaled screen): then it moves up
    // and left just enough to be whole again, its title bar first where it cannot be whole.
    const QScreen *screen = this->screen();
    if (!isVisible() || !screen || !platform::windowPlacementWorks()) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const QPoint corner(qMax(area.left(), qMin(frame.left(), area.right() + 1 - frame.width())),
                        qMax(area.top(), qMin(frame.top(), area.bottom() + 1 - frame.height())));
    if (corner != frame.topLeft()) move(corner);
}

void TForm1::fadeOut()
{
    if (!platform::windowOpacityWorks()) return;
    for (int opacity = 255; opacity >= 7; opacity -= 8) setWindowOpacity(opacity / 255.0);
}

void TForm1::fadeIn()
{
    if (!platform::windowOpacityWorks()) return;
    for (int opacity = 0; opacity <= 248; opacity += 8) setWindowOpacity(opacity / 255.0);
    setWindowOpacity(1.0);
}

// ---------------------------------------------------------------- painting

void TForm1::DrawGrid1DrawCell(QPainter &painter, int column, int row, const QRect &rect)
{
    quorbix::drawCell(painter, rect, game_.board().at(column, row), pictures_,
                      quorbix::viewGeometry(pictureSize_).inset);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->centralwidget && event->type() == QEvent::Paint) {
        QPainter painter(ui->centralwidget);
        FormPaint(painter);
    }
    // Moved to a screen of another scale: the pictures follow, sharp on a scaled screen and
    // unscaled on one at 100 %.
    if (watched == ui->centralwidget && event->type() == QEvent::ScreenChangeInternal &&
        formShown_ && pictures_.ratio() != devicePixelRatioF())
        reloadPictures();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormPaint(QPainter &painter)
{
    if (!quorbix::showsFeeder(game_.gameMode())) {
        ui->Bevel1->hide();
        return;
    }
    const quorbix::ViewGeometry g = quorbix::viewGeometry(pictureSize_);
    quorbix::drawFeederPreview(painter, g, game_.board(), pictures_);
    ui->Bevel1->setGeometry(quorbix::feederPreviewRect(g));
    ui->Bevel1->show();
}

// ---------------------------------------------------------------- the board view's events

void TForm1::DrawGrid1SelectCell(int column, int row) { game_.DrawGrid1SelectCell(column, row); }

void TForm1::DrawGrid1MouseDown(Qt::MouseButton, QPoint position)
{
    const engine::SelectionResult selection = game_.SelectGroup();
    ui->DrawGrid1->Repaint();
    const QString points = QString::number(selection.previewPoints);
    ui->StatusBar1->setPanelText(ActualPoints, points);
    speech_->setGroupPoints(selection.previewPoints);
    quorbix::announceSelection(ui->DrawGrid1);
    if (!selection.drawBubble) return;
    const int viewHeight = quorbix::viewGeometry(pictureSize_).height;
    const QFont bubbleFont = font();
    ui->DrawGrid1->drawOverlay([=](QPainter &painter) {
        quorbix::drawPointsBubble(painter, position, viewHeight, points, bubbleFont);
    });
}

void TForm1::DrawGrid1DblClick()
{
    game_.RemoveGroup();
    quorbix::announceBoardChange(ui->DrawGrid1);
}

void TForm1::DrawGrid1MouseUp()
{
    // A release while the timer runs does not put the erasing off.
    if (!Timer1->isActive()) Timer1->start();
}

void TForm1::Timer1Timer()
{
    ui->DrawGrid1->Repaint();
    Timer1->stop();
}

// ---------------------------------------------------------------- what the game reports

void TForm1::gridChanged() { ui->DrawGrid1->Repaint(); }

void TForm1::playSound(const char *name)
{
    if (soundsOn_) platform::PlaySound(QString::fromLatin1(name));
}

void TForm1::scoreChanged(const engine::TotalScore &total)
{
    ui->StatusBar1->setPanelText(TotalPoints, scoreText(total));
}

void TForm1::feederChanged() { ui->centralwidget->update(); }

void TForm1::undoRedoChanged(bool undo, bool redo)
{
    ui->Undo2->setEnabled(undo);
    ui->Redo2->setEnabled(redo);
}

void TForm1::gameOver(const engine::EndGameTexts &texts)
{
    // The last removal is heard before the game-over window speaks.
    quorbix::announceBoardChange(ui->DrawGrid1);
    auto *result = new TResultForm(this);
    // The engine's lines in the player's language: the same words, the numbers the engine used.
    const int left = game_.SymbolsLeft();
    //: %1 is the total score; the plural form follows it.
    result->setResults(
        tr("You ve earned %1 points ", nullptr, texts.points).arg(scoreText(game_.totalScore())));
    result->setLeftover(tr("You have left %n balls ", nullptr, left));
    result->setBonus(left <= 0
                         ? tr("Congratulation, you receive a bonus of 1000 points !")
                         : tr("so you receive a bonus of %n points !", nullptr, texts.bonusPoints));
    result->label6()->setText(tr("Your total score is: %n!!", nullptr, texts.entryPoints));
    result->exec();
    result->deleteLater();
    // A session that ended in the game-over window leaves no loop to ask for a name in.
    if (sessionEnding_) {
        StoreHighScoreAtSessionEnd(this, static_cast<int>(game_.gameMode()), texts.points,
                                   texts.bonusPoints);
        return;
    }
    ShowHighScores(this, true, static_cast<int>(game_.gameMode()), texts.points, texts.bonusPoints,
                   soundsOn_);
}

// ---------------------------------------------------------------- commands

void TForm1::NewGame()
{
    game_.NewGame();
    pictures_.ReloadEmptyCellPicture();
    if (engine::GameModeCaption(game_.gameMode()))
        ui->StatusBar1->setPanelText(ModeName, modeCaption(game_.gameMode()));
    ApplyPictureSize(pictureSize_);
    ui->DrawGrid1->Repaint();
    ui->centralwidget->update();
}

void TForm1::NewGame1Click() { NewGame(); }

void TForm1::Exit1Click() { close(); }

void TForm1::Undo2Click()
{
    game_.Undo();
    quorbix::announceBoardChange(ui->DrawGrid1);
}

void TForm1::Redo2Click()
{
    game_.Redo();
    quorbix::announceBoardChange(ui->DrawGrid1);
}

void TForm1::Soundson1Click() { soundsOn_ = ui->Soundson1->isChecked(); }

void TForm1::SetGameMode(engine::GameMode mode)
{
    // The rules change at the next removal; the caption and the width at the next new game.
    game_.setGameMode(mode);
    // The waiting column comes or goes with the mode.
    quorbix::announceBoardChange(ui->DrawGrid1);
}

void TForm1::Normal1Click() { SetGameMode(engine::GameMode::Standard); }
void TForm1::Shifter1Click() { SetGameMode(engine::GameMode::Shifter); }
void TForm1::AddLast1Click() { SetGameMode(engine::GameMode::AddMegaRow); }
void TForm1::MegaShift1Click() { SetGameMode(engine::GameMode::ShiftMegaRow); }

void TForm1::SetPictureSize(PictureSize size)
{
    ApplyPictureSize(size);
    switch (size) {
    case PictureSize::Standard: ui->Standard1->setChecked(true); break;
    case PictureSize::Big: ui->KidsImages1->setChecked(true); break;
    case PictureSize::Small: ui->SmallImages1->setChecked(true); break;
    }
}

void TForm1::Standard1Click() { SetPictureSize(PictureSize::Standard); }
void TForm1::KidsImages1Click() { SetPictureSize(PictureSize::Big); }
void TForm1::SmallImages1Click() { SetPictureSize(PictureSize::Small); }

void TForm1::SelectSymbols1Click()
{
    if (pictureSize_ == PictureSize::Standard) {
        QMessageBox::information(this, QStringLiteral("Quorbix"),
                                 tr("This only works for Mode: Small or Big Images"));
        return;
    }
    const bool big = pictureSize_ == PictureSize::Big;
    int result = QDialog::Rejected;
    {
        TForm2 dialog(this);
        dialog.setKidSize(big);
        if (big) {
            dialog.setBigList(&resources::bigLibrary());
        } else {
            dialog.setSmallList(&resources::smallLibrary());
        }
        result = dialog.exec();
    }
    if (result == QDialog::Accepted) reloadPictures();
    ui->centralwidget->update();
}

void TForm1::dfdf1Click()
{
    ShowHighScores(this, false, static_cast<int>(game_.gameMode()), 0, 0, soundsOn_);
}

void TForm1::Showimagedispersion1Click()
{
    std::array<QPixmap, engine::KindCount> normal;
    std::array<QString, engine::KindCount> names;
    for (int kind = 0; kind < engine::KindCount; ++kind) {
        normal[static_cast<std::size_t>(kind)] = pictures_.entry(kind);
        names[static_cast<std::size_t>(kind)] = pictures_.name(kind);
    }
    ShowImageDispersion(this, game_.board(), normal, names);
}

void TForm1::About1Click() { AboutBoxDlg1->Execute(this); }

void TForm1::Help2Click() { platform::showHelp(this, helpFile_); }
