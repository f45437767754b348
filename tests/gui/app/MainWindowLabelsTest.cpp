#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowController.h"
#include "gui/controls/ElidingLabel.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

using namespace ViewerTestSupport;

TEST(MainWindowLabels, VersionAndFolderAreShownWhole)
{
    Volumes::instance();
    QTemporaryDir root;
    const QString deep = root.filePath(
        QStringLiteral("a folder with a rather long name/another long folder name/recordings"));
    ASSERT_TRUE(QDir().mkpath(deep));
    Viewer viewer;
    const MainWindow::Outlets &o = viewer.outlets();
    viewer.controller.openPath(deep);
    ASSERT_EQ(viewer.controller.window()->width(), 1024);
    GuiTestEnvironment::wait(100);

    const QString version = o.versionLabel->text();
    EXPECT_TRUE(version.startsWith(QStringLiteral("Ver ")) && version.size() > 4);
    EXPECT_GE(o.versionLabel->width(), o.versionLabel->fontMetrics().horizontalAdvance(version));

    ElidingLabel *folder = o.selectedFolderLabel;
    EXPECT_EQ(folder->text(), deep);
    EXPECT_EQ(folder->toolTip(), deep);
    const QString shown = folder->displayedText();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("recordings")));
    EXPECT_LE(folder->fontMetrics().horizontalAdvance(shown), folder->contentsRect().width());
}
