#include "../GuiTestEnvironment.h"
#include "../settings_ui/SettingsDialogTestSupport.h"
#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"

#include "core/i18n/TorvaLanguages.h"
#include "gui/websettings/WebSettingWindowController.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace SettingsDialogTestSupport;

namespace {

const QList<CameraLanguage> kLanguages = {{0, QStringLiteral("en")}, {1, QStringLiteral("ko")}};

QByteArray sampleRecord(char fill)
{
    QByteArray record(512, fill);
    // The interface language: the second of the card's list.
    record[428] = 1;
    record[429] = record[430] = record[431] = 0;
    return record;
}

// A card whose root folder name has spaces, with a settings page copied
// from the tests' own pages.
class WebCard
{
public:
    // root: the card's folder, else one whose name has spaces.
    explicit WebCard(const QString &page, const QString &cardRoot = {})
    {
        root = cardRoot.isEmpty() ? base.path(QStringLiteral("card with spaces")) : cardRoot;
        const QString html = root + QStringLiteral("/SETTING/html");
        EXPECT_TRUE(QDir().mkpath(html));
        QDirIterator files(QStringLiteral(":/pages/") + page, QDir::Files);
        while (files.hasNext()) {
            const QString from = files.next();
            EXPECT_TRUE(QFile::copy(from, html + QLatin1Char('/') + files.fileName()));
        }
    }
    QString file(const QString &name) const { return root + QStringLiteral("/SETTING/") + name; }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile out(file(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QByteArray read(const QString &name) const { return FileBytes::read(file(name)); }

    TempFolder base;
    QString root;
};

// The page's answer to a script, once it came.
QVariant pageValue(WebSettingWindowController *window, const QString &script)
{
    std::optional<QVariant> value;
    window->webView()->page()->runJavaScript(script, [&value](const QVariant &v) { value = v; });
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return value.has_value(); }));
    return value.value_or(QVariant());
}

// How the page's functions were called, in order: name and arguments.
QList<QStringList> pageCalls(WebSettingWindowController *window)
{
    QList<QStringList> calls;
    const QJsonArray array =
        QJsonDocument::fromJson(
            pageValue(window, QStringLiteral("JSON.stringify(calls)")).toString().toUtf8())
            .array();
    for (const QJsonValue &call : array) {
        QStringList parts;
        for (const QJsonValue &part : call.toArray())
            parts.append(part.toString());
        calls.append(parts);
    }
    return calls;
}

bool called(WebSettingWindowController *window, const QStringList &call)
{
    return pageCalls(window).contains(call);
}

WebSettingWindowController *openWindow(QWidget *mainWindow, const WebCard &card)
{
    WebSettingWindowController *window =
        WebSettingWindowController::showWebSettingWindow(mainWindow, card.root, kLanguages);
    EXPECT_NE(window, nullptr);
    if (window) {
        EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return window->didLoadHtml(); }, 15000));
    }
    return window;
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

} // namespace

