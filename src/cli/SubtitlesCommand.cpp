#include "cli/SubtitlesCommand.h"

#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/InputFile.h"

#include "core/telemetry/SubtitleData.h"

#include <QFile>

#include <optional>

namespace {

QByteArray entryRows(const SubtitleData &data)
{
    QByteArray rows = "cts,gx,gy,gz,lat,lng,speed\n";
    for (const SubtitleEntry &entry : data.entries()) {
        rows +=
            QString::asprintf("%d,%d,%d,%d,%.6f,%.6f,%u\n", entry.cts(), entry.gx(), entry.gy(),
                              entry.gz(), double(entry.lat()), double(entry.lng()), entry.speed())
                .toLatin1();
    }
    return rows;
}

QByteArray lookupLines(const SubtitleData &data, int32_t index)
{
    QByteArray lines;
    int32_t x = 0, y = 0, z = 0;
    if (data.getSensorAt(index, x, y, z))
        lines += QString::asprintf("sensor %d %d %d\n", x, y, z).toLatin1();
    else
        lines += "sensor none\n";
    float lat = 0.0f, lng = 0.0f;
    uint32_t speed = 0;
    const int32_t code = data.getGpsAt(index, lat, lng, speed);
    if (code == SubtitleData::GpsNone)
        lines += "gps 2\n";
    else
        lines += QString::asprintf("gps %d %.6f %.6f %u\n", code, double(lat), double(lng), speed)
                     .toLatin1();
    return lines;
}

} // namespace

const char *SubtitlesCommand::usage()
{
    return "torva subtitles FILE.srt [--at INDEX]";
}

int SubtitlesCommand::run(const QStringList &args, CliOutput &output)
{
    const CommandArguments parsed =
        CommandArguments::parse(args, {{}, {QStringLiteral("--at")}, QStringLiteral("FILE")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    std::optional<int32_t> index;
    if (const auto text = parsed.value(QStringLiteral("--at"))) {
        bool ok = false;
        index = text->toInt(&ok);
        if (!ok)
            return output.usageError(QStringLiteral("--at needs a whole number"), usage());
    }
    const QString file = parsed.positional();
    if (const int code = InputFile::check(file, output, usage()); code != CliOutput::kOk)
        return code;
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return output.inputError(file, input.errorString());
    if (input.size() > SubtitleData::kMaxFileBytes)
        return output.inputError(file, QStringLiteral("too large for a subtitle file"));

    SubtitleData data;
    data.loadFromText(input.readAll());
    output.write(index ? lookupLines(data, *index) : entryRows(data));
    return CliOutput::kOk;
}
