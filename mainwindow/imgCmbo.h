#pragma once
// The select-images dialog: the player picks which library picture stands for each of the five
// symbol kinds in the Small or the Big picture size. The five choices go to the settings file
// when the dialog closes with OK; the caller then reloads its pictures from there.

#include <QDialog>

#include <array>
#include <memory>

class QKeyEvent;
class QLabel;

namespace resources {
class PictureLibrary;
}

namespace Ui {
class TForm2;
}

class TForm2 : public QDialog {
    Q_OBJECT
    // true: the Big library and the "Symbols" section; false: the Small library and the
    // "Small Symbols" section. Set it before the dialog is shown.
    Q_PROPERTY(bool KidSize READ KidSize WRITE setKidSize)

public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    bool KidSize() const { return kidSize_; }
    void setKidSize(bool big) { kidSize_ = big; }

    // The caller's own picture lists. The dialog shows the one KidSize names, uses it in place
    // and never frees it; it must outlive the dialog.
    void setBigList(const resources::PictureLibrary *list) { bigList_ = list; }
    void setSmallList(const resources::PictureLibrary *list) { smallList_ = list; }

    // The picture number each kind 0..4 currently shows in its box.
    const std::array<int, 5> &PictureChoice() const { return choice_; }

    // Runs once, at the first showing or activation, whichever comes first: reads the stored
    // choices, fills the list and draws the boxes.
    void FormActivate();
    // Box k + 1 takes the picture of the selected list row as kind k's choice.
    void Image1DblClick();
    void Image2DblClick();
    void Image3DblClick();
    void Image4DblClick();
    void Image5DblClick();
    // Writes the five choices to the settings file when the dialog closes with OK.
    void FormDeactivate();

    void done(int result) override;

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    const resources::PictureLibrary *listInUse() const;
    QString section() const;
    void placeSelectedPicture(int kind);
    // A key on box kind + 1; false when it is not the box's.
    bool imageKey(int kind, const QKeyEvent &key);
    void drawChoice(int kind);

    std::unique_ptr<Ui::TForm2> ui_;
    std::array<QLabel *, 5> images_{};
    std::array<int, 5> choice_{};
    bool kidSize_ = false;
    bool loaded_ = false;
    const resources::PictureLibrary *bigList_ = nullptr;
    const resources::PictureLibrary *smallList_ = nullptr;
};
