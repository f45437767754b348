#include "gui/settings_ui/PartitionBarsView.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/settings_ui/PartitionRatios.h"
#include "gui/controls/BGColorView.h"

#include <QGridLayout>
#include <QLabel>

#include <iterator>

namespace {

constexpr int kBarHeight = 14;
// Continuous, always shock, parking motion, parking shock, manual.
const char *const kNameKeys[] = {"상시녹화", "상시충격", "주차모션", "주차충격", "수동녹화"};
const QColor kColors[] = {Qt::green, Qt::yellow, QColor(0xff, 0xa5, 0x00), Qt::red, Qt::blue};

} // namespace

PartitionBarsView::PartitionBarsView(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, kBarHeight + 4, 0, 0);
    for (int index = 0; index < int(std::size(kNameKeys)); ++index) {
        auto *bar = new BGColorView(this);
        bar->setColor(kColors[index]);
        m_bars.append(bar);
        auto *name = new QLabel(this);
        auto *percent = new QLabel(this);
        name->setAlignment(Qt::AlignCenter);
        percent->setAlignment(Qt::AlignCenter);
        layout->addWidget(name, 0, index);
        layout->addWidget(percent, 1, index);
        m_names.append(name);
        m_percents.append(percent);
        m_shares.append(0.0);
    }
    applyLanguageSettings();
}

void PartitionBarsView::showPartition(qint64 modelType, int column)
{
    const PartitionRatios::Ratios ratios = PartitionRatios::forModel(modelType, column);
    for (int index = 0; index < m_percents.size(); ++index) {
        m_shares[index] = ratios.at(size_t(index));
        m_percents.at(index)->setText(QString::asprintf("%.1f%%", ratios.at(size_t(index))));
    }
    placeBars();
}

void PartitionBarsView::applyLanguageSettings()
{
    for (int index = 0; index < m_names.size(); ++index)
        m_names.at(index)->setText(TorvaLanguages::text(kNameKeys[index]));
}

void PartitionBarsView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeBars();
}

void PartitionBarsView::placeBars()
{
    double x = 0.0;
    for (int index = 0; index < m_bars.size(); ++index) {
        const double length = width() * m_shares.at(index) / 100.0;
        m_bars.at(index)->setGeometry(QRectF(x, 0.0, length, kBarHeight).toRect());
        x += length;
    }
}
