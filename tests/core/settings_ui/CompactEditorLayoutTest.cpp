#include "core/settings_ui/CompactEditorLayout.h"
#include "core/i18n/TorvaLanguages.h"

#include <gtest/gtest.h>

TEST(CompactEditorLayout, EveryKoreanKeyHasItsEnglishText)
{
    using Layout = CompactEditorLayout;
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
