#include "../GuiTestEnvironment.h"
#include "../displays/TestArtifacts.h"

#include "app/MainWindow.h"

#include <QWidget>

namespace {

int windowX(const MainWindow &window, const char *band)
{
    const QWidget *widget = window.findChild<QWidget *>(QString::fromLatin1(band));
    if (!widget)
        return -1;
    return widget->mapTo(&window, QPoint(0, 0)).x();
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
    EXPECT_EQ(windowX(window, "toolbarBg3"), 25);
    EXPECT_EQ(windowX(window, "dashBg3"), 18);
    EXPECT_EQ(windowX(window, "toolbarButtons"), 10);
    EXPECT_EQ(windowX(window, "dashboardCtrls"), 43);
    TestArtifacts::saveScreenshot(&window, QStringLiteral("mainwindow_1024"));

    ASSERT_TRUE(resizedTo(window, 1200));
    EXPECT_EQ(windowX(window, "toolbarBg3"), 113);
    EXPECT_EQ(windowX(window, "dashBg3"), 106);
    EXPECT_EQ(windowX(window, "toolbarButtons"), 98);
    EXPECT_EQ(windowX(window, "dashboardCtrls"), 131);
    TestArtifacts::saveScreenshot(&window, QStringLiteral("mainwindow_1200"));

    // Never narrower than the design.
    window.resize(800, 720);
    GuiTestEnvironment::wait(100);
    EXPECT_EQ(window.width(), 1024);
}
