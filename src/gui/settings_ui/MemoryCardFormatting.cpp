#include "gui/settings_ui/MemoryCardFormatting.h"

#include "core/format/CardFormatCheck.h"
#include "core/i18n/TorvaLanguages.h"
#include "gui/settings_ui/SettingsAlert.h"

#include <QDebug>
#include <QGridLayout>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <memory>

namespace {

const char *const kTitleKey = "메모리 카드 포멧";
const char *const kCannotFormatKey = "메모리 카드를 포멧할 수 없습니다.";

QString localized(const char *key)
{
    return TorvaLanguages::text(key);
}

} // namespace

MemoryCardFormatting::MemoryCardFormatting(QWidget *sheetParent, QString cardRoot,
                                           std::function<void()> refreshVideoFileList,
                                           QObject *parent)
    : QObject(parent), m_sheetParent(sheetParent), m_cardRoot(std::move(cardRoot)),
      m_refreshVideoFileList(std::move(refreshVideoFileList))
{
}

MemoryCardFormatting::~MemoryCardFormatting()
{
    // A format under way is left to finish: stopping it half-way could
    // leave the card without a file system.
    if (m_worker)
        m_worker->wait();
}

void MemoryCardFormatting::memoryCardFormatButtonTouched()
{
    const CardFormatCheck check = CardFormatCheck::check(m_cardRoot);
    if (!check.canFormat()) {
        qInfo() << "format: refused for" << m_cardRoot << "-" << check.reason();
        showFormatAlertWithInformativeText(QString::fromUtf8(kCannotFormatKey));
        return;
    }
    showMemoryCardFormatAlert();
}

void MemoryCardFormatting::showFormatAlertWithInformativeText(const QString &textKey)
{
    SettingsAlert::show(m_sheetParent, {}, QString::fromUtf8(kTitleKey), textKey, false);
}

void MemoryCardFormatting::showMemoryCardFormatAlert()
{
    const bool yes = SettingsAlert::show(
        m_sheetParent, {}, QString::fromUtf8(kTitleKey),
        QStringLiteral("주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. \r\n포맷하려면 "
                       "(예)를, 취소하려면 (아니오)를 선택 하십시오."),
        true);
    if (yes)
        eraseVolumeTask();
}

void MemoryCardFormatting::eraseVolumeTask()
{
    auto *alert = new QMessageBox(m_sheetParent);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIcon(QMessageBox::Information);
    alert->setText(localized(kTitleKey));
    alert->setInformativeText(localized("포맷 중 입니다.\r\n잠시만 기다려 주십시오."));
    // Closing it before the card is done would hide whether it worked.
    QPushButton *ok = alert->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ok->setEnabled(false);
    m_progressIndic = new QProgressBar(alert);
    m_progressIndic->setRange(0, 0);
    m_progressIndic->setFixedSize(400, 20);
    m_progressIndic->setTextVisible(false);
    if (auto *grid = qobject_cast<QGridLayout *>(alert->layout()))
        grid->addWidget(m_progressIndic, grid->rowCount(), 0, 1, grid->columnCount(),
                        Qt::AlignCenter);
    m_formattingAlert = alert;
    alert->open();

    auto result = std::make_shared<MemoryCardFormatter::Result>();
    m_worker = QThread::create(
        [root = m_cardRoot, result] { *result = MemoryCardFormatter::format(root); });
    connect(m_worker, &QThread::finished, this, [this, result] {
        m_worker->deleteLater();
        m_worker = nullptr;
        eraseVolumeFinished(*result);
    });
    m_worker->start();
}

void MemoryCardFormatting::eraseVolumeFinished(const MemoryCardFormatter::Result &result)
{
    const bool formatted = result.outcome == MemoryCardFormatter::Outcome::Formatted;
    if (!formatted) {
        qWarning().noquote() << "format:" << m_cardRoot << "not formatted while"
                             << MemoryCardFormatter::stepName(result.step)
                             << (result.outcome == MemoryCardFormatter::Outcome::Refused
                                     ? result.check.reason()
                                     : result.log);
    }
    if (m_formattingAlert) {
        m_formattingAlert->setInformativeText(
            formatted ? localized("메모리 카드 포맷이 완료 되었습니다.")
                      : localized("메모리 카드를 포멧할 수 없습니다.\r\n\r\nTORVAVIEW에서 동영상을 "
                                  "재생 중이거나 GPS 데이터를 수집중인 경우\r\nTorvaview를 "
                                  "종료하고 다시 포맷하십시오.\r\n메모리카드를 사용하고 있는 "
                                  "디스크 유틸리티나 다른 프로그램을 종료하고\r\n메모리카드의 "
                                  "내용을 표시하고 있는 창이 없는지 확인한 다음 다시 "
                                  "포맷하십시오."));
        for (QAbstractButton *button : m_formattingAlert->buttons())
            button->setEnabled(true);
    }
    if (m_progressIndic)
        m_progressIndic->hide();
    if (m_refreshVideoFileList)
        m_refreshVideoFileList();
    Q_EMIT finished(result.outcome);
}
