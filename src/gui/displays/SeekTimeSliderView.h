#pragma once

#include "core/displays/SeekSliderGeometry.h"

#include <QList>
#include <QWidget>

#include <optional>

class BGColorView;
class TorvaImageView;

// The playback position bar: a knob (picture "progress_bar", 10 × 33) that
// follows the play time and that the user drags to seek. Values run from 0
// at the left end to maxSliderValue (the duration in seconds) at the right.
// While the user holds the knob, setCurrentSliderValue() stores the value
// but leaves the knob under the pointer. A disabled bar ignores the mouse.
class SeekTimeSliderView : public QWidget
{
    Q_OBJECT

public:
    explicit SeekTimeSliderView(QWidget *parent = nullptr);

    double maxSliderValue() const { return m_maxSliderValue; }
    void setMaxSliderValue(double value);
    double currentSliderValue() const { return m_currentSliderValue; }
    // Stores at most maxSliderValue and moves the knob there.
    void setCurrentSliderValue(double value);

    // Shows the range between the marks (a missing one stands for that end
    // of the bar); none when neither is set.
    void setMarkedRange(std::optional<double> in, std::optional<double> out);
    const BGColorView *markedRangeView() const { return m_markedRangeView; }
    // Ticks at the recording's driving events, in seconds.
    static QColor eventMarkColor();
    void setEventMarks(const QList<double> &seconds);
    const QList<BGColorView *> &eventMarkViews() const { return m_eventMarkViews; }

    void moveSliderImageViewWithSliderValue(double value);
    void moveSliderImageViewWithXPoint(double x);
    double calculateSliderValueFromSliderXPosition(double x) const;

    bool isSliderTouching() const { return m_isSliderTouching; }
    TorvaImageView *sliderImageView() const { return m_sliderImageView; }
    // The knob's travel for the current width.
    SeekSliderGeometry sliderTravel() const;

Q_SIGNALS:
    // The user's input, each with currentSliderValue.
    void seekTimeSliderTouchedDown(double value);
    void seekTimeSliderDragged(double value);
    void seekTimeSliderTouchedUp(double value);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Moves the knob under the pointer and takes the value there.
    void followPointer(double x);
    void placeMarkedRange();
    void placeEventMarks();

    // The groove under the knob, stretched over the whole bar.
    TorvaImageView *m_trackImageView;
    BGColorView *m_markedRangeView;
    TorvaImageView *m_sliderImageView;
    std::optional<double> m_markIn;
    std::optional<double> m_markOut;
    QList<double> m_eventMarks;
    QList<BGColorView *> m_eventMarkViews;
    double m_knobWidth;
    bool m_isSliderTouching = false;
    double m_maxSliderValue = 0.0;
    double m_currentSliderValue = 0.0;
};
