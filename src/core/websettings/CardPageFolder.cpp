#include "core/websettings/CardPageFolder.h"

#include "core/io/FileIO.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QStringList>

namespace {

constexpr qint64 kMaxServedBytes = 16 * 1024 * 1024;

QByteArray schemeSource(const QByteArray &scheme)
{
    return scheme.endsWith(':') ? scheme : scheme + ':';
}

bool isHtmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Where the meta element goes: after a UTF-8 byte order mark and after a
// doctype that only white space precedes. A doctype ends at its first '>',
// quoted or not.
qsizetype policyPosition(const QByteArray &html)
{
    const qsizetype start = html.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    qsizetype at = start;
    while (at < html.size() && isHtmlSpace(html[at]))
        ++at;
    if (html.mid(at, 9).compare("<!doctype", Qt::CaseInsensitive) != 0)
        return start;
    const qsizetype end = html.indexOf('>', at);
    return end < 0 ? start : end + 1;
}

} // namespace

CardPageFolder::CardPageFolder(const QString &htmlFolder, const QByteArray &scheme)
    : m_folder(htmlFolder.isEmpty() ? QString() : QFileInfo(htmlFolder).canonicalFilePath()),
      m_scheme(scheme)
{
}

std::optional<QString> CardPageFolder::resolve(const QString &urlPath) const
{
    if (m_folder.isEmpty() || urlPath.contains(QChar(0)))
        return std::nullopt;
    QString relative = urlPath;
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    if (relative.isEmpty())
        relative = QStringLiteral("index.html");
    if (relative.split(QLatin1Char('/')).contains(QLatin1String("..")))
        return std::nullopt;
    const QString path = QFileInfo(m_folder + QLatin1Char('/') + relative).canonicalFilePath();
    // The folder's own canonical path as a prefix: a link anywhere on the way
    // that leads outside shows up here.
    if (path.isEmpty() || !path.startsWith(m_folder + QLatin1Char('/')))
        return std::nullopt;
    // Regular files only: a fifo or device could block the reader or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

std::optional<QByteArray> CardPageFolder::read(const QString &urlPath) const
{
    const std::optional<QString> path = resolve(urlPath);
    if (!path)
        return std::nullopt;
    const FileIO::ReadResult file = FileIO::readFile(*path, kMaxServedBytes);
    if (!file.ok())
        return std::nullopt;
    if (mimeType(*path) == "text/html")
        return withContentSecurityPolicy(file.bytes, m_scheme);
    return file.bytes;
}

QByteArray CardPageFolder::mimeType(const QString &path)
{
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toLatin1();
}

QByteArray CardPageFolder::withContentSecurityPolicy(const QByteArray &html,
                                                     const QByteArray &scheme)
{
    const QByteArray own = schemeSource(scheme);
    const QByteArray embedded = own + " data: blob:";
    const QByteArray policy = "default-src " + own + "; script-src " + embedded +
                              " 'unsafe-inline' 'unsafe-eval'; style-src " + embedded +
                              " 'unsafe-inline'; img-src " + embedded + "; font-src " + embedded +
                              "; connect-src 'none'; frame-src " + own +
                              "; form-action 'none'; base-uri 'none'; object-src 'none'";
    QByteArray page = html;
    return page.insert(policyPosition(html),
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"" + policy + "\">");
}
