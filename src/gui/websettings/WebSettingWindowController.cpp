#include "gui/websettings/WebSettingWindowController.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/io/FileIO.h"
#include "core/websettings/CfgHexText.h"
#include "core/websettings/WebSettingFiles.h"
#include "core/websettings/WebSettingLanguage.h"
#include "core/websettings/WebSettingNotification.h"
#include "core/websettings/WebSettingScripts.h"
#include "gui/settings_ui/DialogSkin.h"
#include "gui/settings_ui/SettingWindow.h"
#include "gui/settings_ui/SettingsAlert.h"
#include "gui/settings_ui/TorvaViewController.h"
#include "gui/websettings/CardPageRequestFilter.h"
#include "gui/websettings/CardPageSchemeHandler.h"
#include "gui/websettings/CardSettingsPage.h"
#include "gui/websettings/WebDashcam.h"

#include <QDebug>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// The card's record and clock are a few hundred bytes.
constexpr qint64 kMaxSettingFileBytes = qint64(1) << 20;
const QSize kWindowSize(900, 680);

QPointer<WebSettingWindowController> &openWindow()
{
    static QPointer<WebSettingWindowController> window;
    return window;
}

QString localized(const char *key)
{
    return TorvaLanguages::text(key);
}

// What the page finds before its own scripts: the web channel's client and
// the Dashcam object on top of it.
QWebEngineScript bridgeScript()
{
    QString source;
    for (const char *path : {":/qtwebchannel/qwebchannel.js", ":/websettings/dashcam_bridge.js"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly))
            qWarning() << "settings page: cannot read" << path;
        source += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
    }
    QWebEngineScript script;
    script.setName(QStringLiteral("dashcam_bridge"));
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

// Nothing of the page may reach past its folder: no remote or file access,
// no windows, no clipboard, no plug-ins.
void lockDown(QWebEngineSettings *settings)
{
    using S = QWebEngineSettings;
    for (const S::WebAttribute off :
         {S::JavascriptCanOpenWindows, S::JavascriptCanAccessClipboard, S::JavascriptCanPaste,
          S::LocalContentCanAccessRemoteUrls, S::LocalContentCanAccessFileUrls,
          S::AllowRunningInsecureContent, S::AllowGeolocationOnInsecureOrigins, S::PluginsEnabled,
          S::ScreenCaptureEnabled, S::DnsPrefetchEnabled, S::NavigateOnDropEnabled,
          S::PdfViewerEnabled, S::HyperlinkAuditingEnabled, S::AutoLoadIconsForPage,
          S::AllowWindowActivationFromJavaScript, S::FullScreenSupportEnabled})
        settings->setAttribute(off, false);
    settings->setAttribute(S::WebRTCPublicInterfacesOnly, true);
}

} // namespace

WebSettingWindowController *
WebSettingWindowController::showWebSettingWindow(QWidget *mainWindow, const QString &folder,
                                                 const QList<CameraLanguage> &languages)
{
    if (openWindow())
        return nullptr;
    auto *window = new WebSettingWindowController(mainWindow, folder, languages);
    openWindow() = window;
    if (mainWindow) {
        const QRect frame = mainWindow->window()->frameGeometry();
        window->move(SettingWindow::modalOrigin(frame, window->size(), 0));
    }
    window->show();
    return window;
}

WebSettingWindowController *WebSettingWindowController::instance()
{
    return openWindow();
}

