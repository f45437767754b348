#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The camera models by type number: display names, the product names a
// settings record carries, how many record fields each model uses and which
// editor serves it.
class CameraModelTable
{
public:
    static constexpr qint64 kNoModel = -1;
    static constexpr qint64 kCompactModel = 6;
    static constexpr qint64 kSelfDescribingModel = 26;

    enum class Editor
    {
        None,
        Native,
        Compact,
        Web
    };

    // The 29 display names; the index is the model type.
    static const QStringList &modelNameList();
    // The type whose product name this is, compared in lower case as a whole
    // text; -1 when no model is known by that name.
    static qint64 typeForProductName(const QString &productName);
    // Record fields that the model reads and writes; 0 for a type outside
    // the table, so that nothing is ever written for it.
    static int settingFieldCount(qint64 modelType, int32_t firmwareVersionInt);
    static Editor editorFor(qint64 modelType);
    // Models whose settings page comes on the card (the web editor): their
    // record may be longer than our fields, with its length stored in it, so
    // only named fields are ever changed, in place, and resetting is left to
    // the card's page.
    static bool cardOwnsSettings(qint64 modelType) { return editorFor(modelType) == Editor::Web; }
    static bool hasBuiltInDefaults(qint64 modelType) { return modelType >= 0 && modelType <= 5; }
};
