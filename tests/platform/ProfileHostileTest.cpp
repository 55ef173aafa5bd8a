// Damaged and hostile profile files: the reader never crashes or hangs, and a write never
// destroys what it could not read.
#include "AtomicWrite.h"
#include "ProfileFile.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using platform::ProfileFile;
using platform::ProfileWriteError;

namespace {

class ProfileHostileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath("quorbix.hsl"); }
    void put(const QByteArray &bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList files() const
    {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The number of a process that has ended.
    static pid_t deadPid()
    {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }

    QTemporaryDir dir_;
};

TEST_F(ProfileHostileTest, BinaryJunkAndInvalidUtf8ReadAsDefaultsAndSurviveWrites)
{
    QByteArray junk("\x00\xff\xfe[\x00]=\x01\n\xc3=\x80\r\r\n[\xff\xfe]\nk\xe2\x82=1\n", 27);
    std::mt19937 random(7);
    for (int i = 0; i < 4000; ++i) junk += static_cast<char>(random() & 0xff);
    const QByteArray before = junk + "\n[high score]\nAnn_0=9\n";
    put(before);
    ProfileFile hsl(path());
    EXPECT_EQ(hsl.readInteger("high score", "Ann_0", 0), 9);
    EXPECT_EQ(hsl.readInteger("\xff\xfe", "k", 5), 5);

    hsl.writeInteger("high score", "Bob_1", 3);
    EXPECT_EQ(bytes(), before + "Bob_1=3\n");
}

TEST_F(ProfileHostileTest, OverlongLinesAreSkippedButStillEndASection)
{
    const QByteArray huge(200 * 1024, 'a');
    put("[Modus]\nShifter=" + huge + "\n" + huge +
        "=1\n[high score]\nAnn_0=9\n"
        "[" +
        huge + "]\nShifter=3\n[Modus]\nLater=1\n");
    ProfileFile ini(path());
    EXPECT_EQ(ini.readString("Modus", "Shifter", "d"), "d");
    EXPECT_EQ(ini.readKeys("Modus"), QStringList());
    EXPECT_EQ(ini.readInteger("high score", "Ann_0", 0), 9);
    // The long header closed "high score": its "Shifter" is nobody's.
    EXPECT_EQ(ini.readKeys("high score"), QStringList("Ann_0"));

    EXPECT_THROW(ini.writeString("Modus", "Shifter", QString(100 * 1024, u'x')), ProfileWriteError);
}

TEST_F(ProfileHostileTest, AFileOfHundredsOfMegabytesIsNeitherReadNorReplaced)
{
    put("[Modus]\nShifter=2\n");
    {
        QFile f(path());
        ASSERT_TRUE(f.resize(300LL * 1024 * 1024));  // sparse: costs no disk
    }
    ProfileFile ini(path());
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), 0);
    EXPECT_TRUE(ini.readKeys("Modus").isEmpty());
    EXPECT_THROW(ini.writeInteger("Modus", "Shifter", 1), ProfileWriteError);
    EXPECT_EQ(QFileInfo(path()).size(), 300LL * 1024 * 1024);
}

TEST_F(ProfileHostileTest, AFifoInPlaceOfTheFileNeitherBlocksNorIsReplaced)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    ProfileFile ini(path());
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 6), 6);
    EXPECT_THROW(ini.writeInteger("Modus", "Shifter", 1), ProfileWriteError);
    EXPECT_FALSE(QFileInfo(path()).isFile());
}

// Many writes of random names made of the characters that matter to the format: every key
// written before still reads back, and the guarding section never changes.
TEST_F(ProfileHostileTest, RandomNamesNeverDisturbOtherKeysOrSections)
{
    put("[Guard]\nkeep=1\n");
    ProfileFile ini(path());
    const QString alphabet = QStringLiteral("ab=[];\r\n\t _\x01Zä");
    std::mt19937 random(42);
    auto randomText = [&] {
        QString s;
        const int length = static_cast<int>(random() % 8);
        for (int i = 0; i < length; ++i)
            s += alphabet[static_cast<int>(random() % alphabet.size())];
        return s;
    };
    QMap<QString, QString> written;  // key as given -> value as read back
    for (int i = 0; i < 150; ++i) {
        const QString key = randomText() + "#" + QString::number(i);
        const QString value = randomText();
        ini.writeString("Data", key, value);
        written[key] = ini.readString("Data", key, "<missing>");
        ASSERT_NE(written[key], "<missing>") << i;
    }
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        EXPECT_EQ(ini.readString("Data", it.key(), "<missing>"), it.value());
    }
    EXPECT_EQ(ini.readKeys("Data").size(), written.size());
    EXPECT_TRUE(bytes().startsWith("[Guard]\nkeep=1\n\n[Data]\n"));
    EXPECT_EQ(ini.readKeys("Guard"), QStringList("keep"));
}

