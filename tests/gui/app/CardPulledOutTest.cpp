#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "FileBytes.h"
#include "TempFolder.h"

#include "core/settings/MemoryCardAlert.h"
#include "gui/app/CardWatcher.h"
#include "gui/app/RecordingCopyRunner.h"
#include "gui/app/RecordingExportActions.h"
#include "gui/controls/ImageButton.h"
#include "gui/displays/GravityGraphView.h"
#include "gui/settings_ui/P820SettingViewController.h"
#include "gui/settings_ui/SettingWindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>

#include <sys/mount.h>
#include <unistd.h>

using namespace ViewerTestSupport;
using Gui = GuiTestEnvironment;

namespace {

// Its own memory card among the stand-in volumes: a tmpfs holding the demo
// card's files, pulled out as a person pulls a card, by a lazy unmount that
// leaves the mount folder behind, empty, on the local disk.
class PulledCard
{
public:
    // Holds the files of the card at source each time it goes in.
    explicit PulledCard(const QString &source)
        : m_source(source), m_root(QFileInfo(cardPath()).dir().filePath(QStringLiteral("PULLED")))
    {
    }
    ~PulledCard()
    {
        pull();
        QDir().rmdir(m_root);
    }

    const QString &root() const { return m_root; }
    QString file(const QString &name) const { return QDir(m_root).filePath(name); }

    bool insert()
    {
        if (!QDir().mkpath(m_root) ||
            mount("tmpfs", QFile::encodeName(m_root).constData(), "tmpfs", 0, "size=128m") != 0)
            return false;
        m_mounted = true;
        return copyTree(m_source, m_root);
    }

    void pull()
    {
        if (m_mounted)
            umount2(QFile::encodeName(m_root).constData(), MNT_DETACH);
        m_mounted = false;
    }

private:
    QString m_source;
    QString m_root;
    bool m_mounted = false;
};

// The card is put aside for these tests and back afterwards, so that only
// the pulled card is one.
struct DemoCardAside
{
    DemoCardAside()
    {
        aside = insertCard() && copyTree(cardPath(), copy.path()) && takeCardOut(true);
    }
    // Where the card is meanwhile.
    static QString folder() { return QFileInfo(cardPath()).dir().filePath("../"); }
    ~DemoCardAside()
    {
        if (aside)
            takeCardOut(false);
    }
    bool aside = false;
    // Its files, for the pulled card.
    TempFolder copy;
};

int rowOf(MainWindowController &controller, const QString &path)
{
    return int(controller.library().filteredVideoFileList().indexOf(QUrl::fromLocalFile(path)));
}

// While it lives, closes every message box with the informative text, and
// counts them.
class MessageCloser
{
public:
    explicit MessageCloser(const QString &informative)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, informative] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (box && box->isVisible() && box->informativeText() == informative) {
                    ++m_closed;
                    box->done(0);
                }
            }
        });
        m_timer.start(20);
    }

    int closed() const { return m_closed; }

private:
    QTimer m_timer;
    int m_closed = 0;
};

enum class InUse
{
    Playing,
    Converting,
    Copying,
    EditingSettings,
};

