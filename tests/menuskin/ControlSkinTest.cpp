// The control skin on windows opened after the skinned main window: which controls are
// hooked, and what the hooked buttons, panels, lists and tool bars look like.

#include "ControlSubClass.h"
#include "MenuSkin.h"
#include "MenuSkinManager.h"
#include "SkinTestSupport.h"
#include "ToolBarSkin.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace menuskin;
using namespace platform;
using namespace skintest;

namespace {

const QColor DialogColour(90, 140, 190);

class ControlSkinTest : public FixedPaletteTest {
protected:
    void SetUp() override
    {
        FixedPaletteTest::SetUp();
        main = std::make_unique<QMainWindow>();
        skin = new TMenuSkin(main.get());
        skin->setActive(true);
        skin->Loaded();
        main->show();
    }
    void TearDown() override
    {
        dialog.reset();
        main.reset();
        FixedPaletteTest::TearDown();
    }

    // A dialog in a colour of its own, shown and skinned on the next turn of the event loop.
    QDialog *openDialog(int tag = 0)
    {
        dialog = std::make_unique<QDialog>();
        dialog->setProperty("Tag", tag);
        QPalette p = dialog->palette();
        p.setColor(QPalette::Window, DialogColour);
        dialog->setPalette(p);
        dialog->resize(300, 200);
        return dialog.get();
    }
    void showAndSettle()
    {
        dialog->show();
        QCoreApplication::processEvents();
    }
    const SkinPalette &pal() { return skin->lookFor(32).palette; }

    std::unique_ptr<QMainWindow> main;
    std::unique_ptr<QDialog> dialog;
    TMenuSkin *skin = nullptr;
};

QImage shot(QWidget *w) { return w->grab().toImage(); }

// A button whose memory is spoilt, not given back, when it is deleted: any later use of it
// crashes at once instead of reading what happens to be left there.
class SpoiltOnDeleteButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    static void *operator new(std::size_t size) { return std::malloc(size); }
    static void operator delete(void *memory, std::size_t size)
    {
        std::memset(memory, 0xA5, size);
        graveyard().push_back(memory);
    }
    static std::vector<void *> &graveyard()
    {
        static std::vector<void *> spoilt;
        return spoilt;
    }
};

// Counts the events of some types that reach it, and lets them all pass.
class EventCounter : public QObject {
public:
    int presses = 0, releases = 0, paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::MouseButtonPress;
        releases += event->type() == QEvent::MouseButtonRelease;
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

TEST_F(ControlSkinTest, WindowsOpenedLaterAreHookedOnTheNextTurnUnlessTag999)
{
    QDialog *d = openDialog();
    auto *ok = new QPushButton("OK", d);
    auto *leftAloneButton = new QPushButton("Cancel", d);
    leftAloneButton->setProperty("Tag", 999);
    d->show();
    EXPECT_EQ(ControlSubClass::hookOf(ok), nullptr);  // not before the next turn
    QCoreApplication::processEvents();
    EXPECT_NE(ControlSubClass::hookOf(ok), nullptr);
    EXPECT_EQ(ControlSubClass::hookOf(leftAloneButton), nullptr);
    EXPECT_TRUE(TMenuSkinManager::instance()->SkinnedForms().contains(d));

    QDialog *other = openDialog(999);
    auto *ignored = new QPushButton("OK", other);
    showAndSettle();
    EXPECT_EQ(ControlSubClass::hookOf(ignored), nullptr);
}

TEST_F(ControlSkinTest, AButtonThatDeletesItselfWhenClickedIsNotTouchedAfterwards)
{
    QDialog *d = openDialog();
    QPushButton *button = new SpoiltOnDeleteButton("Close", d);
    button->setGeometry(10, 10, 75, 25);
    QObject::connect(button, &QPushButton::clicked, [button] { delete button; });
    showAndSettle();
    ASSERT_NE(ControlSubClass::hookOf(button), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(SpoiltOnDeleteButton::graveyard().size(), 1u);
    for (void *memory : SpoiltOnDeleteButton::graveyard()) std::free(memory);
    SpoiltOnDeleteButton::graveyard().clear();
}

TEST_F(ControlSkinTest, FiltersInstalledBeforeTheHookStillSeeTheControlsEvents)
{
    QDialog *d = openDialog();
    auto *ok = new QPushButton("OK", d);
    ok->setGeometry(10, 10, 75, 25);
    ok->setFocusPolicy(Qt::NoFocus);
    EventCounter earlier;
    ok->installEventFilter(&earlier);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&clicks] { ++clicks; });
    showAndSettle();
    ASSERT_NE(ControlSubClass::hookOf(ok), nullptr);

