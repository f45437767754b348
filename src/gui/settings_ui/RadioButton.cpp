#include "gui/settings_ui/RadioButton.h"

#include "gui/controls/TorvaImages.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The pictures' size, and the gap before the title.
constexpr int kIndicatorSize = 16;
constexpr int kTitleGap = 6;

} // namespace

RadioButton::RadioButton(const QString &title, QWidget *parent) : QAbstractButton(parent)
{
    setText(title);
    setFocusPolicy(Qt::NoFocus);
    updateRadioButtonImage();
}

RadioButton::~RadioButton()
{
    RemoveRadioButton(this);
}

RadioButton::GroupDic &RadioButton::GetRadioButtonGroupDic()
{
    static GroupDic groups;
    return groups;
}

QList<RadioButton *> RadioButton::GetRadioButtonGroupFromGroupID(qint32 groupID)
{
    return GetRadioButtonGroupDic().value(groupID);
}

void RadioButton::RemoveRadioButtonGroupFromGroupID(qint32 groupID)
{
    GetRadioButtonGroupDic().remove(groupID);
}

void RadioButton::AddRadioButton(RadioButton *button, qint32 groupID)
{
    QList<RadioButton *> &group = GetRadioButtonGroupDic()[groupID];
    if (!group.contains(button))
        group.append(button);
}

void RadioButton::RemoveRadioButton(RadioButton *button)
{
    for (QList<RadioButton *> &group : GetRadioButtonGroupDic())
        group.removeAll(button);
}

void RadioButton::setRadioGroupID(qint32 groupID)
{
    m_radioGroupID = groupID;
    RemoveRadioButton(this);
    AddRadioButton(this, groupID);
}

void RadioButton::setIsSelected(bool selected)
{
    m_isSelected = selected;
    updateRadioButtonImage();
    if (!selected)
        return;
    for (RadioButton *other : GetRadioButtonGroupFromGroupID(m_radioGroupID)) {
        if (other != this)
            other->setIsSelected(false);
    }
}

void RadioButton::setIsCheckBoxMode(bool checkBoxMode)
{
    m_isCheckBoxMode = checkBoxMode;
    updateRadioButtonImage();
}

void RadioButton::setRadioEnabled(bool enabled)
{
    m_radioEnabled = enabled;
    updateRadioButtonImage();
}

void RadioButton::updateRadioButtonImage()
{
    if (!m_radioEnabled)
        m_imageName =
            m_isCheckBoxMode ? QStringLiteral("pv_dst_check") : QStringLiteral("discheck2");
    else if (m_isSelected)
        m_imageName = m_isCheckBoxMode ? QStringLiteral("check1") : QStringLiteral("check");
    else
        m_imageName.clear();
    update();
}

QSize RadioButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int titleWidth = text().isEmpty() ? 0 : kTitleGap + metrics.horizontalAdvance(text());
    return QSize(kIndicatorSize + titleWidth + 2, qMax(kIndicatorSize, metrics.height()) + 2);
}

void RadioButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect indicator(1, (height() - kIndicatorSize) / 2, kIndicatorSize, kIndicatorSize);
    if (m_imageName.isEmpty()) {
        // Unselected: the empty outline the pictures are drawn over.
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::Base));
        const QRectF outline = QRectF(indicator).adjusted(0.5, 0.5, -0.5, -0.5);
        if (m_isCheckBoxMode)
            painter.drawRoundedRect(outline, 3, 3);
        else
            painter.drawEllipse(outline);
    } else {
        painter.drawPixmap(indicator, TorvaImages::named(m_imageName));
    }
    if (text().isEmpty())
        return;
    painter.setPen(palette().color(m_radioEnabled ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(rect().adjusted(indicator.right() + 1 + kTitleGap, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}

void RadioButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_radioEnabled)
        setIsSelected(m_isToggleMode ? !m_isSelected : true);
    Q_EMIT touched(this);
}

void RadioButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The press was the action.
    event->accept();
}
