#include "PseudoTranslator.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

const QString Open = QStringLiteral("[!! ");
const QString Close = QStringLiteral(" !!]");

QChar accented(QChar c)
{
    static const QHash<QChar, QChar> letters = [] {
        const QString plain = QStringLiteral("aceinosuyzACEINOSUYZ");
        const QString accents = QStringLiteral("áçéîñøšüýžÅÇÉÎÑØŠÜÝŽ");
        QHash<QChar, QChar> map;
        for (int i = 0; i < plain.size(); ++i) map.insert(plain[i], accents[i]);
        return map;
    }();
    return letters.value(c, c);
}

// A line with its letters accented; %1, %n, %L1, markup and entities left as they are.
QString accentLine(const QString &line)
{
    QString out;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'%' && i + 1 < line.size()) {
            int end = i + 1;
            if (line[end] == u'L') ++end;
            if (end < line.size() && (line[end] == u'n' || line[end].isDigit())) {
                while (end + 1 < line.size() && line[end + 1].isDigit()) ++end;
                out += line.mid(i, end - i + 1);
                i = end;
                continue;
            }
        }
        const QChar closing = c == u'<' ? u'>' : c == u'&' ? u';' : QChar();
        if (!closing.isNull()) {
            const int end = line.indexOf(closing, i);
            const int space = line.indexOf(u' ', i);
            if (end > i && (space < 0 || space > end)) {  // a tag or an entity, not a lone & or <
                out += line.mid(i, end - i + 1);
                i = end;
                continue;
            }
        }
        out += accented(c);
    }
    return out;
}

}  // namespace

QString pseudoText(const QString &source)
{
    QStringList lines;
    for (const QString &line : source.split(u'\n')) {
        if (line.trimmed().isEmpty()) {
            lines << line;
            continue;
        }
        // About 40 % longer: the markers make part of it, dots the rest.
        const int extra = std::max(0, int(line.size() * 0.4) - int(Open.size() + Close.size()));
        lines << Open + accentLine(line) + QString(extra, u'·') + Close;
    }
    return lines.join(u'\n');
}

bool isPseudoText(const QString &text, const QStringList &names)
{
    static const QRegularExpression pseudo(QStringLiteral("\\[!! .*? !!\\]"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|&[a-z#0-9]+;"));
    QString rest = text;
    rest.remove(pseudo);
    rest.remove(markup);
    for (const QString &name : names) rest.remove(name);
    for (const QChar c : rest)
        if (c.isLetter()) return false;
    return true;
}

PseudoTranslator::PseudoTranslator(const QString &tsFile)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly)) return;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
            contexts_.insert(context);
        } else if (xml.name() == u"source") {
            messages_.insert({context, xml.readElementText()});
        }
    }
}

QString PseudoTranslator::translate(const char *context, const char *sourceText, const char *,
                                    int) const
{
    const QString ctx = QString::fromUtf8(context);
    const QString source = QString::fromUtf8(sourceText);
    if (contexts_.contains(ctx) && !messages_.contains({ctx, source})) return {};
    return pseudoText(source);
}
