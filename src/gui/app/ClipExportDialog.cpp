#include "gui/app/ClipExportDialog.h"

#include "core/i18n/TorvaLanguages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ClipExportDialog::ClipExportDialog(bool hasRear, QWidget *parent)
    : QDialog(parent),
      m_lossless(new QRadioButton(TorvaLanguages::text("무손실: 카메라마다 원본 그대로"), this)),
      m_composed(new QRadioButton(TorvaLanguages::text("합성: 한 파일로 (H.264)"), this)),
      m_side(new QRadioButton(TorvaLanguages::text("나란히"), this)),
      m_pip(new QRadioButton(TorvaLanguages::text("화면 속 화면"), this)),
      m_overlay(new QCheckBox(TorvaLanguages::text("시간, 속도, 위치, G값 표시"), this))
{
    setWindowTitle(TorvaLanguages::text("구간 내보내기"));
    auto *modes = new QButtonGroup(this);
    modes->addButton(m_lossless);
    modes->addButton(m_composed);
    auto *layouts = new QButtonGroup(this);
    layouts->addButton(m_side);
    layouts->addButton(m_pip);
    m_lossless->setChecked(true);
    m_side->setChecked(true);
    m_overlay->setChecked(true);
    // The layout only means something for two cameras composed together.
    const auto follow = [this, hasRear] {
        const bool composed = m_composed->isChecked();
        m_side->setEnabled(composed && hasRear);
        m_pip->setEnabled(composed && hasRear);
        m_overlay->setEnabled(composed);
    };
    connect(m_composed, &QRadioButton::toggled, this, follow);
    follow();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(TorvaLanguages::text("취소"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lossless);
    layout->addWidget(m_composed);
    auto *composedOptions = new QVBoxLayout;
    composedOptions->setContentsMargins(24, 0, 0, 0);
    composedOptions->addWidget(m_side);
    composedOptions->addWidget(m_pip);
    composedOptions->addWidget(m_overlay);
    layout->addLayout(composedOptions);
    layout->addWidget(buttons);
}

ClipRequest::Mode ClipExportDialog::mode() const
{
    return m_composed->isChecked() ? ClipRequest::Mode::Composed : ClipRequest::Mode::Lossless;
}

ClipRequest::Layout ClipExportDialog::layout() const
{
    return m_pip->isChecked() ? ClipRequest::Layout::Pip : ClipRequest::Layout::Side;
}

bool ClipExportDialog::overlay() const
{
    return m_overlay->isChecked();
}
