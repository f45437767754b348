#include "cli/ClipCommand.h"

#include "cli/CachedConversion.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/InputFile.h"
#include "cli/ProgressLine.h"

#include "core/clip/ClipExport.h"
#include "core/clip/ClipRange.h"
#include "core/clip/RecordingStartTime.h"
#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/playback/RecordingTelemetry.h"
#include "core/telemetry/SubtitleData.h"
#include "core/video/ConversionCache.h"
#include "core/video/Mp4Movie.h"
#include "core/video/RecordingPartner.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cmath>
#include <csignal>
#include <optional>
#include <variant>

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void noteInterrupt(int)
{
    interrupted = 1;
}

// Ctrl-C or a termination request while it lives cancels the export instead
// of ending the program, so that no temporary file stays behind.
class InterruptWatch
{
public:
    InterruptWatch()
    {
        interrupted = 0;
        struct sigaction action = {};
        action.sa_handler = noteInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previousInt);
        sigaction(SIGTERM, &action, &m_previousTerm);
    }
    ~InterruptWatch()
    {
        sigaction(SIGINT, &m_previousInt, nullptr);
        sigaction(SIGTERM, &m_previousTerm, nullptr);
    }
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    static bool happened() { return interrupted != 0; }

private:
    struct sigaction m_previousInt = {};
    struct sigaction m_previousTerm = {};
};

std::optional<double> seconds(const CommandArguments &parsed, const QString &option)
{
    bool ok = false;
    const double value = parsed.value(option).value_or(QString()).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

ClipExport::Result exportClip(const ClipRequest &request)
{
    const InterruptWatch watch;
    ClipExport job(request);
    QEventLoop loop;
    QObject::connect(&job, &ClipExport::finished, &loop, &QEventLoop::quit);
    if (const auto show = ProgressLine::shower(QStringLiteral("exporting ") +
                                               QFileInfo(request.output).fileName()))
        QObject::connect(&job, &ClipExport::progress, &loop, show);
    QTimer poll;
    poll.setInterval(100);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&job] {
        if (InterruptWatch::happened())
            job.cancel();
    });
    poll.start();
    job.start();
    loop.exec();
    ProgressLine::clear();
    return job.result();
}

// What the command line asks for.
struct Choices
{
    QString file;
    double from = 0.0;
    double to = 0.0;
    bool composed = false;
    ClipRequest::Layout layout = ClipRequest::Layout::Side;
    bool overlay = false;
    QString output;
};

// The choices, or the exit code after telling what is wrong with them.
std::variant<Choices, int> readChoices(const QStringList &args, CliOutput &output)
{
    const char *usage = ClipCommand::usage();
    const CommandArguments parsed =
        CommandArguments::parse(args, {{QStringLiteral("--composed"), QStringLiteral("--overlay")},
                                       {QStringLiteral("--from"), QStringLiteral("--to"),
                                        QStringLiteral("--layout"), QStringLiteral("-o")},
                                       QStringLiteral("FILE")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage);
    Choices choices;
    const std::optional<double> from = seconds(parsed, QStringLiteral("--from"));
    const std::optional<double> to = seconds(parsed, QStringLiteral("--to"));
    if (!from || !to)
        return output.usageError(QStringLiteral("--from and --to need a number of seconds"), usage);
    choices.from = *from;
    choices.to = *to;
    choices.composed = parsed.isSet(QStringLiteral("--composed"));
    choices.overlay = parsed.isSet(QStringLiteral("--overlay"));
    const std::optional<QString> layout = parsed.value(QStringLiteral("--layout"));
    if (!choices.composed && (layout || choices.overlay))
        return output.usageError(QStringLiteral("--layout and --overlay need --composed"), usage);
    if (layout == QLatin1String("pip"))
        choices.layout = ClipRequest::Layout::Pip;
    else if (layout && *layout != QLatin1String("side"))
        return output.usageError(QStringLiteral("unknown layout \"%1\"").arg(*layout), usage);
    choices.output = parsed.value(QStringLiteral("-o")).value_or(QString());
    if (choices.output.isEmpty())
        return output.usageError(QStringLiteral("-o OUT is missing"), usage);
    if (QFileInfo(choices.output).suffix().isEmpty())
        return output.usageError(QStringLiteral("OUT needs an extension, such as .mp4"), usage);
    choices.file = parsed.positional();
    if (const int code = InputFile::check(choices.file, output, usage); code != CliOutput::kOk)
        return code;
    return choices;
}

} // namespace

const char *ClipCommand::usage()
{
    return "torva clip [--] FILE --from SECONDS --to SECONDS [--composed [--layout side|pip] "
           "[--overlay]] -o OUT";
}

int ClipCommand::run(const QStringList &args, CliOutput &output)
{
    const std::variant<Choices, int> read = readChoices(args, output);
    if (const int *code = std::get_if<int>(&read))
        return *code;
    const Choices &choices = std::get<Choices>(read);
    // Refused before anything is converted.
    if (const auto problem = ClipExport::targetProblem(choices.output))
        return output.inputError(choices.output,
                                 TorvaLanguages::text(ExportFile::messageKey(*problem)));

    // Held while converting and cutting, so that a viewer quitting meanwhile
    // leaves the cached conversions.
    const ConversionCache cache;
    const QString &file = choices.file;
    const CachedConversion::Outcome playable = CachedConversion::run(file, output);
    if (playable.code != CliOutput::kOk)
        return playable.code;
    ClipRequest request;
    // The telemetry as the viewer reads it, beside the file it shows.
    const QUrl recording = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    RecordingTelemetry::load(recording, playable.files.first(), request.track);
    // An MP4 opened from the rear camera's file shows that camera first.
    const bool swapped = playable.files.size() == 2 &&
                         RecordingTelemetry::needsConversion(recording) &&
                         RecordingPartner::isRearRecording(file);
    request.frontInput = playable.files.at(swapped ? 1 : 0);
    request.rearInput = playable.files.value(swapped ? 0 : 1);
    request.mode = choices.composed ? ClipRequest::Mode::Composed : ClipRequest::Mode::Lossless;
    request.layout = choices.layout;
    request.overlay = choices.overlay;
    request.output = QFileInfo(choices.output).absoluteFilePath();
    if (request.writesOver({file, RecordingPartner::partnerPath(file)}))
        return output.inputError(choices.output,
                                 QStringLiteral("the clip would replace the recording itself"));
    const std::optional<Mp4Movie> movie = Mp4Movie::readFile(request.frontInput);
    const double duration = movie ? movie->duration : 0.0;
    const auto range = ClipRange::parse(choices.from, choices.to, duration);
    if (!range)
        return output.inputError(file, ClipRange::problem(choices.from, choices.to, duration));
    request.from = range->first;
    request.to = range->second;
    request.recordingStart = RecordingStartTime::fromFileName(file);
    request.metricSpeed = !TorvaSpeedUnit::isMph();

    const ClipExport::Result result = exportClip(request);
    using Status = ClipExport::Result::Status;
    if (result.status == Status::Done) {
        for (const QString &written : result.files)
            output.write(CliOutput::field(written) + '\n');
        return CliOutput::kOk;
    }
    if (result.status == Status::Cancelled)
        return output.inputError(choices.output,
                                 QStringLiteral("interrupted; nothing was written"));
    return output.inputError(result.status == Status::CannotWrite ? choices.output : file,
                             TorvaLanguages::text(ClipExport::messageKey(result)));
}
