#include "core/settings/CameraModelTable.h"
#include "core/settings/SetupCfgIdentity.h"

#include <cstdint>
#include <cstdlib>

// Any setup.cfg bytes give a model type of the table or -1, a local id in
// -1..6 and a version whose firmware number can be taken.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView head(reinterpret_cast<const char *>(data), qsizetype(size));
    const SetupCfgIdentity::Recognition found = SetupCfgIdentity::recognise(head, qint64(size));
    if (found.modelType < -1 || found.modelType >= CameraModelTable::modelNameList().size())
        std::abort();
    if (found.modelType != CameraModelTable::kSelfDescribingModel && !found.productName.isEmpty())
        std::abort();
    const qint64 localID = SetupCfgIdentity::localID(head);
    if (localID < -1 || localID > 6)
        std::abort();
    const QString version = SetupCfgIdentity::version(head);
    if (version.toUtf8().size() > 10 * 3)
        std::abort();
    SetupCfgIdentity::firmwareVersionInt(version);
    SetupCfgIdentity::firmwareVersionInt(QString::fromUtf8(head.toByteArray()));
    return 0;
}
