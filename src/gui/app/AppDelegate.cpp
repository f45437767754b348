#include "gui/app/AppDelegate.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/playback/PlaybackTiming.h"
#include "core/video/ConversionCache.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowController.h"
#include "gui/controls/SplashWindowController.h"

#include <QScreen>
#include <QTimer>

namespace {

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace

AppDelegate::AppDelegate(QObject *parent) : QObject(parent) {}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching(const QString &path, Start start)
{
    m_start = start;
    TorvaLanguages::SharedTorvaLanguages()->initializeLanguageSetting();
    m_conversionCache = std::make_unique<ConversionCache>();
    m_path = path;
    m_controller = std::make_unique<MainWindowController>();
    m_splash = std::make_unique<SplashWindowController>();
    m_splash->showSplashImage(QStringLiteral("KM7_pcviewer_splash_mac.png"));
    centreOnScreen(m_splash.get());
    m_splash->show();
    QTimer::singleShot(PlaybackTiming::kSplashMilliseconds, this, &AppDelegate::showMainWindow);
}

void AppDelegate::showMainWindow()
{
    centreOnScreen(m_controller->window());
    m_controller->showMainWindow();
    m_splash->close();
    if (m_start == Start::Settings) {
        // Once the window is up: the settings open over it.
        QTimer::singleShot(0, this, [this] { m_controller->openSettings(m_path); });
        return;
    }
    if (!m_path.isEmpty())
        m_controller->openPath(m_path);
}

void AppDelegate::applicationWillTerminate()
{
    // Its conversions are stopped before the cache may go.
    m_controller.reset();
    if (m_conversionCache)
        m_conversionCache->removeIfLastUser();
}
