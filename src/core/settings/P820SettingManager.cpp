#include "core/settings/P820SettingManager.h"

#include "core/io/FileIO.h"
#include "core/settings/CameraModelTable.h"
#include "core/settings/CardFolder.h"
#include "core/settings/CardVolumes.h"
#include "core/settings/SettingDefaults.h"
#include "core/settings/SetupCfgIdentity.h"

#include <QFileInfo>

namespace {

const QString kRecordFile = QStringLiteral("setup.cfg");
const QString kFactoryFile = QStringLiteral("default.cfg");
const QString kCompactFile = QStringLiteral("blackbox.cfg");
const QString kLanguageFile = QStringLiteral("lang/ver.dat");
// A language list is a few lines; anything larger is not one.
constexpr qint64 kMaxLanguageFileBytes = 1 << 20;
// A card's own record may be longer than ours, but never by this much.
constexpr qint64 kMaxCardRecordBytes = 1 << 16;

std::shared_ptr<P820SettingManager> &sharedSlot()
{
    static std::shared_ptr<P820SettingManager> shared;
    return shared;
}

// Replaces the file in one step, creating the settings folder when missing.
bool writeRecordFile(const QString &path, const QByteArray &bytes)
{
    const FileIO::WriteResult written = FileIO::saveToFile(path, bytes);
    if (!written.ok())
        qWarning("settings: %s", qPrintable(written.message));
    return written.ok();
}

} // namespace

std::shared_ptr<P820SettingManager> P820SettingManager::SharedP820SettingManager()
{
    std::shared_ptr<P820SettingManager> &shared = sharedSlot();
    if (!shared)
        shared = std::make_shared<P820SettingManager>();
    return shared;
}

void P820SettingManager::ChagneP820SettingManager(std::shared_ptr<P820SettingManager> manager)
{
    sharedSlot() = std::move(manager);
}

const QStringList &P820SettingManager::modelNameList() const
{
    return CameraModelTable::modelNameList();
}

QString P820SettingManager::findSDCardPath()
{
    const QStringList volumes = CardVolumes::mountedVolumes();
    for (const QString &volume : volumes) {
        if (!CardVolumes::isLocalRemovable(volume))
            continue;
        m_sdcardUrl = QUrl::fromLocalFile(volume);
        if (loadModelTypeWithSDPath(volume) != CameraModelTable::kNoModel)
            return volume;
    }
    m_sdcardUrl = QUrl();
    return {};
}

qint64 P820SettingManager::loadModelTypeWithSDPath(const QString &root)
{
    if (root.isEmpty())
        return CameraModelTable::kNoModel;
    const QString path = CardFolder::settingFile(root, kRecordFile);
    if (const FileIO::ReadResult head =
            FileIO::readHead(path, SettingRecordLayout::kMaxRecordBytes);
        head.ok()) {
        const SetupCfgIdentity::Recognition found =
            SetupCfgIdentity::recognise(head.bytes, QFileInfo(path).size());
        if (found.modelType == CameraModelTable::kSelfDescribingModel)
            m_modelName = found.productName;
        if (found.modelType != CameraModelTable::kNoModel)
            return found.modelType;
    }
    // A settings record outranks the text file of the compact model.
    if (QFileInfo::exists(CardFolder::settingFile(root, kCompactFile)))
        return CameraModelTable::kCompactModel;
    return CameraModelTable::kNoModel;
}

qint64 P820SettingManager::loadLocalIDWithSDPath(const QString &root) const
{
    const FileIO::ReadResult head = FileIO::readHead(CardFolder::settingFile(root, kRecordFile),
                                                     SettingRecordLayout::kMaxRecordBytes);
    return head.ok() ? SetupCfgIdentity::localID(head.bytes) : -1;
}

QString P820SettingManager::loadVersionSDPath(const QString &root) const
{
    const FileIO::ReadResult head = FileIO::readHead(CardFolder::settingFile(root, kRecordFile),
                                                     SettingRecordLayout::kMaxRecordBytes);
    return head.ok() ? SetupCfgIdentity::version(head.bytes) : QString();
}

void P820SettingManager::loadVersionInfo()
{
    m_settingDirPath = findSDCardPath();
    loadCardIdentity();
}

void P820SettingManager::loadCardIdentity()
{
    m_modelType = loadModelTypeWithSDPath(m_settingDirPath);
    if (m_modelType == 3 || m_modelType == 4) {
        const qint64 id = loadLocalIDWithSDPath(m_settingDirPath);
        if (id != -1)
            m_localID = id;
    }
    setVersion(loadVersionSDPath(m_settingDirPath));
    m_firmwareVersionInt = SetupCfgIdentity::firmwareVersionInt(version());
}

