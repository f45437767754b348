#include "../GuiTestEnvironment.h"
#include "../displays/TestArtifacts.h"

#include "gui/app/MainWindow.h"

#include <QWidget>

#include <array>

namespace {

int windowX(const MainWindow &window, const char *band)
{
    const QWidget *widget = window.findChild<QWidget *>(QString::fromLatin1(band));
    if (!widget)
        return -1;
    return widget->mapTo(&window, QPoint(0, 0)).x();
}

// The x origins of toolbarBg3, dashBg3, toolbarButtons and dashboardCtrls.
std::array<int, 4> bandOrigins(const MainWindow &window)
{
    return {windowX(window, "toolbarBg3"), windowX(window, "dashBg3"),
            windowX(window, "toolbarButtons"), windowX(window, "dashboardCtrls")};
}

bool resizedTo(MainWindow &window, int width)
{
    window.resize(width, 720);
    return GuiTestEnvironment::waitFor([&] { return window.width() == width; });
}

} // namespace

TEST(MainWindow, BandsStayCentredInAWiderWindow)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return window.isVisible(); }));

    ASSERT_TRUE(resizedTo(window, 1024));
    EXPECT_EQ(bandOrigins(window), (std::array{25, 18, 10, 43}));
    TestArtifacts::saveScreenshot(&window, QStringLiteral("mainwindow_1024"));

    ASSERT_TRUE(resizedTo(window, 1200));
    EXPECT_EQ(bandOrigins(window), (std::array{113, 106, 98, 131}));
    TestArtifacts::saveScreenshot(&window, QStringLiteral("mainwindow_1200"));

    // Never narrower than the design.
    window.resize(800, 720);
    GuiTestEnvironment::wait(100);
    EXPECT_EQ(window.width(), 1024);
}
