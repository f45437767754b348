#pragma once

#include <QSettings>

// The viewer's user preferences. They live in QSettings under the
// organisation "Torvaview" and the application "torvaview"
// (~/.config/Torvaview/torvaview.conf); the names are given here rather than
// taken from QCoreApplication so every reader finds the same store whether or
// not an application object exists.
class TorvaPreferences : public QSettings
{
public:
    TorvaPreferences();

    static constexpr char kOrganization[] = "Torvaview";
    static constexpr char kApplication[] = "torvaview";

    // The chosen interface language: "en", "fr", "pt" or "ja".
    static constexpr char kLanguageKey[] = "TorvaViewerLanguage";
    // One-element list holding the same code; text lookups read this one.
    static constexpr char kAppleLanguagesKey[] = "AppleLanguages";
    // Integer: 0 = km/h, 1 = mph; absent on first start.
    static constexpr char kSpeedUnitKey[] = "TorvaViewerSpeedUnit";

    // Writes to disk now, logging a store that cannot be written.
    void save();
};
