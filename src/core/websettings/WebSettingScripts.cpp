#include "core/websettings/WebSettingScripts.h"

#include "core/websettings/ScriptString.h"

namespace {

// name("text")
QString callWithText(QLatin1StringView name, const QString &text)
{
    return QStringLiteral("%1(%2)").arg(name, ScriptString::quoted(text));
}

} // namespace

QString WebSettingScripts::modelName()
{
    return QStringLiteral("model.name");
}

QString WebSettingScripts::modelCfgSize()
{
    return QStringLiteral("model.cfgSize");
}

QString WebSettingScripts::setCfg(const QString &hex)
{
    return callWithText(QLatin1String("set_cfg"), hex);
}

QString WebSettingScripts::setParamLanguage(const QStringList &codes)
{
    QString script = QStringLiteral("setParamLanguage([");
    for (const QString &code : codes)
        script += ScriptString::quoted(code, QLatin1Char('\'')) + QLatin1Char(',');
    return script + QLatin1String("])");
}

QString WebSettingScripts::setLanguage(const QString &code)
{
    return callWithText(QLatin1String("set_language"), code);
}

QString WebSettingScripts::setTimeDate(const QString &text)
{
    return callWithText(QLatin1String("setTimeDate"), text);
}

QString WebSettingScripts::setTimeHour(const QString &text)
{
    return callWithText(QLatin1String("setTimeHour"), text);
}

QString WebSettingScripts::setTimeMin(const QString &text)
{
    return callWithText(QLatin1String("setTimeMin"), text);
}

QString WebSettingScripts::generateSetting(bool showTabs)
{
    return showTabs ? QStringLiteral("generateSetting(true)")
                    : QStringLiteral("generateSetting(false)");
}

QString WebSettingScripts::getCfg()
{
    return QStringLiteral("get_cfg()");
}

QString WebSettingScripts::updateOk(int index, const QString &value)
{
    return QStringLiteral("update_ok(%1, %2)")
        .arg(QString::number(index), ScriptString::quoted(value));
}

QString WebSettingScripts::updateCancel(int index)
{
    return QStringLiteral("update_cancel(%1)").arg(index);
}
