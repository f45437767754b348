#include "gui/settings_ui/SelectFromListViewController.h"

#include "core/i18n/TorvaLanguages.h"
#include "gui/controls/TorvaCancelEventView.h"
#include "gui/settings_ui/DialogSkin.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SelectFromListViewController::SelectFromListViewController(const char *titleKey, QWidget *parent)
    : TorvaViewController(parent), m_titleKey(titleKey)
{
    auto *view = new TorvaCancelEventView;
    view->setObjectName(QStringLiteral("selectFromListView"));
    DialogSkin::paintDialog(view);
    m_titleLabel = new QLabel(view);
    m_titleLabel->setWordWrap(true);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_comboBox = new QComboBox(view);
    m_okButton = DialogSkin::button(view);
    m_cancelButton = DialogSkin::button(view);
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
