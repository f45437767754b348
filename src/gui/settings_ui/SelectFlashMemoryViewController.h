#pragma once

#include "gui/settings_ui/SelectFromListViewController.h"

#include <QStringList>
#include <QUrl>

// Asks which memory card to use: the removable volumes by name, the last one
// chosen at first. With none, only Cancel is left.
class SelectFlashMemoryViewController : public SelectFromListViewController
{
    Q_OBJECT

public:
    explicit SelectFlashMemoryViewController(QWidget *parent = nullptr);

    // The volumes' folders, in the list's order.
    const QStringList &diskVolumes() const { return m_diskVolumes; }
    // The chosen volume; empty when there is none.
    QUrl selectedFlashMeoryUrl() const;

private:
    QStringList m_diskVolumes;
};
