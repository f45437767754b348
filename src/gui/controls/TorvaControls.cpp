#include "gui/controls/TorvaControls.h"

#include "gui/controls/ImageButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace TorvaControls {

namespace {

constexpr Qt::TextInteractionFlags kSelectable =
    Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;

template <typename TextView> void setSelectable(TextView *textView, bool selectable)
{
    const Qt::TextInteractionFlags flags = textView->textInteractionFlags();
    textView->setTextInteractionFlags(selectable ? flags | kSelectable : Qt::NoTextInteraction);
}

// The text colour of an enabled or a disabled control, in every state of the
// widget, so a field shows its state even where it stays enabled.
void setTextColor(QWidget *field, QPalette::ColorRole role, bool enabled)
{
    const QColor color =
        QApplication::palette().color(enabled ? QPalette::Active : QPalette::Disabled, role);
    QPalette palette = field->palette();
    palette.setColor(role, color);
    field->setPalette(palette);
}

} // namespace

void setTitleColor(QAbstractButton *button, const QColor &color)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

QRadioButton *RadioButtonCellWithTitle(const QString &title, QWidget *parent)
{
    return new QRadioButton(title, parent);
}

void setSubViewsEnabled(QWidget *view, bool enabled)
{
    const auto children = view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (auto *textView = qobject_cast<QTextEdit *>(child))
            setSelectable(textView, enabled);
        else if (auto *plainTextView = qobject_cast<QPlainTextEdit *>(child))
            setSelectable(plainTextView, enabled);
        else if (qobject_cast<QLineEdit *>(child))
            setTextColor(child, QPalette::Text, enabled);
        else if (qobject_cast<QLabel *>(child))
            setTextColor(child, QPalette::WindowText, enabled);
        child->setEnabled(enabled);
        setSubViewsEnabled(child, enabled);
    }
}

void disableSubViews(QWidget *view)
{
    setSubViewsEnabled(view, false);
}

void enableSubViews(QWidget *view)
{
    setSubViewsEnabled(view, true);
}

} // namespace TorvaControls

void TorvaControls::showListButtonChosen(ImageButton *button, bool chosen)
{
    button->setImage(chosen ? QStringLiteral("sorting_btn_60_2")
                            : QStringLiteral("sorting_btn_60_1"));
    button->setAllowAutoMouseEventImage(!chosen);
}
