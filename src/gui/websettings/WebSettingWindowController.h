#pragma once

#include "core/settings/CameraLanguages.h"
#include "core/settings/CardMount.h"
#include "core/websettings/WebSettingClock.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class CardSettingsPage;
class QPushButton;
class QVariant;
class QWebEngineProfile;
class QWebEngineView;
class WebDashcam;

// The settings of the cameras whose card carries its own settings page: the
// page is shown from the card, given the card's record as hex text, its
// languages and clock, and what it gives back on Save is written to the
// card. One window at a time, modal over the whole application.
class WebSettingWindowController : public QDialog
{
    Q_OBJECT

public:
    // Opens the window for the card at folder over mainWindow, unless one is
    // open already; returns the window then shown, or null.
    static WebSettingWindowController *showWebSettingWindow(QWidget *mainWindow,
                                                            const QString &folder,
                                                            const QList<CameraLanguage> &languages);
    // The open window, or null.
    static WebSettingWindowController *instance();

    ~WebSettingWindowController() override;

    // The page's calls (through WebDashcam).
    void startWebBrowserConnection();
    void showTabs(bool flag);
    void showBackButton();
    void showPopup(const QString &text);
    void removeAdasCalibration();
    WebSettingClock &clock() { return m_clock; }

    void onBtnBack();
    void onBtnReset();
    void onBtnCancel();
    void onBtnSave();

    QWebEngineView *webView() const { return m_webView; }
    QPushButton *backButton() const { return m_backButton; }
    QPushButton *resetButton() const { return m_resetButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *saveButton() const { return m_saveButton; }
    bool didLoadHtml() const { return m_didLoadHtml; }

Q_SIGNALS:
    // Save wrote the card's record (and clock); the window closes.
    void saved();

private:
    WebSettingWindowController(QWidget *parent, QString folder, QList<CameraLanguage> languages);

    // Runs a script in the page; done gets its result.
    void evaluate(const QString &script, const std::function<void(const QVariant &)> &done = {});
    void resetCfg();
    void saveConfig();
    void saveRecord(const QVariant &pageRecord);
    void applyLanguageSettings();

    QString m_folder;
    // The card the page opened on: nothing is written in its place.
    CardMount m_card;
    QList<CameraLanguage> m_languages;
    QWebEngineProfile *m_profile = nullptr;
    CardSettingsPage *m_page = nullptr;
    QWebEngineView *m_webView = nullptr;
    WebDashcam *m_webDashcam = nullptr;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_resetButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    bool m_didLoadHtml = false;
    QString m_modelName;
    qint32 m_cfgSize = 0;
    WebSettingClock m_clock;
    int m_userNotificationIndex = 0;
    QString m_userNotificationValue;
    bool m_saving = false;
};
