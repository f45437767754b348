#include "app/ConversionRunner.h"

#include "i18n/TorvaLanguages.h"

namespace {

// The dialog appears only for conversions that take a while.
constexpr int kProgressDelayMilliseconds = 500;

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
    auto *progress = new QProgressDialog(m_dialogParent);
    progress->setLabelText(url.fileName());
    progress->setCancelButtonText(
        TorvaLanguages::SharedTorvaLanguages()->localized(QStringLiteral("취소")));
    progress->setRange(0, 100);
    progress->setMinimumDuration(kProgressDelayMilliseconds);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    m_progress = progress;
    connect(conversion, &VideoConversion::progress, progress,
            [progress](double fraction) { progress->setValue(int(fraction * 100.0)); });
    connect(progress, &QProgressDialog::canceled, this, &ConversionRunner::cancel);
    connect(conversion, &VideoConversion::finished, this,
            [this, url, conversion](const VideoConversion::Result &result) {
                if (conversion != m_conversion)
                    return;
                cancel();
                if (result.status == VideoConversion::Result::Status::Answered)
                    Q_EMIT finished(url, result.files);
                else
                    Q_EMIT finished(url, std::nullopt);
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
