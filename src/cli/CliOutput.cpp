#include "cli/CliOutput.h"

CliOutput::CliOutput(QByteArray *out, QByteArray *err) : m_out(out), m_err(err) {}

void CliOutput::write(const QByteArray &bytes)
{
    if (m_out) {
        m_out->append(bytes);
        return;
    }
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void CliOutput::error(const QString &message)
{
    const QByteArray line = "torva: " + message.toUtf8() + '\n';
    if (m_err) {
        m_err->append(line);
        return;
    }
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

int CliOutput::usageError(const QString &message, const QString &usage)
{
    if (!message.isEmpty())
        error(message);
    error(QStringLiteral("usage: ") + usage);
    return kUsageError;
}

int CliOutput::inputError(const QString &file, const QString &reason)
{
    error(file + QStringLiteral(": ") + reason);
    return kInputError;
}

QByteArray CliOutput::field(const QString &name)
{
    QByteArray text = name.toUtf8();
    text.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
    return text;
}
