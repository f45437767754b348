#pragma once

#include "core/settings_ui/EditorControl.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The pages and sections of the native settings editor for one camera
// model: each section's title and controls, with the texts of their choices
// as localisation keys. Sections the model does not offer are left out.
class NativeEditorLayout
{
public:
    enum class Page
    {
        Common,
        Always,
        Parking,
        Etc,
    };
    static constexpr int kPageCount = 4;

    enum class Kind
    {
        Radio,
        Slider,
        Check,
        Combo,
        Popup,
        Date,
        Button,
    };

    struct Control
    {
        // None for a date picker or a button, which hold no record value.
        std::optional<EditorControl> control;
        Kind kind = Kind::Radio;
        // Radio cells and check box titles as keys; slider guides and the
        // time zones as they are shown. Pop-ups list the camera's languages.
        QStringList choices;
        // A title of the control's own, where its section holds more than one.
        QString titleKey = {};
        // What the two ends of a slider mean, low end first; empty where the
        // guides say it.
        QStringList endKeys = {};
    };

    struct Section
    {
        QString id;
        Page page = Page::Common;
        QString titleKey;
        QList<Control> controls;
    };

    static QList<Section> forModel(qint64 modelType, int32_t firmwareVersionInt);

    // The video date format's two choices, each with today's date as its
    // example, in the interface language.
    static QStringList videoDateFormatTitles(const QDate &today);

    // "common", "always", "parking", "etc".
    static QString pageId(Page page);
    static QString kindName(Kind kind);
};
