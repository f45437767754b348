#pragma once

#include <QList>
#include <QWidget>

class BGColorView;
class QLabel;
class QPushButton;
class TorvaImageView;

// A stepped range: a gauge with rangeCount steps numbered 0 to
// rangeCount - 1 under it. A click near a step selects it and the gauge
// fills up to it. Below two steps nothing can be selected.
class RangeSelectViewController : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kButtonHeight = 15;
    static constexpr int kLabelHeight = 17;

    explicit RangeSelectViewController(qint64 rangeCount, int gaugeWidth = 200,
                                       QWidget *parent = nullptr);

    qint64 rangeCount() const { return m_rangeCount; }
    qint64 selectedValue() const { return m_selectedValue; }
    // As if the step's button was clicked.
    void setSelectedValue(qint64 value);

    BGColorView *gaugeBGView() const { return m_gaugeBGView; }
    TorvaImageView *gaugeImageView() const { return m_gaugeImageView; }
    QLabel *valueTextField() const { return m_valueTextField; }
    const QList<QPushButton *> &rangeButtonList() const { return m_rangeButtonList; }

    void rangeButtonTouched(QPushButton *button);

Q_SIGNALS:
    void selectedValueChanged(qint64 value);

private:
    void loadView(int gaugeWidth);

    qint64 m_rangeCount;
    qint64 m_selectedValue = 0;
    BGColorView *m_gaugeBGView;
    TorvaImageView *m_gaugeImageView;
    QLabel *m_valueTextField;
    QList<QPushButton *> m_rangeButtonList;
};
