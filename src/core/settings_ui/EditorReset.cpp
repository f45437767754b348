#include "core/settings_ui/EditorReset.h"

#include "core/settings/P820SettingManager.h"

std::shared_ptr<P820SettingManager>
EditorReset::reset(const std::shared_ptr<P820SettingManager> &current)
{
    auto factory = std::make_shared<P820SettingManager>();
    // The same card and camera: the editor still needs its languages and ids.
    factory->setSettingDirPath(current->settingDirPath());
    factory->setSdcard_url(current->sdcard_url());
    factory->setModelType(current->modelType());
    factory->setLocalID(current->localID());
    factory->setModelName(current->modelName());
    factory->setLanguages(current->languages());
    if (factory->loadDefaultDataFromDefaultCfgFile()) {
        factory->setVersion(current->version());
        factory->setFirmwareVersionInt(current->firmwareVersionInt());
        factory->setDriving_guide_version(current->driving_guide_version());
        P820SettingManager::ChagneP820SettingManager(factory);
        return factory;
    }
    current->loadDefaultValue();
    return current;
}
