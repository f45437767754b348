#include "core/settings/CameraModelTable.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Firmware 17 of the V580 added the driver assistance settings.
constexpr int32_t kV580AssistanceFirmware = 17;

bool isAmong(qint64 type, std::initializer_list<qint64> types)
{
    return std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace

const QStringList &CameraModelTable::modelNameList()
{
    static const QStringList names = {
        QStringLiteral("R410"),        QStringLiteral("P820"),     QStringLiteral("V360"),
        QStringLiteral("V580"),        QStringLiteral("V580 UK"),  QStringLiteral("P940"),
        QStringLiteral("V120"),        QStringLiteral("V370"),     QStringLiteral("V390"),
        QStringLiteral("V590"),        QStringLiteral("P960"),     QStringLiteral("P70"),
        QStringLiteral("PB20"),        QStringLiteral("P130"),     QStringLiteral("VN20"),
        QStringLiteral("PN20"),        QStringLiteral("P880"),     QStringLiteral("P880MAX"),
        QStringLiteral("PB950"),       QStringLiteral("QT-K4-ZN"), QStringLiteral("P30"),
        QStringLiteral("P230"),        QStringLiteral("PB230"),    QStringLiteral("V740"),
        QStringLiteral("CAM-P880MAX"), QStringLiteral("CAM-P230"), QStringLiteral("CAM-J410"),
        QStringLiteral("CAM-J420"),    QStringLiteral("CAM-J470"),
    };
    return names;
}

qint64 CameraModelTable::typeForProductName(const QString &productName)
{
    // Types 4, 6 and 26 to 28 are never named by a record: they come from the
    // user's choice, the text settings file or a self-describing record.
    const QString name = productName.toLower();
    if (name == QLatin1String("360"))
        return 2;
    const QStringList &names = modelNameList();
    for (qint64 type = 0; type < names.size(); ++type) {
        if (isAmong(type, {4, kCompactModel, kSelfDescribingModel, 27, 28}))
            continue;
        if (names[type].toLower() == name)
            return type;
    }
    return kNoModel;
}

int CameraModelTable::settingFieldCount(qint64 modelType, int32_t firmwareVersionInt)
{
    if (isAmong(modelType, {kNoModel, 0, 1, 2, kCompactModel, 27, 28}))
        return 60;
    if (isAmong(modelType, {3, 4}))
        return firmwareVersionInt < kV580AssistanceFirmware ? 68 : 78;
    if (modelType == 5)
        return 79;
    if (isAmong(modelType, {7, 8, 9, 10, 11, 12, 14, 15, 18}))
        return 81;
    if (modelType == 16)
        return 92;
    if (isAmong(modelType, {13, 19, 20}))
        return 93;
    if (isAmong(modelType, {21, 22}))
        return 96;
    if (modelType == 17)
        return 99;
    if (modelType == 23)
        return 102;
    if (isAmong(modelType, {24, 25}))
        return 113;
    if (modelType == kSelfDescribingModel)
        return 116;
    return 0;
}

CameraModelTable::Editor CameraModelTable::editorFor(qint64 modelType)
{
    if (modelType < 0 || modelType >= modelNameList().size())
        return Editor::None;
    if (modelType == kCompactModel)
        return Editor::Compact;
    if (isAmong(modelType, {16, 17, 20, 21, 22, 23, 24, 25, 26}))
        return Editor::Web;
    return Editor::Native;
}
