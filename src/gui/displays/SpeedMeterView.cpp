#include "gui/displays/SpeedMeterView.h"

#include "core/displays/SpeedGaugeReadout.h"
#include "core/displays/TorvaSpeedUnit.h"
#include "gui/controls/TorvaImageView.h"

namespace {

// The places of the parts in the 200 × 110 design; the background picture
// "speed_meter_bg" draws the unlit segments and digits at the same places.
constexpr int kSegmentLeft = 16;
constexpr int kSegmentPitch = 7;
constexpr int kSegmentWidth = 5;
constexpr int kSegmentBottom = 36;
constexpr int kSegmentLowest = 8;
constexpr int kSegmentHighest = 24;
constexpr QSize kDigitSize{28, 44};
constexpr int kDigitTop = 48;
constexpr int kHundredsLeft = 50;
constexpr int kDigitPitch = 32;
constexpr QRect kUnitRect{148, 76, 44, 16};

QRect segmentRect(int index)
{
    const int last = SpeedGaugeReadout::kSegmentCount - 1;
    const int height =
        kSegmentLowest + ((kSegmentHighest - kSegmentLowest) * index * 2 + last) / (last * 2);
    return QRect(kSegmentLeft + index * kSegmentPitch, kSegmentBottom - height, kSegmentWidth,
                 height);
}

QString segmentImageName(int index)
{
    if (index < 12)
        return QStringLiteral("speed_segment_green");
    if (index < 18)
        return QStringLiteral("speed_segment_amber");
    return QStringLiteral("speed_segment_red");
}

QRect digitRect(int place)
{
    return QRect(QPoint(kHundredsLeft + place * kDigitPitch, kDigitTop), kDigitSize);
}

} // namespace

SpeedMeterView::SpeedMeterView(QWidget *parent)
    : QWidget(parent),
      m_bgImageView(addPart(QStringLiteral("speed_meter_bg"), QRect(QPoint(0, 0), kDesignSize))),
      m_number1(addPart(QString(), digitRect(2))), m_number10(addPart(QString(), digitRect(1))),
      m_number100(addPart(QString(), digitRect(0))),
      m_speedUnitImageView(addPart(QStringLiteral("speed_unit_mph"), kUnitRect))
{
    for (int i = 0; i < SpeedGaugeReadout::kSegmentCount; ++i)
        m_gaugeList.append(addPart(segmentImageName(i), segmentRect(i)));
    m_speedUnitImageView->hide();
    resize(kDesignSize);
    layoutParts();
    setSpeedGauge(0);
    connect(TorvaSpeedUnit::SharedTorvaSpeedUnit(), &TorvaSpeedUnit::refreshSpeedUnit, this,
            [this] { setSpeed(m_speed); });
}

TorvaImageView *SpeedMeterView::addPart(const QString &imageName, const QRect &designRect)
{
    auto *view = new TorvaImageView(this);
    view->setImageName(imageName);
    m_parts.append({view, designRect});
    return view;
}

void SpeedMeterView::resizeEvent(QResizeEvent *event)
{
    layoutParts();
    QWidget::resizeEvent(event);
}

void SpeedMeterView::layoutParts()
{
    const double sx = double(width()) / kDesignSize.width();
    const double sy = double(height()) / kDesignSize.height();
    for (const auto &[view, rect] : m_parts) {
        view->setGeometry(
            QRectF(rect.x() * sx, rect.y() * sy, rect.width() * sx, rect.height() * sy).toRect());
    }
}

void SpeedMeterView::showDigit(TorvaImageView *view, int digit)
{
    view->setImageName(digit == SpeedGaugeReadout::kNoDigit ? QString() : QString::number(digit));
}

void SpeedMeterView::setSpeed(int32_t speed)
{
    m_speed = speed;
    const SpeedGaugeReadout readout(speed, TorvaSpeedUnit::isMph());
    m_speedUnitImageView->setVisible(readout.showsUnitLabel());
    setSpeedGauge(readout.displayValue());
    showDigit(m_number1, readout.ones());
    showDigit(m_number10, readout.tens());
    showDigit(m_number100, readout.hundreds());
}

void SpeedMeterView::setSpeedGauge(int32_t speed)
{
    const int lit = SpeedGaugeReadout::litSegmentCount(speed);
    for (int i = 0; i < m_gaugeList.size(); ++i)
        m_gaugeList[i]->setVisible(i < lit);
}