WebSettingWindowController::WebSettingWindowController(QWidget *parent, QString folder,
                                                       QList<CameraLanguage> languages)
    : QDialog(parent), m_folder(std::move(folder)), m_card(m_folder),
      m_languages(std::move(languages))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    resize(kWindowSize);

    // A profile of its own, kept in memory: the page leaves nothing behind.
    m_profile = new QWebEngineProfile(this);
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profile->installUrlSchemeHandler(
        CardPageSchemeHandler::kScheme,
        new CardPageSchemeHandler(WebSettingFiles::htmlFolder(m_folder), m_profile));
    m_profile->setUrlRequestInterceptor(new CardPageRequestFilter(m_profile));
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest *download) {
                qInfo() << "settings page: download refused" << download->url().toString();
                download->cancel();
            });
    m_page = new CardSettingsPage(m_profile, this);
    lockDown(m_page->settings());
    m_page->scripts().insert(bridgeScript());
    m_webDashcam = new WebDashcam(this);
    m_webDashcam->setParent(this);
    auto *channel = new QWebChannel(m_page);
    channel->registerObject(QStringLiteral("Dashcam"), m_webDashcam);
    m_page->setWebChannel(channel);
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        // Loads after the first are refused navigations, not the page.
        if (ok)
            startWebBrowserConnection();
        else if (!m_didLoadHtml)
            qWarning() << "settings page: the card's page did not load from" << m_folder;
    });

    m_webView = new QWebEngineView(this);
    m_webView->setPage(m_page);
    m_webView->setContextMenuPolicy(Qt::NoContextMenu);
    m_backButton = DialogSkin::button(this);
    m_resetButton = DialogSkin::button(this);
    m_cancelButton = DialogSkin::button(this);
    m_saveButton = DialogSkin::button(this);
    m_saveButton->setDefault(true);
    m_backButton->hide();
    connect(m_backButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnBack);
    connect(m_resetButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnReset);
    connect(m_cancelButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnCancel);
    connect(m_saveButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnSave);
    // Esc cancels wherever the focus is, the page included.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &WebSettingWindowController::onBtnCancel);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_backButton);
    buttons->addWidget(m_resetButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_saveButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_webView, 1);
    layout->addLayout(buttons);
    setObjectName(QStringLiteral("webSettingWindow"));
    DialogSkin::paintDialog(this);

    applyLanguageSettings();
    connect(TorvaLanguages::SharedTorvaLanguages(), &TorvaLanguages::refreshLanguage, this,
            &WebSettingWindowController::applyLanguageSettings, Qt::QueuedConnection);
    m_page->load(QUrl(
        QStringLiteral("%1://page/index.html").arg(QLatin1String(CardPageSchemeHandler::kScheme))));
}

WebSettingWindowController::~WebSettingWindowController()
{
    // The page goes before the profile it was made with.
    m_webView->setPage(nullptr);
    delete m_page;
}

void WebSettingWindowController::applyLanguageSettings()
{
    setWindowTitle(localized("블랙박스 설정"));
    m_resetButton->setText(localized("설정값 초기화"));
    m_cancelButton->setText(localized("취소"));
    m_saveButton->setText(localized("저장"));
    m_backButton->setText(QStringLiteral("<"));
}

void WebSettingWindowController::evaluate(const QString &script,
                                          const std::function<void(const QVariant &)> &done)
{
    if (done)
        m_page->runJavaScript(script, QWebEngineScript::MainWorld, done);
    else
        m_page->runJavaScript(script, QWebEngineScript::MainWorld);
}

void WebSettingWindowController::startWebBrowserConnection()
{
    if (m_didLoadHtml)
        return;
    m_didLoadHtml = true;
    m_page->setDidLoadHtml();
    evaluate(WebSettingScripts::modelName(),
             [this](const QVariant &name) { m_modelName = name.toString(); });
    evaluate(WebSettingScripts::modelCfgSize(),
             [this](const QVariant &size) { m_cfgSize = size.toInt(); });
    const FileIO::ReadResult record =
        FileIO::readFile(WebSettingFiles::cfgFilename(m_folder), kMaxSettingFileBytes);
    evaluate(WebSettingScripts::setCfg(CfgHexText::cfgStringWithData(record.bytes)));
    QStringList codes;
    for (const CameraLanguage &language : std::as_const(m_languages))
        codes.append(language.code);
    evaluate(WebSettingScripts::setParamLanguage(codes));
    if (const auto code = WebSettingLanguage::languageCode(record.bytes, m_languages))
        evaluate(WebSettingScripts::setLanguage(*code));
    const FileIO::ReadResult clockFile =
        FileIO::readFile(WebSettingFiles::timedateFilename(m_folder), kMaxSettingFileBytes);
    m_clock = WebSettingClock::fromFileText(clockFile.ok() ? QString::fromUtf8(clockFile.bytes)
                                                           : QString());
    if (!m_clock.use)
        return;
    evaluate(WebSettingScripts::setTimeDate(m_clock.date));
    evaluate(WebSettingScripts::setTimeHour(m_clock.hour));
    evaluate(WebSettingScripts::setTimeMin(m_clock.minute));
}

