#include "GuiTestEnvironment.h"

#include "gui/websettings/CardPageSchemeHandler.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPixmap>
#include <QThread>
#include <QWidget>

#include <clocale>

// Registered before main() runs, so every test binary that links this file
// gets the application without a main of its own.
[[maybe_unused]] static ::testing::Environment *const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiTestEnvironment);

void GuiTestEnvironment::SetUp()
{
    m_home = std::make_unique<TemporaryHome>();
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = m_home->path(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    // Tests run as root, where the web engine refuses its sandbox.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The map's web engine reports its set-up at info level on every start;
    // QT_LOGGING_RULES still wins.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // Video views and web views share OpenGL resources across windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    CardPageSchemeHandler::registerScheme();
    static int argc = 1;
    static char name[] = "torva_gui_tests";
    static char *argv[] = {name, nullptr};
    m_application = std::make_unique<QApplication>(argc, argv);
    // libmpv parses numbers with the C locale; QApplication has just set the
    // user's.
    std::setlocale(LC_NUMERIC, "C");
}

void GuiTestEnvironment::TearDown()
{
    m_application.reset();
    m_home.reset();
}

bool GuiTestEnvironment::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    }
    return true;
}

void GuiTestEnvironment::sendMouse(QWidget *widget, QEvent::Type type, QPointF at,
                                   Qt::MouseButton button)
{
    const QPointF global = widget->mapToGlobal(at);
    if (type == QEvent::Enter) {
        QEnterEvent event(at, at, global);
        QApplication::sendEvent(widget, &event);
    } else if (type == QEvent::Leave) {
        QEvent event(type);
        QApplication::sendEvent(widget, &event);
    } else {
        QMouseEvent event(type, at, global, type == QEvent::MouseMove ? Qt::NoButton : button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

void GuiTestEnvironment::sendKey(QWidget *widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QString GuiTestEnvironment::saveScreenshot(QWidget *widget, const QString &name)
{
    const QString configured = qEnvironmentVariable("TORVA_TEST_ARTIFACTS");
    const QDir folder(configured.isEmpty() ? QDir::current().filePath("artifacts") : configured);
    folder.mkpath(QStringLiteral("."));
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    return widget->grab().save(path, "PNG") ? path : QString();
}
