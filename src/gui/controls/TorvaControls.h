#pragma once

#include <QColor>
#include <QString>

class QAbstractButton;
class QRadioButton;
class QWidget;

// One-line conveniences on the platform's controls.
class ImageButton;

namespace TorvaControls {

// The button's title drawn in color over its whole length.
void setTitleColor(QAbstractButton *button, const QColor &color);

// A radio-type button carrying the title.
QRadioButton *RadioButtonCellWithTitle(const QString &title, QWidget *parent = nullptr);

// Walks the whole subtree below view: text views become selectable or not,
// text fields and labels take the normal or the disabled text colour, and
// every widget is enabled or disabled.
void setSubViewsEnabled(QWidget *view, bool enabled);

// A list button (filters, trips) lit while chosen; a chosen one keeps its
// picture under the mouse.
void showListButtonChosen(ImageButton *button, bool chosen);
void disableSubViews(QWidget *view);
void enableSubViews(QWidget *view);

} // namespace TorvaControls
