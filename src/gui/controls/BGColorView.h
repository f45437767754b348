#pragma once

#include <QColor>
#include <QWidget>

// A plain view filled with one colour under its contents.
class BGColorView : public QWidget
{
    Q_OBJECT

public:
    explicit BGColorView(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    // Redraws the view in the new colour.
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};
