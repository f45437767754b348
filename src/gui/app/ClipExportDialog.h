#pragma once

#include "core/clip/ClipRequest.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

// How to export the marked range: each camera as recorded, or both composed
// into one picture, side by side or one in the other, with the telemetry
// shown on request.
class ClipExportDialog : public QDialog
{
    Q_OBJECT

public:
    // hasRear: the recording has a second camera to compose.
    ClipExportDialog(bool hasRear, QWidget *parent = nullptr);

    ClipRequest::Mode mode() const;
    ClipRequest::Layout layout() const;
    bool overlay() const;

    QRadioButton *composedButton() const { return m_composed; }
    QRadioButton *pipButton() const { return m_pip; }
    QCheckBox *overlayBox() const { return m_overlay; }

private:
    QRadioButton *m_lossless;
    QRadioButton *m_composed;
    QRadioButton *m_side;
    QRadioButton *m_pip;
    QCheckBox *m_overlay;
};
