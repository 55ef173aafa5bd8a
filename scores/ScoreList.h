#pragma once
// The high score lists: one ranked list per game mode, best first, kept in the high score file
// beside the program. A list is a section of that file whose keys are "<name>_<position>" and
// whose values are the scores.

#include <QString>

#include <optional>
#include <utility>
#include <vector>

#include "ProfileFile.h"

// One entry of a list: the player's name and the game's total (points plus bonus).
struct Tscore {
    QString name;
    int score = 0;
};

// The file section of a game mode: "high score", "high score: shifter", "high score: Add Row",
// "high score: Megashift Row" for the modes 0 to 3; empty for any other number.
QString ScoreSectionName(int mode);

// The player name carried by a key: the key up to its last "_", or the whole key without one.
QString NameFromKey(const QString &key);

// The lowest score stored for a mode, or -1 while its section holds fewer than ten keys (and for
// a mode without a section name). Reads the file directly; a value that is not a number is 0.
int LowestStoredScore(int mode);

// A typed name as the file will hold it, so that the table shows what is stored: line breaks and
// other control characters become blanks, blanks at the ends go, and "=" or a leading "[" or ";"
// become "_". Ordinary names come back unchanged.
QString StorableName(const QString &typed);

// The entry a finished game adds: the points without the bonus decide whether it earns a place,
// the total (points plus bonus) is what is stored.
struct NewEntry {
    QString name;
    int points = 0;
    int total = 0;
};

class ScoreList {
public:
    static constexpr int Capacity = 10;

    // Appends the entries of a section in key order and sorts; the list is not emptied first.
    void LoadScores(const platform::ProfileFile &file, const QString &section);
    // Replaces the section by the list as stored now, read afresh under the file's lock, plus
    // `added` by the insertion rule when it still earns a place there: best first, positions 0,
    // 1, 2, ... So whatever another copy of the game stored since this list was loaded stays.
    // The list becomes what was written. Without `added`, a file that holds the list as
    // written already (in this order, positions 0, 1, 2, ...) is not written at all. Throws platform::ProfileWriteError; the file and the
    // list are then as they were before.
    void SaveScores(platform::ProfileFile &file, const QString &section,
                    const std::optional<NewEntry> &added);

    // The lowest score of the list; 0 for an empty list.
    int LowestScore() const;
    // Whether a game with these points (its bonus left out) earns a place.
    bool Qualifies(int points) const;
    // Makes room by dropping one lowest entry when the list is full, then adds the entry.
    void Insert(const QString &name, int score);

    const std::vector<Tscore> &entries() const { return entries_; }

private:
    void append(const std::vector<std::pair<QString, int>> &stored);
    // The keys and values of the list as the file holds it.
    platform::ProfileFile::KeyValues keyValues() const;
    void sort();

    std::vector<Tscore> entries_;
};
