#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class BGColorView;
class QLabel;

// How a partition choice divides the memory card: one coloured bar per kind
// of recording, as long as its share, with its name and percentage.
class PartitionBarsView : public QWidget
{
    Q_OBJECT

public:
    struct Bar
    {
        QString nameKey;
        QColor color;
    };

    explicit PartitionBarsView(const QList<Bar> &bars, QWidget *parent = nullptr);

    // Each bar's share in percent, shown with that many decimals.
    void showShares(const QList<double> &shares, int decimals);
    void applyLanguageSettings();

    const QList<QLabel *> &percentLabels() const { return m_percents; }
    const QList<BGColorView *> &bars() const { return m_bars; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeBars();

    QList<Bar> m_specs;
    QList<BGColorView *> m_bars;
    QList<QLabel *> m_names;
    QList<QLabel *> m_percents;
    QList<double> m_shares;
};
