#include "DispersU.h"

#include "ui_DispersU.h"

#include "FormFonts.h"

#include <QScreen>

ImageDispersion CountImageDispersion(const engine::Board &board)
{
    ImageDispersion dispersion;
    for (int column = 0; column < engine::FieldColumns; ++column) {
        for (int row = 0; row < engine::Rows; ++row) {
            const engine::Cell &cell = board.at(column, row);
            // The filler of a closed-in column is no symbol and has no count of its own.
            if (cell.state == engine::CellState::Normal && cell.kind < engine::KindCount) {
                ++dispersion.counts[cell.kind];
                ++dispersion.total;
            }
        }
    }
    return dispersion;
}

Tdispers_form::Tdispers_form(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::Tdispers_form>())
{
    ui_->setupUi(this);
    setFixedSize(size());
    applyPixelSizes(this);
}

Tdispers_form::~Tdispers_form() = default;

void Tdispers_form::showDispersion(const ImageDispersion &dispersion,
                                   const std::array<QPixmap, engine::KindCount> &normalPictures,
                                   const std::array<QString, engine::KindCount> &names)
{
    const std::array<QLabel *, engine::KindCount> images = {ui_->Image1, ui_->Image2, ui_->Image3,
                                                            ui_->Image4, ui_->Image5};
    const std::array<QLabel *, engine::KindCount> counts = {ui_->Label1, ui_->Label2, ui_->Label3,
                                                            ui_->Label4, ui_->Label5};
    for (int kind = 0; kind < engine::KindCount; ++kind) {
        images[kind]->setPixmap(normalPictures[kind]);
        counts[kind]->setText(tr("%n times", nullptr, dispersion.counts[kind]));
        images[kind]->setAccessibleName(names[kind]);
        if (!names[kind].isEmpty())
            counts[kind]->setAccessibleName(
                tr("%1: %n times", nullptr, dispersion.counts[kind]).arg(names[kind]));
    }
    ui_->Label6->setText(tr("%n total", nullptr, dispersion.total));
}

void Tdispers_form::showEvent(QShowEvent *e)
{
    // Centred on the desktop rather than over the main window.
    QDialog::showEvent(e);
    if (const QScreen *desktop = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        move(frame.topLeft());
    }
}

void ShowImageDispersion(QWidget *parent, const engine::Board &board,
                         const std::array<QPixmap, engine::KindCount> &normalPictures,
                         const std::array<QString, engine::KindCount> &names)
{
    Tdispers_form form(parent);
    form.showDispersion(CountImageDispersion(board), normalPictures, names);
    form.exec();
}
