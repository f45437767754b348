#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

class MainWindowMenus;
class TorvaViewController;

// The window of one modal dialog: it centres the dialog's view over the
// main window, without a title bar unless asked, and hands the keys the
// view leaves to the dialog's controller. The language can be changed from
// within it as from the main window's menu.
//
// Menu items that mark themselves among their siblings are exclusive
// QActionGroups, as in the main window's menus.
class SettingWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SettingWindow(QWidget *parent = nullptr);

    // Where a window holding a view of viewSize goes over a parent window of
    // frame parentFrame: centred, its title bar (titleBarHeight high, 0 for
    // none) counted in.
    static QPoint modalOrigin(const QRect &parentFrame, const QSize &viewSize, int titleBarHeight);

    // Runs the window modally over parent's window with view as its content
    // and controller taking the keys; gives the code that ended the run (the
    // editors end it with 1 for OK, 0 for Cancel). The view goes back to its
    // former parent afterwards.
    qint64 showModalWindow(QWidget *parent, QWidget *view, TorvaViewController *controller,
                           bool showTitleBar);

    TorvaViewController *keyEventDelegate() const { return m_keyEventDelegate; }
    // The main window's language menu, which marks the language chosen here.
    MainWindowMenus *pWindowController() const;

    void languageChangeToEnglish();
    void languageChangeToFrench();
    void languageChangeToPortuguese();
    void languageChangeToJapanese();
    // Stores a language other than the current one and tells every view.
    void languageChange(const QString &code);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Changes the language, then the main window's menu shows it.
    void languageChangeWithMenu(const QString &code);

    QPointer<TorvaViewController> m_keyEventDelegate;
    QPointer<MainWindowMenus> m_pWindowController;
};
