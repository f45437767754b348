#pragma once

#include <QString>
#include <QStringList>

// The calls the program evaluates in the card's own settings page. Every
// text argument is written as an escaped string literal (ScriptString), so a
// value from the page or the card stays one value.
class WebSettingScripts
{
public:
    static QString modelName();    // model.name
    static QString modelCfgSize(); // model.cfgSize
    // set_cfg("…") with the record's hexadecimal text.
    static QString setCfg(const QString &hex);
    // setParamLanguage(['en','ko',]): every code followed by a comma, the
    // page's own form.
    static QString setParamLanguage(const QStringList &codes);
    static QString setLanguage(const QString &code);
    static QString setTimeDate(const QString &text); // "yyyy,MM,dd"
    static QString setTimeHour(const QString &text);
    static QString setTimeMin(const QString &text);
    static QString generateSetting(bool showTabs);
    static QString getCfg(); // get_cfg()
    // The answers to a page question: update_ok(3, "abc"), update_cancel(3).
    static QString updateOk(int index, const QString &value);
    static QString updateCancel(int index);
};
