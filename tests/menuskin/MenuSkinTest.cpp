// The skin attached to a window's menus: what it measures and draws through the menu
// widgets, what it leaves alone, and how it lets go.

#include "MenuSkin.h"
#include "ItemText.h"
#include "MenuSkinManager.h"
#include "MenuSkinStyle.h"
#include "SkinTestSupport.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <memory>

using namespace menuskin;
using namespace platform;
using namespace skintest;

namespace {

QIcon testIcon(QColor colour)
{
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(colour);
    return QIcon(QPixmap::fromImage(picture));
}

// A window with the game's menu: pictures, a check item, a radio group, a separator, a
// submenu, and picture-only bar items.
struct GameWindow {
    GameWindow()
    {
        window = std::make_unique<QMainWindow>();
        window->resize(320, 200);
        QMenuBar *bar = window->menuBar();
        game = bar->addMenu("Game");
        newGame = game->addAction(testIcon(QColor(200, 30, 30)), "New Game");
        game->addAction(testIcon(QColor(30, 30, 200)), "Exit");
        undo = bar->addAction(testIcon(QColor(30, 160, 30)), QString());
        undo->setEnabled(false);
        bar->addAction(testIcon(QColor(160, 160, 30)), QString());
        settings = bar->addMenu("Settings");
        sounds = settings->addAction("Sounds");
        sounds->setCheckable(true);
        sounds->setChecked(true);
        mode = settings->addMenu("Switch game mode");
        auto *group = new QActionGroup(mode);
        for (const char *caption : {"Standard", "Shifter", "Add Mega Row", "Shift Mega Row"}) {
            QAction *a = mode->addAction(caption);
            a->setCheckable(true);
            group->addAction(a);
        }
        mode->actions().first()->setChecked(true);
        separator = settings->addSeparator();
        settings->addAction("Customize images");
        skin = new TMenuSkin(window.get());
        skin->setGradient(true);
        skin->setFontColor(clNavy);
        QFont font(QStringLiteral("Microsoft Sans Serif"));
        font.setPixelSize(11);
        skin->setFont(font);
    }

    std::unique_ptr<QMainWindow> window;
    TMenuSkin *skin = nullptr;
    QMenu *game = nullptr;
    QMenu *settings = nullptr;
    QMenu *mode = nullptr;
    QAction *newGame = nullptr;
    QAction *undo = nullptr;
    QAction *sounds = nullptr;
    QAction *separator = nullptr;
};

QImage shot(QWidget *widget) { return widget->grab().toImage(); }

class MenuSkinTest : public FixedPaletteTest {};

}  // namespace

TEST_F(MenuSkinTest, ActiveSkinStylesTheMenuTreeAndLetsGoWhenInactive)
{
    GameWindow w;
    EXPECT_NE(w.game->style(), w.skin->menuStyle());
    w.skin->setActive(true);
    EXPECT_EQ(w.window->menuBar()->style(), w.skin->menuStyle());
    EXPECT_EQ(w.game->style(), w.skin->menuStyle());
    EXPECT_EQ(w.mode->style(), w.skin->menuStyle());
    w.skin->setActive(false);
    EXPECT_NE(w.window->menuBar()->style(), w.skin->menuStyle());
    EXPECT_NE(w.mode->style(), w.skin->menuStyle());
}

TEST_F(MenuSkinTest, MenusWithTheirOwnStyleOrTag999AreLeftAlone)
{
    GameWindow w;
    QProxyStyle own;
    w.mode->setStyle(&own);
    w.window->menuBar()->setProperty("Tag", 999);
    w.skin->setActive(true);
    EXPECT_NE(w.window->menuBar()->style(), w.skin->menuStyle());
    EXPECT_EQ(w.mode->style(), &own);
    w.skin->setActive(false);
    w.window->menuBar()->setProperty("Tag", 0);
    w.skin->setOverrideOwnerDraw(true);
    w.skin->setActive(true);
    EXPECT_EQ(w.mode->style(), w.skin->menuStyle());
    w.skin->setActive(false);
    // Detaching leaves a style that is not the skin's in place.
    w.skin->setOverrideOwnerDraw(false);
    w.mode->setStyle(&own);
    w.skin->setActive(true);
    w.skin->setActive(false);
    EXPECT_EQ(w.mode->style(), &own);
    w.mode->setStyle(nullptr);
}

TEST_F(MenuSkinTest, MenuItemsAreMeasuredByTheSkin)
{
    GameWindow w;
    w.skin->setActive(true);
    w.settings->ensurePolished();
    w.settings->adjustSize();
    EXPECT_EQ(w.settings->actionGeometry(w.separator).height(), 4);
    const int text = textHeight(w.skin->Font());
    const int itemHeight = text + static_cast<int>(std::nearbyint(0.75 * text));
    EXPECT_EQ(w.settings->actionGeometry(w.sounds).height(), itemHeight);
    // The picture-only bar item: 5 + 16, and the menu system's allowance.
    EXPECT_EQ(w.window->menuBar()->actionGeometry(w.undo).width(),
              21 + MenuSkinStyle::ItemAllowance);
}

TEST_F(MenuSkinTest, SkinnedMenuShowsTheGradientAndTag999ItemsAreDrawnPlainly)
{
    GameWindow w;
    w.skin->setActive(true);
    w.window->show();
    w.game->popup(w.window->mapToGlobal(QPoint(0, 0)));
    const QRect item = w.game->actionGeometry(w.newGame);
    const SkinLook &look = w.skin->lookFor(32);
    QImage image = shot(w.game);
    EXPECT_EQ(at(image, item.left(), item.top() + 20), Lighten(look.palette.IconColumnFace, 1));
    EXPECT_EQ(at(image, item.left() + 28, item.top() + 20),
              Lighten(look.palette.IconColumnFace, 85));

    w.newGame->setProperty("Tag", 999);
    w.game->update();
    image = shot(w.game);
    EXPECT_NE(at(image, item.left() + 28, item.top() + 20),
              Lighten(look.palette.IconColumnFace, 85));
    w.game->close();
}

