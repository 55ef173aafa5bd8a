#pragma once
// Key-by-key access to an INI-style file (the settings file and the high score file).
//
// Every call opens the file afresh; nothing is cached. Section and key names match without
// regard to case. A missing file, section or key gives the default. Writes keep every other
// line of the file as it was and replace the file atomically, so a failed write leaves the
// previous file whole; a write that cannot be done throws ProfileWriteError. Each write reads,
// edits and replaces the file under an advisory lock beside it, so two copies of the game
// writing the same file never undo each other's changes; a write that cannot get the lock
// within a few seconds throws ProfileWriteError and changes nothing. The first write into a
// folder that does not exist yet makes it, and its missing parents, with mode 0700. A path
// that is not absolute names no file: reads give the defaults, writes throw.
//
// The file is UTF-8 text; a line that is not valid UTF-8 reads as Windows-1252 (the code page
// of older systems), and a line no write changes keeps its bytes. Lines end in LF or CRLF (new
// lines follow the file's own); a line "[name]" opens a section, "key=value" is a key, ";"
// starts a comment; blanks around names and values do not count, and a value written between a
// pair of quotes (" or ') reads without them. A line without "=" is a key without a value:
// listed by readKeys, read as the default.
// Keys before the first section belong to none.
//
// Names and values that would break the format are cleaned, the same way on every read and
// write, so what a caller writes it finds again under the same name:
//   - every control character (line breaks, tab, NUL, ..., U+0080 to U+009F) becomes a blank;
//   - blanks at both ends are dropped;
//   - in a key, every "=" becomes "_", and a leading "[" or ";" becomes "_".
// So the player name "Ann=Bo" is stored under the key "Ann_Bo_0" and reads back as "Ann_Bo".
// A section or key that is empty after cleaning is refused with ProfileWriteError.
//
// Damaged files never fail a read: a file over 1 MiB, a FIFO or device in place of the file
// (never waited for, also when swapped in at the last moment), or an unreadable file reads as
// missing, and a line over 64 KiB is never a key. A write refuses (ProfileWriteError, file
// untouched) a file it may not write (a read-only file) and, since it could not keep the other
// lines, an existing file it cannot read whole or something other than a regular file.

#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace platform {

// what() is "Unable to write to <full path>".
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const QString &path);
    QString path() const { return path_; }
    QString message() const;  // what() as a QString

private:
    QString path_;
};

class ProfileFile {
public:
    using KeyValues = std::vector<std::pair<QString, QString>>;
    using IntegerEntries = std::vector<std::pair<QString, int>>;

    explicit ProfileFile(QString fullPath);

    const QString &path() const { return path_; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal with an optional minus sign; "0x"/"0X" (more than two characters) or "$" hex;
    // anything else gives def.
    int readInteger(const QString &section, const QString &key, int def) const;
    // Read as an integer with default 1 or 0; any value other than 0 is true.
    bool readBool(const QString &section, const QString &key, bool def) const;
    // Key names of a section in file order; empty for a missing file or section.
    QStringList readKeys(const QString &section) const;
    // Every key of a section with its value read as by readInteger (def where it is not a
    // number), in file order, from one read of the file: a list of many keys costs one parse,
    // not one per key.
    IntegerEntries readIntegerSection(const QString &section, int def) const;
    // Whether the section holds exactly these keys with these values, in this order, as the
    // reader gives them (a name kept in the old code page is the same name): then replacing it
    // by them would change nothing a reader sees. Reads without the lock.
    bool holdsSection(const QString &section, const KeyValues &keyValues) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);  // "1" / "0"
    void eraseSection(const QString &section);
    // Erases the section and writes the given keys in order, in one atomic replace.
    void replaceSection(const QString &section, const KeyValues &keyValues);
    // The read-modify-write of a section: under the file's lock, `edit` gets the section as it
    // is in the file now (as readIntegerSection gives it) and returns the keys that replace it,
    // in order (none erases it). No other write of the file comes between the read and the
    // replace. `edit` may run and the write still fail (ProfileWriteError, file untouched).
    void updateIntegerSection(const QString &section, int def,
                              const std::function<KeyValues(const IntegerEntries &)> &edit);

private:
    QString path_;
};

}  // namespace platform