// Two copies of the game: one holding the lock is waited for, a few seconds, then the write
// fails and changes nothing; a lock left by a copy that died is taken over at once.
TEST_F(ProfileHostileTest, AnotherWritersLockIsWaitedForAndADeadOnesIsTakenOver)
{
    put("[Modus]\nShifter=1\n");
    ProfileFile ini(path());
    const QString lock = platform::lockFileFor(path());
    const pid_t child = ::fork();
    if (child == 0) {
        QLockFile left(lock);
        ::_exit(left.tryLock(0) ? 0 : 1);  // dies holding it
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFileInfo::exists(lock));
    ini.writeInteger("Modus", "Shifter", 2);
    EXPECT_EQ(bytes(), "[Modus]\nShifter=2\n");
    EXPECT_EQ(files(), QStringList("quorbix.hsl"));
    // One killed before it could write its name into the lock file.
    QFile empty(lock);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    ASSERT_TRUE(empty.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                                  QFileDevice::FileModificationTime));
    empty.close();
    ini.writeInteger("Modus", "Shifter", 2);
    EXPECT_EQ(files(), QStringList("quorbix.hsl"));

    QLockFile held(lock);
    ASSERT_TRUE(held.tryLock(0));
    QElapsedTimer waited;
    waited.start();
    // The message names what blocks the write: the lock, not the file.
    try {
        ini.writeInteger("Modus", "Shifter", 3);
        ADD_FAILURE() << "a held lock was taken";
    } catch (const ProfileWriteError &e) {
        EXPECT_EQ(e.message(), "Unable to write to " + lock);
    }
    EXPECT_GE(waited.elapsed(), 2000);
    EXPECT_EQ(bytes(), "[Modus]\nShifter=2\n");
    held.unlock();
    ini.writeInteger("Modus", "Shifter", 3);
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), 3);
}

