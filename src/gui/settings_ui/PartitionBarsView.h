#pragma once

#include <QList>
#include <QWidget>

class BGColorView;
class QLabel;

// How a partition choice divides the memory card: one coloured bar per kind
// of recording, as long as its share, with its name and percentage.
class PartitionBarsView : public QWidget
{
    Q_OBJECT

public:
    explicit PartitionBarsView(QWidget *parent = nullptr);

    // The model's shares for a partition column.
    void showPartition(qint64 modelType, int column);
    void applyLanguageSettings();

    const QList<QLabel *> &percentLabels() const { return m_percents; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeBars();

    QList<BGColorView *> m_bars;
    QList<QLabel *> m_names;
    QList<QLabel *> m_percents;
    QList<double> m_shares;
};