void P820SettingManager::loadLanguages()
{
    const FileIO::ReadResult file = FileIO::readFile(
        CardFolder::settingFile(m_settingDirPath, kLanguageFile), kMaxLanguageFileBytes);
    const QList<CameraLanguage> found =
        file.ok() ? CameraLanguages::parseVerDat(file.bytes) : QList<CameraLanguage>();
    m_languages = found.isEmpty() ? CameraLanguages::fallback() : found;
}

int P820SettingManager::getSettingVariableCount() const
{
    return CameraModelTable::settingFieldCount(m_modelType, m_firmwareVersionInt);
}

int P820SettingManager::getSaveDataSize() const
{
    return SettingRecordLayout::byteSize(getSettingVariableCount());
}

P820SettingManager::RecordRead P820SettingManager::readRecordFromCard()
{
    // Bytes past the longest record are never read, so only those are loaded.
    const FileIO::ReadResult file =
        FileIO::readHead(CardFolder::settingFile(m_settingDirPath, kRecordFile),
                         SettingRecordLayout::kMaxRecordBytes);
    if (file.error == FileIO::ReadError::NotExist)
        return RecordRead::Missing;
    loadLanguages();
    if (!file.ok())
        return RecordRead::Unreadable;
    m_record.read(file.bytes, getSettingVariableCount());
    return RecordRead::Read;
}

bool P820SettingManager::loadData()
{
    switch (readRecordFromCard()) {
    case RecordRead::Missing:
        loadDefaultValue();
        return true;
    case RecordRead::Unreadable:
        return true;
    case RecordRead::Read:
        break;
    }
    return saveData();
}

bool P820SettingManager::saveData()
{
    const int fieldCount = getSettingVariableCount();
    if (m_settingDirPath.isEmpty() || getSaveDataSize() == 0) {
        qWarning("settings: no card or no record for model type %lld, nothing saved",
                 static_cast<long long>(m_modelType));
        return false;
    }
    // The card root must be there: creating it would write beside a card
    // that has gone away.
    if (!QFileInfo(m_settingDirPath).isDir()) {
        qWarning("settings: card folder %s is gone, nothing saved", qPrintable(m_settingDirPath));
        return false;
    }
    return writeRecordFile(CardFolder::settingFile(m_settingDirPath, kRecordFile),
                           m_record.bytes(fieldCount));
}

bool P820SettingManager::saveFieldsInPlace(const QList<SettingField> &fields)
{
    const QString path = CardFolder::settingFile(m_settingDirPath, kRecordFile);
    FileIO::ReadResult file = FileIO::readFile(path, kMaxCardRecordBytes);
    if (!file.ok()) {
        qWarning("settings: cannot read the record %s, nothing saved", qPrintable(path));
        return false;
    }
    QByteArray &record = file.bytes;
    for (const SettingField field : fields) {
        const QByteArray value = m_record.fieldBytes(field);
        const int offset = SettingRecordLayout::offsetOf(field);
        if (offset + value.size() > record.size()) {
            qWarning("settings: %s lies past the end of %s, nothing saved",
                     SettingRecordLayout::format(field).name, qPrintable(path));
            return false;
        }
        record.replace(offset, value.size(), value);
    }
    return writeRecordFile(path, record);
}

void P820SettingManager::loadDefaultValue()
{
    switch (m_modelType) {
    case 0:
        loadDefaultDataForR410();
        break;
    case 1:
        loadDefaultDataForP820();
        break;
    case 2:
        loadDefaultDataForV360();
        break;
    case 3:
    case 4:
        loadDefaultDataForV580();
        break;
    case 5:
        loadDefaultDataForP940();
        break;
    default:
        break;
    }
}

void P820SettingManager::loadDefaultDataForR410()
{
    SettingDefaults::apply(SettingDefaults::Model::R410, m_record);
}

void P820SettingManager::loadDefaultDataForP820()
{
    SettingDefaults::apply(SettingDefaults::Model::P820, m_record);
}

void P820SettingManager::loadDefaultDataForV360()
{
    SettingDefaults::apply(SettingDefaults::Model::V360, m_record);
}

void P820SettingManager::loadDefaultDataForV580()
{
    SettingDefaults::apply(SettingDefaults::Model::V580, m_record);
    if (m_localID == kUnitedKingdomLocalID)
        SettingDefaults::applyV580UnitedKingdom(m_record);
}

void P820SettingManager::loadDefaultDataForP940()
{
    SettingDefaults::apply(SettingDefaults::Model::P940, m_record);
}

bool P820SettingManager::loadDefaultDataFromDefaultCfgFile()
{
    const FileIO::ReadResult file =
        FileIO::readHead(CardFolder::settingFile(m_settingDirPath, kFactoryFile),
                         SettingRecordLayout::kMaxRecordBytes);
    if (!file.ok())
        return false;
    m_record.read(file.bytes, SettingRecordLayout::kFieldCount);
    return true;
}
