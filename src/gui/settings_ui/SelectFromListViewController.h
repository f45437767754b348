#pragma once

#include "gui/settings_ui/TorvaViewController.h"

class QComboBox;
class QLabel;
class QPushButton;

// A small modal question: a title, a list to choose from and OK and Cancel,
// on the dialogs' skin. The card and model dialogs fill it.
class SelectFromListViewController : public TorvaViewController
{
    Q_OBJECT

public:
    // titleKey: the title's localisation key. OK keeps its English title in
    // every language.
    explicit SelectFromListViewController(const char *titleKey, QWidget *parent = nullptr);

    QComboBox *comboBox() const { return m_comboBox; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QLabel *titleLabel() const { return m_titleLabel; }

    Q_INVOKABLE void okButtonTouched();
    Q_INVOKABLE void cancelButtonTouched();

protected:
    void applyLanguageSettings() override;

private:
    const char *m_titleKey;
    QLabel *m_titleLabel;
    QComboBox *m_comboBox;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
