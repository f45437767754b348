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

double TorvaPreferences::number(const char *key, double fallback, double minimum,
                                double maximum) const
{
    bool ok = false;
    const double stored = value(QLatin1String(key)).toDouble(&ok);
    // NaN fails both comparisons and falls back too.
    return ok && stored >= minimum && stored <= maximum ? stored : fallback;
}
