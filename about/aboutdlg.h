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
    Q_PROPERTY(QString Version READ Version WRITE setVersion)  // kept only; the window shows
                                                               // the program's own version
    Q_PROPERTY(QString Copyright READ Copyright WRITE setCopyright)
    // One string per line, shown as stored (leading blanks kept). In the credits scroller a
    // line may carry tags in square brackets (see MovieLine.h).
    Q_PROPERTY(QStringList AboutText READ AboutText WRITE setAboutText)
    Q_PROPERTY(bool UseBackBMP READ UseBackBMP WRITE setUseBackBMP)
    Q_PROPERTY(bool UseMovie READ UseMovie WRITE setUseMovie)
    Q_PROPERTY(int MovieSpeed READ MovieSpeed WRITE setMovieSpeed)  // ms per pixel of scrolling
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
    void setProductName(const QString &name) { productName_ = name; }
    QString Version() const { return version_; }
    void setVersion(const QString &version) { version_ = version; }
    QString Copyright() const { return copyright_; }
    void setCopyright(const QString &text) { copyright_ = text; }
    QStringList AboutText() const { return aboutText_; }
    void setAboutText(const QStringList &lines) { aboutText_ = lines; }
    bool UseBackBMP() const { return useBackBMP_; }
    void setUseBackBMP(bool use) { useBackBMP_ = use; }
    bool UseMovie() const { return useMovie_; }
    void setUseMovie(bool use) { useMovie_ = use; }
    int MovieSpeed() const { return movieSpeed_; }
    // A speed of 0 or less, or of 100 or more, is taken as 50.
    void setMovieSpeed(int ms);
    QColor BackCol() const { return backCol_; }
    void setBackCol(const QColor &color) { backCol_ = color; }
    TextFont AFont() const { return aFont_; }
    void setAFont(const TextFont &font) { aFont_ = font; }
    bool aShadow() const { return aShadow_; }
    void setaShadow(bool shadow) { aShadow_ = shadow; }
    QPixmap BackBMP() const { return backBMP_; }
    void setBackBMP(const QPixmap &picture) { backBMP_ = picture; }
    TextFont FormFont() const { return formFont_; }
    void setFormFont(const TextFont &font) { formFont_ = font; }
    QColor FormColor() const { return formColor_; }
    void setFormColor(const QColor &color) { formColor_ = color; }

    // Builds the About window, filled and ready to show, in front of parentWindow.
    std::unique_ptr<TAboutBox> CreateBox(QWidget *parentWindow) const;
    // Shows the About window modally and clears it away afterwards. True when it was closed
    // with OK, which none of its controls does.
    bool Execute(QWidget *parentWindow);

private:
    QString productName_;
    QString version_;
    QString copyright_;
    QStringList aboutText_;
    bool useBackBMP_ = false;
    bool useMovie_ = true;
    int movieSpeed_ = 40;
    QColor backCol_ = Qt::white;
    TextFont aFont_;
    bool aShadow_ = true;
    QPixmap backBMP_;
    TextFont formFont_;
    QColor formColor_ = Qt::white;
};
