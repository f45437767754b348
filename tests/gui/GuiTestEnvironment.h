#pragma once

#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QPointF>
#include <QString>

#include <functional>
#include <memory>

class QApplication;
class QWidget;

// The widget tests' one QApplication, created before the first test and kept
// for the whole run, in a HOME of its own so that Qt's and libmpv's caches
// never touch the user's. Also what the tests share to drive widgets.
class GuiTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override;

    // Runs the event loop until the condition holds or the time is up, and
    // gives back the condition's last answer.
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000);
    static void wait(int milliseconds)
    {
        waitFor([] { return false; }, milliseconds);
    }
    // A mouse event at the widget's point: the pointer's entry or leaving, a
    // press that holds the button, a release that lets it go, or a move that
    // drags with it held (Qt::NoButton: a plain move).
    static void sendMouse(QWidget *widget, QEvent::Type type, QPointF at,
                          Qt::MouseButton button = Qt::LeftButton);
    static void sendKey(QWidget *widget, int key);
    // Saves the widget as drawn on screen as "<name>.png" for a person to
    // look at, in $TORVA_TEST_ARTIFACTS when set, else in "artifacts" under
    // the folder the tests run in; gives the path, empty when not written.
    static QString saveScreenshot(QWidget *widget, const QString &name);

private:
    std::unique_ptr<TemporaryHome> m_home;
    std::unique_ptr<QApplication> m_application;
};
