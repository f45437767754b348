#pragma once

#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <QString>

// Zoom and pan of the large video: the scale runs from 1.0 to 5.0 in steps of
// 0.2, counted in whole steps so that it never drifts off its grid. The
// zoomed picture is the scroll view's size times the scale; it stays centred
// until the user scrolls it elsewhere, and shows scroll bars only in pan
// (scroll) mode.
class VideoZoom
{
public:
    static constexpr int kStepsPerUnit = 5; // 0.2 a step
    static constexpr int kMaxStep = 20;     // 5.0

    // What changeVideoScale applies to the large view.
    struct Frame
    {
        QSizeF viewSize;
        bool horizontalScroller = false;
        bool verticalScroller = false;
    };

    double videoScale() const { return double(kStepsPerUnit + m_step) / kStepsPerUnit; }
    bool enableBigMovieViewScroll() const { return m_enableBigMovieViewScroll; }
    bool touchedBigMovieScroll() const { return m_touchedBigMovieScroll; }

    // One step up, at most 5.0.
    void videoScaleUp();
    // One step down; a step below 1.0 stays at 1.0 and centres the picture.
    void videoScaleDown();
    // 1.0, centred.
    void resetVideoScale();
    // Pan mode on or off.
    void enterScrollMode();
    // A new recording starts at 1.0, centred, pan mode off.
    void resetForNewRecording();

    // The pan button's picture for the current mode.
    QString panButtonImage() const;

    Frame changeVideoScale(const QSizeF &scrollViewSize) const;
    // The scroll position that centres the view in the visible (clip) area,
    // in whole points.
    static QPoint centredScrollPoint(const QSizeF &viewSize, const QSizeF &clipSize);
    // The visible area moved to origin: anywhere but the centre means the user
    // moved the picture, and later zooms leave it where it is.
    void boundDidChange(const QPointF &origin, const QSizeF &viewSize, const QSizeF &clipSize);

private:
    int m_step = 0;
    bool m_enableBigMovieViewScroll = false;
    bool m_touchedBigMovieScroll = false;
};
