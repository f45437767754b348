#include "core/telemetry/SrtTelemetryReader.h"

#include "core/telemetry/P820TelemetryRecords.h"
#include "core/telemetry/TelemetryNumbers.h"
#include "core/telemetry/TextScanner.h"

#include <QString>

namespace {

// The payload's fields: those before the first ";" followed by those after it.
TextFields payloadFields(const QByteArray &payload)
{
    const std::string_view text(payload.constData(), size_t(payload.size()));
    const size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos)
        return TextFields(text, ',');
    TextFields fields(text.substr(0, semicolon), ',');
    const std::string_view rest = text.substr(semicolon + 1);
    fields.append(TextFields(rest.substr(0, rest.find(';')), ','));
    return fields;
}

void handlePayload(const TextFields &fields, P820TelemetryRecords &records)
{
    const std::string_view kind = fields.at(0);
    if (kind == "gsensor") {
        records.appendAcceleration(fields);
    } else if (kind == "gsensori") {
        if (records.appendAcceleration(fields) && fields.size() >= 13 &&
            P820TelemetryRecords::isRmcKind(fields.at(6)))
            records.handleRmc(fields, 8);
    } else if (kind == "CAR") {
        records.repeatLastAcceleration(fields);
    } else if (P820TelemetryRecords::isRmcKind(kind) && fields.size() >= 6) {
        records.handleRmc(fields, 2);
    }
}

} // namespace

TelemetryReading SrtTelemetryReader::read(const QByteArray &bytes)
{
    const std::string_view raw(bytes.constData(), size_t(bytes.size()));
    if (bytes.isEmpty() || !TelemetryNumbers::isValidUtf8(raw))
        return TelemetryReading{};
    TextScanner scanner(QString::fromUtf8(bytes));
    P820TelemetryRecords records;
    const QString arrow = QStringLiteral(" --> ");
    while (!scanner.isAtEnd() && !records.isFull()) {
        QString payload;
        scanner.scanUpToLineBreak(nullptr); // block number
        scanner.scanUpTo(arrow, nullptr);   // start time
        scanner.scanLiteral(QStringLiteral("-->"));
        scanner.scanUpToLineBreak(nullptr); // end time
        scanner.scanUpTo(QStringLiteral("\n\n"), &payload);
        payload.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QByteArray utf8 = payload.trimmed().toUtf8();
        handlePayload(payloadFields(utf8), records);
    }
    return records.finish();
}
