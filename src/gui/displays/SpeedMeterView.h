#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

#include <cstdint>

class TorvaImageView;

// The speed at the current playback moment: up to three digit pictures ("0"
// to "9") and a bar of 24 segments, in km/h or mph as the preference
// "TorvaViewerSpeedUnit" says (TorvaSpeedUnit). It follows
// TorvaSpeedUnit::refreshSpeedUnit() of the shared instance by showing the
// same speed in the new unit. Its parts are laid out for a 200 × 110 view and
// scale with it.
class SpeedMeterView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kDesignSize{200, 110};

    explicit SpeedMeterView(QWidget *parent = nullptr);

    // Speed in km/h: updates the unit label, the bar and the digits.
    void setSpeed(int32_t speed);
    int32_t speed() const { return m_speed; }
    // Lights one segment per full 10 units of a speed in display units.
    void setSpeedGauge(int32_t speed);

    TorvaImageView *bgImageView() const { return m_bgImageView; }
    TorvaImageView *number1() const { return m_number1; }
    TorvaImageView *number10() const { return m_number10; }
    TorvaImageView *number100() const { return m_number100; }
    TorvaImageView *speedUnitImageView() const { return m_speedUnitImageView; }
    // gauge01 … gauge24, from the lowest speed to the highest.
    const QList<TorvaImageView *> &gaugeList() const { return m_gaugeList; }

    QSize sizeHint() const override { return kDesignSize; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    TorvaImageView *addPart(const QString &imageName, const QRect &designRect);
    // Places every part by its design rectangle, scaled to the view.
    void layoutParts();
    static void showDigit(TorvaImageView *view, int digit);

    // Every part with its place in the design size; filled while the parts
    // below are made, so it comes first.
    QList<QPair<TorvaImageView *, QRect>> m_parts;
    TorvaImageView *m_bgImageView;
    TorvaImageView *m_number1;
    TorvaImageView *m_number10;
    TorvaImageView *m_number100;
    QList<TorvaImageView *> m_gaugeList;
    TorvaImageView *m_speedUnitImageView;
    int32_t m_speed = 0;
};
