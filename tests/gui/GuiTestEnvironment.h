#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>
#include <memory>

class QApplication;

// The widget tests' one QApplication, created before the first test and kept
// for the whole run. The process also gets a HOME of its own, so that Qt's
// and libmpv's caches never touch the user's.
class GuiTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override;

    // Runs the event loop until the condition holds or the time is up, and
    // gives back the condition's last answer.
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000);
    // Runs the event loop for the given time.
    static void wait(int milliseconds);

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QApplication> m_application;
};
