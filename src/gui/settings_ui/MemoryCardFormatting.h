#pragma once

#include "core/format/MemoryCardFormatter.h"

#include <QMessageBox>
#include <QProgressBar>

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QThread;
class QWidget;

// Formatting the memory card from the settings editor: the card check, the
// question, then a sheet with a running progress bar while the card is
// formatted on a worker thread; its OK button comes on with the result.
class MemoryCardFormatting : public QObject
{
    Q_OBJECT

public:
    // sheetParent: the editor's window; refreshVideoFileList shows the
    // formatted card's (empty) recordings.
    MemoryCardFormatting(QWidget *sheetParent, QString cardRoot,
                         std::function<void()> refreshVideoFileList, QObject *parent = nullptr);
    ~MemoryCardFormatting() override;

    // Checks the card, then asks or says why not.
    void memoryCardFormatButtonTouched();
    // The sheet shown while formatting and after; null before.
    QMessageBox *formattingAlert() const { return m_formattingAlert; }

Q_SIGNALS:
    // The card was formatted or not; the sheet shows the result.
    void finished(MemoryCardFormatter::Outcome outcome);

private:
    void showMemoryCardFormatAlert();
    void showFormatAlertWithInformativeText(const QString &textKey);
    void eraseVolumeTask();
    void eraseVolumeFinished(const MemoryCardFormatter::Result &result);

    QWidget *m_sheetParent;
    QString m_cardRoot;
    std::function<void()> m_refreshVideoFileList;
    QPointer<QMessageBox> m_formattingAlert;
    QPointer<QProgressBar> m_progressIndic;
    QThread *m_worker = nullptr;
};
