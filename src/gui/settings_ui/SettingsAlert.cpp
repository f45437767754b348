#include "gui/settings_ui/SettingsAlert.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/settings/MemoryCardAlert.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QString localized(const QString &key)
{
    return TorvaLanguages::SharedTorvaLanguages()->localized(key);
}

} // namespace

bool SettingsAlert::show(QWidget *parent, const QString &titleKey, const QString &textKey,
                         const QString &informativeKey, bool question)
{
    QMessageBox box(parent);
    box.setWindowModality(Qt::WindowModal);
    if (!titleKey.isEmpty())
        box.setWindowTitle(localized(titleKey));
    box.setText(localized(textKey));
    if (!informativeKey.isEmpty())
        box.setInformativeText(localized(informativeKey));
    QAbstractButton *yes = nullptr;
    if (question) {
        box.addButton(localized(QStringLiteral("아니오")), QMessageBox::NoRole);
        yes = box.addButton(localized(QStringLiteral("예")), QMessageBox::YesRole);
    }
    box.exec();
    return yes && box.clickedButton() == yes;
}

void SettingsAlert::showMemoryCardAlert(QWidget *parent)
{
    show(parent, {}, QString::fromUtf8(MemoryCardAlert::kTitleKey),
         QString::fromUtf8(MemoryCardAlert::kMessageKey), false);
}
