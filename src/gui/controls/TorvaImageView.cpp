#include "gui/controls/TorvaImageView.h"

#include "gui/controls/TorvaImages.h"

#include <QPainter>

TorvaImageView::TorvaImageView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TorvaImageView::setImageName(const QString &name)
{
    if (name == m_imageName && m_image.isNull())
        return;
    m_imageName = name;
    m_image = QPixmap();
    update();
}

void TorvaImageView::setImage(const QPixmap &image)
{
    m_imageName.clear();
    m_image = image;
    update();
}

void TorvaImageView::setImageScaling(Scaling scaling)
{
    m_scaling = scaling;
    update();
}

QSize TorvaImageView::sizeHint() const
{
    if (!m_image.isNull())
        return m_image.deviceIndependentSize().toSize();
    const QSize size = TorvaImages::sizeOf(m_imageName);
    return size.isValid() ? size : QWidget::sizeHint();
}

QRect TorvaImageView::targetRect(const QSize &imageSize) const
{
    if (m_scaling == Scaling::AxesIndependently || imageSize.isEmpty())
        return rect();
    QRect fitted(QPoint(0, 0), imageSize.scaled(size(), Qt::KeepAspectRatio));
    fitted.moveCenter(rect().center());
    return fitted;
}

void TorvaImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_image.isNull()) {
        painter.drawPixmap(targetRect(m_image.deviceIndependentSize().toSize()), m_image);
        return;
    }
    if (m_imageName.isEmpty())
        return;
    // The drawing is rendered at the size it is shown, so it stays sharp.
    const QRect target = targetRect(TorvaImages::sizeOf(m_imageName));
    const QPixmap pixmap = TorvaImages::named(m_imageName, target.size());
    if (!pixmap.isNull())
        painter.drawPixmap(target.topLeft(), pixmap);
}
