#include "HighScoreListU.h"

#include "ui_HighScoreListU.h"

#include "AppFiles.h"
#include "FormFonts.h"
#include "ProfileFile.h"
#include "Sound.h"
#include "SystemInfo.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QTableWidgetItem>

#include <algorithm>
#include <limits>

namespace {

constexpr int NameMaxLength = 255;

// Window managers write a caption in a bold font, larger than a dialog's text, beside the
// window's icon and up to three buttons.
constexpr double TitleFontScale = 1.25;
constexpr int TitleBarButtonsWidth = 120;

// The width at which a window's caption shows whole in its title bar.
int widthForCaption(const QWidget &window)
{
    QFont title = window.font();
    title.setBold(true);
    if (title.pointSizeF() > 0)
        title.setPointSizeF(title.pointSizeF() * TitleFontScale);
    else
        title.setPixelSize(qRound(title.pixelSize() * TitleFontScale));
    return QFontMetrics(title).horizontalAdvance(window.windowTitle()) + TitleBarButtonsWidth;
}

// Points and bonus are each within 32 bits, their sum need not be: the entry is clamped.
int entryTotal(int points, int bonus)
{
    return static_cast<int>(std::clamp<qint64>(
        qint64(points) + bonus, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Whether a finished game with these points earns a place in the list of its mode.
bool earnsPlace(int mode, int points)
{
    return !ScoreSectionName(mode).isEmpty() && LowestStoredScore(mode) < points;
}

void showWriteError(QWidget *parent, const platform::ProfileWriteError &error)
{
    QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), error.message());
}

}  // namespace

THighScoreForm::THighScoreForm(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::THighScoreForm>())
{
    ui->setupUi(this);
    applyPixelSizes(this);
    ui->vl->setColumnWidth(0, 300);
    ui->vl->setColumnWidth(1, 62);
    // The title row is as high as the list's rows.
    ui->vl->horizontalHeader()->setFixedHeight(ui->vl->verticalHeader()->defaultSectionSize());
    ui->vl->setAccessibleName(tr("High scores"));
}

THighScoreForm::~THighScoreForm() { FormDestroy(); }

void THighScoreForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Loading and the name prompt wait until the window stands on the screen, and happen once
    // per window: activating it again (after the prompt, say) must not read the list twice.
    if (!activated_) {
        activated_ = true;
        QMetaObject::invokeMethod(this, &THighScoreForm::FormActivate, Qt::QueuedConnection);
    }
}

void THighScoreForm::FormActivate()
{
    LoadScores();
    // A mode without a list has nowhere to keep a name; asking for one would only lose it.
    if (loaded_ && addValue_ && scores_.Qualifies(actualScore_)) askForName();
    ShowScores();
}

void THighScoreForm::LoadScores()
{
    const QString section = ScoreSectionName(mode_);
    if (section.isEmpty()) return;
    scores_.LoadScores(platform::ProfileFile(platform::highScoreFilePath()), section);
    setWindowTitle(tr(section.toLatin1().constData()));
    loaded_ = true;
}

void THighScoreForm::SaveScores()
{
    platform::ProfileFile file(platform::highScoreFilePath());
    scores_.SaveScores(file, ScoreSectionName(mode_), added_);
}

void THighScoreForm::askForName()
{
    QInputDialog prompt(this);
    prompt.setInputMode(QInputDialog::TextInput);
    prompt.setWindowTitle(tr("You entered the high score list!"));
    prompt.setLabelText(tr("Please enter your name"));
    prompt.setTextValue(platform::loginName());
    if (auto *edit = prompt.findChild<QLineEdit *>()) {
        edit->setMaxLength(NameMaxLength);
        edit->setAccessibleName(tr("Your name"));
        edit->selectAll();
        // The prompt's layout sizes it around its contents: the edit line makes it wide.
        edit->setMinimumWidth(widthForCaption(prompt));
    }
    // A session that ends stops the prompt's loop: the name in the field counts as given.
    if (prompt.exec() != QDialog::Accepted && !sessionEnding_) return;
    const QString name = StorableName(prompt.textValue());
    if (name.isEmpty()) return;
    lastTotal_ = entryTotal(actualScore_, bonus_);
    scores_.Insert(name, lastTotal_);
    added_ = NewEntry{name, actualScore_, lastTotal_};
}

void THighScoreForm::ShowScores()
{
    const auto &entries = scores_.entries();
    ui->vl->setRowCount(int(entries.size()));
    int selected = 0;
    for (int row = 0; row < int(entries.size()); ++row) {
        ui->vl->setItem(row, 0, new QTableWidgetItem(entries[std::size_t(row)].name));
        ui->vl->setItem(row, 1,
                        new QTableWidgetItem(QString::number(entries[std::size_t(row)].score)));
        if (entries[std::size_t(row)].score == lastTotal_) selected = row;
    }
    if (!entries.empty()) ui->vl->selectRow(selected);
}

void THighScoreForm::closeEvent(QCloseEvent *event)
{
    if (!closed_) {
        event->ignore();
        FormClose();
        return;
    }
    QDialog::closeEvent(event);
}

void THighScoreForm::reject()
{
    if (!closed_) {
        FormClose();
        return;
    }
    QDialog::reject();
}

void THighScoreForm::EndSession() { sessionEnding_ = true; }

void THighScoreForm::FormClose()
{
    if (closing_) return;  // already shrinking; the close goes on when it ends
    const QRect from = geometry();
    closing_ = new QPropertyAnimation(this, "geometry", this);
    closing_->setDuration(std::max(0, closingDuration_));
    closing_->setStartValue(from);
    closing_->setEndValue(QRect(from.left(), from.center().y(), from.width(), 0));
    connect(
        closing_, &QAbstractAnimation::finished, this,
        [this] {
            closed_ = true;
            close();
        },
        Qt::QueuedConnection);
    closing_->start();
}

void THighScoreForm::FormDestroy()
{
    if (!loaded_) return;
    try {
        SaveScores();
    } catch (const platform::ProfileWriteError &error) {
        showWriteError(parentWidget(), error);
    }
}

void ShowHighScores(QWidget *parent, bool AddEntry, int mode, int points, int bonus, bool soundsOn)
{
    if (AddEntry && !earnsPlace(mode, points)) return;
    if (AddEntry && soundsOn) platform::PlaySound(QStringLiteral("APPLAUSE"));
    THighScoreForm form(parent);
    form.setAddValue(AddEntry);
    form.setMode(mode);
    if (AddEntry) {
        form.setBonus(bonus);
        form.setActualScore(points);
    }
    form.exec();
}

void StoreHighScoreAtSessionEnd(QWidget *parent, int mode, int points, int bonus)
{
    if (!earnsPlace(mode, points)) return;
    const QString name = StorableName(platform::loginName());
    if (name.isEmpty()) return;
    ScoreList scores;
    platform::ProfileFile file(platform::highScoreFilePath());
    try {
        scores.SaveScores(file, ScoreSectionName(mode),
                          NewEntry{name, points, entryTotal(points, bonus)});
    } catch (const platform::ProfileWriteError &error) {
        showWriteError(parent, error);
    }
}
