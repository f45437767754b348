#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class WebSettingWindowController;

// The object the card's settings page knows as "Dashcam": what the page
// tells the program. Every argument is text from the page, untrusted.
class WebDashcam : public QObject
{
    Q_OBJECT

public:
    explicit WebDashcam(WebSettingWindowController *controller);

    // The page's diagnostics and requests the camera answers itself.
    Q_INVOKABLE void log(const QString &text);
    Q_INVOKABLE void getCfg(const QString &text);
    Q_INVOKABLE void popup(const QString &text);
    // "userNoti": a question for the user, fields separated by tabs.
    Q_INVOKABLE void userNoti(const QString &text);
    // "setdate:use", "setdate", "setdate:ampm", "setdate:min", "setdate:hour".
    Q_INVOKABLE void setDateUse(const QString &flag);
    Q_INVOKABLE void setDate(const QString &date);
    Q_INVOKABLE void setDateAmPm(const QString &text);
    Q_INVOKABLE void setDateMin(const QString &minute);
    Q_INVOKABLE void setDateHour(const QString &hour);
    Q_INVOKABLE void format();
    Q_INVOKABLE void reset();
    // Forgets the camera's lane calibration on this card.
    Q_INVOKABLE void adasreset();
    Q_INVOKABLE void docLoadComplete();
    Q_INVOKABLE void languageSetComplete();
    Q_INVOKABLE void clickedList();

private:
    QPointer<WebSettingWindowController> m_controller;
};
