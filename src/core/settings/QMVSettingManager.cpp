#include "core/settings/QMVSettingManager.h"

#include "core/io/FileIO.h"
#include "core/settings/CardFolder.h"

#include <QDebug>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QString kDefaultFilePath = QStringLiteral(":/settings/default_V120.cfg");
const QString kFileName = QStringLiteral("blackbox.cfg");
const QString kLineBreak = QStringLiteral("\r\n");

QString keyText(const QString &key)
{
    return key.endsWith(QLatin1Char('=')) ? key : key + QLatin1Char('=');
}

bool isBlankOrTab(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimmedOfBlanksAndTabs(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrTab(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrTab(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// The lines of a file read whole; nothing when it could not be read or is not UTF-8 text.
std::optional<QStringList> linesOf(const QString &path, const FileIO::ReadResult &file)
{
    if (!file.ok()) {
        qWarning().noquote() << "Cannot read the settings file:" << file.message;
        return std::nullopt;
    }
    std::optional<QStringList> lines = QMVSettingManager::linesFromBytes(file.bytes);
    if (!lines)
        qWarning().noquote() << "Settings file is not UTF-8 text:" << path;
    return lines;
}

} // namespace

QMVSettingManager &QMVSettingManager::SharedQMVSettingManager()
{
    static QMVSettingManager shared;
    return shared;
}

const QList<QMVSettingManager::PartitionRatio> &QMVSettingManager::memoryPartitionRatiosArray()
{
    static const QList<PartitionRatio> ratios = [] {
        const auto ratio = [](const char *continuous, const char *event, const char *manual,
                              const char *park) {
            return PartitionRatio{{QStringLiteral("continuous"), QString::fromLatin1(continuous)},
                                  {QStringLiteral("event"), QString::fromLatin1(event)},
                                  {QStringLiteral("manual"), QString::fromLatin1(manual)},
                                  {QStringLiteral("park"), QString::fromLatin1(park)}};
        };
        return QList<PartitionRatio>{ratio("60", "22", "9", "4"), ratio("35", "17", "39", "4"),
                                     ratio("53", "19", "9", "14")};
    }();
    return ratios;
}

const QStringList &QMVSettingManager::timeDateKeys()
{
    static const QStringList keys = {QStringLiteral("year="), QStringLiteral("month="),
                                     QStringLiteral("day="),  QStringLiteral("hour="),
                                     QStringLiteral("min="),  QStringLiteral("sec=")};
    return keys;
}

QStringList QMVSettingManager::timeDateLines(const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const int values[] = {date.year(), date.month(),  date.day(),
                          time.hour(), time.minute(), time.second()};
    QStringList lines;
    for (qsizetype i = 0; i < timeDateKeys().size(); ++i)
        lines.append(timeDateKeys().at(i) + QString::number(values[i]));
    return lines;
}

QString QMVSettingManager::settingsFilePath(const QString &cardRootPath)
{
    return CardFolder::settingFile(cardRootPath, kFileName, CardFolder::Order::UpperCaseFirst);
}

std::optional<QStringList> QMVSettingManager::linesFromBytes(const QByteArray &bytes)
{
    // A byte order mark is kept as a character so that it is written back.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return trimmedOfBlanksAndTabs(text).split(kLineBreak, Qt::KeepEmptyParts);
}

QByteArray QMVSettingManager::bytesFromLines(const QStringList &lines)
{
    return lines.join(kLineBreak).toUtf8();
}

QMVSettingManager::LoadResult QMVSettingManager::loadData(const QString &cardRootPath)
{
    const QString path = settingsFilePath(cardRootPath);
    const FileIO::ReadResult file = FileIO::readFile(path, kMaxFileBytes);
    if (file.error == FileIO::ReadError::NotExist) {
        if (loadDefaultData_V120())
            return LoadResult::DefaultFile;
        m_linedSettings.clear();
        return LoadResult::Unreadable;
    }
    // An unreadable file yields no lines rather than stale ones from before,
    // so that nothing of another card can be written to this one.
    const std::optional<QStringList> lines = linesOf(path, file);
    m_linedSettings = lines.value_or(QStringList());
    return lines ? LoadResult::CardFile : LoadResult::Unreadable;
}

QMVSettingManager::SaveResult QMVSettingManager::saveData(const QString &cardRootPath) const
{
    if (cardRootPath.isEmpty())
        return SaveResult::NoCard;
    if (!QFileInfo(cardRootPath).isDir()) {
        qWarning().noquote() << "The card folder" << cardRootPath << "is gone; settings not saved";
        return SaveResult::CannotWrite;
    }
    const FileIO::WriteResult written =
        FileIO::saveToFile(settingsFilePath(cardRootPath), bytesFromLines(m_linedSettings));
    if (!written.ok()) {
        qWarning().noquote() << "Cannot save the settings:" << written.message;
        return SaveResult::CannotWrite;
    }
    return SaveResult::Saved;
}

bool QMVSettingManager::loadDefaultValue(int64_t modelType)
{
    if (modelType != kCompactModelType)
        return false;
    const QMVSettingManager previous = *this;
    if (!loadDefaultData_V120())
        return false;
    // The model name and firmware version are the camera's own and read only;
    // a reset must not write the defaults' placeholders over them.
    for (const QString &key : {QStringLiteral("model="), QStringLiteral("version=")}) {
        if (const std::optional<QString> value = previous.valueForKey(key))
            replaceValue(key, *value);
    }
    return true;
}

bool QMVSettingManager::loadDefaultData_V120()
{
    std::optional<QStringList> lines =
        linesOf(kDefaultFilePath, FileIO::readFile(kDefaultFilePath, kMaxFileBytes));
    if (!lines)
        return false;
    m_linedSettings = std::move(*lines);
    return true;
}

void QMVSettingManager::removeTimeDateDelimiters()
{
    for (const QString &key : timeDateKeys()) {
        const qsizetype index = indexOfKey(key);
        if (index >= 0)
            m_linedSettings.removeAt(index);
    }
}

void QMVSettingManager::addTimeDateDelimiters(const QStringList &lines)
{
    const qsizetype setLine = indexOfKey(QStringLiteral("set="));
    const qsizetype position =
        setLine >= 0 ? setLine + 1 : std::min<qsizetype>(1, m_linedSettings.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        m_linedSettings.insert(position + i, lines.at(i));
}

qsizetype QMVSettingManager::indexOfKey(const QString &key) const
{
    const QString prefix = keyText(key);
    for (qsizetype i = 0; i < m_linedSettings.size(); ++i) {
        if (m_linedSettings.at(i).startsWith(prefix))
            return i;
    }
    return -1;
}

std::optional<QString> QMVSettingManager::valueForKey(const QString &key) const
{
    const qsizetype index = indexOfKey(key);
    if (index < 0)
        return std::nullopt;
    return m_linedSettings.at(index).mid(keyText(key).size());
}

QMVSettingManager::ReplaceResult QMVSettingManager::replaceValue(const QString &key,
                                                                 const QString &value)
{
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        return ReplaceResult::ValueHasLineBreak;
    const qsizetype index = indexOfKey(key);
    if (index < 0)
        return ReplaceResult::NoSuchKey;
    m_linedSettings[index] = keyText(key) + value;
    return ReplaceResult::Replaced;
}
