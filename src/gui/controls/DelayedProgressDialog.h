#pragma once

#include <QProgressDialog>

// The progress of long work in the background: it appears only when the work
// takes a while, offers Cancel in the user's language, and stays until its
// owner removes it.
class DelayedProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    static constexpr int kDelayMilliseconds = 500;

    DelayedProgressDialog(QWidget *parent, const QString &label, int maximum);
};
