// The settings and high score files under kill and under load, through the game's own writing
// code, with real processes:
//   (a) a process writing one of the files is killed with SIGKILL at a random moment, again and
//       again; after each kill the file must be exactly the old or a newer version, whole, and
//       after the next write no temporary or lock file may be left;
//   (b) several processes save at once, to sections of their own, to keys of one shared section
//       and, through the high score window's saving path, to one shared list and as mere
//       viewers of it; at the end nothing any of them stored may be missing.
// Usage: profile_stress [--kills N] [--processes P] [--rounds R] [--seed S]
// Prints the figures and exits with 1 when a file was damaged, an entry lost or a temporary left.
#include "ProfileFile.h"
#include "ProfileText.h"
#include "ScoreList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::ProfileFile;
using platform::ProfileText;

struct Options {
    int kills = 20;
    int processes = 3;
    int rounds = 30;
    unsigned seed = 1;
};

struct Figures {
    int kills = 0;
    int cutHalfWay = 0;  // kills that left a temporary or a lock behind
    int damaged = 0;
    int temporariesLeft = 0;
    int lost = 0;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lines no write touches, so that a file is big enough for a kill to land inside a write.
QByteArray padding()
{
    QByteArray text = "; kept as it is by every write\n[Padding]\n";
    for (int i = 0; i < 1500; ++i)
        text += "line" + QByteArray::number(i) + "=" + QByteArray(24, 'p') + "\n";
    return text;
}

QString settingsName(const QString &dir) { return dir + "/quorbix.ini"; }
QString scoresName(const QString &dir) { return dir + "/quorbix.hsl"; }

// Version v of each file as the game's writing code leaves it.
QByteArray settingsVersion(int v)
{
    ProfileText text(padding());
    text.setValue("Sounds", "Play Sounds", "1");
    text.setValue("Modus", "Shifter", QString::number(v));
    return text.bytes();
}

QByteArray scoresVersion(int v)
{
    ProfileText text(padding());
    std::vector<std::pair<QString, QString>> keys;
    for (int i = 0; i < ScoreList::Capacity && v - i > 0; ++i)
        keys.emplace_back(QString("K%1_%2").arg(v - i).arg(i), QString::number(v - i));
    text.replaceSection(ScoreSectionName(0), keys);
    return text.bytes();
}

void writeSettings(const QString &dir, int v)
{
    ProfileFile(settingsName(dir)).writeInteger("Modus", "Shifter", v);
}

void writeScores(const QString &dir, int v)
{
    ProfileFile file(scoresName(dir));
    ScoreList().SaveScores(file, ScoreSectionName(0), NewEntry{QString("K%1").arg(v), v, v});
}

int storedSettingsVersion(const QString &dir)
{
    return ProfileFile(settingsName(dir)).readInteger("Modus", "Shifter", -1);
}

int storedScoresVersion(const QString &dir)
{
    ScoreList list;
    list.LoadScores(ProfileFile(scoresName(dir)), ScoreSectionName(0));
    return list.entries().empty() ? 0 : list.entries().front().score;
}

struct FileKind {
    const char *name;
    QString (*path)(const QString &);
    QByteArray (*version)(int);
    void (*write)(const QString &, int);
    int (*stored)(const QString &);
};

const FileKind kKinds[] = {
    {"settings", settingsName, settingsVersion, writeSettings, storedSettingsVersion},
    {"high scores", scoresName, scoresVersion, writeScores, storedScoresVersion},
};

// Whatever lies in the folder beside the two files: temporaries and locks.
QStringList leftovers(const QString &dir)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const FileKind &kind : kKinds) names.removeAll(QFileInfo(kind.path(dir)).fileName());
    return names;
}

