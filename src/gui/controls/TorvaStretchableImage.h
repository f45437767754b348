#pragma once

#include <QMarginsF>
#include <QPixmap>
#include <QSize>

// Skinned backgrounds of any size made from small pictures.
class TorvaStretchableImage
{
public:
    // The picture cut into nine pieces at the insets and spread over size:
    // corners as they are, edges and centre stretched.
    static QPixmap stretchableImageWithSize(const QPixmap &image, const QSize &size,
                                            const QMarginsF &edgeInsets);
    // Left cap, a middle piece middleWidth wide and right cap side by side,
    // as tall as the picture.
    static QPixmap stretchableImageWithLeftCapWidth(const QPixmap &image, double leftCapWidth,
                                                    double middleWidth, double rightCapWidth);
};
