#include "Results.h"

#include "ui_Results.h"

#include "AppFiles.h"
#include "FormFonts.h"
#include "Resources.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>
#include <QWindow>

TResultForm::TResultForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(std::make_unique<Ui::TResultForm>())
{
    ui->setupUi(this);
    applyPixelSizes(this);
    // At its own size in the top-left corner; the margin right of and below it stays white.
    ui->Image1->setPixmap(QPixmap::fromImage(resources::gameOverBackground()));
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TResultForm::SpeedButton1Click);
    // The window has no title bar: a screen reader names it so, and reads the result with it.
    setAccessibleName(tr("Game over"));
}

TResultForm::~TResultForm() = default;

QLabel *TResultForm::label6() const { return ui->Label6; }

void TResultForm::FormActivate()
{
    ui->Label1->setText(results_);
    ui->Label2->setText(leftover_);
    ui->Label5->setText(bonus_);
    ui->Label3->setText(platform::fileNameWithoutExt(platform::executablePath()));
    // Labels take the size of their text; a line longer than the window is cut at its edge.
    for (QLabel *label : {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6})
        label->adjustSize();
    setAccessibleDescription(
        QStringList{results_, leftover_, bonus_, ui->Label6->text()}.join(QLatin1Char('\n')));
}

void TResultForm::SpeedButton1Click() { accept(); }

bool TResultForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(event);
}

void TResultForm::showEvent(QShowEvent *event)
{
    // Also here, so the texts stand in place before the first paint, whenever activation comes.
    FormActivate();
    QDialog::showEvent(event);
}

void TResultForm::keyPressEvent(QKeyEvent *event)
{
    // The window has nothing to type into: Enter and Escape both close it, as OK does.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: accept(); break;
    default: QDialog::keyPressEvent(event);
    }
}

bool TResultForm::isDragPoint(const QPoint &pos) const
{
    for (const QToolButton *button : findChildren<QToolButton *>()) {
        if (QRect(button->mapTo(this, QPoint(0, 0)), button->size()).contains(pos)) return false;
    }
    return rect().contains(pos);
}

bool TResultForm::startSystemMove()
{
    QWindow *window = windowHandle();
    return window && window->startSystemMove();
}

void TResultForm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isDragPoint(event->position().toPoint())) {
        QDialog::mousePressEvent(event);
        return;
    }
    event->accept();
    if (!startSystemMove()) dragOffset_ = event->globalPosition().toPoint() - pos();
}

void TResultForm::mouseMoveEvent(QMouseEvent *event)
{
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void TResultForm::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragOffset_ && event->button() == Qt::LeftButton) {
        dragOffset_.reset();
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}