// (a): kill writers at random moments.
void killWriters(const Options &options, const QString &dir, Figures &figures)
{
    std::mt19937 random(options.seed);
    for (int k = 0; k < options.kills; ++k) {
        const FileKind &kind = kKinds[k % 2];
        const QString path = kind.path(dir);
        const int before = kind.stored(dir);
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                for (int v = before + 1;; ++v) kind.write(dir, v);
            } catch (const std::exception &e) {
                std::fprintf(stderr, "writer: %s\n", e.what());
                ::_exit(1);
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ++figures.kills;

        const int after = kind.stored(dir);
        if (after < before || readAll(path) != kind.version(after)) {
            ++figures.damaged;
            std::fprintf(stderr, "kill %d: the %s file is damaged (version %d before)\n", k,
                         kind.name, before);
        }
        if (!leftovers(dir).isEmpty()) ++figures.cutHalfWay;
        kind.write(dir, after + 1);
        const QStringList left = leftovers(dir);
        if (!left.isEmpty()) {
            figures.temporariesLeft += left.size();
            std::fprintf(stderr, "kill %d: left after the next write: %s\n", k,
                         qPrintable(left.join(", ")));
        }
    }
}

// (b): one saving process of the load.
void save(const Options &options, const QString &dir, int p)
{
    ProfileFile ini(settingsName(dir));
    ProfileFile hsl(scoresName(dir));
    const QString section = ScoreSectionName(0);
    for (int r = 0; r < options.rounds; ++r) {
        ini.writeInteger(QString("Process %1").arg(p), "Round", r);
        ini.writeInteger("Shared", QString("p%1").arg(p), r);
        const int score = r * options.processes + p + 1;  // unique among all processes
        const QString name = QString("p%1r%2").arg(p).arg(r);
        ScoreList().SaveScores(hsl, section, NewEntry{name, score, score});
        ScoreList viewer;  // a window opened only to look
        viewer.LoadScores(hsl, section);
        viewer.SaveScores(hsl, section, std::nullopt);
    }
}

void saveAtOnce(const Options &options, const QString &dir, Figures &figures)
{
    std::vector<pid_t> children;
    std::fflush(nullptr);
    for (int p = 0; p < options.processes; ++p) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                save(options, dir, p);
            } catch (const std::exception &e) {
                std::fprintf(stderr, "process %d: %s\n", p, e.what());
                ::_exit(1);
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ++figures.lost;
    }

    const ProfileFile ini(settingsName(dir));
    const int last = options.rounds - 1;
    for (int p = 0; p < options.processes; ++p) {
        figures.lost += ini.readInteger(QString("Process %1").arg(p), "Round", -1) != last;
        figures.lost += ini.readInteger("Shared", QString("p%1").arg(p), -1) != last;
    }
    // Every score is unique, so the list must be exactly the best ten of all of them.
    ScoreList stored;
    stored.LoadScores(ProfileFile(scoresName(dir)), ScoreSectionName(0));
    const int best = options.rounds * options.processes;
    const int expected = std::min(best, int(ScoreList::Capacity));
    int found = 0;
    for (int i = 0; i < int(stored.entries().size()); ++i)
        found += i < expected && stored.entries()[std::size_t(i)].score == best - i;
    figures.lost += expected - found + std::max(0, int(stored.entries().size()) - expected);
}

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const long value = std::strtol(argv[i + 1], nullptr, 10);
        if (value < 0) return false;
        if (!std::strcmp(argv[i], "--kills"))
            options.kills = int(value);
        else if (!std::strcmp(argv[i], "--processes"))
            options.processes = int(value);
        else if (!std::strcmp(argv[i], "--rounds"))
            options.rounds = int(value);
        else if (!std::strcmp(argv[i], "--seed"))
            options.seed = unsigned(value);
        else
            return false;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--kills N] [--processes P] [--rounds R] [--seed S]\n",
                     argv[0]);
        return 2;
    }
    Figures figures;
    try {
        {
            QTemporaryDir dir;
            for (const FileKind &kind : kKinds) {
                QFile file(kind.path(dir.path()));
                if (!file.open(QIODevice::WriteOnly) || file.write(kind.version(0)) < 0) return 2;
            }
            killWriters(options, dir.path(), figures);
        }
        QTemporaryDir dir;
        saveAtOnce(options, dir.path(), figures);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("kills %d (cut half-way %d), files damaged %d, temporaries left %d; "
                "%d processes x %d rounds, entries lost %d\n",
                figures.kills, figures.cutHalfWay, figures.damaged, figures.temporariesLeft,
                options.processes, options.rounds, figures.lost);
    return figures.damaged || figures.temporariesLeft || figures.lost ? 1 : 0;
}
