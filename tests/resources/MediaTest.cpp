// The game-over JPEG and its decoder, the sounds, the fonts and the help file.

#include "Resources.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTextLayout>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>

namespace {

QByteArray embeddedJpeg()
{
    resources::init();
    QFile file(QStringLiteral(":/resources/pictures/gameover.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct WaveInfo {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = -1;
    double seconds() const
    {
        return double(dataBytes) / (sampleRate * channels * bitsPerSample / 8);
    }
};

// Walks the RIFF chunks of a WAV file; nullopt when the file is not one.
std::optional<WaveInfo> readWave(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    if (qFromLittleEndian<quint32>(bytes.constData() + 4) != quint32(bytes.size() - 8))
        return std::nullopt;
    WaveInfo info;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char *body = bytes.constData() + at + 8;
        if (at + 8 + qsizetype(size) > bytes.size()) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            info.format = qFromLittleEndian<quint16>(body);
            info.channels = qFromLittleEndian<quint16>(body + 2);
            info.sampleRate = int(qFromLittleEndian<quint32>(body + 4));
            info.bitsPerSample = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            info.dataBytes = size;
        }
        at += 8 + size + (size & 1);
    }
    if (info.channels == 0 || info.sampleRate == 0 || info.dataBytes < 0) return std::nullopt;
    return info;
}

}  // namespace

TEST(GameOverBackground, DecodesThroughLibjpegToAWhiteFieldInADarkBlueFrame)
{
    const QByteArray jpeg = embeddedJpeg();
    ASSERT_FALSE(jpeg.isEmpty());
    const std::optional<QImage> decoded = resources::decodeJpeg(jpeg);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->size(), QSize(295, 188));

    const QImage background = resources::gameOverBackground();
    ASSERT_EQ(background.size(), QSize(295, 188));
    const QColor field(background.pixel(150, 100));
    EXPECT_GT(field.lightness(), 245);
    for (const QPoint edge : {QPoint(3, 94), QPoint(147, 3), QPoint(291, 94), QPoint(147, 184)}) {
        const QColor frame(background.pixel(edge));
        EXPECT_GT(frame.blue(), frame.red() + 60) << edge.x() << "," << edge.y();
        EXPECT_LT(frame.lightness(), 140) << edge.x() << "," << edge.y();
    }
}

TEST(DecodeJpeg, DamagedOrForeignDataFailsCleanly)
{
    const QByteArray jpeg = embeddedJpeg();
    ASSERT_GT(jpeg.size(), 1000);

    EXPECT_FALSE(resources::decodeJpeg(QByteArray()).has_value());
    EXPECT_FALSE(resources::decodeJpeg(QByteArray("not a picture at all")).has_value());
    EXPECT_FALSE(resources::decodeJpeg(QByteArray(4096, '\0')).has_value());

    // A PNG is a picture, but not a JPEG.
    QFile png(QStringLiteral(":/resources/icons/32.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_FALSE(resources::decodeJpeg(png.readAll()).has_value());

    // Cut off anywhere: in the header, in the tables, in the middle of the picture data.
    for (const qsizetype length : {qsizetype(2), qsizetype(20), qsizetype(200), qsizetype(600),
                                   jpeg.size() / 2, jpeg.size() - 2})
        EXPECT_FALSE(resources::decodeJpeg(jpeg.left(length)).has_value()) << "cut at " << length;

    // A start-of-frame marker that claims a picture far too large to hold.
    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0xFF);  // height, high byte
    huge[sof + 7] = char(0xFF);  // width, high byte
    EXPECT_FALSE(resources::decodeJpeg(huge).has_value());

    // Still usable after all these failures.
    EXPECT_TRUE(resources::decodeJpeg(jpeg).has_value());
}

TEST(Sounds, EachIsA16BitPcmWaveOfItsLength)
{
    struct Expected {
        const char *name;
        double shortest;
        double longest;
    };
    // Each ends in 0.3 s of silence, which a sound server may drop.
    for (const Expected &e :
         {Expected{"DIP", 0.35, 0.8}, Expected{"GONG", 2.0, 3.3}, Expected{"APPLAUSE", 2.0, 4.0}}) {
        SCOPED_TRACE(e.name);
        const QString url = resources::soundUrl(QString::fromLatin1(e.name));
        ASSERT_TRUE(url.startsWith(QStringLiteral("qrc:/")));
        QFile file(url.mid(3));  // "qrc:/x" is the file ":/x"
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<WaveInfo> wave = readWave(file.readAll());
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->format, 1);  // PCM
        EXPECT_EQ(wave->bitsPerSample, 16);
        EXPECT_GE(wave->seconds(), e.shortest);
        EXPECT_LE(wave->seconds(), e.longest);
    }
    EXPECT_EQ(resources::soundUrl(QStringLiteral("dip")),
              resources::soundUrl(QStringLiteral("DIP")));
    EXPECT_TRUE(resources::soundUrl(QStringLiteral("TRUMPET")).isEmpty());
    EXPECT_TRUE(resources::soundUrl(QString()).isEmpty());
}

TEST(Fonts, EveryFaceTheWindowsNameResolvesToAnEmbeddedFace)
{
    resources::registerFonts();
    resources::registerFonts();  // a second call adds nothing twice
    const QStringList families = QFontDatabase::families();
    const std::pair<const char *, const char *> expected[] = {
        {"Comic Sans MS", "Comic Neue"},        {"Berlin Sans FB Demi", "Eurofurence Demi"},
        {"Berlin Sans FB", "Eurofurence Book"}, {"Britannic Bold", "Biolinum Display"},
        {"MS Sans Serif", "Liberation Sans"},   {"Microsoft Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},           {"Courier New", "Liberation Mono"},
    };
    for (const auto &[asked, carried] : expected) {
        SCOPED_TRACE(asked);
        EXPECT_TRUE(families.contains(QString::fromLatin1(carried), Qt::CaseInsensitive));
        for (const bool bold : {false, true}) {
            QFont font(QString::fromLatin1(asked));
            font.setPixelSize(15);
            font.setBold(bold);
            EXPECT_EQ(QFontInfo(font).family().toLower().toStdString(),
                      QString::fromLatin1(carried).toLower().toStdString());
        }
    }
    // The demi face is found for a request of normal weight too.
    QFont demi(QStringLiteral("Berlin Sans FB Demi"));
    demi.setPixelSize(13);
    EXPECT_EQ(QFontInfo(demi).family().toStdString(), "Eurofurence Demi");
}

TEST(Fonts, TheGameOverFaceDrawsTwoExclamationMarksAsTwo)
{
    resources::registerFonts();
    QFont font(QStringLiteral("Britannic Bold"));
    font.setPixelSize(24);
    QTextLayout layout(QStringLiteral("1002!!"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    qsizetype glyphs = 0;
    for (const QGlyphRun &run : layout.glyphRuns()) glyphs += run.glyphIndexes().size();
    EXPECT_EQ(glyphs, 6) << "no ligature joins the two";
}

TEST(HelpFile, LiesBesideTheExecutableWithContent)
{
    QFile help(QStringLiteral(QUORBIX_HELP_FILE));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(help.readAll());
    for (const char *topic :
         {"How to play", "Standard", "Shifter", "Add Mega Row", "Shift Mega Row", "Scoring",
          "High scores", "Keyboard", "Space", "Enter", "Ctrl+Z", "F1"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(topic))) << topic;
}
