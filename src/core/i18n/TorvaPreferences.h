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

    // Trips: the longest pause, in seconds, between the end of one recording
    // and the start of the next of the same trip.
    static constexpr char kTripGapKey[] = "TorvaTripGapSeconds";
    static constexpr double kDefaultTripGapSeconds = 90.0;
    // Driving events: harsh braking or acceleration above this many g, held
    // for at least the given seconds; an impact above its own g.
    static constexpr char kHarshThresholdKey[] = "TorvaHarshEventG";
    static constexpr double kDefaultHarshThresholdG = 0.40;
    static constexpr char kHarshDurationKey[] = "TorvaHarshEventSeconds";
    static constexpr double kDefaultHarshDurationSeconds = 0.2;
    static constexpr char kImpactThresholdKey[] = "TorvaImpactEventG";
    static constexpr double kDefaultImpactThresholdG = 1.5;

    // Boolean: the map draws routes in the colours of their speed rather than
    // one red line; off when absent.
    static constexpr char kRouteBySpeedKey[] = "TorvaRouteColoursBySpeed";

    // The number stored under key, or fallback when none is stored or it is
    // not a number within [minimum, maximum]: a hand-edited store must not
    // turn every sample into an event.
    double number(const char *key, double fallback, double minimum, double maximum) const;

    // Writes to disk now, logging a store that cannot be written.
    void save();
};
