#include "core/websettings/WebSettingFiles.h"

namespace {

QString settingPath(const QString &folder, QLatin1StringView name)
{
    if (folder.isEmpty())
        return {};
    return folder + QLatin1String("/SETTING/") + name;
}

} // namespace

QString WebSettingFiles::cfgFilename(const QString &folder)
{
    return settingPath(folder, QLatin1String("setup.cfg"));
}

QString WebSettingFiles::defaultCfgFilename(const QString &folder)
{
    return settingPath(folder, QLatin1String("default.cfg"));
}

QString WebSettingFiles::adasFilename(const QString &folder)
{
    return settingPath(folder, QLatin1String("ADAS_CAL.dat"));
}

QString WebSettingFiles::timedateFilename(const QString &folder)
{
    return settingPath(folder, QLatin1String("time.dat"));
}

QString WebSettingFiles::htmlFolder(const QString &folder)
{
    return settingPath(folder, QLatin1String("html"));
}
