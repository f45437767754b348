#include "gui/settings_ui/SelectFlashMemoryViewController.h"

#include "core/settings/CardVolumes.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>

SelectFlashMemoryViewController::SelectFlashMemoryViewController(QWidget *parent)
    : SelectFromListViewController("플래시 메모리를 선택해주세요.", parent)
{
    for (const QString &volume : CardVolumes::mountedVolumes()) {
        if (!CardVolumes::isLocalRemovable(volume))
            continue;
        m_diskVolumes.append(volume);
        comboBox()->addItem(QFileInfo(volume).fileName());
    }
    // OK without a card would leave the settings nowhere to go.
    okButton()->setEnabled(!m_diskVolumes.isEmpty());
    comboBox()->setCurrentIndex(int(m_diskVolumes.size()) - 1);
}

QUrl SelectFlashMemoryViewController::selectedFlashMeoryUrl() const
{
    const int index = comboBox()->currentIndex();
    if (index < 0 || index >= m_diskVolumes.size())
        return {};
    return QUrl::fromLocalFile(m_diskVolumes.at(index));
}
