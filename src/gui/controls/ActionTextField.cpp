#include "gui/controls/ActionTextField.h"

#include <QMouseEvent>

ActionTextField::ActionTextField(QWidget *parent) : QLineEdit(parent) {}

void ActionTextField::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    Q_EMIT action(this);
}
