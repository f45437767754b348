#include "core/displays/SpeedGaugeReadout.h"
#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaPreferences.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SpeedGaugeReadout, DigitsAndSegmentsInEitherUnit)
{
    // "km/h unit: shown hundreds-tens-ones segments", _ for an empty place.
    // Miles per hour round to the nearest; whether a number shows at all
    // depends on the km/h value (12 km/h is 7.456 mph, 8 km/h is 4.97).
    for (const char *row :
         {"0 kmh: 0 ___ 0", "8 kmh: 8 ___ 0", "9 kmh: 9 __9 0", "10 kmh: 10 _10 1",
          "99 kmh: 99 _99 9", "105 kmh: 105 105 10", "239 kmh: 239 239 23", "250 kmh: 250 250 24",
          "1000 kmh: 1000 __0 24", "1234 kmh: 1234 234 24", "-5 kmh: -5 ___ 0", "100 mph: 62 _62 6",
          "12 mph: 7 __7 0", "8 mph: 5 ___ 0", "250 mph: 155 155 15", "4 mph: 2 ___ 0",
          "-100 mph: -62 ___ 0", "2 mph: 1 ___ 0"}) {
        const QStringList word = QString::fromLatin1(row).split(' ');
        const SpeedGaugeReadout readout(word[0].toInt(), word[1] == "mph:");
        QString digits;
        for (const int digit : {readout.hundreds(), readout.tens(), readout.ones()})
            digits += digit == SpeedGaugeReadout::kNoDigit ? QChar('_') : QChar('0' + digit);
        EXPECT_EQ(QStringList({word[0], word[1], QString::number(readout.displayValue()), digits,
                               QString::number(readout.litSegments())})
                      .join(' ')
                      .toStdString(),
                  row);
        EXPECT_EQ(readout.showsUnitLabel(), word[1] == "mph:");
    }
    EXPECT_EQ(SpeedGaugeReadout::litSegmentCount(INT32_MAX), 24);
}

TEST(TorvaSpeedUnit, AChangedUnitIsStoredAndAnnounced)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    TorvaSpeedUnit unit;
    int refreshes = 0;
    QObject::connect(&unit, &TorvaSpeedUnit::refreshSpeedUnit, [&] { ++refreshes; });
    // Nothing stored reads as km/h, so choosing km/h changes nothing.
    for (const auto &[chosen, announced] : {std::pair{TorvaSpeedUnit::kKmph, 0},
                                            {TorvaSpeedUnit::kMph, 1},
                                            {TorvaSpeedUnit::kMph, 1},
                                            {TorvaSpeedUnit::kKmph, 2}}) {
        unit.setSpeedUnit(chosen);
        EXPECT_EQ(TorvaSpeedUnit::isMph(), chosen == TorvaSpeedUnit::kMph);
        EXPECT_EQ(refreshes, announced);
        EXPECT_EQ(TorvaPreferences().value(TorvaPreferences::kSpeedUnitKey).toInt(), chosen);
    }
}
