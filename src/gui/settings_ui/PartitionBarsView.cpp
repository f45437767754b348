#include "gui/settings_ui/PartitionBarsView.h"

#include "core/i18n/TorvaLanguages.h"
#include "gui/controls/BGColorView.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kBarHeight = 14;

} // namespace

PartitionBarsView::PartitionBarsView(const QList<Bar> &bars, QWidget *parent)
    : QWidget(parent), m_specs(bars)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, kBarHeight + 4, 0, 0);
    for (int index = 0; index < bars.size(); ++index) {
        auto *bar = new BGColorView(this);
        bar->setColor(bars.at(index).color);
        m_bars.append(bar);
        auto *name = new QLabel(this);
        auto *percent = new QLabel(this);
        name->setAlignment(Qt::AlignCenter);
        // Longer names take two lines rather than the neighbours' room.
        name->setWordWrap(true);
        percent->setAlignment(Qt::AlignCenter);
        layout->addWidget(name, 0, index);
        layout->addWidget(percent, 1, index);
        m_names.append(name);
        m_percents.append(percent);
        m_shares.append(0.0);
    }
    applyLanguageSettings();
}

void PartitionBarsView::showShares(const QList<double> &shares, int decimals)
{
    for (int index = 0; index < m_percents.size() && index < shares.size(); ++index) {
        m_shares[index] = shares.at(index);
        m_percents.at(index)->setText(QString::number(shares.at(index), 'f', decimals) +
                                      QLatin1Char('%'));
    }
    placeBars();
}

void PartitionBarsView::applyLanguageSettings()
{
    const TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    for (int index = 0; index < m_names.size(); ++index)
        m_names.at(index)->setText(languages->localized(m_specs.at(index).nameKey));
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
