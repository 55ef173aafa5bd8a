// quorbix-monkey: plays the real game with random but seeded input and checks that it neither
// crashes nor hangs, and still plays afterwards.
//
//   quorbix-monkey [--events N] [--seed S] [--answer-seconds T] [--trace]
//
// Every window the game opens gets input while it is on top and is closed again; a quit starts
// the main window afresh. The game's files live in a scratch folder. Exit status 0 when the run
// ends with a New Game and one removal that work; a hang aborts with the seed and the event.
// --trace prints every event as it is sent, to see what led to a failing seed's last event.

#include "Monkey.h"
#include "Watchdog.h"

#include "DrawGrid.h"
#include "Quorbix.h"
#include "StatusPanels.h"

#include "Resources.h"
#include "TempExeDir.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QTest>
#include <QUrl>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Options {
    long events = 2000;
    std::uint32_t seed = 1;
    int answerSeconds = 5;
    bool trace = false;
};

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0) {
            options.trace = true;
            continue;
        }
        if (i + 1 == argc) return false;
        char *end = nullptr;
        const long long value = std::strtoll(argv[i + 1], &end, 10);
        if (*end != '\0' || value < 0) return false;
        if (std::strcmp(argv[i], "--events") == 0)
            options.events = static_cast<long>(value);
        else if (std::strcmp(argv[i], "--seed") == 0)
            options.seed = static_cast<std::uint32_t>(value);
        else if (std::strcmp(argv[i], "--answer-seconds") == 0 && value > 0)
            options.answerSeconds = static_cast<int>(value);
        else
            return false;
        ++i;
    }
    return true;
}

// Links in the About box and the help text would start a browser or a mail program; the monkey
// only counts them.
class DesktopStandIn : public QObject {
    Q_OBJECT
public:
    DesktopStandIn()
    {
        for (const char *scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    }
    ~DesktopStandIn() override
    {
        for (const char *scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    int opened = 0;
public slots:
    void openUrl(const QUrl &) { ++opened; }
};

// The game as a player has it: the main window, its settings and high scores in a folder of
// their own, and the help file beside them.
class Game : public MonkeyHost {
public:
    explicit Game(std::uint32_t seed) : seed_(seed)
    {
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/quorbix.hlp"),
                    files_.filePath(QStringLiteral("quorbix.hlp")));
        restartMainWindow();
    }

    QWidget *mainWindow() override { return form_.get(); }
    TForm1 &form() { return *form_; }
    int restarts() const { return restarts_; }

    void restartMainWindow() override
    {
        if (form_) ++restarts_;
        form_.reset();
        form_ = std::make_unique<TForm1>();
        // Deals follow the seed, not the time of day, so that a run can be repeated.
        form_->game().setClock([this] { return seed_ * 2654435761U + 40503U * ++deals_; });
        form_->show();
        form_->activateWindow();
    }

    std::optional<QPoint> groupCell(int pick) override
    {
        if (!form_) return std::nullopt;
        const engine::Game &play = form_->game();
        const auto removable = [&play](int column, int row) {
            return play.board().at(column, row).state != engine::CellState::Empty &&
                   !play.IsIsolated(column, row);
        };
        std::vector<QPoint> cells;
        for (int column = 0; column < engine::FieldColumns; ++column)
            for (int row = 0; row < engine::Rows; ++row)
                if (removable(column, row)) cells.emplace_back(column, row);
        if (cells.empty()) return std::nullopt;
        const QPoint cell = cells[static_cast<std::size_t>(pick) % cells.size()];
        TDrawGrid *grid = form_->grid();
        // Cell rectangles lie inside the grid's 2-pixel border.
        return grid->mapTo(form_.get(), grid->cellRect(cell.x(), cell.y()).center() + QPoint(2, 2));
    }

private:
    const std::uint32_t seed_;
    std::uint32_t deals_ = 0;
    TempExeDir files_;
    std::unique_ptr<TForm1> form_;
    int restarts_ = 0;
};

// A New Game deals a full board, and a double-click on a group of two removes it and scores.
QString checkStillPlays(Game &game)
{
    TForm1 &form = game.form();
    form.findChild<QAction *>(QStringLiteral("NewGame1"))->trigger();
    const engine::Game &play = form.game();
    if (play.totalScore().points() != 0 ||
        play.SymbolsLeft() != engine::FieldColumns * engine::Rows)
        return QStringLiteral("New Game did not deal a full board");
    const std::optional<QPoint> cell = game.groupCell(0);
    if (!cell) return QStringLiteral("the new board has no group to remove");
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, *cell);
    if (play.totalScore().points() < 2 || !play.undoAvailable())
        return QStringLiteral("a double-click on a group did not remove it");
    const QString total = QString::fromLatin1(play.totalScore().text().data());
    if (form.statusBar1()->panelText(3) != total)
        return QStringLiteral("the status bar does not show the total %1").arg(total);
    return {};
}

// The offscreen platform says so each time a window asks for opacity, a raise or a keyboard
// grab; everything else the toolkit says is shown as usual.
QtMessageHandler defaultMessages = nullptr;

void dropPlatformNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        defaultMessages(type, context, message);
}

}  // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--events N] [--seed S] [--answer-seconds T] [--trace]\n",
                     argv[0]);
        return 2;
    }
    defaultMessages = qInstallMessageHandler(dropPlatformNotices);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorbix"));
    resources::init();
    resources::registerFonts();

    Watchdog watchdog(options.seed, std::chrono::seconds(options.answerSeconds));
    DesktopStandIn desktop;
    Game game(options.seed);
    Monkey monkey(options.seed, options.events, options.trace, game, watchdog);
    bool done = false;
    QObject::connect(&monkey, &Monkey::finished, &app, [&done] {
        done = true;
        QApplication::quit();
    });
    monkey.start();
    // A quit key ends the event loop as it ends the game; the monkey starts it again.
    while (!done) QApplication::exec();

    watchdog.busy(monkey.eventsSent(), "the New Game and removal after the run");
    const QString fault = checkStillPlays(game);
    watchdog.idle();
    QStringList windows;
    for (auto it = monkey.windowsSeen().begin(); it != monkey.windowsSeen().end(); ++it)
        windows << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    std::printf(
        "monkey: seed %u, %ld events, slowest answer %lld ms, main window restarted %d times, "
        "links opened %d\nmonkey: windows opened: %s\n",
        options.seed, monkey.eventsSent(), static_cast<long long>(watchdog.longestAnswer().count()),
        game.restarts(), desktop.opened, qPrintable(windows.join(QStringLiteral(", "))));
    if (fault.isEmpty())
        std::printf("monkey: the game still plays\n");
    else
        std::printf("monkey: seed %u: after the run, %s\n", options.seed, qPrintable(fault));
    // Now: the leak check at exit ends the process without flushing what is buffered.
    std::fflush(stdout);
    return fault.isEmpty() ? 0 : 1;
}

#include "main.moc"
