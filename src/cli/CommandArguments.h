#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// One way for every command to read its arguments: flags ("--swapped"),
// options with a value ("--format gpx" or "--format=gpx", the last one
// counts), and positionals; after "--" everything is a positional, so a
// file name may begin with "-".
class CommandArguments
{
public:
    struct Options
    {
        QStringList flags;
        QStringList valued;
        // What a positional is called in the messages ("FILE", "DIR").
        QString positional;
        // At most this many positionals; -1 for any number.
        int maxPositionals = 1;
    };

    static CommandArguments parse(const QStringList &args, const Options &options);

    // Why the arguments do not fit the options; empty when they do.
    const QString &error() const { return m_error; }
    bool isSet(const QString &flag) const { return m_flags.contains(flag); }
    std::optional<QString> value(const QString &option) const;
    const QStringList &positionals() const { return m_positionals; }
    // The first positional, or an empty text.
    QString positional() const { return m_positionals.value(0); }

private:
    QString m_error;
    QStringList m_flags;
    QHash<QString, QString> m_values;
    QStringList m_positionals;
};
