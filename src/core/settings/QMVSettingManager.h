#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The compact model V120 keeps its settings in "SETTING/blackbox.cfg": UTF-8
// key=value lines separated by CR LF. This manager holds that file as a list
// of lines, kept verbatim (unknown lines and line order survive a save), and
// never interprets the values; the editor does.
//
// A line is addressed by its key: the first line, in list order, that starts
// with the key text followed by "=". Keys are passed with or without that "=",
// so "park" and "park=" both address the "park=" line and never "park_mode=".
// Matching is by prefix of the whole line: " park=4" is not found under "park".
//
// Nothing here shows an alert. Failures the user must hear about come back as
// results; the caller shows the memory card alert.
class QMVSettingManager
{
public:
    // The four partition shares of a preset, as decimal percent texts under the
    // keys "continuous", "event", "manual" and "park".
    using PartitionRatio = QMap<QString, QString>;

    enum class LoadResult
    {
        CardFile,    // the lines are those of the card's blackbox.cfg
        DefaultFile, // no card folder, or no blackbox.cfg on it: the default lines
        Unreadable,  // the card's file cannot be read, is too large or is not UTF-8:
                     // the lines are now empty; do not open the editor or save
    };

    enum class SaveResult
    {
        Saved,
        NoCard,     // no card folder was given
        CannotWrite // the card folder is missing or the file cannot be written;
                    // a file already on the card is left exactly as it was
    };

    enum class ReplaceResult
    {
        Replaced,
        NoSuchKey,        // no line starts with the key; nothing changed
        ValueHasLineBreak // CR or LF in the value would split the line; nothing changed
    };

    // The blackbox.cfg files cameras write are a few hundred bytes.
    static constexpr int64_t kMaxFileBytes = int64_t(1) << 20;
    static constexpr int64_t kCompactModelType = 6;

    // The one shared instance, created on first use. Main thread only.
    static QMVSettingManager &SharedQMVSettingManager();

    // The presets of the editor's partition choice ("A Type", "B Type",
    // "C Type"); each sums to 95.
    static const QList<PartitionRatio> &memoryPartitionRatiosArray();

    // The date and time keys in the order the camera expects them:
    // "year=", "month=", "day=", "hour=", "min=", "sec=".
    static const QStringList &timeDateKeys();

    // The six date and time lines for the moment in its own time zone, each
    // value decimal without leading zeros ("month=3").
    static QStringList timeDateLines(const QDateTime &moment);

    // Where the settings file of the card whose root folder is cardRootPath
    // lives: "SETTING/blackbox.cfg", or "setting/blackbox.cfg" when the card
    // spells its folder in lower case (a card copied to a case-sensitive disk);
    // CardFolder's rule, upper case first.
    static QString settingsFilePath(const QString &cardRootPath);

    // Lines of a settings file's bytes: blanks and tabs are trimmed from both
    // ends of the whole text, which is then split at every CR LF (a final
    // CR LF gives a final empty line). Nothing when the bytes are not UTF-8.
    static std::optional<QStringList> linesFromBytes(const QByteArray &bytes);

    // The file's bytes for lines: joined with CR LF, no terminator after the
    // last line, UTF-8.
    static QByteArray bytesFromLines(const QStringList &lines);

    const QStringList &linedSettings() const { return m_linedSettings; }
    void setLinedSettings(const QStringList &lines) { m_linedSettings = lines; }

    // Replaces linedSettings with the card's file under cardRootPath (the card's
    // root folder, P820SettingManager's settingDirPath), or with the default
    // lines when cardRootPath is empty or the card has no blackbox.cfg.
    LoadResult loadData(const QString &cardRootPath);

    // Writes linedSettings atomically to the card's blackbox.cfg, creating the
    // "SETTING" folder when missing. The card root folder itself must exist: a
    // card that has gone away is not recreated on the local disk.
    SaveResult saveData(const QString &cardRootPath) const;

    // The default lines when modelType is the compact model's (the editor's
    // reset); other types leave the lines as they are. The current "model=" and
    // "version=" values, which the camera wrote, are kept. Returns whether the
    // lines were replaced.
    bool loadDefaultValue(int64_t modelType);

    // Replaces linedSettings with the lines of the program's default file.
    // Fails (lines unchanged) only if the build lacks the resource.
    bool loadDefaultData_V120();

    // Removes the first line of each date and time key, if any; a second
    // "year=" line stays.
    void removeTimeDateDelimiters();

    // Inserts lines directly after the first "set=" line; without one, after
    // the first line (or at the start of an empty list).
    void addTimeDateDelimiters(const QStringList &lines);

    // Index of the first line that starts with key, or -1.
    qsizetype indexOfKey(const QString &key) const;

    // The text after the key on its first line, or nothing when no line
    // starts with it.
    std::optional<QString> valueForKey(const QString &key) const;

    // Replaces the key's first line with the key, "=" and value.
    ReplaceResult replaceValue(const QString &key, const QString &value);

private:
    QStringList m_linedSettings;
};
