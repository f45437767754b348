#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QPushButton;

// Base of the dialogs' controllers: the controller is the widget that holds
// the dialog's view. It re-applies its texts whenever the interface language
// changes, and when the view is an Esc-to-cancel view it takes the Esc key
// for as long as the dialog is open.
class TorvaViewController : public QWidget
{
    Q_OBJECT

public:
    explicit TorvaViewController(QWidget *parent = nullptr);
    ~TorvaViewController() override;

    // Puts view into the controller, filling it, hooks the Esc key when the
    // view is a TorvaCancelEventView and sets the texts. Subclasses call it
    // once their view is built.
    void loadView(QWidget *view);
    QWidget *view() const { return m_view; }

    // Ends the modal run of the window showing the view with code (1 for
    // OK, 0 for Cancel).
    void endModal(int code);
    // Gives Esc back to the dialog that had it before this one.
    void restoreEventHandler();

    // Sets every text in the current language; nothing here.
    virtual void applyLanguageSettings() {}
    // A key the dialog's window did not handle; ignored here, but Esc,
    // which the Esc-to-cancel view gets.
    virtual void keyDown(QKeyEvent *event);

protected:
    // Sets the widget's text from the key now and at every applyKeyedTexts.
    template <typename Widget> Widget *keyed(Widget *widget, const QString &key)
    {
        onLanguage([widget, key] { widget->setText(localizedText(key)); });
        return widget;
    }
    // Runs setText now and at every applyKeyedTexts.
    void onLanguage(const std::function<void()> &setText);
    // The texts of keyed and onLanguage in the current language.
    void applyKeyedTexts() const;
    static QString localizedText(const QString &key);

    struct EditorButtons
    {
        QWidget *row;
        QPushButton *reset;
        QPushButton *ok;
        QPushButton *cancel;
    };
    // The settings editors' buttons on the dialog skin: Reset on the left,
    // OK and Cancel on the right, titled by the keys (in that order).
    EditorButtons editorButtons(const QStringList &titleKeys);

private:
    QWidget *m_view = nullptr;
    QList<std::function<void()>> m_keyedTexts;
};
