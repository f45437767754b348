#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

// The menus of the main window: the application menu with its Quit item, the
// interface language (English, French, Japanese) and the speed unit. The
// language and unit items are radio items marked from the preferences.
class MainWindowMenus : public QObject
{
    Q_OBJECT

public:
    explicit MainWindowMenus(QMainWindow *window);

    // Re-titles both menus and their items in the current language.
    void applyLanguageSettings();
    void markCurrentLanguage();
    // Stores km/h when no unit is stored yet.
    void markCurrentSpeedUnit();

    QMenu *languageMenu() const { return m_languageMenu; }
    QMenu *speedUnitMenu() const { return m_speedUnitMenu; }
    // English, French, Japanese.
    QAction *languageAction(const QString &code) const;
    QAction *kmphAction() const { return m_kmph; }
    QAction *mphAction() const { return m_mph; }

Q_SIGNALS:
    void quitRequested();

private:
    void languageChange(const QString &code);
    void setSpeedUnit(int unit);

    QMenu *m_languageMenu;
    QMenu *m_speedUnitMenu;
    QAction *m_quit;
    QAction *m_english;
    QAction *m_french;
    QAction *m_japanese;
    QAction *m_kmph;
    QAction *m_mph;
};
