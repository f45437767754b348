#include "cli/ListCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"

#include "core/library/RecordingLibrary.h"
#include "core/library/RecordingRowColour.h"

#include <QFileInfo>

namespace {

const char *colourName(RecordingRowColour::Colour colour)
{
    switch (colour) {
    case RecordingRowColour::Colour::Saved:
        return "saved";
    case RecordingRowColour::Colour::Manual:
        return "manual";
    case RecordingRowColour::Colour::Normal:
        break;
    }
    return "normal";
}

} // namespace

const char *ListCommand::usage()
{
    return "torva list DIR [--filter all|continuous|motion|event|manual] [--swapped]";
}

int ListCommand::run(const QStringList &args, CliOutput &output)
{
    const CommandArguments parsed = CommandArguments::parse(
        args, {{QStringLiteral("--swapped")}, {QStringLiteral("--filter")}, QStringLiteral("DIR")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    RecordingFilter::Group group = RecordingFilter::All;
    if (const auto name = parsed.value(QStringLiteral("--filter"))) {
        const auto chosen = RecordingFilter::groupFromName(*name);
        if (!chosen)
            return output.usageError(QStringLiteral("unknown filter \"%1\"").arg(*name), usage());
        group = *chosen;
    }
    const bool swapped = parsed.isSet(QStringLiteral("--swapped"));
    const QString dir = parsed.positional();
    if (dir.isEmpty())
        return output.usageError(QStringLiteral("DIR is missing"), usage());
    if (const QString problem = CardCli::listingProblem(dir); !problem.isEmpty())
        return output.inputError(dir, problem);

    RecordingLibrary library;
    library.setVideoFileFilter(group);
    library.refreshVideoFileListWithURL(QUrl::fromLocalFile(QFileInfo(dir).absoluteFilePath()));
    const QList<QUrl> &rows = library.filteredVideoFileList();
    QByteArray text;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        text += CliOutput::field(rows[row].toLocalFile()) + '\t' +
                colourName(RecordingRowColour::colourFor(rows[row])) + '\t' +
                CliOutput::field(library.takeBigVideoURL(row, swapped).toLocalFile()) + '\n';
    }
    output.write(text);
    return CliOutput::kOk;
}
