#pragma once

#include <QWebEnginePage>

// The page the card's settings are shown in: it goes to its first document
// and nowhere after, opens no windows and is granted no device or feature.
class CardSettingsPage : public QWebEnginePage
{
    Q_OBJECT

public:
    CardSettingsPage(QWebEngineProfile *profile, QObject *parent = nullptr);

    // Once set, no frame loads anything new (nor reloads).
    void setDidLoadHtml() { m_didLoadHtml = true; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;

private:
    bool m_didLoadHtml = false;
};
