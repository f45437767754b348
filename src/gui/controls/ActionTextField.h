#pragma once

#include <QLineEdit>

// A text field that acts on a mouse press, as a button would: the folder
// field of the main window opens the folder panel this way.
class ActionTextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit ActionTextField(QWidget *parent = nullptr);

Q_SIGNALS:
    void action(ActionTextField *field);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
