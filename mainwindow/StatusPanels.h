#pragma once
// The status bar: a row of fixed-width panels, each a sunken box with one line of text. A panel
// that does not fit is cut off at the bar's right edge. Messages (menu hints among them) are
// never shown here.

#include <QStatusBar>
#include <QString>

#include <vector>

class TStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit TStatusBar(QWidget *parent = nullptr);

    void setPanels(const std::vector<int> &widths);
    int panelCount() const { return static_cast<int>(panels_.size()); }
    int panelWidth(int index) const;
    QRect panelRect(int index) const;
    QRect panelTextRect(int index) const;  // where the panel's text is drawn, inside its box
    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    // What a panel is for, read out with its text ("Total points").
    QString panelDescription(int index) const;
    void setPanelDescription(int index, const QString &description);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Panel {
        int width = 0;
        QString text;
        QString description;
    };
    std::vector<Panel> panels_;
};
