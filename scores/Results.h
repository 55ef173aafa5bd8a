#pragma once
// The game-over window: the program's name, "Game over !", the four result lines of the
// finished game and a flat OK button. It has no title bar; a press anywhere but on a button
// drags it.

#include <QDialog>
#include <QPoint>
#include <QString>

#include <memory>
#include <optional>

class QLabel;
class QKeyEvent;
class QMouseEvent;
class QShowEvent;

namespace Ui {
class TResultForm;
}

class TResultForm : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString Results READ Results WRITE setResults)
    Q_PROPERTY(QString Leftover READ Leftover WRITE setLeftover)
    Q_PROPERTY(QString Bonus READ Bonus WRITE setBonus)

public:
    explicit TResultForm(QWidget *parent = nullptr);
    ~TResultForm() override;

    // Each text reaches its label when the window is shown.
    QString Results() const { return results_; }
    void setResults(const QString &text) { results_ = text; }
    QString Leftover() const { return leftover_; }
    void setLeftover(const QString &text) { leftover_ = text; }
    QString Bonus() const { return bonus_; }
    void setBonus(const QString &text) { bonus_ = text; }

    // The total line, whose caption the caller sets directly.
    QLabel *label6() const;

    // Whether a left press at this point (window coordinates) drags the window: anywhere but
    // inside a speed button, so the buttons keep working.
    bool isDragPoint(const QPoint &pos) const;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    // Hands the move to the window system; false where it cannot move windows for us.
    virtual bool startSystemMove();

private:
    void FormActivate();
    void SpeedButton1Click();

    std::unique_ptr<Ui::TResultForm> ui;
    QString results_;
    QString leftover_;
    QString bonus_;
    // Where the pointer holds the window while we move it ourselves.
    std::optional<QPoint> dragOffset_;
};
