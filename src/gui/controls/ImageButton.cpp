#include "gui/controls/ImageButton.h"

#include "gui/controls/TorvaImages.h"

#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void ImageButton::setImage(const QString &imageName)
{
    m_imageName = imageName;
    m_image = QPixmap();
    resetImageNames();
    update();
}

void ImageButton::setImage(const QPixmap &image)
{
    m_imageName.clear();
    m_image = image;
    resetImageNames();
    update();
}

void ImageButton::setAlternateImage(const QPixmap &image)
{
    m_alternateImage = image;
    update();
}

void ImageButton::setAllowAutoMouseEventImage(bool allow)
{
    m_allowAutoMouseEventImage = allow;
    resetImageNames();
}

void ImageButton::resetImageNames()
{
    m_names = m_allowAutoMouseEventImage ? ImageButtonNames(m_imageName) : ImageButtonNames();
}

bool ImageButton::changesPictures() const
{
    return isEnabled() && m_allowAutoMouseEventImage;
}

void ImageButton::showDerivedImage(const QString &name)
{
    if (!changesPictures())
        return;
    // The names stay those of the picture the button was given.
    m_imageName = name;
    m_image = QPixmap();
    update();
}

void ImageButton::ShowNormalImage()
{
    showDerivedImage(m_names.normalImageName);
}

void ImageButton::ShowClickImage()
{
    showDerivedImage(m_names.clickImageName);
}

QSize ImageButton::sizeHint() const
{
    if (!m_image.isNull())
        return m_image.deviceIndependentSize().toSize();
    const QSize size = TorvaImages::sizeOf(m_imageName);
    return size.isValid() ? size : QAbstractButton::sizeHint();
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    showDerivedImage(m_names.hoverImageName);
    m_isMouseDown = false;
    Q_EMIT hover(this);
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent *event)
{
    ShowNormalImage();
    m_isMouseDown = false;
    Q_EMIT hoverExit(this);
    QAbstractButton::leaveEvent(event);
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    ShowClickImage();
    m_isMouseDown = true;
    setDown(true);
    event->accept();
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging is ignored; leaving the button is seen by leaveEvent.
    event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setDown(false);
    showDerivedImage(m_names.hoverImageName);
    event->accept();
    const bool pressedHere = m_isMouseDown;
    m_isMouseDown = false;
    // A press dragged off the button and let go elsewhere is no click.
    if (pressedHere && rect().contains(event->position().toPoint()))
        Q_EMIT clicked(isChecked());
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPixmap picture = m_image;
    if (isDown() && !m_alternateImage.isNull() && m_names.clickImageName.isEmpty())
        picture = m_alternateImage;
    if (picture.isNull() && !m_imageName.isEmpty())
        picture = TorvaImages::named(m_imageName, size());
    if (!picture.isNull())
        painter.drawPixmap(rect(), picture);
    if (text().isEmpty())
        return;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}
