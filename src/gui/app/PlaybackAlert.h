#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class QWidget;

// The one alert about playback open at a time (a file that cannot play, the
// transcoder missing, the card pulled out): window-modal without blocking, so that playback and
// card changes go on; its texts follow a change of language.
class PlaybackAlert : public QObject
{
    Q_OBJECT

public:
    PlaybackAlert(QWidget *window, QObject *parent);

    void showUnsupportedFile();
    void showTranscoderMissing();
    void showCardRemoved();
    void applyLanguageSettings();
    // The open alert, if any.
    QMessageBox *box() const { return m_box; }

private:
    void show(const char *titleKey, const char *messageKey);

    QWidget *m_window;
    QPointer<QMessageBox> m_box;
    // Kept as keys for a change of language.
    const char *m_titleKey = nullptr;
    const char *m_messageKey = nullptr;
};
