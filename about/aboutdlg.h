#pragma once
// The About component: holds the About box's settings for the window that owns it, and builds,
// shows and clears away the About window on each Execute.

#include "TextFont.h"

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QStringList>

#include <memory>

class QWidget;
class TAboutBox;

class TAboutBoxDlg : public QObject {
    Q_OBJECT
    // Reads back as the program file's name; a written name is what the window shows until
    // it is first activated.
    Q_PROPERTY(QString ProductName READ ProductName WRITE setProductName)
    Q_PROPERTY(QString Version READ Version WRITE setVersion)   // kept only; the window shows
                                                                // the program's own version
    Q_PROPERTY(QString Copyright READ Copyright WRITE setCopyright)
    // One string per line, shown as stored (leading blanks kept). In the credits scroller a
    // line may carry tags in square brackets (see MovieLine.h).
    Q_PROPERTY(QStringList AboutText READ AboutText WRITE setAboutText)
    Q_PROPERTY(bool UseBackBMP READ UseBackBMP WRITE setUseBackBMP)
    Q_PROPERTY(bool UseMovie READ UseMovie WRITE setUseMovie)
    Q_PROPERTY(int MovieSpeed READ MovieSpeed WRITE setMovieSpeed)   // ms per pixel of scrolling
    Q_PROPERTY(QColor BackCol READ BackCol WRITE setBackCol)
    Q_PROPERTY(TextFont AFont READ AFont WRITE setAFont)
    Q_PROPERTY(bool aShadow READ aShadow WRITE setaShadow)
    Q_PROPERTY(QPixmap BackBMP READ BackBMP WRITE setBackBMP)
    Q_PROPERTY(TextFont FormFont READ FormFont WRITE setFormFont)
    Q_PROPERTY(QColor FormColor READ FormColor WRITE setFormColor)

public:
    explicit TAboutBoxDlg(QObject *parent = nullptr);
    ~TAboutBoxDlg() override;

    QString ProductName() const;
    void setProductName(const QString &name) { m_productName = name; }
    QString Version() const { return m_version; }
    void setVersion(const QString &version) { m_version = version; }
    QString Copyright() const { return m_copyright; }
    void setCopyright(const QString &text) { m_copyright = text; }
    QStringList AboutText() const { return m_aboutText; }
    void setAboutText(const QStringList &lines) { m_aboutText = lines; }
    bool UseBackBMP() const { return m_useBackBMP; }
    void setUseBackBMP(bool use) { m_useBackBMP = use; }
    bool UseMovie() const { return m_useMovie; }
    void setUseMovie(bool use) { m_useMovie = use; }
    int MovieSpeed() const { return m_movieSpeed; }
    // A speed of 0 or less, or of 100 or more, is taken as 50.
    void setMovieSpeed(int ms);
    QColor BackCol() const { return m_backCol; }
    void setBackCol(const QColor &color) { m_backCol = color; }
    TextFont AFont() const { return m_aFont; }
    void setAFont(const TextFont &font) { m_aFont = font; }
    bool aShadow() const { return m_aShadow; }
    void setaShadow(bool shadow) { m_aShadow = shadow; }
    QPixmap BackBMP() const { return m_backBMP; }
    void setBackBMP(const QPixmap &picture) { m_backBMP = picture; }
    TextFont FormFont() const { return m_formFont; }
    void setFormFont(const TextFont &font) { m_formFont = font; }
    QColor FormColor() const { return m_formColor; }
    void setFormColor(const QColor &color) { m_formColor = color; }

    // Builds the About window, filled and ready to show, in front of parentWindow.
    std::unique_ptr<TAboutBox> CreateBox(QWidget *parentWindow) const;
    // Shows the About window modally and clears it away afterwards. True when it was closed
    // with OK, which none of its controls does.
    bool Execute(QWidget *parentWindow);

private:
    QString m_productName;
    QString m_version;
    QString m_copyright;
    QStringList m_aboutText;
    bool m_useBackBMP = false;
    bool m_useMovie = true;
    int m_movieSpeed = 40;
    QColor m_backCol = Qt::white;
    TextFont m_aFont;
    bool m_aShadow = true;
    QPixmap m_backBMP;
    TextFont m_formFont;
    QColor m_formColor = Qt::white;
};
