#pragma once

#include <QSlider>

// A slider that tells when the mouse is over it: the dialogs show a guide
// for the value under the mouse while touched down and hide it when touched
// up. Entering or moving over it is down, leaving is up; a drag ends with up
// and, the mouse still being over it, down again.
class MouseEventSlider : public QSlider
{
    Q_OBJECT

public:
    explicit MouseEventSlider(Qt::Orientation orientation = Qt::Horizontal,
                              QWidget *parent = nullptr);

Q_SIGNALS:
    void sliderTouchedDown(MouseEventSlider *slider);
    void sliderTouchedUp(MouseEventSlider *slider);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
