#pragma once

#include "core/video/VideoConversion.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QUrl>

#include <optional>

class QWidget;

// Makes one recording playable in the background while a progress dialog
// offers Cancel. A new run cancels the one before it.
class ConversionRunner : public QObject
{
    Q_OBJECT

public:
    explicit ConversionRunner(QWidget *dialogParent, QObject *parent = nullptr);
    ~ConversionRunner() override;

    void run(const QUrl &url);
    // Stops the running conversion without an answer.
    void cancel();

Q_SIGNALS:
    // The playable files, front first; nothing when the recording cannot be
    // read, status saying why. A cancelled run sends nothing.
    void finished(const QUrl &url, const std::optional<QList<QUrl>> &files,
                  VideoConversion::Result::Status status);

private:
    QWidget *m_dialogParent;
    QPointer<VideoConversion> m_conversion;
    QPointer<QProgressDialog> m_progress;
};
