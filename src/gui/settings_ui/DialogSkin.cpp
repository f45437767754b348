#include "gui/settings_ui/DialogSkin.h"

#include <QPushButton>
#include <QWidget>

namespace {

QString dialogBackground(const QWidget *view)
{
    return QStringLiteral("#%1 { border-image: url(:/images/dialog_bg.svg) 8 8 8 8 stretch; }")
        .arg(view->objectName());
}

} // namespace

QPushButton *DialogSkin::button(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setMinimumSize(96, 28);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; border-width: 6px 10px 4px 10px; padding: 0 6px;"
        " border-image: url(:/images/dialog_button_1.svg) 6 10 4 10 stretch; }"
        "QPushButton:pressed { border-image: url(:/images/dialog_button_2.svg) 6 10 4 10 stretch; }"
        "QPushButton:disabled { color: #7f8a96; }"));
    return button;
}

void DialogSkin::paintDialog(QWidget *view)
{
    view->setAttribute(Qt::WA_StyledBackground);
    view->setStyleSheet(dialogBackground(view) + QStringLiteral("QLabel { color: white; }"));
}

void DialogSkin::paintEditor(QWidget *view)
{
    view->setAttribute(Qt::WA_StyledBackground);
    view->setStyleSheet(
        dialogBackground(view) +
        QStringLiteral(
            "QLabel#dialogTitle { color: #d6dfe9; font-weight: bold; }"
            "QTabWidget::pane { background: white; border: 1px solid #2c333e; }"
            "QTabBar::tab { color: #d6dfe9; background: #262c35; border: 1px solid #3a4250;"
            " padding: 5px 14px; margin-right: 2px; }"
            "QTabBar::tab:selected { color: #1d222b; background: white; }"
            "QScrollArea, QScrollArea > QWidget > QWidget { background: white; }"
            "QScrollArea QLabel { color: #1d222b; }"));
}
