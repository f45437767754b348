#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// Shows one picture of the skin by name, or any pixmap, within its bounds.
class TorvaImageView : public QWidget
{
    Q_OBJECT

public:
    enum class Scaling
    {
        // Fills the view, each axis stretched on its own.
        AxesIndependently,
        // As large as fits, proportions kept, centred.
        Proportionally,
    };

    explicit TorvaImageView(QWidget *parent = nullptr);

    // Shows the picture of that name; an empty name clears the view.
    void setImageName(const QString &name);
    QString imageName() const { return m_imageName; }
    // Shows a pixmap that has no name in the skin.
    void setImage(const QPixmap &image);

    void setImageScaling(Scaling scaling);
    Scaling imageScaling() const { return m_scaling; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect targetRect(const QSize &imageSize) const;

    QString m_imageName;
    QPixmap m_image;
    Scaling m_scaling = Scaling::AxesIndependently;
};
