#include "gui/websettings/CardPageSchemeHandler.h"

#include <QBuffer>
#include <QDebug>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray CardPageSchemeHandler::kScheme = QByteArrayLiteral("torva-card");

void CardPageSchemeHandler::registerScheme()
{
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

CardPageSchemeHandler::CardPageSchemeHandler(const QString &htmlFolder, QObject *parent)
    : QWebEngineUrlSchemeHandler(parent), m_folder(htmlFolder, kScheme + ':')
{
}

void CardPageSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    if (job->requestMethod() != QByteArrayLiteral("GET")) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString path = job->requestUrl().path(QUrl::FullyDecoded);
    const std::optional<QByteArray> bytes = m_folder.read(path);
    if (!bytes) {
        qInfo() << "settings page: refused" << job->requestUrl().toString();
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto *buffer = new QBuffer(job);
    buffer->setData(*bytes);
    job->reply(CardPageFolder::mimeType(path), buffer);
}
