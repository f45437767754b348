#include "core/i18n/TorvaPreferences.h"
#include "gui/app/AppDelegate.h"
#include "gui/websettings/CardPageSchemeHandler.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLoggingCategory>

#include <clocale>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(TorvaPreferences::kOrganization));
    QCoreApplication::setApplicationName(QString::fromLatin1(TorvaPreferences::kApplication));
    QCoreApplication::setApplicationVersion(QStringLiteral(TORVA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Dashcam recording viewer"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("path"),
                                 QStringLiteral("A memory card, folder or recording to open."),
                                 QStringLiteral("[PATH]"));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Open the camera settings of the card at PATH, or of the card found, "
                       "without playing anything."));
    parser.addOption(settings);

    // Help and version are answered without a display: process() prints
    // them and exits. Everything else waits for QApplication, which takes
    // its own options (-platform …) out of the arguments first.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version)) {
        const QCoreApplication console(argc, argv);
        parser.process(console);
    }

    // Video views and the map page share OpenGL resources across windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The card's settings page is served under a scheme of its own.
    CardPageSchemeHandler::registerScheme();
    QApplication application(argc, argv);
    // The map's web engine describes its set-up at every start; QT_LOGGING_RULES still wins.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // libmpv parses numbers in the C locale; QApplication has just set the user's.
    std::setlocale(LC_NUMERIC, "C");
    parser.process(application);
    const QStringList paths = parser.positionalArguments();

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching(paths.isEmpty() ? QString() : paths.constFirst(),
                                           parser.isSet(settings) ? AppDelegate::Start::Settings
                                                                  : AppDelegate::Start::Viewer);
    const int status = QApplication::exec();
    delegate.applicationWillTerminate();
    return status;
}