// The card pulled out while in use: the viewer goes on, says so in the
// user's language, empties the list, stops what read the card, writes
// nothing where the card was, and takes the card back when it returns.
TEST(CardPulledOut, TheViewerSaysSoWritesNothingInItsPlaceAndTakesItBack)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a card needs root";
    const DemoCardAside demo;
    ASSERT_TRUE(demo.aside);
    const struct
    {
        const char *name;
        InUse use;
    } cases[] = {
        {"playing", InUse::Playing},
        {"converting", InUse::Converting},
        {"copying", InUse::Copying},
        {"editing settings", InUse::EditingSettings},
    };
    for (const auto &[name, use] : cases) {
        SCOPED_TRACE(name);
        PulledCard card(demo.copy.path());
        ASSERT_TRUE(card.insert());
        Viewer viewer;
        MainWindowController &controller = viewer.controller;
        const MainWindow::Outlets &o = viewer.outlets();
        ASSERT_TRUE(Gui::waitFor([&] { return rowCount(controller) == kDemoCardRows; }));
        const QString recording = card.file("cont_rec/REC_20260514_083000.avi");
        TempFolder out;
        const QString copy = out.path("copy.avi");
        std::optional<MessageCloser> refused;
        switch (use) {
        case InUse::Playing:
            ASSERT_TRUE(viewer.playRow(rowOf(controller, recording)));
            card.pull();
            break;
        case InUse::Converting: {
            // A recording of its own, that no conversion has answered
            // before; pulled before this one can answer.
            const QString fresh = card.file("cont_rec/REC_20260514_083100.avi");
            ASSERT_TRUE(QFile::copy(recording, fresh));
            controller.openPath(fresh);
            ASSERT_EQ(controller.session().state(), PlaybackSession::State::Converting);
            card.pull();
            break;
        }
        case InUse::Copying: {
            // Long enough to be copying still when the card goes; the
            // viewer is told at once, so that little is copied meanwhile.
            QFile large(card.file("Saved_Videos/REC_20260601_120000.avi"));
            ASSERT_TRUE(large.open(QIODevice::WriteOnly));
            ASSERT_TRUE(large.resize(qint64(4) * 1024 * 1024 * 1024)); // sparse
            large.close();
            controller.updateModelInfo();
            controller.selectRow(rowOf(controller, large.fileName()));
            whenModal<QFileDialog>([&](QFileDialog *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(copy);
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
            });
            o.saveFileButton->click();
            ASSERT_TRUE(controller.exportActions()->copyRunner()->isRunning());
            card.pull();
            Q_EMIT controller.findChild<CardWatcher *>()->volumesChanged();
            break;
        }
        case InUse::EditingSettings:
            // OK pressed at once, before the viewer has noticed.
            refused.emplace(localized(MemoryCardAlert::kMessageKey));
            whenModal<SettingWindow>([&](SettingWindow *window) {
                auto *editor = window->findChild<P820SettingViewController *>();
                ASSERT_NE(editor, nullptr);
                card.pull();
                editor->okButton()->click();
                editor->cancelButton()->click();
            });
            o.settingButton->click();
            EXPECT_EQ(refused->closed(), 1) << "OK says the card cannot be written";
            break;
        }
        ASSERT_TRUE(Gui::waitFor([&] { return rowCount(controller) == 0; }, 8000));
        ASSERT_TRUE(Gui::waitFor([&] { return controller.unsupportedFileAlert() != nullptr; }));
        QMessageBox *alert = controller.unsupportedFileAlert();
        EXPECT_EQ(alert->text(), localized(MemoryCardAlert::kTitleKey));
        EXPECT_EQ(alert->informativeText(), localized(MemoryCardAlert::kRemovedKey));
        if (use == InUse::Playing || use == InUse::Converting) {
            EXPECT_EQ(controller.session().state(), PlaybackSession::State::Idle);
            EXPECT_TRUE(o.gravityGraph->gxPointList().isEmpty()) << "no graph of a card that went";
        }
        EXPECT_TRUE(Gui::waitFor(
            [&] { return !controller.exportActions()->copyRunner()->isRunning(); }, 20000));
        EXPECT_TRUE(QDir(out.path()).isEmpty()) << "no copy of a card that went";
        Gui::wait(300);
        EXPECT_TRUE(
            QDir(card.root())
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            << qPrintable(QDir(card.root()).entryList(QDir::AllEntries | QDir::Hidden).join(' '));
        alert->close();

        // The card back, after the viewer has looked at the empty folder (a
        // card back within one look goes unseen): listed, and a recording plays.
        Gui::wait(CardWatcher::kPollMilliseconds + 500);
        ASSERT_TRUE(card.insert());
        ASSERT_TRUE(Gui::waitFor([&] { return rowCount(controller) == kDemoCardRows; }, 8000));
        EXPECT_TRUE(viewer.playRow(rowOf(controller, recording)));
    }
}

} // namespace
