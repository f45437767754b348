#include "gui/settings_ui/SelectFromListViewController.h"

#include "core/i18n/TorvaLanguages.h"
#include "gui/controls/TorvaCancelEventView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The button picture stretched around its title, its edges kept.
QPushButton *dialogButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setMinimumSize(96, 28);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; border-width: 6px 10px 4px 10px;"
        " border-image: url(:/images/dialog_button_1.svg) 6 10 4 10 stretch; }"
        "QPushButton:pressed { border-image: url(:/images/dialog_button_2.svg) 6 10 4 10 stretch; }"
        "QPushButton:disabled { color: #7f8a96; }"));
    return button;
}

} // namespace

SelectFromListViewController::SelectFromListViewController(const char *titleKey, QWidget *parent)
    : TorvaViewController(parent), m_titleKey(titleKey)
{
    auto *view = new TorvaCancelEventView;
    view->setObjectName(QStringLiteral("selectFromListView"));
    view->setAttribute(Qt::WA_StyledBackground);
    view->setStyleSheet(QStringLiteral("#selectFromListView { border-image: "
                                       "url(:/images/dialog_bg.svg) 8 8 8 8 stretch; }"
                                       "QLabel { color: white; }"));
    m_titleLabel = new QLabel(view);
    m_titleLabel->setWordWrap(true);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_comboBox = new QComboBox(view);
    m_okButton = dialogButton(view);
    m_cancelButton = dialogButton(view);
    connect(m_okButton, &QPushButton::clicked, this,
            &SelectFromListViewController::okButtonTouched);
    connect(m_cancelButton, &QPushButton::clicked, this,
            &SelectFromListViewController::cancelButtonTouched);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(m_titleLabel);
    layout->addWidget(m_comboBox);
    layout->addLayout(buttons);
    view->setMinimumWidth(360);
    m_okButton->setDefault(true);
    loadView(view);
    resize(sizeHint());
}

void SelectFromListViewController::okButtonTouched()
{
    endModal(1);
}

void SelectFromListViewController::cancelButtonTouched()
{
    endModal(0);
}

void SelectFromListViewController::applyLanguageSettings()
{
    m_titleLabel->setText(TorvaLanguages::text(m_titleKey));
    m_okButton->setText(QStringLiteral("OK"));
    m_cancelButton->setText(TorvaLanguages::text("취소"));
}
