#include "app/AppDelegate.h"

#include "app/MainWindowController.h"
#include "controls/SplashWindowController.h"
#include "i18n/TorvaLanguages.h"
#include "playback/PlaybackTiming.h"
#include "video/Utils.h"

#include <QTimer>

AppDelegate::AppDelegate(QObject *parent) : QObject(parent) {}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching(const QString &path)
{
    TorvaLanguages::SharedTorvaLanguages()->initializeLanguageSetting();
    m_path = path;
    m_controller = std::make_unique<MainWindowController>();
    m_splash = std::make_unique<SplashWindowController>();
    m_splash->showSplashImage(QStringLiteral("KM7_pcviewer_splash_mac.png"));
    m_splash->show();
    QTimer::singleShot(PlaybackTiming::kSplashMilliseconds, this, &AppDelegate::showMainWindow);
}

void AppDelegate::showMainWindow()
{
    m_controller->showMainWindow();
    m_splash->close();
    if (!m_path.isEmpty())
        m_controller->openPath(m_path);
}

void AppDelegate::applicationWillTerminate()
{
    m_controller.reset();
    Utils::RemoveDirectory(Utils::GetWorkingDirectoryPath());
}
