#include "ScoreList.h"

#include "AppFiles.h"
#include "ProfileFile.h"
#include "ProfileText.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

QString ScoreSectionName(int mode)
{
    // The file's section names, never translated; the high score window shows them translated
    // as its title.
    static const std::array<const char *, 4> names = {
        QT_TRANSLATE_NOOP("THighScoreForm", "high score"),
        QT_TRANSLATE_NOOP("THighScoreForm", "high score: shifter"),
        QT_TRANSLATE_NOOP("THighScoreForm", "high score: Add Row"),
        QT_TRANSLATE_NOOP("THighScoreForm", "high score: Megashift Row")};
    if (mode < 0 || mode >= int(names.size())) return {};
    return QString::fromLatin1(names[std::size_t(mode)]);
}

QString NameFromKey(const QString &key)
{
    const qsizetype cut = key.lastIndexOf(QLatin1Char('_'));
    return cut < 0 ? key : key.left(cut);
}

int LowestStoredScore(int mode)
{
    const QString section = ScoreSectionName(mode);
    if (section.isEmpty()) return -1;
    // A value that does not read as a number counts as 0.
    const auto stored =
        platform::ProfileFile(platform::highScoreFilePath()).readIntegerSection(section, 0);
    if (stored.size() < std::size_t(ScoreList::Capacity)) return -1;
    int lowest = std::numeric_limits<int>::max();
    for (const auto &entry : stored) lowest = std::min(lowest, entry.second);
    return lowest;
}

QString StorableName(const QString &typed) { return platform::cleanProfileName(typed, true); }

void ScoreList::LoadScores(const platform::ProfileFile &file, const QString &section)
{
    // A value that does not read as a number counts as 0, and is written back as 0.
    append(file.readIntegerSection(section, 0));
}

void ScoreList::SaveScores(platform::ProfileFile &file, const QString &section,
                           const std::optional<NewEntry> &added)
{
    // A list only looked at is written only when the file does not hold it in its own order
    // already: a view neither waits for another game's lock nor rewrites names kept as typed.
    if (!added) {
        ScoreList stored;
        stored.LoadScores(file, section);
        if (file.holdsSection(section, stored.keyValues())) {
            entries_ = std::move(stored.entries_);
            return;
        }
    }
    ScoreList written;
    file.updateIntegerSection(section, 0, [&](const platform::ProfileFile::IntegerEntries &stored) {
        written = ScoreList();
        written.append(stored);
        // Another game may have filled the list with better scores meanwhile: then this one no
        // longer earns a place, and putting it in would push out a better entry.
        if (added && written.Qualifies(added->points)) written.Insert(added->name, added->total);
        return written.keyValues();
    });
    entries_ = std::move(written.entries_);
}

platform::ProfileFile::KeyValues ScoreList::keyValues() const
{
    platform::ProfileFile::KeyValues keyValues;
    keyValues.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i)
        keyValues.emplace_back(entries_[i].name + QLatin1Char('_') + QString::number(i),
                               QString::number(entries_[i].score));
    return keyValues;
}

int ScoreList::LowestScore() const
{
    if (entries_.empty()) return 0;
    return std::min_element(entries_.begin(), entries_.end(),
                            [](const Tscore &a, const Tscore &b) { return a.score < b.score; })
        ->score;
}

bool ScoreList::Qualifies(int points) const
{
    return int(entries_.size()) < Capacity || LowestScore() < points;
}

void ScoreList::Insert(const QString &name, int score)
{
    if (int(entries_.size()) >= Capacity) {
        sort();
        entries_.pop_back();
    }
    entries_.push_back(Tscore{name, score});
    sort();
}

void ScoreList::append(const std::vector<std::pair<QString, int>> &stored)
{
    for (const auto &[key, score] : stored) entries_.push_back(Tscore{NameFromKey(key), score});
    sort();
}

void ScoreList::sort()
{
    // Equal scores keep their order, so a list read back from the file stays as it is.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Tscore &a, const Tscore &b) { return a.score > b.score; });
}
