#include "gui/app/SettingsOpening.h"

#include "core/settings/CameraModelTable.h"
#include "core/settings/P820SettingManager.h"
#include "core/settings/QMVSettingManager.h"
#include "core/video/Utils.h"
#include "gui/settings_ui/P820SettingViewController.h"
#include "gui/settings_ui/QMVSettingViewController.h"
#include "gui/settings_ui/SelectDeviceViewController.h"
#include "gui/settings_ui/SelectFlashMemoryViewController.h"
#include "gui/settings_ui/SettingWindow.h"
#include "gui/settings_ui/SettingsAlert.h"
#include "gui/websettings/WebSettingWindowController.h"

#include <QDebug>
#include <QUrl>

namespace {

std::shared_ptr<P820SettingManager> sharedManager()
{
    return P820SettingManager::SharedP820SettingManager();
}

} // namespace

SettingsOpening::SettingsOpening(QWidget *mainWindow, Hooks hooks, QObject *parent)
    : QObject(parent), m_mainWindow(mainWindow), m_hooks(std::move(hooks))
{
}

void SettingsOpening::settingButtonTouched()
{
    m_hooks.pauseVideo();
    const auto manager = sharedManager();
    const QString folder = manager->settingDirPath();
    if (folder.isEmpty() || !Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(folder))) {
        showSelectFlashMemoryWindow();
        return;
    }
    openCardSettings();
}

void SettingsOpening::openSettingsFor(const QString &root)
{
    if (root.isEmpty()) {
        settingButtonTouched();
        return;
    }
    const auto manager = sharedManager();
    manager->setSettingDirPath(root);
    openCardSettings();
}

void SettingsOpening::showSelectFlashMemoryWindow()
{
    SelectFlashMemoryViewController dialog;
    SettingWindow window(m_mainWindow);
    if (window.showModalWindow(m_mainWindow, &dialog, &dialog, true) != 1)
        return;
    const auto manager = sharedManager();
    manager->setSettingDirPath(dialog.selectedFlashMeoryUrl().toLocalFile());
    // The card the user chose, not the first one among the volumes.
    openCardSettings();
}

void SettingsOpening::showSelectModelWindow()
{
    const auto manager = sharedManager();
    SelectDeviceViewController dialog(manager->modelNameList());
    SettingWindow window(m_mainWindow);
    if (window.showModalWindow(m_mainWindow, &dialog, &dialog, true) != 1) {
        manager->setSettingDirPath(QString());
        return;
    }
    const qint64 type = dialog.selectedModelType();
    manager->setModelType(type);
    // The UK model differs by its local id alone.
    if (type == 4)
        manager->setLocalID(P820SettingManager::kUnitedKingdomLocalID);
    else if (type == 3)
        manager->setLocalID(0);
    openEditorForModel();
}

void SettingsOpening::openCardSettings()
{
    const auto manager = sharedManager();
    manager->loadCardIdentity();
    if (manager->modelType() == CameraModelTable::kNoModel)
        showSelectModelWindow();
    else
        openEditorForModel();
}

void SettingsOpening::openEditorForModel()
{
    const auto manager = sharedManager();
    switch (CameraModelTable::editorFor(manager->modelType())) {
    case CameraModelTable::Editor::Native:
        // A card that cannot take the rewritten record still shows its
        // settings; OK then says the card cannot be written.
        if (!manager->loadData())
            qWarning() << "settings: the record could not be rewritten on"
                       << manager->settingDirPath();
        m_hooks.updateModelInfo();
        showSettingWindow();
        return;
    case CameraModelTable::Editor::Compact:
        if (QMVSettingManager::SharedQMVSettingManager().loadData(manager->settingDirPath()) ==
            QMVSettingManager::LoadResult::Unreadable) {
            SettingsAlert::showMemoryCardAlert(m_mainWindow);
            return;
        }
        m_hooks.updateModelInfo();
        showSettingWindow_QMV();
        return;
    case CameraModelTable::Editor::Web:
        showWebSettingWindow();
        return;
    case CameraModelTable::Editor::None:
        qInfo() << "settings: no settings editor for model type" << manager->modelType();
        return;
    }
}

void SettingsOpening::showSettingWindow()
{
    const auto manager = sharedManager();
    if (CameraModelTable::editorFor(manager->modelType()) != CameraModelTable::Editor::Native)
        return;
    P820SettingViewController editor(manager);
    editor.setRefreshVideoFileList(m_hooks.refreshVideoFileList);
    SettingWindow window(m_mainWindow);
    if (window.showModalWindow(m_mainWindow, &editor, &editor, false) == 1)
        m_hooks.updateModelInfo();
}

void SettingsOpening::showSettingWindow_QMV()
{
    const auto manager = sharedManager();
    QMVSettingViewController editor(QMVSettingManager::SharedQMVSettingManager(),
                                    manager->settingDirPath(), manager->modelType());
    SettingWindow window(m_mainWindow);
    if (window.showModalWindow(m_mainWindow, &editor, &editor, false) == 1)
        m_hooks.updateModelInfo();
}

void SettingsOpening::showWebSettingWindow()
{
    const auto manager = sharedManager();
    // This camera lists its languages on the card.
    if (manager->modelType() == 26)
        manager->loadLanguages();
    WebSettingWindowController::showWebSettingWindow(m_mainWindow, manager->settingDirPath(),
                                                     manager->languages());
}
