#include "gui/settings_ui/RangeSelectViewController.h"

#include "gui/controls/BGColorView.h"
#include "gui/controls/TorvaImageView.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

// The gauge's place: room on the left for the first step's number, and a
// thin bar through the middle of the step buttons. The level picture has a
// transparent margin around its bar; it lies over the bar's white track.
constexpr int kGaugeX = 10;
constexpr int kGaugeY = 7;
constexpr int kGaugeHeight = 6;
constexpr int kLevelMargin = 2;
constexpr int kLabelWidth = 20;
constexpr int kValueWidth = 30;

} // namespace

RangeSelectViewController::RangeSelectViewController(qint64 rangeCount, int gaugeWidth,
                                                     QWidget *parent)
    : QWidget(parent), m_rangeCount(rangeCount), m_gaugeBGView(new BGColorView(this)),
      m_gaugeImageView(new TorvaImageView(this)), m_valueTextField(new QLabel(this))
{
    loadView(gaugeWidth);
}

void RangeSelectViewController::loadView(int gaugeWidth)
{
    const QRect gauge(kGaugeX, kGaugeY, gaugeWidth, kGaugeHeight);
    m_gaugeBGView->setColor(Qt::white);
    m_gaugeBGView->setGeometry(gauge);
    m_gaugeImageView->setImageName(QStringLiteral("volume_level"));
    m_gaugeImageView->setGeometry(gauge.x(), gauge.y() - kLevelMargin, 0,
                                  gauge.height() + 2 * kLevelMargin);
    const int buttonsY = gauge.center().y() - kButtonHeight / 2;
    const int labelsY = buttonsY + kButtonHeight;
    const double step = m_rangeCount < 2 ? 0.0 : double(gaugeWidth) / double(m_rangeCount - 1);
    for (qint64 index = 0; step > 0.0 && index < m_rangeCount; ++index) {
        // The first step's button reaches half-way to the next step; each
        // other one a whole step on from where the one before ends.
        const double left = index == 0 ? 0.0 : step / 2.0 + double(index - 1) * step;
        const double width = index == 0 ? step / 2.0 : step;
        auto *button = new QPushButton(this);
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
        button->setGeometry(QRectF(gauge.x() + left, buttonsY, width, kButtonHeight).toRect());
        connect(button, &QPushButton::clicked, this,
                [this, button] { rangeButtonTouched(button); });
        m_rangeButtonList.append(button);

        auto *label = new QLabel(QString::number(index), this);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        QFont font = label->font();
        font.setPointSize(9);
        label->setFont(font);
        label->setGeometry(int(std::lround(double(index) * width)) + gauge.x() - kLabelWidth / 2,
                           labelsY, kLabelWidth, kLabelHeight);
    }
    const int right = gauge.right() + 1 + int(std::lround(step / 2.0));
    m_valueTextField->setGeometry(right + 6, gauge.center().y() - kLabelHeight / 2, kValueWidth,
                                  kLabelHeight);
    m_valueTextField->setStyleSheet(QStringLiteral("color: white;"));
    setFixedSize(right + 6 + kValueWidth, labelsY + kLabelHeight);
}

void RangeSelectViewController::setSelectedValue(qint64 value)
{
    m_selectedValue = value;
    if (value >= 0 && value < m_rangeButtonList.size())
        rangeButtonTouched(m_rangeButtonList.at(value));
}

void RangeSelectViewController::rangeButtonTouched(QPushButton *button)
{
    const qint64 index = m_rangeButtonList.indexOf(button);
    m_selectedValue = index;
    m_valueTextField->setText(QString::number(index));
    const QRect gauge = m_gaugeImageView->geometry();
    m_gaugeImageView->setGeometry(gauge.x(), gauge.y(), int(index) * button->width(),
                                  gauge.height());
    Q_EMIT selectedValueChanged(index);
}
