#pragma once

#include "core/format/CardFormatCheck.h"

#include <QString>

#include <functional>

// Formats a memory card in place: the volume mounted at the card's root is
// unmounted, gets a new, empty file system of its type with its label, and
// is mounted back at the same folder. Runs synchronously: an interface runs
// it on a worker thread. Needs the rights to unmount, format and mount.
class MemoryCardFormatter
{
public:
    enum class Step
    {
        Check,
        Unmount,
        MakeFileSystem,
        Mount,
    };

    enum class Outcome
    {
        Formatted,
        Refused, // the check failed; nothing was touched
        Busy,    // a program uses the volume; nothing was changed
        Failed,  // a step failed: see step and log
    };

    struct Result
    {
        Outcome outcome = Outcome::Failed;
        // Why, for Refused.
        CardFormatCheck check;
        // The step that did not succeed, for Busy and Failed.
        Step step = Step::Check;
        // The last lines that the failing tools printed, for Busy and Failed.
        QString log;
        // The volume was unmounted and could not be mounted back.
        bool leftUnmounted = false;
    };

    // Called as each step begins, on the formatting thread.
    using StepCallback = std::function<void(Step)>;

    // Checks the card at root afresh and formats it.
    static Result format(const QString &root, const StepCallback &onStep = {});
    // What a step does, in English: "unmounting".
    static QString stepName(Step step);
};
