#pragma once

#include <QObject>

#include <functional>

class QWidget;

// The settings button's way to an editor: a memory card first (asked for
// when the card in use is not removable), a camera model (asked for when
// the card does not say), then the model's editor in a modal window.
class SettingsOpening : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<void()> pauseVideo;
        // The main window shows the card's model and recordings anew.
        std::function<void()> updateModelInfo;
        // The listed folder's recordings anew (after the card was formatted).
        std::function<void()> refreshVideoFileList;
    };

    SettingsOpening(QWidget *mainWindow, Hooks hooks, QObject *parent = nullptr);

    void settingButtonTouched();
    // The settings of the card at root straight away, whether or not it is
    // removable; an empty root goes the settings button's way.
    void openSettingsFor(const QString &root);
    void showSelectFlashMemoryWindow();
    void showSelectModelWindow();
    void showSettingWindow();
    void showSettingWindow_QMV();
    // The card's own settings page; the window stays open after this returns.
    void showWebSettingWindow();

private:
    // Reads which camera the card at the manager's folder belongs to, asks
    // for the model when it does not say, and opens the model's editor.
    void openCardSettings();
    // Loads the card's record for the model and opens its editor.
    void openEditorForModel();

    QWidget *m_mainWindow;
    Hooks m_hooks;
};