void WebSettingWindowController::showTabs(bool flag)
{
    evaluate(WebSettingScripts::generateSetting(flag));
    m_backButton->hide();
}

void WebSettingWindowController::showBackButton()
{
    m_backButton->show();
}

void WebSettingWindowController::showPopup(const QString &text)
{
    const std::optional<PageNotification> notification = WebSettingNotification::parse(text);
    if (!notification)
        return;
    m_userNotificationIndex = notification->index;
    m_userNotificationValue = notification->value;
    QMessageBox alert(this);
    alert.setWindowModality(Qt::WindowModal);
    alert.setText(notification->title);
    alert.setInformativeText(notification->message);
    alert.setTextFormat(Qt::PlainText);
    QAbstractButton *yes = nullptr;
    if (notification->buttonCount == 2) {
        alert.addButton(localized("아니오"), QMessageBox::NoRole);
        yes = alert.addButton(localized("예"), QMessageBox::YesRole);
    } else {
        alert.addButton(localized("확인"), QMessageBox::AcceptRole);
    }
    alert.exec();
    if (yes && alert.clickedButton() == yes)
        evaluate(WebSettingScripts::updateOk(m_userNotificationIndex, m_userNotificationValue));
    else
        evaluate(WebSettingScripts::updateCancel(m_userNotificationIndex));
}

void WebSettingWindowController::removeAdasCalibration()
{
    QFile::remove(WebSettingFiles::adasFilename(m_folder));
}

void WebSettingWindowController::onBtnBack()
{
    showTabs(true);
}

void WebSettingWindowController::onBtnReset()
{
    resetCfg();
}

void WebSettingWindowController::onBtnCancel()
{
    close();
}

void WebSettingWindowController::onBtnSave()
{
    saveConfig();
}

void WebSettingWindowController::resetCfg()
{
    evaluate(WebSettingScripts::setCfg(
        CfgHexText::cfgString(WebSettingFiles::defaultCfgFilename(m_folder))));
    showTabs(true);
}

void WebSettingWindowController::saveConfig()
{
    // One save at a time: the page answers asynchronously.
    if (m_saving)
        return;
    m_saving = true;
    evaluate(WebSettingScripts::getCfg(), [this](const QVariant &result) {
        m_saving = false;
        saveRecord(result);
    });
}

void WebSettingWindowController::saveRecord(const QVariant &pageRecord)
{
    const QString cfgPath = WebSettingFiles::cfgFilename(m_folder);
    const FileIO::ReadResult current = FileIO::readFile(cfgPath, kMaxSettingFileBytes);
    const qsizetype expected = current.ok() ? current.bytes.size() : m_cfgSize;
    const CfgHexText::SavedRecord record =
        CfgHexText::dataFromHexString(pageRecord.toString(), expected);
    // What the page gives back is written only when it is whole.
    const bool clockValid = !m_clock.use || m_clock.isComplete();
    if (record.problem != CfgHexText::SavedRecordProblem::None || !clockValid) {
        qWarning() << "settings page: nothing saved for" << m_folder << "- record problem"
                   << int(record.problem) << "with" << pageRecord.toString().size()
                   << "characters for" << expected << "bytes; clock" << m_clock.fileText()
                   << (clockValid ? "valid" : "invalid");
        SettingsAlert::show(this, {}, QStringLiteral("블랙박스 설정"),
                            QStringLiteral("설정 페이지가 돌려준 설정값이 올바르지 않아 저장하지 "
                                           "않았습니다."),
                            false);
        return;
    }
    if (!m_card.isMounted()) {
        qWarning() << "settings page: the card at" << m_folder << "has gone, nothing saved";
        SettingsAlert::showMemoryCardAlert(this);
        return;
    }
    if (m_clock.use) {
        const FileIO::WriteResult clock = FileIO::saveToFile(
            WebSettingFiles::timedateFilename(m_folder), m_clock.fileText().toUtf8());
        if (!clock.ok()) {
            qWarning() << "settings page: clock not written:" << clock.message;
            SettingsAlert::showMemoryCardAlert(this);
            return;
        }
    }
    const FileIO::WriteResult written = FileIO::saveToFile(cfgPath, record.bytes);
    if (!written.ok()) {
        qWarning() << "settings page: record not written:" << written.message;
        SettingsAlert::showMemoryCardAlert(this);
        return;
    }
    Q_EMIT saved();
    close();
}