    QTest::mouseClick(ok, Qt::LeftButton);
    earlier.paints = 0;
    const QImage image = shot(ok);
    EXPECT_EQ(earlier.presses, 1);
    EXPECT_EQ(earlier.releases, 1);
    EXPECT_EQ(earlier.paints, 1);
    EXPECT_EQ(clicks, 1) << "the button has each event once";
    EXPECT_EQ(at(image, 5, 5), pal().IconColumnFace) << "and the skin still paints over it";
}

TEST_F(ControlSkinTest, ListsAndEditsGetTheirThinBorderWhenHooked)
{
    auto *list = new QTreeWidget(main.get());
    auto *edit = new QLineEdit(main.get());
    new ControlSubClass(list, skin);
    new ControlSubClass(edit, skin);
    EXPECT_EQ(list->frameShape(), QFrame::Box) << "before any paint";
    EXPECT_EQ(list->lineWidth(), 1);
    EXPECT_FALSE(edit->hasFrame());
}

TEST_F(ControlSkinTest, BitButtonIsRoundedWithEdgeAndTagVariants)
{
    QDialog *d = openDialog();
    auto *plain = new QPushButton("OK", d);
    plain->setGeometry(10, 10, 75, 25);
    auto *parentColoured = new QPushButton("OK", d);
    parentColoured->setGeometry(10, 50, 75, 25);
    parentColoured->setProperty("Tag", 1000);
    auto *frameless = new QPushButton("OK", d);
    frameless->setGeometry(10, 90, 75, 25);
    frameless->setProperty("Tag", 1001);
    // Focus would light a button up (focus counts as hot); these show their resting look.
    for (QPushButton *b : {plain, parentColoured, frameless}) b->setFocusPolicy(Qt::NoFocus);
    showAndSettle();

    const ColorValue parent = fromQColor(DialogColour);
    QImage image = shot(plain);
    EXPECT_EQ(at(image, 0, 0), parent);  // the rounded corner shows the parent
    EXPECT_EQ(at(image, 5, 5), pal().IconColumnFace);
    EXPECT_EQ(at(image, 10, 0), Lighten(clBtnShadow, 30));
    EXPECT_EQ(at(image, 10, 24), Darken(clBtnShadow, 50));  // the raised bottom edge
    EXPECT_EQ(at(image, 74, 10), Darken(clBtnShadow, 50));

    image = shot(parentColoured);
    EXPECT_EQ(at(image, 5, 5), Lighten(parent, 16));

    // 1001 has all bits of 1000: parent face, and the frame takes the face's colour.
    image = shot(frameless);
    EXPECT_EQ(at(image, 5, 5), Lighten(parent, 16));
    EXPECT_EQ(at(image, 10, 0), Lighten(Lighten(parent, 16), 30));
    EXPECT_EQ(at(image, 10, 24), Lighten(Lighten(parent, 16), 30));
}

