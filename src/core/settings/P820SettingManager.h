#pragma once

#include "core/settings/CameraLanguages.h"
#include "core/settings/SettingRecord.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <cstdint>
#include <memory>

// The memory card's camera: where the card is, which model wrote it, and the
// binary settings record that most models keep in "SETTING/setup.cfg". One
// shared instance serves the whole program (main thread only).
//
// Writing never shows anything: saveData and loadData return false where the
// user is to see the memory card alert (MemoryCardAlert).
class P820SettingManager
{
public:
    static constexpr qint64 kUnitedKingdomLocalID = 3;

    // Holders keep their copy alive: a settings editor's manager stays valid
    // when another one is installed meanwhile.
    static std::shared_ptr<P820SettingManager> SharedP820SettingManager();
    // Installs another manager as the shared one; the old one lives on for
    // as long as someone holds it.
    static void ChagneP820SettingManager(std::shared_ptr<P820SettingManager> manager);

    // Card identity.
    // The first removable volume that holds a recognisable camera; sets
    // sdcard_url. Null when there is none.
    QString findSDCardPath();
    // Model type of the card at root, -1 when none is recognised. A
    // self-describing record (type 26) also sets modelName.
    qint64 loadModelTypeWithSDPath(const QString &root);
    qint64 loadLocalIDWithSDPath(const QString &root) const;
    QString loadVersionSDPath(const QString &root) const;
    // Finds the card among the volumes, then loadCardIdentity.
    void loadVersionInfo();
    // Model type, local id (models 3 and 4), version and firmware number of
    // the card at settingDirPath.
    void loadCardIdentity();
    // The firmware's languages from the card, or the fixed list.
    void loadLanguages();

    // The record.
    int getSettingVariableCount() const;
    int getSaveDataSize() const;
    int offsetFromValue(SettingField field) const { return SettingRecordLayout::offsetOf(field); }

    enum class RecordRead
    {
        Missing,
        Unreadable,
        Read
    };
    // Reads the card's record into the fields, at the model's length,
    // without writing anything (loads the languages first).
    RecordRead readRecordFromCard();
    // Reads the card's record and rewrites it at the model's length; the
    // model's defaults when the card has none. False when the rewrite failed.
    bool loadData();
    // Writes the record atomically; false when there is no card, nothing to
    // write, or the card cannot be written (the old file is then untouched).
    bool saveData();
    // Writes just these fields' bytes over the card's record, atomically:
    // the file keeps its length and every other byte. For the records that
    // belong to the card (CameraModelTable::cardOwnsSettings), whose layout
    // may run past ours. False when the record cannot be read, a field lies
    // past its end, or the card cannot be written (the file is then untouched).
    bool saveFieldsInPlace(const QList<SettingField> &fields);
    void loadDefaultValue();
    void loadDefaultDataForR410();
    void loadDefaultDataForP820();
    void loadDefaultDataForV360();
    void loadDefaultDataForV580();
    void loadDefaultDataForP940();
    // Fills the fields from the card's factory file "SETTING/default.cfg",
    // as many as it holds; false (fields unchanged) when there is none.
    bool loadDefaultDataFromDefaultCfgFile();

    const SettingRecord &record() const { return m_record; }
    SettingRecord &record() { return m_record; }

    // Identity accessors. A null settingDirPath means no card.
    QString settingDirPath() const { return m_settingDirPath; }
    void setSettingDirPath(const QString &path) { m_settingDirPath = path; }
    QUrl sdcard_url() const { return m_sdcardUrl; }
    void setSdcard_url(const QUrl &url) { m_sdcardUrl = url; }
    qint64 modelType() const { return m_modelType; }
    void setModelType(qint64 type) { m_modelType = type; }
    qint64 localID() const { return m_localID; }
    void setLocalID(qint64 id) { m_localID = id; }
    int32_t firmwareVersionInt() const { return m_firmwareVersionInt; }
    void setFirmwareVersionInt(int32_t version) { m_firmwareVersionInt = version; }
    QString modelName() const { return m_modelName; }
    void setModelName(const QString &name) { m_modelName = name; }
    QList<CameraLanguage> languages() const { return m_languages; }
    void setLanguages(const QList<CameraLanguage> &languages) { m_languages = languages; }
    const QStringList &modelNameList() const;

    // One getter and setter per record field, named as the field.
#define TORVA_SETTING_ACCESSORS(name, setter, width, encoding)                                     \
    TORVA_SETTING_ACCESSORS_##encoding(name, setter)
#define TORVA_SETTING_NUMBER_ACCESSORS(name, setter)                                               \
    int32_t name() const                                                                           \
    {                                                                                              \
        return m_record.number(SettingField::name);                                                \
    }                                                                                              \
    void setter(int32_t value)                                                                     \
    {                                                                                              \
        m_record.setNumber(SettingField::name, value);                                             \
    }
#define TORVA_SETTING_ACCESSORS_UInt8 TORVA_SETTING_NUMBER_ACCESSORS
#define TORVA_SETTING_ACCESSORS_UInt16 TORVA_SETTING_NUMBER_ACCESSORS
#define TORVA_SETTING_ACCESSORS_Int32 TORVA_SETTING_NUMBER_ACCESSORS
#define TORVA_SETTING_ACCESSORS_Text(name, setter)                                                 \
    QString name() const                                                                           \
    {                                                                                              \
        return m_record.text(SettingField::name);                                                  \
    }                                                                                              \
    void setter(const QString &value)                                                              \
    {                                                                                              \
        m_record.setText(SettingField::name, value);                                               \
    }
    TORVA_SETTING_FIELDS(TORVA_SETTING_ACCESSORS)
#undef TORVA_SETTING_ACCESSORS_Text
#undef TORVA_SETTING_ACCESSORS_Int32
#undef TORVA_SETTING_ACCESSORS_UInt16
#undef TORVA_SETTING_ACCESSORS_UInt8
#undef TORVA_SETTING_NUMBER_ACCESSORS
#undef TORVA_SETTING_ACCESSORS

private:
    QString m_settingDirPath;
    QUrl m_sdcardUrl;
    qint64 m_modelType = -1;
    qint64 m_localID = -1;
    int32_t m_firmwareVersionInt = 0;
    QString m_modelName;
    QList<CameraLanguage> m_languages;
    SettingRecord m_record;
};
