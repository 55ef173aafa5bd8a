#pragma once
// The pseudo language: every text of the game's translation sources comes out wrapped in
// "[!! ... !!]", its letters accented and about 40 % longer, with its placeholders (%1, %n),
// accelerators (&) and markup (<b>, &amp;) kept, so a window shows at a glance which text was
// never translated and which place has no room for a longer one.

#include <QSet>
#include <QString>
#include <QTranslator>

#include <utility>

// The pseudo form of one source text, line by line.
QString pseudoText(const QString &source);
// Whether a visible text consists of pseudo texts, digits, punctuation and the given names only.
bool isPseudoText(const QString &text, const QStringList &names);

class PseudoTranslator : public QTranslator {
public:
    // The game's texts are those of a translation source (.ts) file; a text of one of its
    // contexts that the file lacks stays English, as it would for a translator. Texts of other
    // contexts (Qt's own) are all pseudo, as Qt's translations would give them.
    explicit PseudoTranslator(const QString &tsFile);

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;

private:
    QSet<QString> contexts_;
    QSet<std::pair<QString, QString>> messages_;
};
