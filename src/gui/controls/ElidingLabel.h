#pragma once

#include <QLabel>

// A one-line label for long texts such as paths: what does not fit is left
// out in the middle ("/media/…/TORVA_CARD"), and the tooltip always holds the
// whole text. It never asks for more width than its layout gives it.
class ElidingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    // Hides QLabel::setText, which would leave the tooltip behind.
    void setText(const QString &text);
    // The text as drawn at the label's width.
    QString displayedText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
