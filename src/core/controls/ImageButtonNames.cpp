#include "core/controls/ImageButtonNames.h"

ImageButtonNames::ImageButtonNames(const QString &imageName)
{
    QString stem = imageName;
    if (stem.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        stem.chop(4);
    if (stem.isEmpty())
        return;
    stem.chop(1);
    normalImageName = stem + u'1';
    hoverImageName = stem + u'2';
    clickImageName = stem + u'3';
}
