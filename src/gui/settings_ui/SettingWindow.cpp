#include "gui/settings_ui/SettingWindow.h"

#include "core/i18n/TorvaLanguages.h"
#include "gui/app/MainWindowMenus.h"
#include "gui/settings_ui/TorvaViewController.h"

#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

SettingWindow::SettingWindow(QWidget *parent) : QDialog(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QPoint SettingWindow::modalOrigin(const QRect &parentFrame, const QSize &viewSize,
                                  int titleBarHeight)
{
    const double height = viewSize.height() + titleBarHeight;
    return QPoint(
        int(std::lround(parentFrame.x() + parentFrame.width() / 2.0 - viewSize.width() / 2.0)),
        int(std::lround(parentFrame.y() + parentFrame.height() / 2.0 - height / 2.0)));
}

qint64 SettingWindow::showModalWindow(QWidget *parent, QWidget *view,
                                      TorvaViewController *controller, bool showTitleBar)
{
    QWidget *parentWindow = parent->window();
    const QRect parentFrame = parentWindow->frameGeometry();
    const QSize viewSize = view->size();
    QWidget *formerParent = view->parentWidget();

    setParent(parentWindow, showTitleBar ? Qt::Dialog : Qt::Dialog | Qt::FramelessWindowHint);
    m_keyEventDelegate = controller;
    m_pWindowController = parentWindow->findChild<MainWindowMenus *>();
    layout()->addWidget(view);
    view->show();
    resize(viewSize);
    move(modalOrigin(parentFrame, viewSize, 0));
    // The title bar's height is known once the window is on screen.
    QTimer::singleShot(0, this, [this, parentFrame, viewSize, view] {
        move(modalOrigin(parentFrame, viewSize, frameGeometry().height() - geometry().height()));
        // A borderless window is not made active by every window manager
        // (nor without one): the keys must come here, Esc among them.
        activateWindow();
        view->setFocus();
    });
    const int code = exec();

    layout()->removeWidget(view);
    view->setParent(formerParent);
    return code;
}

void SettingWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_keyEventDelegate)
        m_keyEventDelegate->keyDown(event);
    else
        QDialog::keyPressEvent(event);
}

void SettingWindow::languageChangeToEnglish()
{
    languageChangeWithMenu(QStringLiteral("en"));
}

void SettingWindow::languageChangeToFrench()
{
    languageChangeWithMenu(QStringLiteral("fr"));
}

void SettingWindow::languageChangeToPortuguese()
{
    languageChangeWithMenu(QStringLiteral("pt"));
}

void SettingWindow::languageChangeToJapanese()
{
    languageChangeWithMenu(QStringLiteral("ja"));
}

void SettingWindow::languageChangeWithMenu(const QString &code)
{
    languageChange(code);
    if (m_pWindowController)
        m_pWindowController->markCurrentLanguage();
}

void SettingWindow::languageChange(const QString &code)
{
    TorvaLanguages::SharedTorvaLanguages()->languageChange(code);
}

MainWindowMenus *SettingWindow::pWindowController() const
{
    return m_pWindowController;
}