// The page gets the card's record, languages and clock in the program's
// order; what it calls is done; Save writes its record and clock.
TEST(WebSettingWindowController, SamplePageFromStartToSave)
{
    WebCard card(QStringLiteral("sample"));
    const QByteArray record = sampleRecord('\x11');
    card.write(QStringLiteral("setup.cfg"), record);
    card.write(QStringLiteral("time.dat"), "2026,01,02,03,04,05,+0900");
    card.write(QStringLiteral("ADAS_CAL.dat"), "calibration");
    QWidget mainWindow;
    mainWindow.resize(1200, 900);
    mainWindow.show();
    WebSettingWindowController *window = openWindow(&mainWindow, card);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WebSettingWindowController::showWebSettingWindow(&mainWindow, card.root, kLanguages),
              nullptr);
    EXPECT_TRUE(window->isModal());
    EXPECT_FALSE(window->backButton()->isVisible());
    EXPECT_EQ(window->saveButton()->text(), TorvaLanguages::text("저장"));
    const QList<QStringList> expected = {
        {QStringLiteral("model.name")},
        {QStringLiteral("model.cfgSize")},
        {QStringLiteral("set_cfg"), hex(record)},
        {QStringLiteral("setParamLanguage"), QStringLiteral("en|ko"), QStringLiteral("2")},
        {QStringLiteral("set_language"), QStringLiteral("ko")},
        {QStringLiteral("setTimeDate"), QStringLiteral("2026,01,02")},
        {QStringLiteral("setTimeHour"), QStringLiteral("03")},
        {QStringLiteral("setTimeMin"), QStringLiteral("04")},
    };
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return pageCalls(window).size() >= 8; }));
    EXPECT_EQ(pageCalls(window), expected);
    GuiTestEnvironment::wait(200);
    EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(window, "web_settings_sample").isEmpty());

    // Every call the page can make; the clock with slashes.
    pageValue(window, QStringLiteral("exerciseDashcam('2027'); true"));
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return window->backButton()->isVisible(); }));
    EXPECT_FALSE(QFile::exists(card.file(QStringLiteral("ADAS_CAL.dat"))));
    pageValue(window, QStringLiteral("Dashcam.languageSetComplete(); true"));
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] {
        return called(window, {QStringLiteral("generateSetting"), QStringLiteral("false")});
    }));
    EXPECT_FALSE(window->backButton()->isVisible());

    // A question of four fields is no question; of five, Yes answers it.
    pageValue(window, QStringLiteral("Dashcam.userNoti('Title\\tMessage\\t3\\tvalue'); true"));
    const auto question = answerAlert(TorvaLanguages::text("예"));
    pageValue(window,
              QStringLiteral("Dashcam.userNoti('Title\\tMessage\\t3\\tva\"lue\\t2'); true"));
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] {
        return called(
            window, {QStringLiteral("update_ok"), QStringLiteral("3"), QStringLiteral("va\"lue")});
    }));
    EXPECT_EQ(*question, QStringLiteral("Title"));

    const QByteArray edited = sampleRecord('\x22');
    pageValue(window, QStringLiteral("nextCfg = '%1'; true").arg(hex(edited)));
    QPointer<WebSettingWindowController> open = window;
    window->saveButton()->click();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return !open; }));
    EXPECT_EQ(card.read(QStringLiteral("setup.cfg")), edited);
    EXPECT_EQ(card.read(QStringLiteral("time.dat")), "2027,05,04,07,08,00,+0900");
}

// Reset sends the card's factory record; a page that answers Save with no
// valid record gets nothing written; Cancel and Esc write nothing.
TEST(WebSettingWindowController, ResetInvalidRecordsAndCancel)
{
    WebCard card(QStringLiteral("sample"));
    const QByteArray record = sampleRecord('\x11');
    card.write(QStringLiteral("setup.cfg"), record);
    card.write(QStringLiteral("default.cfg"), sampleRecord('\x33'));
    QWidget mainWindow;
    mainWindow.show();
    WebSettingWindowController *window = openWindow(&mainWindow, card);
    ASSERT_NE(window, nullptr);
    window->resetButton()->click();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] {
        return called(window, {QStringLiteral("set_cfg"), hex(sampleRecord('\x33'))}) &&
               called(window, {QStringLiteral("generateSetting"), QStringLiteral("true")});
    }));
    for (const QString &answer :
         {QStringLiteral("'ABC'"), QStringLiteral("'ZZ' + record.substring(2)"),
          QStringLiteral("record.substring(2)"), QStringLiteral("''"), QStringLiteral("42")}) {
        SCOPED_TRACE(answer.toStdString());
        pageValue(window, QStringLiteral("nextCfg = %1; true").arg(answer));
        const auto alert = answerAlert(QStringLiteral("OK"));
        window->saveButton()->click();
        EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return !alert->isEmpty(); }));
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(card.read(QStringLiteral("setup.cfg")), record);
    EXPECT_FALSE(QFile::exists(card.file(QStringLiteral("time.dat"))));

    QPointer<WebSettingWindowController> open = window;
    GuiTestEnvironment::sendKey(window, Qt::Key_Escape);
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return !open; }));
    EXPECT_EQ(card.read(QStringLiteral("setup.cfg")), record);
}

