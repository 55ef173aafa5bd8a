#pragma once
// The main window: the board view, the feeder preview, the status bar and the menu with every
// command of the game. It lives for the whole run and owns the game, the picture table and the
// sound switch; every other window is opened from here, modally, and closed before play goes on.

#include "PictureTable.h"

#include "Game.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QTimer;
class TDrawGrid;
class TStatusBar;
class TAboutBoxDlg;

namespace Ui {
class TForm1;
}

namespace quorbix {
class BoardSpeech;
}

class TForm1 : public QMainWindow, private engine::GameListener {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The running game, the view and the status bar (for tests and for the replay of moves).
    engine::Game &game() { return game_; }
    TDrawGrid *grid() const;
    TStatusBar *statusBar1() const;
    quorbix::PictureSize pictureSize() const { return pictureSize_; }
    bool soundsOn() const { return soundsOn_; }
    const quorbix::SymbolPictureTable &pictures() const { return pictures_; }

    // The layout step: view and window geometry for the size, its pictures, and the fades
    // while the window is on the screen.
    void ApplyPictureSize(quorbix::PictureSize size);
    // Deals a new game and lays the window out for the current mode.
    void NewGame();

    // Menu commands.
    void NewGame1Click();
    void Exit1Click();
    void Undo2Click();
    void Redo2Click();
    void Soundson1Click();
    void Normal1Click();
    void Shifter1Click();
    void AddLast1Click();
    void MegaShift1Click();
    void Standard1Click();
    void KidsImages1Click();
    void SmallImages1Click();
    void SelectSymbols1Click();
    void dfdf1Click();
    void Showimagedispersion1Click();
    void About1Click();
    void Help2Click();

    // The desktop session is ending: close as the close button does, without the fade (nobody
    // may be looking, and the screen may be gone already), and leave any modal window's loop too.
    void EndSession();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Start-up and shut-down.
    void FormCreate();
    // FormCreate's steps, in order.
    void createWindowLook();
    void createStatusBar();
    void createMenus();
    void createBoard();
    void createBubbleTimer();
    void connectCommands();
    void attachShortcuts();
    void FormShow();
    void FormClose();
    void FormDestroy();
    void ReadWindowSettings();
    void WriteWindowSettings();

    // The board view's events.
    void DrawGrid1SelectCell(int column, int row);
    void DrawGrid1MouseDown(Qt::MouseButton button, QPoint position);
    void DrawGrid1DblClick();
    void DrawGrid1MouseUp();
    void Timer1Timer();
    void DrawGrid1DrawCell(QPainter &painter, int column, int row, const QRect &rect);
    void FormPaint(QPainter &painter);

    void SetGameMode(engine::GameMode mode);
    void SetPictureSize(quorbix::PictureSize size);
    void reloadPictures();
    void fitWindow();
    void keepOnScreen();
    void fadeOut();
    void fadeIn();

    // What the game reports.
    void gridChanged() override;
    void playSound(const char *name) override;
    void scoreChanged(const engine::TotalScore &total) override;
    void feederChanged() override;
    void undoRedoChanged(bool undo, bool redo) override;
    void gameOver(const engine::EndGameTexts &texts) override;

    std::unique_ptr<Ui::TForm1> ui;
    engine::Game game_;
    quorbix::SymbolPictureTable pictures_;
    std::unique_ptr<quorbix::BoardSpeech> speech_;
    quorbix::PictureSize pictureSize_ = quorbix::PictureSize::Standard;
    bool soundsOn_ = true;
    QTimer *Timer1 = nullptr;
    TAboutBoxDlg *AboutBoxDlg1 = nullptr;
    QString helpFile_;
    bool formShown_ = false;
    bool sessionEnding_ = false;
};
