#include "gui/websettings/WebDashcam.h"

#include "gui/websettings/WebSettingWindowController.h"

#include <QMetaObject>

WebDashcam::WebDashcam(WebSettingWindowController *controller) : m_controller(controller) {}

void WebDashcam::log(const QString &) {}

void WebDashcam::getCfg(const QString &) {}

void WebDashcam::popup(const QString &) {}

void WebDashcam::userNoti(const QString &text)
{
    if (m_controller)
        m_controller->showPopup(text);
}

void WebDashcam::setDateUse(const QString &flag)
{
    if (m_controller)
        m_controller->clock().setUse(flag);
}

void WebDashcam::setDate(const QString &date)
{
    if (m_controller)
        m_controller->clock().setDate(date);
}

void WebDashcam::setDateAmPm(const QString &) {}

void WebDashcam::setDateMin(const QString &minute)
{
    if (m_controller)
        m_controller->clock().setMinute(minute);
}

void WebDashcam::setDateHour(const QString &hour)
{
    if (m_controller)
        m_controller->clock().setHour(hour);
}

void WebDashcam::format() {}

void WebDashcam::reset() {}

void WebDashcam::adasreset()
{
    if (m_controller)
        m_controller->removeAdasCalibration();
}

void WebDashcam::docLoadComplete()
{
    if (m_controller)
        QMetaObject::invokeMethod(m_controller,
                                  &WebSettingWindowController::startWebBrowserConnection,
                                  Qt::QueuedConnection);
}

void WebDashcam::languageSetComplete()
{
    if (m_controller)
        QMetaObject::invokeMethod(
            m_controller, [controller = m_controller] { controller->showTabs(false); },
            Qt::QueuedConnection);
}

void WebDashcam::clickedList()
{
    if (m_controller)
        m_controller->showBackButton();
}
