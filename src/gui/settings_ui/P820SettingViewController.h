#pragma once

#include "core/settings/CardMount.h"
#include "core/settings_ui/NativeEditorLayout.h"
#include "core/settings_ui/NativeEditorSession.h"
#include "gui/settings_ui/TorvaViewController.h"

#include <QList>

#include <functional>
#include <memory>

class MemoryCardFormatting;
class NativeEditorControlRow;
class P820SettingManager;
class PartitionBarsView;
class QCheckBox;
class QDateTimeEdit;
class QPushButton;
class QTabWidget;

// The native settings editor: the card's record in four pages of controls.
// Every change goes through the editor session, which decides what follows
// from it; OK writes the record (and the camera clock), Cancel and Esc
// write nothing. Run it in a SettingWindow, which it ends with 1 for OK and
// 0 for Cancel.
class P820SettingViewController : public TorvaViewController
{
    Q_OBJECT

public:
    explicit P820SettingViewController(std::shared_ptr<P820SettingManager> manager,
                                       QWidget *parent = nullptr);

    // The manager the editor shows: after a Reset, the one it returned.
    std::shared_ptr<P820SettingManager> manager() const { return m_manager; }
    const NativeEditorSession &session() const { return m_session; }

    void applyLanguageSettings() override;

    void okButtonTouched();
    Q_INVOKABLE void cancelButtonTouched();
    void resetButtonTouched();
    void touchCalibrationButtonTouched();
    // Formats the card after asking; the editor stays open.
    void memoryCardFormatButtonTouched();
    // Shows the recordings anew after the card was formatted.
    void setRefreshVideoFileList(std::function<void()> refresh)
    {
        m_refreshVideoFileList = std::move(refresh);
    }

    QTabWidget *tabView() const { return m_tabs; }
    // The widgets of a control; null when the model has none.
    NativeEditorControlRow *rowFor(EditorControl control) const;
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *resetButton() const { return m_resetButton; }
    // Null when the model shows no clock section.
    QCheckBox *clockCheckBox() const { return m_clockCheckBox; }
    QDateTimeEdit *clockPicker() const { return m_clockPicker; }
    PartitionBarsView *partitionBars() const { return m_partitionBars; }

private:
    QWidget *buildPage(NativeEditorLayout::Page page);
    QWidget *buildSection(const NativeEditorLayout::Section &section);
    QWidget *buildClockRow(const NativeEditorLayout::Control &date);
    QWidget *buildButtonRow();

    void controlChosen(NativeEditorControlRow *row, int value);
    void parkingModeChosen(NativeEditorControlRow *row, int value);
    // Every widget as the session's controls show it.
    void showControls();
    // Whether the card the editor opened on is still there and still the
    // manager's: the card's files are written nowhere else.
    bool isOnItsCard() const;

    std::shared_ptr<P820SettingManager> m_manager;
    NativeEditorSession m_session;
    // The card the editor opened on: OK writes to no other, nor in its place.
    CardMount m_card;
    QList<NativeEditorControlRow *> m_rows;
    QTabWidget *m_tabs = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_resetButton = nullptr;
    QCheckBox *m_clockCheckBox = nullptr;
    QDateTimeEdit *m_clockPicker = nullptr;
    PartitionBarsView *m_partitionBars = nullptr;
    std::function<void()> m_refreshVideoFileList;
    MemoryCardFormatting *m_formatting = nullptr;
};