// A writer stopped between creating its lock and writing its name into it still holds the
// lock: however old the empty file, the write waits for it and then fails, and two writers
// never both go through.
TEST_F(ProfileHostileTest, AnEmptyLockHeldByALiveWriterIsNeverTakenOver)
{
    put("[Modus]\nShifter=1\n");
    const QString lock = platform::lockFileFor(path());
    const int fd = ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const struct timespec old[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
    ASSERT_EQ(::futimens(fd, old), 0);
    EXPECT_THROW(ProfileFile(path()).writeInteger("Modus", "Shifter", 2), ProfileWriteError);
    EXPECT_EQ(bytes(), "[Modus]\nShifter=1\n");
    EXPECT_TRUE(QFileInfo::exists(lock));
    ::close(fd);  // the writer goes away: its lock is free at once
    ProfileFile(path()).writeInteger("Modus", "Shifter", 2);
    EXPECT_EQ(bytes(), "[Modus]\nShifter=2\n");
}

// Whatever stands at the lock's name that is not a regular file (a FIFO another user planted,
// a folder, a link to nowhere) is never opened to wait on: the write fails at once and the
// message names the lock. A FIFO beside a stale lock (where a guard of the lock might be made)
// is left alone too.
TEST_F(ProfileHostileTest, ALockThatIsNotAFileFailsTheWriteAtOnceAndIsNamed)
{
    put("[Modus]\nShifter=1\n");
    const QString lock = platform::lockFileFor(path());
    const QByteArray name = QFile::encodeName(lock);
    std::atomic<bool> done{false};
    // Sets free a write that blocked on a FIFO, so that the test fails rather than hangs.
    std::thread rescuer([&] {
        QElapsedTimer timer;
        timer.start();
        while (!done && timer.elapsed() < 5000)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        while (!done) {
            for (const QByteArray &fifo : {name, name + ".rmlock"}) {
                const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    const std::vector<std::function<int()>> planted = {
        [&] { return ::mkfifo(name.constData(), 0666); },
        [&] { return ::mkdir(name.constData(), 0700); },
        [&] { return ::symlink("/nonexistent/quorbix-lock", name.constData()); },
    };
    for (std::size_t i = 0; i < planted.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(planted[i](), 0);
        QElapsedTimer timer;
        timer.start();
        try {
            ProfileFile(path()).writeInteger("Modus", "Shifter", 2);
            ADD_FAILURE() << "the write went through";
        } catch (const ProfileWriteError &e) {
            EXPECT_EQ(e.message(), "Unable to write to " + lock);
        }
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_EQ(bytes(), "[Modus]\nShifter=1\n");
        ASSERT_TRUE(QFile::remove(lock) || QDir().rmdir(lock));
    }
    // A stale lock (no one holds it) with a FIFO beside it.
    QFile stale(lock);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    ASSERT_EQ(::mkfifo((name + ".rmlock").constData(), 0666), 0);
    ProfileFile(path()).writeInteger("Modus", "Shifter", 3);
    done = true;
    rescuer.join();
    EXPECT_EQ(bytes(), "[Modus]\nShifter=3\n");
    struct stat st {};
    EXPECT_TRUE(::lstat((name + ".rmlock").constData(), &st) == 0 && S_ISFIFO(st.st_mode));
}

// A write killed half-way leaves its temporary file; the next write of the same file removes
// it, and nothing else: not a live process's, not another file's, not what only looks like one.
TEST_F(ProfileHostileTest, TheNextWriteRemovesTemporariesOfWritersThatAreGone)
{
    put("[Modus]\nShifter=1\n");
    const QString prefix = QFileInfo(platform::lockFileFor(path())).fileName().chopped(5);
    const QString dead = QString::number(deadPid());
    const QString ours = QString::number(::getpid());
    const QStringList abandoned = {prefix + "-" + dead + "-0.tmp", prefix + "-" + dead + "-17.tmp"};
    const QStringList kept = {prefix + "-" + ours + "-99.tmp",
                              prefix + "-1-0.tmp",
                              prefix + "-" + dead + "-x.tmp",
                              prefix + "-" + dead + ".tmp",
                              ".quorbix-000000000000-" + dead + "-0.tmp",
                              "notes-" + dead + "-0.tmp"};
    for (const QString &name : abandoned + kept) {
        QFile f(dir_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir_.path()).mkdir(prefix + "-" + dead + "-5.tmp"));
    ProfileFile(path()).writeInteger("Modus", "Shifter", 2);
    QStringList expected = kept;
    expected << prefix + "-" + dead + "-5.tmp"
             << "quorbix.hsl";
    expected.sort();
    EXPECT_EQ(files(), expected);
}

// However long the program's name, and so the file's, its temporary and lock files fit.
TEST_F(ProfileHostileTest, AFileWithTheLongestNameIsWrittenLikeAnyOther)
{
    const QString longName = dir_.filePath(QString(251, u'q') + ".hsl");
    ProfileFile hsl(longName);
    hsl.writeInteger("high score", "Ann_0", 5);
    hsl.writeInteger("high score", "Bob_1", 4);
    EXPECT_EQ(hsl.readKeys("high score"), QStringList({"Ann_0", "Bob_1"}));
    EXPECT_EQ(files(), QStringList(QFileInfo(longName).fileName()));
}

// A FIFO renamed over the file between any check and the open must not stop the reader.
TEST_F(ProfileHostileTest, AFifoSwappedInWhileReadingNeverBlocks)
{
    const QByteArray target = QFile::encodeName(path());
    const QByteArray fifo = QFile::encodeName(dir_.filePath("fifo"));
    const QByteArray plain = QFile::encodeName(dir_.filePath("plain"));
    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        while (!stop) {
            ::mkfifo(fifo.constData(), 0600);
            ::rename(fifo.constData(), target.constData());
            const int fd = ::open(plain.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd >= 0) {
                (void)!::write(fd, "[Modus]\nShifter=2\n", 18);
                ::close(fd);
            }
            ::rename(plain.constData(), target.constData());
        }
    });
    std::atomic<bool> done{false};
    std::thread reader([&] {
        const ProfileFile ini(path());
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 1500) {
            const int value = ini.readInteger("Modus", "Shifter", 6);
            EXPECT_TRUE(value == 2 || value == 6) << value;
        }
        done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!done && timer.elapsed() < 6000)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(done.load()) << "the reader blocked on a FIFO";
    stop = true;
    swapper.join();
    // A reader that blocked is set free by a writer at the other end.
    while (!done) {
        const int fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reader.join();
}

// A full disk: the write that does not fit fails with the usual error and the file stays as it
// was; once there is room again, writes go through. The disk is a small tmpfs mounted in a
// mount namespace of this process's own, so it goes away with the process whatever happens.
TEST_F(ProfileHostileTest, AWriteToAFullDiskFailsAndLeavesTheFileWhole)
{
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs as a full disk needs root";
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        GTEST_SKIP() << "no mount namespace can be made here: " << std::strerror(errno);
    const QByteArray disk = QFile::encodeName(dir_.filePath("disk"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("disk"));
    if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "tmpfs cannot be mounted here: " << std::strerror(errno);
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{disk};

    const QString file = dir_.filePath("disk/quorbix.ini");
    ProfileFile ini(file);
    ini.writeInteger("Modus", "Shifter", 1);
    const QByteArray before = "[Modus]\nShifter=1\n";
    // Fill the disk, keeping one page free: room for the lock, none for a new copy.
    QFile reserve(dir_.filePath("disk/reserve"));
    ASSERT_TRUE(reserve.open(QIODevice::WriteOnly) && reserve.write("r", 1) == 1);
    reserve.close();
    QFile filler(dir_.filePath("disk/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {}
    filler.close();
    ASSERT_TRUE(QFile::remove(reserve.fileName()));

    try {
        ini.writeString("Modus", "Shifter", QString(3000, u'9'));
        ADD_FAILURE() << "a write to a full disk went through";
    } catch (const ProfileWriteError &e) {
        EXPECT_EQ(e.message(), "Unable to write to " + file);
    }
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), before);
    EXPECT_EQ(QDir(dir_.filePath("disk")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"filler", "quorbix.ini"}));

    ASSERT_TRUE(QFile::remove(filler.fileName()));
    ini.writeInteger("Modus", "Shifter", 2);
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), 2);
}

}  // namespace
