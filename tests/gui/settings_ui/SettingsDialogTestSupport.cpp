#include "SettingsDialogTestSupport.h"

#include "../GuiTestEnvironment.h"

#include "gui/settings_ui/SettingWindow.h"
#include "gui/settings_ui/TorvaViewController.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace SettingsDialogTestSupport {

qint64 runDialog(TorvaViewController &dialog, const std::function<void()> &during)
{
    QWidget mainWindow;
    mainWindow.resize(1200, 900);
    mainWindow.show();
    SettingWindow window;
    QTimer::singleShot(0, &window, [&] {
        EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return window.isVisible(); }));
        during();
        // Esc cancels through a queued call.
        if (!GuiTestEnvironment::waitFor([&] { return !window.isVisible(); }, 300))
            window.done(-1);
    });
    return window.showModalWindow(&mainWindow, &dialog, &dialog, false);
}

void click(QWidget *widget)
{
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    GuiTestEnvironment::sendMouse(widget, QEvent::MouseButtonPress, centre);
    GuiTestEnvironment::sendMouse(widget, QEvent::MouseButtonRelease, centre);
}

std::shared_ptr<QString> answerAlert(const QString &buttonTitle)
{
    auto text = std::make_shared<QString>();
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, buttonTitle, text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        EXPECT_EQ(box->windowModality(), Qt::WindowModal);
        *text = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonTitle)
                button->click();
        }
    });
    timer->start(20);
    return text;
}

std::string cutTexts(QWidget *root)
{
    QStringList cut;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        if ((!label && !button) || !widget->isVisible())
            continue;
        if (widget->width() < widget->minimumSizeHint().width())
            cut.append(label ? label->text() : button->text());
    }
    return cut.join(QLatin1String(" | ")).toStdString();
}

} // namespace SettingsDialogTestSupport
