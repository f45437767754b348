#include "gui/controls/SplashWindowController.h"

#include "gui/controls/TorvaImageView.h"
#include "gui/controls/TorvaImages.h"

SplashWindowController::SplashWindowController(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_splashImagView(new TorvaImageView(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void SplashWindowController::showSplashImage(const QString &name)
{
    if (!TorvaImages::exists(name))
        return;
    m_splashImagView->setImageName(name);
    resize(TorvaImages::sizeOf(name));
}

void SplashWindowController::resizeEvent(QResizeEvent *event)
{
    m_splashImagView->setGeometry(rect());
    QWidget::resizeEvent(event);
}
