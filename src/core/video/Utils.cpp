#include "video/Utils.h"

#include "settings/CardVolumes.h"

bool Utils::isEXteranlMemoryWithURL(const QUrl &url)
{
    return url.isLocalFile() && CardVolumes::isLocalRemovable(url.toLocalFile());
}
