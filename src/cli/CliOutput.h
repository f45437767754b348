#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// Where a command writes: standard output and error by default, buffers in
// tests. Exit codes: 0 success, 1 the input cannot be used, 2 a usage error.
class CliOutput
{
public:
    static constexpr int kOk = 0;
    static constexpr int kInputError = 1;
    static constexpr int kUsageError = 2;

    CliOutput() = default;
    CliOutput(QByteArray *out, QByteArray *err);

    void write(const QByteArray &bytes);
    void error(const QString &message);
    // Prints the message and the usage text; returns kUsageError.
    int usageError(const QString &message, const QString &usage);
    // "torva: FILE: reason"; returns kInputError.
    int inputError(const QString &file, const QString &reason);

    // A file name as one field of a tab-separated row: tabs and line breaks
    // in it would otherwise split the row or add one.
    static QByteArray field(const QString &name);

private:
    QByteArray *m_out = nullptr;
    QByteArray *m_err = nullptr;
};
