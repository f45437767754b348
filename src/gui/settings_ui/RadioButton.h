#pragma once

#include <QAbstractButton>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QString>

// A radio button (or check box) of the settings dialogs, drawn with the
// skin's pictures and grouped by number: selecting one deselects the others
// of its group, wherever they sit. The press is the action, and it is sent
// even while the button is disabled (radioEnabled), which only stops the
// selection from changing; the dialogs use that to explain why.
class RadioButton : public QAbstractButton
{
    Q_OBJECT

public:
    using GroupDic = QMap<qint32, QList<RadioButton *>>;

    explicit RadioButton(const QString &title = QString(), QWidget *parent = nullptr);
    ~RadioButton() override;

    // The groups of the whole program, each in the order its buttons joined.
    static GroupDic &GetRadioButtonGroupDic();
    // Empty for a group nobody joined.
    static QList<RadioButton *> GetRadioButtonGroupFromGroupID(qint32 groupID);
    static void RemoveRadioButtonGroupFromGroupID(qint32 groupID);
    // Adds the button once; the group is made when missing.
    static void AddRadioButton(RadioButton *button, qint32 groupID);
    // Takes the button out of every group.
    static void RemoveRadioButton(RadioButton *button);

    qint32 radioGroupID() const { return m_radioGroupID; }
    // Leaves every group for this one.
    void setRadioGroupID(qint32 groupID);

    bool isSelected() const { return m_isSelected; }
    // Selecting deselects the rest of the group.
    void setIsSelected(bool selected);
    bool isCheckBoxMode() const { return m_isCheckBoxMode; }
    void setIsCheckBoxMode(bool checkBoxMode);
    // A press flips the selection instead of setting it.
    bool isToggleMode() const { return m_isToggleMode; }
    void setIsToggleMode(bool toggleMode) { m_isToggleMode = toggleMode; }
    // Drawn disabled; presses still send the action. The widget itself stays
    // enabled to receive them.
    bool radioEnabled() const { return m_radioEnabled; }
    void setRadioEnabled(bool enabled);

    // The picture for the state, none for an enabled unselected button.
    QString currentImageName() const { return m_imageName; }
    void updateRadioButtonImage();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    // The button was pressed, enabled or not.
    void touched(RadioButton *button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    qint32 m_radioGroupID = 0;
    bool m_isSelected = false;
    bool m_isCheckBoxMode = false;
    bool m_isToggleMode = false;
    bool m_radioEnabled = true;
    QString m_imageName;
};
