#include "gui/controls/DelayedProgressDialog.h"

#include "core/i18n/TorvaLanguages.h"

DelayedProgressDialog::DelayedProgressDialog(QWidget *parent, const QString &label, int maximum)
    : QProgressDialog(parent)
{
    setLabelText(label);
    setCancelButtonText(TorvaLanguages::text("취소"));
    setRange(0, maximum);
    setMinimumDuration(kDelayMilliseconds);
    setAutoClose(false);
    setAutoReset(false);
}
