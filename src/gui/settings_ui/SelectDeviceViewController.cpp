#include "gui/settings_ui/SelectDeviceViewController.h"

#include <QComboBox>

SelectDeviceViewController::SelectDeviceViewController(const QStringList &deviceList,
                                                       QWidget *parent)
    : SelectFromListViewController(kTitleKey, parent)
{
    comboBox()->addItems(deviceList);
    comboBox()->setCurrentIndex(deviceList.isEmpty() ? -1 : 0);
}

qint64 SelectDeviceViewController::selectedModelType() const
{
    return comboBox()->currentIndex();
}
