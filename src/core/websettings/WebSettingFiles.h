#pragma once

#include <QString>

// The files of a card's "SETTING" folder that its own settings page works
// on, by the card root. An empty root gives empty paths, never a path at the
// top of the file system.
class WebSettingFiles
{
public:
    static QString cfgFilename(const QString &folder);        // SETTING/setup.cfg
    static QString defaultCfgFilename(const QString &folder); // SETTING/default.cfg
    static QString adasFilename(const QString &folder);       // SETTING/ADAS_CAL.dat
    static QString timedateFilename(const QString &folder);   // SETTING/time.dat
    static QString htmlFolder(const QString &folder);         // SETTING/html
};
