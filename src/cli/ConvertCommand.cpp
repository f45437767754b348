#include "cli/ConvertCommand.h"

#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/InputFile.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/video/ConversionCache.h"
#include "core/video/TranscoderMissingAlert.h"
#include "core/video/UnsupportedVideoAlert.h"
#include "core/video/Utils.h"
#include "core/video/VideoConversion.h"

#include <QFileInfo>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

// A line on a terminal's standard error that shows how far ffmpeg has got;
// nothing when standard error is a file or a pipe.
std::function<void(double)> progressLine(const QString &name)
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [name](double fraction) {
        const QByteArray line = QStringLiteral("\rconverting %1: %2%")
                                    .arg(name, QString::number(int(fraction * 100)))
                                    .toUtf8();
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
    };
}

void clearProgressLine()
{
    if (isatty(STDERR_FILENO))
        std::fputs("\r\033[K", stderr);
}

} // namespace

const char *ConvertCommand::usage()
{
    return "torva convert [--] FILE";
}

int ConvertCommand::run(const QStringList &args, CliOutput &output)
{
    const CommandArguments parsed = CommandArguments::parse(args, {{}, {}, QStringLiteral("FILE")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    const QString file = parsed.positional();
    if (const int code = InputFile::check(file, output, usage()); code != CliOutput::kOk)
        return code;

    const QFileInfo recording(file);
    // Held while converting, so that a viewer quitting meanwhile leaves the cache.
    const ConversionCache cache;
    VideoConversion conversion(QUrl::fromLocalFile(recording.absoluteFilePath()));
    const VideoConversion::Result result = conversion.run(progressLine(recording.fileName()));
    clearProgressLine();
    if (result.status == VideoConversion::Result::Status::NoTranscoder)
        return output.inputError(file, TorvaLanguages::text(TranscoderMissingAlert::kMessageKey));
    if (result.status != VideoConversion::Result::Status::Answered) {
        return output.inputError(file, QStringLiteral("cannot make the conversion cache in %1")
                                           .arg(Utils::GetWorkingDirectoryPath()));
    }
    if (result.files.isEmpty()) {
        return output.inputError(file, TorvaLanguages::text(UnsupportedVideoAlert::kMessageKey));
    }
    for (const QUrl &playable : result.files)
        output.write(playable.toLocalFile().toUtf8() + '\n');
    return CliOutput::kOk;
}
