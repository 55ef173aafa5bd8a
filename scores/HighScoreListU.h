#pragma once
// The high score window: the list of one game mode as a "Player" / "Score" table, best first.
// After a qualifying game it asks for the player's name, adds the entry and selects its row;
// the list goes back to the high score file when the window is destroyed: the list stored then,
// with this window's entry added, so that what another copy of the game stored meanwhile stays.

#include "ScoreList.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

class QCloseEvent;
class QPropertyAnimation;
class QShowEvent;

namespace Ui {
class THighScoreForm;
}

class THighScoreForm : public QDialog {
    Q_OBJECT
    Q_PROPERTY(int ActualScore READ ActualScore WRITE setActualScore)
    Q_PROPERTY(bool AddValue READ AddValue WRITE setAddValue)
    Q_PROPERTY(int Bonus READ Bonus WRITE setBonus)
    Q_PROPERTY(int Mode READ Mode WRITE setMode)
    // How long the closing animation lasts, in milliseconds.
    Q_PROPERTY(int ClosingDuration READ ClosingDuration WRITE setClosingDuration)

public:
    explicit THighScoreForm(QWidget *parent = nullptr);
    ~THighScoreForm() override;

    int ActualScore() const { return actualScore_; }
    void setActualScore(int points) { actualScore_ = points; }
    bool AddValue() const { return addValue_; }
    void setAddValue(bool add) { addValue_ = add; }
    int Bonus() const { return bonus_; }
    void setBonus(int bonus) { bonus_ = bonus; }
    int Mode() const { return mode_; }
    void setMode(int mode) { mode_ = mode; }
    int ClosingDuration() const { return closingDuration_; }
    void setClosingDuration(int ms) { closingDuration_ = ms; }

    // The total of the entry added during this opening; 0 until one is added.
    int LastTotal() const { return lastTotal_; }

public slots:
    void reject() override;
    // The desktop session ends: a name prompt that is open, and whose loop the session's end
    // stops, still stores the entry, under the name in its field at that moment.
    void EndSession();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormActivate();
    void FormClose();
    void FormDestroy();
    void LoadScores();
    void SaveScores();
    void ShowScores();
    void askForName();

    std::unique_ptr<Ui::THighScoreForm> ui;
    ScoreList scores_;
    int actualScore_ = 0;
    bool addValue_ = false;
    int bonus_ = 0;
    int mode_ = 0;
    int closingDuration_ = 1000;
    int lastTotal_ = 0;
    std::optional<NewEntry> added_;  // the entry this opening added, applied again when saving
    bool activated_ = false;
    bool sessionEnding_ = false;
    bool loaded_ = false;
    QPropertyAnimation *closing_ = nullptr;
    bool closed_ = false;
};

// Opens the high score window of a mode over the main window. With AddEntry false it only shows
// the list. With AddEntry true it opens only for a game that earns a place (its points, without
// the bonus, above the lowest stored score) in a mode that has a list, after starting
// "APPLAUSE" when sounds are on; otherwise nothing is shown and the file is only read.
void ShowHighScores(QWidget *parent, bool AddEntry, int mode, int points, int bonus, bool soundsOn);

// What the game-over window leads to when the desktop session ends before the high score window
// can ask for a name: a game that earns a place is stored, without a window, under the name the
// prompt would have offered (the player's login name). A write failure is shown as usual.
void StoreHighScoreAtSessionEnd(QWidget *parent, int mode, int points, int bonus);
