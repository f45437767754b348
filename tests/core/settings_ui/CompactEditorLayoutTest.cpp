#include "core/settings_ui/CompactEditorLayout.h"
#include "core/i18n/TorvaLanguages.h"

#include <gtest/gtest.h>

namespace {

using C = CompactControl;
using Layout = CompactEditorLayout;

} // namespace

TEST(CompactEditorLayout, ControlsAreNamedByFieldOrSingleControlSection)
{
    const std::pair<const char *, std::optional<C>> names[] = {
        {"power_off_vlt", C::Voltage},
        {"partition", C::Partition},
        {"date_time", C::DateTimeSet},
        {"set", C::DateTimeSet},
        {"model", C::Model},
        {"parking_mode", {}},
        {"firmware", {}},
        {"park", {}},
        {"power_off_vlt=", {}},
    };
    for (const auto &[name, control] : names) {
        const Layout::Control *found = Layout::controlNamed(QString::fromLatin1(name));
        EXPECT_EQ(found ? std::optional<C>(found->control) : std::nullopt, control) << name;
    }
}

TEST(CompactEditorLayout, EveryKoreanKeyHasItsEnglishText)
{
    QStringList keys = {Layout::dialogTitleKey()};
    keys += Layout::buttonTitleKeys();
    for (const Layout::PartitionShare &share : Layout::partitionShares())
        keys.append(share.barTitleKey);
    for (const Layout::Section &section : Layout::sections()) {
        keys.append(section.titleKey);
        for (const Layout::Control &control : section.controls) {
            keys += control.labelKeys;
            if (control.kind != Layout::Kind::Combo && control.kind != Layout::Kind::Slider)
                keys += control.choices;
        }
    }
    const TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    for (const QString &key : keys) {
        if (key.contains(QStringLiteral("V120 :")) || key.toUtf8().size() != key.size()) {
            EXPECT_NE(languages->localizedIn(key, QStringLiteral("en")), key) << qPrintable(key);
        }
    }
}
