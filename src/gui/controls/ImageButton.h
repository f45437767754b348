#pragma once

#include "core/controls/ImageButtonNames.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

// A push button drawn as a picture of the skin, with its title on top. With
// allowAutoMouseEventImage set it swaps between three pictures named after
// its current one: normal ("play_1"), hover ("play_2") and pressed
// ("play_3"). The action (clicked) is sent on release over the button, only
// when the press began on it and the pointer has not left and come back since.
class ImageButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ImageButton(QWidget *parent = nullptr);

    // Shows the picture of that name and derives the three names from it.
    void setImage(const QString &imageName);
    QString imageName() const { return m_imageName; }
    // Shows a picture that has no name in the skin (a stretched one, say);
    // the three names become empty.
    void setImage(const QPixmap &image);
    // Shown while the button is held down when it has no pressed picture by
    // name, as a dialog's OK and Cancel buttons do.
    void setAlternateImage(const QPixmap &image);

    bool allowAutoMouseEventImage() const { return m_allowAutoMouseEventImage; }
    // Also re-derives the three names from the current picture.
    void setAllowAutoMouseEventImage(bool allow);

    QString normalImageName() const { return m_names.normalImageName; }
    QString hoverImageName() const { return m_names.hoverImageName; }
    QString clickImageName() const { return m_names.clickImageName; }
    bool isMouseDown() const { return m_isMouseDown; }

    // The three names from the current picture, or none while the flag is clear.
    void resetImageNames();
    void ShowNormalImage();
    void ShowClickImage();

    QSize sizeHint() const override;

Q_SIGNALS:
    // The pointer entered or left the button.
    void hover(ImageButton *button);
    void hoverExit(ImageButton *button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Shows one of the derived pictures, when they are in use.
    void showDerivedImage(const QString &name);
    bool changesPictures() const;

    QString m_imageName;
    QPixmap m_image;
    QPixmap m_alternateImage;
    ImageButtonNames m_names;
    bool m_allowAutoMouseEventImage = false;
    bool m_isMouseDown = false;
};
