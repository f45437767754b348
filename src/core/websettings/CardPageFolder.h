#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Serves the files of a card's "SETTING/html" folder to the card's own
// settings page, and nothing outside that folder. The page and its files
// come from the card and are not trusted: every HTML document goes out with a
// content security policy that lets it load only from the page's own URL
// scheme and reach no network.
class CardPageFolder
{
public:
    // scheme: the URL scheme the page is served under, as a CSP scheme source
    // ("torva-card:"; a missing colon is added).
    explicit CardPageFolder(const QString &htmlFolder,
                            const QByteArray &scheme = QByteArrayLiteral("torva-card:"));

    // The canonical absolute path of the regular file that a URL path names,
    // when that file lies inside the folder once every symbolic link is
    // followed. The path arrives percent-decoded: decoding is the caller's
    // job, so "%2e%2e" here is a file of that name. "" and "/" name
    // "index.html". Nothing for a ".." segment, a NUL character, a folder, a
    // missing file, a fifo or device, or a link that leads out of the folder.
    std::optional<QString> resolve(const QString &urlPath) const;
    // The bytes of the file that a URL path names (see resolve), at most
    // 16 MiB; an HTML file comes back with the policy of the constructor's
    // scheme in front (withContentSecurityPolicy).
    std::optional<QByteArray> read(const QString &urlPath) const;

    // The MIME type by the file's name; "application/octet-stream" for a
    // name that tells none.
    static QByteArray mimeType(const QString &path);
    // The HTML with a Content-Security-Policy meta element before any of its
    // own markup, so the policy holds before any script or resource of the
    // page loads: right after a UTF-8 byte order mark and a leading doctype
    // (a meta element before the doctype would put the page into quirks
    // mode), else at the very start. A page with a comment before its
    // doctype is therefore shown in quirks mode. The policy allows scripts,
    // styles, images and fonts from the scheme, inline and as data: or blob:
    // URLs, frames from the scheme, and no connections, forms, plugins or
    // base URL.
    static QByteArray withContentSecurityPolicy(const QByteArray &html, const QByteArray &scheme);

private:
    QString m_folder; // canonical; empty when the folder does not exist
    QByteArray m_scheme;
};
