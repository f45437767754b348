#pragma once

#include <QString>

#include <memory>
#include <optional>

class CliOutput;
class P820SettingManager;

// What the card and settings commands share.
class CardCli
{
public:
    // Empty when root is a folder; otherwise why it cannot be a card.
    static QString rootProblem(const QString &root);
    // The same, and a folder whose entries cannot be listed.
    static QString listingProblem(const QString &folder);
    // A model type by number (0 to 28) or by its name in the model list, in
    // any case.
    static std::optional<qint64> parseModelType(const QString &text);
    // A fresh settings manager of the command's own (the viewer's shared one
    // is never touched) with the identity of the card at root.
    static std::shared_ptr<P820SettingManager> inspect(const QString &root);
    enum class MissingRecord
    {
        IsAnError,
        LeavesFields,  // the fields keep their values
        TakesDefaults, // the model's built-in defaults, as the editor opens them
    };
    // The manager's record read from the card; prints why not and returns false.
    static bool readRecord(P820SettingManager &manager, CliOutput &output,
                           MissingRecord whenMissing = MissingRecord::IsAnError);
    // Where the card's settings record is.
    static QString recordPath(const P820SettingManager &manager);
    // Writes the manager's record to its card and says so; the memory card
    // alert when it cannot.
    static int saveRecord(P820SettingManager &manager, CliOutput &output);
    // A localisation key's English text: the menus print the editors' texts
    // in English whatever the interface language.
    static QString english(const QString &key);
    // The memory card alert in the user's language; returns kInputError.
    static int memoryCardError(CliOutput &output, const QString &root);
};