TEST_F(ControlSkinTest, SpaceHeldPressesTheButtonOnceAndHotFaceLightens)
{
    QDialog *d = openDialog();
    auto *ok = new QPushButton("OK", d);
    ok->setGeometry(10, 10, 75, 25);
    showAndSettle();
    ControlSubClass *hook = ControlSubClass::hookOf(ok);
    ASSERT_NE(hook, nullptr);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(ok, &press);
    EXPECT_TRUE(hook->state().spaceDown);
    QImage image = shot(ok);
    // Pressed: the dark edge runs along the top and left, the face is the hot one.
    EXPECT_EQ(at(image, 10, 0), Darken(Lighten(pal().SelectFrame, 60), 50));
    EXPECT_EQ(at(image, 5, 5), Lighten(clBtnFace, 40));

    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
    QCoreApplication::sendEvent(ok, &repeat);
    EXPECT_TRUE(hook->state().spaceDown);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(ok, &release);
    EXPECT_FALSE(hook->state().spaceDown);
}

TEST_F(ControlSkinTest, FlatSpeedButtonShowsOnlyItsCaptionAtRestAndTintsWhenHot)
{
    QDialog *d = openDialog();
    auto *speed = new QToolButton(d);
    speed->setText("OK");
    speed->setAutoRaise(true);
    speed->setGeometry(10, 10, 95, 24);
    showAndSettle();
    ASSERT_NE(ControlSubClass::hookOf(speed), nullptr);

    QImage image = d->grab(speed->geometry()).toImage();
    EXPECT_EQ(at(image, 0, 0), fromQColor(DialogColour));
    EXPECT_EQ(at(image, 3, 3), fromQColor(DialogColour));

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(speed, &enter);
    ASSERT_TRUE(ControlSubClass::hookOf(speed)->state().hot);
}

TEST_F(ControlSkinTest, PanelBevelsComeFromThePanelsOwnColour)
{
    QDialog *d = openDialog();
    auto *sunken = new QFrame(d);
    sunken->setGeometry(10, 10, 40, 40);
    sunken->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *raised = new QFrame(d);
    raised->setGeometry(60, 10, 40, 40);
    raised->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *line = new QFrame(d);
    line->setFrameShape(QFrame::HLine);
    showAndSettle();
    EXPECT_EQ(ControlSubClass::hookOf(line), nullptr);

    const ColorValue colour = fromQColor(DialogColour);
    QImage image = shot(sunken);
    EXPECT_EQ(at(image, 0, 10), Darken(colour, 60));
    EXPECT_EQ(at(image, 10, 0), Darken(colour, 60));
    EXPECT_EQ(at(image, 39, 10), Lighten(colour, 60));
    EXPECT_EQ(at(image, 10, 39), Lighten(colour, 60));
    image = shot(raised);
    EXPECT_EQ(at(image, 0, 10), Lighten(colour, 60));
    EXPECT_EQ(at(image, 39, 10), Darken(colour, 60));
}

TEST_F(ControlSkinTest, ListViewGetsAThinBorderThatLightsWithFocus)
{
    QDialog *d = openDialog();
    auto *list = new QTreeWidget(d);
    list->setGeometry(10, 10, 120, 80);
    list->setFocusPolicy(Qt::NoFocus);
    showAndSettle();
    QImage image = shot(list);
    EXPECT_EQ(list->frameShape(), QFrame::Box);
    EXPECT_EQ(at(image, 0, 40), Darken(fromQColor(DialogColour), 60));
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(list, &focus);
    image = shot(list);
    EXPECT_EQ(at(image, 0, 40), Lighten(pal().SelectFrame, 60));
}

TEST_F(ControlSkinTest, SwitchingTheSkinOffUnhooksEachControlAtItsNextEvent)
{
    QDialog *d = openDialog();
    auto *list = new QTreeWidget(d);
    const int frame = list->frameStyle();
    showAndSettle();
    ASSERT_NE(ControlSubClass::hookOf(list), nullptr);
    list->grab();
    skin->setActive(false);
    EXPECT_NE(ControlSubClass::hookOf(list), nullptr);
    list->grab();
    EXPECT_EQ(ControlSubClass::hookOf(list), nullptr);
    EXPECT_EQ(list->frameStyle(), frame);
}

