#include "core/i18n/TorvaPreferences.h"

#include <QDebug>

TorvaPreferences::TorvaPreferences()
    : QSettings(QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication))
{
}

void TorvaPreferences::save()
{
    sync();
    if (status() != QSettings::NoError)
        qWarning() << "TorvaPreferences: cannot write the preferences to" << fileName();
}
