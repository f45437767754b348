#pragma once

#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A web server on 127.0.0.1 for the map tests: answers every request with
// the same map tile (a PNG) and keeps the request lines ("GET /16/55871/
// 25368.png") and the last User-Agent it was sent.
class LocalTileServer : public QObject
{
    Q_OBJECT

public:
    LocalTileServer();

    // "http://127.0.0.1:<port>" followed by the path.
    QString url(const QString &path) const;
    QString urlTemplate() const { return url(QStringLiteral("/{z}/{x}/{y}.png")); }
    QStringList requests() const { return m_requests; }
    QByteArray userAgent() const { return m_userAgent; }

private:
    void answer(QTcpSocket *socket);

    QTcpServer m_server;
    QByteArray m_tile;
    QStringList m_requests;
    QByteArray m_userAgent;
};