TEST_F(ControlSkinTest, ToolBarButtonsAreDrawnFlatAndTaggedSeparatorsGetALine)
{
    QDialog *d = openDialog();
    auto *bar = new QToolBar(d);
    bar->setGeometry(0, 0, 200, 30);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *back = bar->addAction("Back");
    QAction *separator = bar->addSeparator();
    separator->setProperty("Tag", 1);
    back->setCheckable(true);
    back->setChecked(true);
    showAndSettle();
    auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(back));
    ASSERT_NE(button, nullptr);
    QImage image = shot(button);
    const ColorValue barColour = fromQColor(bar->palette().color(bar->backgroundRole()));
    EXPECT_EQ(at(image, 3, 0), Lighten(barColour, 16));
    EXPECT_EQ(at(image, 0, 5), pal().SelectFrame);  // checked: framed
    EXPECT_EQ(at(image, 3, 5), pal().CheckFace);

    const QRect sep = bar->actionGeometry(separator);
    image = shot(bar);
    EXPECT_EQ(at(image, sep.left() + sep.width() / 2, sep.top() + 5), Darken(barColour, 30));
}

TEST_F(ControlSkinTest, ATransparentToolBarShowsWhatLiesBehindItsButtons)
{
    QDialog *d = openDialog();
    auto *band = new QFrame(d);
    band->setGeometry(0, 0, 200, 30);
    band->setAutoFillBackground(true);
    QPalette p = band->palette();
    p.setColor(QPalette::Window, QColor(160, 40, 40));
    band->setPalette(p);
    auto *bar = new QToolBar(band);
    bar->setGeometry(0, 0, 200, 30);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setProperty("Transparent", true);
    QAction *about = bar->addAction("About");
    showAndSettle();
    const QRect button = bar->actionGeometry(about);
    const QImage image = shot(band);
    EXPECT_EQ(at(image, button.left() + 3, button.top()), fromQColor(QColor(160, 40, 40)));
}

TEST_F(ControlSkinTest, EditLosesItsSunkenFrameForAThinBorder)
{
    QDialog *d = openDialog();
    auto *edit = new QLineEdit(d);
    edit->setGeometry(10, 10, 120, 22);
    edit->setFocusPolicy(Qt::NoFocus);
    showAndSettle();
    const QImage image = shot(edit);
    EXPECT_FALSE(edit->hasFrame());
    EXPECT_EQ(at(image, 0, 10), Darken(fromQColor(DialogColour), 60));
    EXPECT_EQ(at(image, 60, 21), Darken(fromQColor(DialogColour), 60));
}

TEST_F(ControlSkinTest, ClearingAControlKindGivesThoseControlsBack)
{
    auto *button = new QPushButton("OK", main.get());
    button->setGeometry(10, 40, 75, 25);
    skin->AttachComponents(main.get(), true, true);
    ASSERT_NE(ControlSubClass::hookOf(button), nullptr);
    skin->setSkinControls(AllSkinControls & ~(1u << static_cast<int>(TSkinControl::scBitBtn)));
    EXPECT_EQ(ControlSubClass::hookOf(button), nullptr);
    skin->setSkinControls(AllSkinControls);
    EXPECT_NE(ControlSubClass::hookOf(button), nullptr);
    // Nor are controls taken over in a container kind that is switched off.
    skin->setSkinContainers(AllSkinContainers & ~(1u << static_cast<int>(TSkinContainer::sccForm)));
    EXPECT_EQ(ControlSubClass::hookOf(button), nullptr);
}

