#pragma once
// The image dispersion window: how many symbols of each kind lie on the playing field, each
// kind's picture beside its count, and the sum. A snapshot taken when it opens.

#include "Board.h"

#include <QDialog>
#include <QPixmap>

#include <array>
#include <memory>

namespace Ui {
class Tdispers_form;
}

// The symbols of each kind 0..4 that are Normal on the field (columns 0..10). Selected and
// Empty cells and the feeder column are left out.
struct ImageDispersion {
    std::array<int, engine::KindCount> counts{};
    int total = 0;
};
ImageDispersion CountImageDispersion(const engine::Board &board);

class Tdispers_form : public QDialog {
    Q_OBJECT

public:
    explicit Tdispers_form(QWidget *parent = nullptr);
    ~Tdispers_form() override;

    // Box k + 1 shows normalPictures[k] at its own size, label k + 1 "<count> times", label 6
    // "<total> total". A screen reader hears each count with names[k], what the picture shows.
    void showDispersion(const ImageDispersion &dispersion,
                        const std::array<QPixmap, engine::KindCount> &normalPictures,
                        const std::array<QString, engine::KindCount> &names = {});

protected:
    void showEvent(QShowEvent *e) override;

private:
    std::unique_ptr<Ui::Tdispers_form> ui_;
};

// Counts the board, then shows the window modally over parent until its close button is
// pressed. normalPictures are the current picture size's normal pictures of kinds 0..4.
void ShowImageDispersion(QWidget *parent, const engine::Board &board,
                         const std::array<QPixmap, engine::KindCount> &normalPictures,
                         const std::array<QString, engine::KindCount> &names = {});
