#include "gui/settings_ui/TorvaViewController.h"

#include "core/i18n/TorvaLanguages.h"
#include "gui/controls/ImageButton.h"
#include "gui/controls/TorvaCancelEventView.h"
#include "gui/settings_ui/DialogSkin.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

TorvaViewController::TorvaViewController(QWidget *parent) : QWidget(parent)
{
    // Queued: the preference is written before any view reads it back.
    connect(TorvaLanguages::SharedTorvaLanguages(), &TorvaLanguages::refreshLanguage, this,
            &TorvaViewController::applyLanguageSettings, Qt::QueuedConnection);
}

TorvaViewController::~TorvaViewController()
{
    // The buttons die after this part of the controller: none may reach it
    // on the way.
    for (ImageButton *button : findChildren<ImageButton *>())
        button->disconnect(this);
}

void TorvaViewController::loadView(QWidget *view)
{
    m_view = view;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    if (auto *cancelView = qobject_cast<TorvaCancelEventView *>(view))
        cancelView->setEvnetHandlViewController(this);
    applyLanguageSettings();
}

void TorvaViewController::endModal(int code)
{
    if (auto *window = qobject_cast<QDialog *>(m_view ? m_view->window() : nullptr))
        window->done(code);
}

void TorvaViewController::restoreEventHandler()
{
    if (auto *cancelView = qobject_cast<TorvaCancelEventView *>(m_view))
        cancelView->restoreEventHandler();
}

void TorvaViewController::keyDown(QKeyEvent *event)
{
    // Esc reaches the window when nothing in the view has the focus: the
    // view still turns it into Cancel (and takes it, so it comes back no more).
    if (event->key() == Qt::Key_Escape && qobject_cast<TorvaCancelEventView *>(m_view)) {
        QCoreApplication::sendEvent(m_view, event);
        return;
    }
    event->ignore();
}

void TorvaViewController::onLanguage(const std::function<void()> &setText)
{
    m_keyedTexts.append(setText);
    setText();
}

void TorvaViewController::applyKeyedTexts() const
{
    for (const auto &setText : m_keyedTexts)
        setText();
}

QString TorvaViewController::localizedText(const QString &key)
{
    return TorvaLanguages::SharedTorvaLanguages()->localized(key);
}

TorvaViewController::EditorButtons TorvaViewController::editorButtons(const QStringList &titleKeys)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    EditorButtons buttons{row, keyed(DialogSkin::button(row), titleKeys.value(0)),
                          keyed(DialogSkin::button(row), titleKeys.value(1)),
                          keyed(DialogSkin::button(row), titleKeys.value(2))};
    layout->addWidget(buttons.reset);
    layout->addStretch();
    layout->addWidget(buttons.ok);
    layout->addWidget(buttons.cancel);
    return buttons;
}