// A page that tries to reach the network, the disk beyond its folder, other
// windows and downloads gets none of them, and stays where it is.
TEST(WebSettingWindowController, HostilePageStaysInItsFolder)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            ++connections;
            socket->close();
        }
    });
    WebCard card(QStringLiteral("hostile"));
    // The secret lies beside the page's folder, and a link inside points at it.
    ASSERT_TRUE(QFile::rename(card.file(QStringLiteral("html/secret.js")),
                              card.file(QStringLiteral("secret.js"))));
    ASSERT_TRUE(QFile::link(card.file(QStringLiteral("secret.js")),
                            card.file(QStringLiteral("html/outside.js"))));
    card.write(QStringLiteral("html/config.js"),
               QStringLiteral("var port = %1;").arg(server.serverPort()).toUtf8());
    card.write(QStringLiteral("setup.cfg"), sampleRecord('\x11'));
    const QList<QWidget *> windowsBefore = QApplication::topLevelWidgets();
    QWidget mainWindow;
    mainWindow.show();
    WebSettingWindowController *window = openWindow(&mainWindow, card);
    ASSERT_NE(window, nullptr);
    const QUrl pageUrl = window->webView()->url();
    GuiTestEnvironment::wait(2000);

    EXPECT_EQ(connections, 0);
    EXPECT_FALSE(pageValue(window, QStringLiteral("typeof leaked !== 'undefined'")).toBool());
    const QJsonObject results =
        QJsonDocument::fromJson(
            pageValue(window, QStringLiteral("JSON.stringify(results)")).toString().toUtf8())
            .object();
    for (const char *loaded :
         {"fetch", "xhr", "image", "socket", "file", "clipboard", "geolocation"})
        EXPECT_NE(results.value(QLatin1String(loaded)).toString(), QLatin1String("loaded"))
            << loaded;
    EXPECT_NE(results.value(QStringLiteral("socket")).toString(), QStringLiteral("open"));
    EXPECT_NE(results.value(QStringLiteral("file")).toString(), QStringLiteral("read"));
    EXPECT_NE(results.value(QStringLiteral("clipboard")).toString(), QStringLiteral("read"));
    EXPECT_NE(results.value(QStringLiteral("geolocation")).toString(), QStringLiteral("granted"));
    EXPECT_EQ(results.value(QStringLiteral("open")).toString(), QStringLiteral("false"));
    // A beacon is only queued; the server's count says it never left.
    EXPECT_EQ(window->webView()->url(), pageUrl);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore.size() + 2);
    EXPECT_FALSE(
        QDir(QDir::homePath() + QStringLiteral("/Downloads")).exists(QStringLiteral("secret.bin")));
    window->cancelButton()->click();
}

// A card that cannot take the record says so, and the page stays open.
TEST(WebSettingWindowController, ReadOnlyCardShowsTheAlert)
{
    ReadOnlyCard readOnly;
    if (!readOnly.error().isEmpty())
        GTEST_SKIP() << "no read-only card: " << readOnly.error().toStdString();
    WebCard card(QStringLiteral("sample"), readOnly.path());
    const QByteArray record = sampleRecord('\x11');
    card.write(QStringLiteral("setup.cfg"), record);
    ASSERT_TRUE(readOnly.makeReadOnly());
    QWidget mainWindow;
    mainWindow.show();
    WebSettingWindowController *window = openWindow(&mainWindow, card);
    ASSERT_NE(window, nullptr);
    pageValue(window, QStringLiteral("nextCfg = '%1'; true").arg(hex(sampleRecord('\x22'))));
    const auto alert = answerAlert(QStringLiteral("OK"));
    window->saveButton()->click();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return !alert->isEmpty(); }));
    EXPECT_EQ(*alert, TorvaLanguages::text("메모리카드 오류"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(card.read(QStringLiteral("setup.cfg")), record);
    window->cancelButton()->click();
}