TEST_F(MenuSkinTest, HighlightedItemGetsTheSelectionBox)
{
    GameWindow w;
    w.skin->setActive(true);
    w.window->show();
    w.game->popup(w.window->mapToGlobal(QPoint(0, 0)));
    w.game->setActiveAction(w.newGame);
    const QRect item = w.game->actionGeometry(w.newGame);
    const SkinLook &look = w.skin->lookFor(32);
    const QImage image = shot(w.game);
    EXPECT_EQ(at(image, item.left() + 60, item.top() + 1), look.palette.SelectFrame);
    EXPECT_EQ(at(image, item.left() + 60, item.top() + 2), look.palette.SelectFace);
    w.game->close();
}

TEST_F(MenuSkinTest, ColourChangesReachThePaletteAtTheNextDraw)
{
    GameWindow w;
    w.skin->lookFor(32);
    EXPECT_FALSE(w.skin->colorsDirty());
    // The switches that choose how the palette is made count as colour changes.
    w.skin->setUseSystemColors(false);
    EXPECT_TRUE(w.skin->colorsDirty());
    EXPECT_EQ(w.skin->lookFor(32).palette.MenuFace, fromQColor(Face));  // Color is clBtnFace
    w.skin->setUseDimColor(true);
    EXPECT_EQ(w.skin->lookFor(32).palette.SelectFace, Lighten(clHighlight, 68));
    w.skin->setUseDimColor(false);
    w.skin->setUseSystemColors(true);
    EXPECT_EQ(w.skin->lookFor(32).palette.MenuFace, Lighten(clBtnFace, 86));
    w.skin->setFontColor(rgbValue(9, 8, 7));  // selected items are written in the font's colour
    EXPECT_EQ(w.skin->lookFor(32).palette.SelectText, rgbValue(9, 8, 7));
    w.skin->setUseSystemColors(false);
    w.skin->setSelectColor(rgbValue(1, 2, 3));
    EXPECT_TRUE(w.skin->colorsDirty());
    EXPECT_EQ(w.skin->lookFor(32).palette.SelectFace, rgbValue(1, 2, 3));
    EXPECT_FALSE(w.skin->colorsDirty());
    // A display of 15 bits or fewer takes the palette's other column.
    EXPECT_EQ(w.skin->lookFor(15).palette.CheckFace, clWhite);
    EXPECT_FALSE(w.skin->lookFor(15).IsTrueColor);
}

TEST_F(MenuSkinTest, DesktopColourChangesReachThePalette)
{
    GameWindow w;
    EXPECT_EQ(w.skin->lookFor(32).palette.SelectFrame, fromQColor(Highlight));
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Highlight, QColor(200, 0, 0));
    QApplication::setPalette(p);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.skin->colorsDirty());
    EXPECT_EQ(w.skin->lookFor(32).palette.SelectFrame, rgbValue(200, 0, 0));
}

TEST_F(MenuSkinTest, AutoDetectTakesOverMenusAddedLater)
{
    GameWindow w;
    w.skin->setAutoDetect(true);
    w.skin->setActive(true);
    auto *popup = new QMenu(w.window.get());
    QCoreApplication::processEvents();
    EXPECT_EQ(popup->style(), w.skin->menuStyle());
}

TEST_F(MenuSkinTest, ManagerLivesWhileSkinsExist)
{
    EXPECT_EQ(TMenuSkinManager::instance(), nullptr);
    {
        GameWindow w;
        ASSERT_NE(TMenuSkinManager::instance(), nullptr);
        w.skin->setActive(true);
        w.skin->Loaded();
        EXPECT_EQ(TMenuSkinManager::instance()->SkinOwner(), w.skin);
        EXPECT_TRUE(TMenuSkinManager::instance()->SkinnedForms().contains(w.window.get()));
    }
    EXPECT_EQ(TMenuSkinManager::instance(), nullptr);
}

TEST_F(MenuSkinTest, FlatPopupsAskForTheirBorderOnceAndGetIt)
{
    GameWindow w;
    w.skin->setActive(true);
    w.skin->setFlatMenu(true);
    w.skin->Loaded();
    w.window->show();
    w.game->popup(w.window->mapToGlobal(QPoint(0, 0)));
    // Drawing an item into a copy (not onto the popup) asks by the item; the answer finds the popup.
    QImage copy(w.game->size(), QImage::Format_RGB32);
    QPainter p(&copy);
    QStyleOptionMenuItem option;
    option.initFrom(w.game);
    option.rect = w.game->actionGeometry(w.newGame);
    option.text = w.newGame->text();
    option.menuItemType = QStyleOptionMenuItem::Normal;
    w.game->style()->drawControl(QStyle::CE_MenuItem, &option, &p, w.game);
    p.end();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QImage image = shot(w.game);
    const SkinLook &look = w.skin->lookFor(32);
    const int W = w.game->width();
    const int H = w.game->height();
    EXPECT_EQ(at(image, 0, 0), look.palette.FlatBorder);
    EXPECT_EQ(at(image, W - 3, H / 2), look.palette.FlatBorder);
    EXPECT_EQ(at(image, W - 1, H / 2), look.palette.FlatShadow);
    EXPECT_FALSE(w.game->mask().contains(QPoint(W - 1, 0)));
    w.game->close();
    EXPECT_TRUE(w.game->mask().isEmpty());
}
