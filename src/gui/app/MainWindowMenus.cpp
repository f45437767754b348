#include "gui/app/MainWindowMenus.h"

#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/i18n/TorvaPreferences.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace {

QAction *radioItem(QMenu *menu, QActionGroup *group)
{
    QAction *action = menu->addAction(QString());
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

} // namespace

MainWindowMenus::MainWindowMenus(QMainWindow *window) : QObject(window)
{
    QMenuBar *bar = window->menuBar();
    QMenu *applicationMenu = bar->addMenu(QStringLiteral("Torvaview"));
    m_quit = applicationMenu->addAction(QStringLiteral("Quit %1").arg(window->windowTitle()));
    connect(m_quit, &QAction::triggered, this, &MainWindowMenus::quitRequested);

    m_languageMenu = bar->addMenu(QString());
    auto *languages = new QActionGroup(this);
    m_english = radioItem(m_languageMenu, languages);
    m_french = radioItem(m_languageMenu, languages);
    m_japanese = radioItem(m_languageMenu, languages);
    connect(m_english, &QAction::triggered, this, [this] { languageChange(QStringLiteral("en")); });
    connect(m_french, &QAction::triggered, this, [this] { languageChange(QStringLiteral("fr")); });
    connect(m_japanese, &QAction::triggered, this,
            [this] { languageChange(QStringLiteral("ja")); });

    m_speedUnitMenu = bar->addMenu(QString());
    auto *units = new QActionGroup(this);
    m_kmph = radioItem(m_speedUnitMenu, units);
    m_mph = radioItem(m_speedUnitMenu, units);
    connect(m_kmph, &QAction::triggered, this, [this] { setSpeedUnit(TorvaSpeedUnit::kKmph); });
    connect(m_mph, &QAction::triggered, this, [this] { setSpeedUnit(TorvaSpeedUnit::kMph); });

    applyLanguageSettings();
    markCurrentLanguage();
    markCurrentSpeedUnit();
}

void MainWindowMenus::applyLanguageSettings()
{
    m_languageMenu->setTitle(TorvaLanguages::text("언어"));
    m_english->setText(TorvaLanguages::text("영어"));
    m_french->setText(TorvaLanguages::text("프랑스어"));
    m_japanese->setText(TorvaLanguages::text("일본어"));
    m_speedUnitMenu->setTitle(TorvaLanguages::text("속도 단위"));
    m_kmph->setText(TorvaLanguages::text("KM/H"));
    m_mph->setText(TorvaLanguages::text("MPH"));
}

QAction *MainWindowMenus::languageAction(const QString &code) const
{
    if (code == QLatin1String("fr"))
        return m_french;
    if (code == QLatin1String("ja"))
        return m_japanese;
    return m_english;
}

void MainWindowMenus::markCurrentLanguage()
{
    const QString code = TorvaPreferences().value(TorvaPreferences::kLanguageKey).toString();
    // The menu offers no Portuguese item: with "pt" stored nothing is marked.
    if (code == QLatin1String("pt")) {
        for (QAction *action : {m_english, m_french, m_japanese})
            action->setChecked(false);
        return;
    }
    languageAction(code)->setChecked(true);
}

void MainWindowMenus::markCurrentSpeedUnit()
{
    TorvaPreferences preferences;
    if (!preferences.contains(TorvaPreferences::kSpeedUnitKey)) {
        preferences.setValue(TorvaPreferences::kSpeedUnitKey, TorvaSpeedUnit::kKmph);
        preferences.save();
    }
    (TorvaSpeedUnit::isMph() ? m_mph : m_kmph)->setChecked(true);
}

void MainWindowMenus::languageChange(const QString &code)
{
    languageAction(code)->setChecked(true);
    TorvaLanguages::SharedTorvaLanguages()->languageChange(code);
}

void MainWindowMenus::setSpeedUnit(int unit)
{
    (unit == TorvaSpeedUnit::kMph ? m_mph : m_kmph)->setChecked(true);
    TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(unit);
}
