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

    enum class Start
    {
        Viewer,   // opens path in the viewer
        Settings, // opens the camera settings of the card at path
    };
    // path: a folder or recording, or empty.
    void applicationDidFinishLaunching(const QString &path, Start start = Start::Viewer);
    void applicationWillTerminate();

    MainWindowController *controller() const { return m_controller.get(); }

private:
    void showMainWindow();

    std::unique_ptr<ConversionCache> m_conversionCache;
    std::unique_ptr<MainWindowController> m_controller;
    std::unique_ptr<SplashWindowController> m_splash;
    QString m_path;
    Start m_start = Start::Viewer;
};
