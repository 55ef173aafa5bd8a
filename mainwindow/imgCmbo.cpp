#include "imgCmbo.h"

#include "ui_imgCmbo.h"

#include "AppFiles.h"
#include "FocusFrame.h"
#include "FormFonts.h"
#include "PictureNames.h"
#include "ProfileFile.h"
#include "Resources.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QStyle>

#include <algorithm>

TForm2::TForm2(QWidget *parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm2>())
{
    ui_->setupUi(this);
    applyPixelSizes(this);
    ui_->LV->setColumnWidth(0, 36);
    ui_->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui_->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    images_ = {ui_->Image1, ui_->Image2, ui_->Image3, ui_->Image4, ui_->Image5};
    for (QLabel *image : images_) image->installEventFilter(this);

    // By keyboard: the list, then the five boxes (Enter or Space puts the picture on the box's
    // kind; the arrows go round them), then the buttons.
    ui_->LV->setAccessibleName(tr("Pictures"));
    QWidget *previous = ui_->LV;
    for (QLabel *image : images_) {
        image->setFocusPolicy(Qt::StrongFocus);
        setTabOrder(previous, image);
        previous = image;
    }

    // FormCreate: until the settings are read, kind k shows picture k.
    for (int kind = 0; kind < 5; ++kind) choice_[kind] = kind;
}

TForm2::~TForm2() = default;

const resources::PictureLibrary *TForm2::listInUse() const
{
    return kidSize_ ? bigList_ : smallList_;
}

QString TForm2::section() const
{
    return kidSize_ ? QStringLiteral("Symbols") : QStringLiteral("Small Symbols");
}

bool TForm2::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(e);
}

void TForm2::showEvent(QShowEvent *e)
{
    // Filled before the first paint, also where the window manager never activates us.
    FormActivate();
    QDialog::showEvent(e);
}

void TForm2::resizeEvent(QResizeEvent *e)
{
    // The picture list runs down the whole left edge, however tall the player makes the dialog.
    ui_->LV->resize(ui_->LV->width(), height());
    QDialog::resizeEvent(e);
}

void TForm2::FormActivate()
{
    // Only the first activation loads: coming back from another application must neither
    // drop the placements made so far nor list every picture a second time.
    if (loaded_) return;
    loaded_ = true;

    const platform::ProfileFile settings(platform::settingsFilePath());
    for (int kind = 0; kind < 5; ++kind)
        choice_[kind] = settings.readInteger(section(), QString::number(kind), kind);

    if (const resources::PictureLibrary *list = listInUse()) {
        const int size = list->pictureSize();
        const qreal ratio = devicePixelRatioF();
        ui_->LV->setIconSize(QSize(size, size));
        for (int n = 0; n < list->count(); ++n) {
            auto *row = new QTreeWidgetItem(ui_->LV);
            row->setIcon(0, QIcon(list->plain(n, ratio)));
            row->setData(0, Qt::AccessibleTextRole, quorbix::libraryPictureName(kidSize_, n));
        }
    }
    for (int kind = 0; kind < 5; ++kind) drawChoice(kind);
}

void TForm2::drawChoice(int kind)
{
    const resources::PictureLibrary *list = listInUse();
    const QString shown = list ? quorbix::libraryPictureName(kidSize_, choice_[kind]) : QString();
    images_[kind]->setAccessibleName(
        tr("Symbol %1: %2").arg(kind + 1).arg(shown.isEmpty() ? tr("blank") : shown));
    if (!list) {
        images_[kind]->clear();
        return;
    }
    // Drawn like the board's cell. A stored number outside the library leaves the box white.
    const qreal ratio = devicePixelRatioF();
    images_[kind]->setPixmap(
        resources::onWhite(list->plain(choice_[kind], ratio), list->pictureSize(), ratio));
}

void TForm2::placeSelectedPicture(int kind)
{
    const QList<QTreeWidgetItem *> selected = ui_->LV->selectedItems();
    // With no picture picked there is nothing to place; the help text beside the boxes
    // already says to pick one first, so the box keeps what it shows.
    if (selected.isEmpty()) return;
    choice_[kind] = ui_->LV->indexOfTopLevelItem(selected.first());
    drawChoice(kind);
}

void TForm2::Image1DblClick() { placeSelectedPicture(0); }
void TForm2::Image2DblClick() { placeSelectedPicture(1); }
void TForm2::Image3DblClick() { placeSelectedPicture(2); }
void TForm2::Image4DblClick() { placeSelectedPicture(3); }
void TForm2::Image5DblClick() { placeSelectedPicture(4); }

bool TForm2::imageKey(int kind, const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: placeSelectedPicture(kind); return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        images_[static_cast<std::size_t>((kind + 4) % 5)]->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        images_[static_cast<std::size_t>((kind + 1) % 5)]->setFocus(Qt::OtherFocusReason);
        return true;
    default: return false;
    }
}

bool TForm2::eventFilter(QObject *watched, QEvent *e)
{
    const auto box = std::find(images_.begin(), images_.end(), watched);
    if (box != images_.end()) {
        const int kind = static_cast<int>(box - images_.begin());
        switch (e->type()) {
        case QEvent::KeyPress:
            if (imageKey(kind, *static_cast<QKeyEvent *>(e))) return true;
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut: (*box)->update(); break;
        case QEvent::Paint: {
            // The picture first, then the focus over its edge.
            static_cast<QObject *>(*box)->event(e);
            QPainter painter(*box);
            menuskin::PaintFocusFrame(painter, **box);
            return true;
        }
        default: break;
        }
    }
    if (e->type() == QEvent::MouseButtonDblClick) {
        using Handler = void (TForm2::*)();
        static constexpr std::array<Handler, 5> handlers = {
            &TForm2::Image1DblClick, &TForm2::Image2DblClick, &TForm2::Image3DblClick,
            &TForm2::Image4DblClick, &TForm2::Image5DblClick};
        for (int kind = 0; kind < 5; ++kind) {
            if (watched == images_[kind]) {
                (this->*handlers[kind])();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TForm2::done(int result)
{
    // The choices must be in the file before exec() returns, because the caller reloads its
    // pictures from there right away; so they are written as the dialog closes.
    setResult(result);
    FormDeactivate();
    QDialog::done(result);
}

void TForm2::FormDeactivate()
{
    if (result() != QDialog::Accepted) return;
    try {
        platform::ProfileFile settings(platform::settingsFilePath());
        for (int kind = 0; kind < 5; ++kind)
            settings.writeInteger(section(), QString::number(kind), choice_[kind]);
    } catch (const platform::ProfileWriteError &error) {
        QMessageBox::critical(this, QGuiApplication::applicationDisplayName(), error.message());
    }
}
