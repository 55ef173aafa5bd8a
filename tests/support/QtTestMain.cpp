// main() of every widget test executable: a QApplication on the offscreen platform, with the
// game's fonts, at the scale the tests assert whatever the desktop has set.
#include "Resources.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The desktop's scaling reaches a program through these; the tests measure pixels, so none of
// them may come from the machine. A scaled run names its scale in QUORBIX_TEST_SCALE instead.
void pinScale()
{
    for (const char *name :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI",
          "QT_FONT_DPI"})
        qunsetenv(name);
    const QByteArray scale = qgetenv("QUORBIX_TEST_SCALE");
    if (!scale.isEmpty()) qputenv("QT_SCALE_FACTOR", scale);
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    pinScale();
    QApplication app(argc, argv);
    // As the game does: the windows' font names resolve to the faces the game carries, not to
    // whatever the machine has installed under those names.
    resources::init();
    resources::registerFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
