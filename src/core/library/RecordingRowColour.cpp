#include "core/library/RecordingRowColour.h"

#include <QString>

RecordingRowColour::Colour RecordingRowColour::colourFor(const QUrl &recording)
{
    const QString path = recording.toLocalFile();
    // The parent folder with its trailing slash.
    const QStringView parent = QStringView(path).left(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (parent.endsWith(QLatin1String("Saved_Videos/")))
        return Colour::Saved;
    if (parent.endsWith(QLatin1String("option_rec/")) || parent.endsWith(QLatin1String("sos_rec/")))
        return Colour::Manual;
    return Colour::Normal;
}
