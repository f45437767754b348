#pragma once

#include <QWidget>

class TorvaImageView;

// The borderless window that shows the splash picture while the main window
// gets ready; it takes the size of the picture it is given.
class SplashWindowController : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindowController(QWidget *parent = nullptr);

    TorvaImageView *splashImagView() const { return m_splashImagView; }
    // Shows the named picture, sized to it, when the skin has it.
    void showSplashImage(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    TorvaImageView *m_splashImagView;
};