TEST_F(ControlSkinTest, OtherWindowsPassToTheNextSkinWhenTheOwnerGoes)
{
    auto second = std::make_unique<QMainWindow>();
    auto *secondSkin = new TMenuSkin(second.get());
    secondSkin->setActive(true);
    secondSkin->Loaded();
    TMenuSkinManager *manager = TMenuSkinManager::instance();
    EXPECT_EQ(manager->SkinOwner(), skin);

    QDialog *d = openDialog();
    auto *ok = new QPushButton("OK", d);
    showAndSettle();
    ASSERT_NE(ControlSubClass::hookOf(ok), nullptr);
    EXPECT_EQ(ControlSubClass::hookOf(ok)->parent(), skin);

    main.reset();  // the owner's window closes, and its skin with it
    EXPECT_EQ(manager->SkinOwner(), secondSkin);
    ASSERT_NE(ControlSubClass::hookOf(ok), nullptr);
    EXPECT_EQ(ControlSubClass::hookOf(ok)->parent(), secondSkin);

    // A skin that may not skin other windows gives them back when no other can take them...
    secondSkin->setDisableSubclassing(true);
    EXPECT_EQ(manager->SkinOwner(), nullptr);
    EXPECT_EQ(ControlSubClass::hookOf(ok), nullptr);
    // ...and takes them on again once it may.
    secondSkin->setDisableSubclassing(false);
    EXPECT_EQ(manager->SkinOwner(), secondSkin);
    QCoreApplication::processEvents();
    EXPECT_NE(ControlSubClass::hookOf(ok), nullptr);
    dialog.reset();
}

TEST_F(ControlSkinTest, ComboBorderLightsUpWhenHotAndTheArrowSitsTenFromTheRight)
{
    QDialog *d = openDialog();
    auto *combo = new QComboBox(d);
    combo->addItems({"one", "two"});
    combo->setGeometry(10, 10, 100, 22);
    combo->setFocusPolicy(Qt::NoFocus);
    showAndSettle();
    const ColorValue field = fromQColor(combo->palette().color(QPalette::Base));
    QImage image = shot(combo);
    EXPECT_EQ(at(image, 0, 11), field);
    EXPECT_EQ(at(image, 100 - 10 - 3, 10), clBlack);  // the arrow's first, 5-px line
    EXPECT_EQ(at(image, 100 - 10 - 3, 12), clBlack);  // its last, 1-px line under the middle
    EXPECT_NE(at(image, 100 - 10 - 2, 12), clBlack);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(combo, &enter);
    image = shot(combo);
    EXPECT_EQ(at(image, 0, 11), pal().SelectFrame);
    EXPECT_EQ(at(image, 100 - 10, 5), pal().SelectFace);  // the button face
}

TEST_F(ControlSkinTest, Tag1002SetsTheCaptionOfABitButtonLeftButNotOfAPlainButton)
{
    QPushButton button("OK");
    button.setProperty("Tag", 1002);
    button.resize(100, 25);
    // The first column with dark ink of the caption.
    const auto captionLeft = [&](auto painter) {
        QImage image(button.size(), QImage::Format_RGB32);
        QPainter p(&image);
        painter(p, button, ControlState{}, skin->lookFor(32));
        p.end();
        for (int x = 2; x < image.width() - 2; ++x)
            for (int y = 3; y < image.height() - 3; ++y)
                if (qGray(image.pixel(x, y)) < 100) return x;
        return -1;
    };
    const int bit = captionLeft(PaintBitButton);
    const int plain = captionLeft(PaintButton);
    ASSERT_GE(bit, 0);
    EXPECT_LE(bit, 6);     // the client area shrunk by 4, left-aligned
    EXPECT_GE(plain, 30);  // centred as usual
}

TEST_F(ControlSkinTest, ADownFlatSpeedButtonIsTintedLightOnlyAbove16BitsPerPixel)
{
    QToolButton speed;
    speed.setAutoRaise(true);
    speed.setCheckable(true);
    speed.setChecked(true);
    speed.resize(40, 24);
    const auto middle = [&](int depth) {
        QImage image(speed.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        PaintSpeedButton(p, speed, ControlState{}, skin->lookFor(depth));
        p.end();
        return at(image, 20, 12);
    };
    EXPECT_EQ(middle(32), Lighten(pal().SelectFace, 20));
    EXPECT_EQ(middle(16), pal().CheckFace);  // the down button's own face
}
