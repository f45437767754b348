#include "gui/app/ConversionRunner.h"

#include "gui/controls/DelayedProgressDialog.h"

namespace {

constexpr int kProgressSteps = 100;

} // namespace

ConversionRunner::ConversionRunner(QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_dialogParent(dialogParent)
{
}

ConversionRunner::~ConversionRunner()
{
    cancel();
}

void ConversionRunner::run(const QUrl &url)
{
    cancel();
    auto *conversion = new VideoConversion(url, this);
    m_conversion = conversion;
    auto *progress = new DelayedProgressDialog(m_dialogParent, url.fileName(), kProgressSteps);
    m_progress = progress;
    connect(conversion, &VideoConversion::progress, progress,
            [progress](double fraction) { progress->setValue(int(fraction * kProgressSteps)); });
    connect(progress, &QProgressDialog::canceled, this, &ConversionRunner::cancel);
    connect(conversion, &VideoConversion::finished, this,
            [this, url, conversion](const VideoConversion::Result &result) {
                if (conversion != m_conversion)
                    return;
                cancel();
                if (result.status == VideoConversion::Result::Status::Answered)
                    Q_EMIT finished(url, result.files, result.status);
                else
                    Q_EMIT finished(url, std::nullopt, result.status);
            });
    conversion->start();
}

void ConversionRunner::cancel()
{
    if (m_progress)
        m_progress->deleteLater();
    m_progress = nullptr;
    if (!m_conversion)
        return;
    VideoConversion *conversion = m_conversion;
    m_conversion = nullptr;
    // Its finished(Cancelled) finds m_conversion cleared and sends nothing.
    conversion->cancel();
    conversion->deleteLater();
}
