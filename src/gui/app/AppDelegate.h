#pragma once

#include <QObject>
#include <QString>

#include <memory>

class ConversionCache;
class MainWindowController;
class SplashWindowController;

// The application's start and end: settles the interface language, shows
// the splash picture for two seconds, then the main window (opening the
// folder or recording given on the command line). It holds the transcoder's
// cache while the application runs and removes it at the end when no other
// viewer or torva convert still uses it.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    // path: a folder or recording to open, or empty.
    void applicationDidFinishLaunching(const QString &path);
    void applicationWillTerminate();

    MainWindowController *controller() const { return m_controller.get(); }

private:
    void showMainWindow();

    std::unique_ptr<ConversionCache> m_conversionCache;
    std::unique_ptr<MainWindowController> m_controller;
    std::unique_ptr<SplashWindowController> m_splash;
    QString m_path;
};
