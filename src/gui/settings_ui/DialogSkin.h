#pragma once

class QPushButton;
class QWidget;

// The dark skin the settings dialogs share: the dialog picture behind the
// view, light titles on it, and the stretched button picture.
class DialogSkin
{
public:
    // A button whose picture stretches around its title, its edges kept.
    static QPushButton *button(QWidget *parent);
    // Paints the dialog picture behind the view (which needs an object name)
    // and makes its labels light.
    static void paintDialog(QWidget *view);
    // The editors' look over paintDialog: a light title, dark tabs and white
    // pages with dark text, as on the camera's own screen.
    static void paintEditor(QWidget *view);
};
