#include "cli/CachedConversion.h"

#include "cli/CliOutput.h"
#include "cli/ProgressLine.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/video/TranscoderMissingAlert.h"
#include "core/video/UnsupportedVideoAlert.h"
#include "core/video/Utils.h"
#include "core/video/VideoConversion.h"

#include <QFileInfo>

CachedConversion::Outcome CachedConversion::run(const QString &file, CliOutput &output)
{
    const QFileInfo recording(file);
    VideoConversion conversion(QUrl::fromLocalFile(recording.absoluteFilePath()));
    const VideoConversion::Result result =
        conversion.run(ProgressLine::shower(QStringLiteral("converting ") + recording.fileName()));
    ProgressLine::clear();
    if (result.status == VideoConversion::Result::Status::NoTranscoder)
        return {output.inputError(file, TorvaLanguages::text(TranscoderMissingAlert::kMessageKey)),
                {}};
    if (result.status != VideoConversion::Result::Status::Answered) {
        return {output.inputError(file, QStringLiteral("cannot make the conversion cache in %1")
                                            .arg(Utils::GetWorkingDirectoryPath())),
                {}};
    }
    if (result.files.isEmpty())
        return {output.inputError(file, TorvaLanguages::text(UnsupportedVideoAlert::kMessageKey)),
                {}};
    Outcome outcome;
    for (const QUrl &playable : result.files)
        outcome.files.append(playable.toLocalFile());
    return outcome;
}
