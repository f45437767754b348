#include "gui/app/PlaybackAlert.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/settings/MemoryCardAlert.h"
#include "core/video/TranscoderMissingAlert.h"
#include "core/video/UnsupportedVideoAlert.h"

PlaybackAlert::PlaybackAlert(QWidget *window, QObject *parent) : QObject(parent), m_window(window)
{
}

void PlaybackAlert::showUnsupportedFile()
{
    show(UnsupportedVideoAlert::kTitleKey, UnsupportedVideoAlert::kMessageKey);
}

void PlaybackAlert::showTranscoderMissing()
{
    show(TranscoderMissingAlert::kTitleKey, TranscoderMissingAlert::kMessageKey);
}

void PlaybackAlert::showCardRemoved()
{
    show(MemoryCardAlert::kTitleKey, MemoryCardAlert::kRemovedKey);
}

void PlaybackAlert::applyLanguageSettings()
{
    if (!m_box)
        return;
    m_box->setText(TorvaLanguages::text(m_titleKey));
    m_box->setInformativeText(TorvaLanguages::text(m_messageKey));
}

void PlaybackAlert::show(const char *titleKey, const char *messageKey)
{
    if (m_box)
        m_box->close();
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Torvaview"),
                                TorvaLanguages::text(titleKey), QMessageBox::Ok, m_window);
    box->setInformativeText(TorvaLanguages::text(messageKey));
    box->setAttribute(Qt::WA_DeleteOnClose);
    m_box = box;
    m_titleKey = titleKey;
    m_messageKey = messageKey;
    box->open();
}
