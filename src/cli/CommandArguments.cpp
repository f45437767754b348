#include "cli/CommandArguments.h"

CommandArguments CommandArguments::parse(const QStringList &args, const Options &options)
{
    CommandArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size() && parsed.m_error.isEmpty(); ++i) {
        const QString &arg = args[i];
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg.size() == 1) {
            parsed.m_positionals.append(arg);
            if (options.maxPositionals >= 0 && parsed.m_positionals.size() > options.maxPositionals)
                parsed.m_error = QStringLiteral("only one %1, please").arg(options.positional);
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? arg : arg.left(equals);
        if (equals < 0 && options.flags.contains(arg)) {
            parsed.m_flags.append(arg);
        } else if (options.valued.contains(name)) {
            if (equals >= 0)
                parsed.m_values.insert(name, arg.mid(equals + 1));
            else if (i + 1 < args.size())
                parsed.m_values.insert(name, args[++i]);
            else
                parsed.m_error = QStringLiteral("%1 needs a value").arg(name);
        } else {
            parsed.m_error = QStringLiteral("unknown option %1").arg(arg);
        }
    }
    return parsed;
}

std::optional<QString> CommandArguments::value(const QString &option) const
{
    const auto found = m_values.constFind(option);
    return found == m_values.constEnd() ? std::nullopt : std::optional(*found);
}
