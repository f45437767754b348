#pragma once

#include <QObject>
#include <QString>

#include <memory>

class MainWindowController;
class SplashWindowController;

// The application's start and end: settles the interface language, shows
// the splash picture for two seconds, then the main window (opening the
// folder or recording given on the command line), and removes the
// transcoder's working folder when the application ends.
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

    std::unique_ptr<MainWindowController> m_controller;
    std::unique_ptr<SplashWindowController> m_splash;
    QString m_path;
};
