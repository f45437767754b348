#include "LocalTileServer.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTcpSocket>

LocalTileServer::LocalTileServer()
{
    // A pale tile with a grid, so that a screenshot shows where tiles are.
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(QColor(0xe8, 0xf0, 0xe0));
    QPainter painter(&image);
    painter.setPen(QColor(0xb8, 0xc8, 0xb0));
    for (int i = 0; i < 256; i += 32) {
        painter.drawLine(i, 0, i, 255);
        painter.drawLine(0, i, 255, i);
    }
    painter.end();
    QBuffer buffer(&m_tile);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

QString LocalTileServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void LocalTileServer::answer(QTcpSocket *socket)
{
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> lines = request.left(request.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> requestLine = lines.constFirst().trimmed().split(' ');
    m_requests.append(QString::fromLatin1(requestLine.value(0) + ' ' + requestLine.value(1)));
    for (const QByteArray &line : lines) {
        if (line.toLower().startsWith("user-agent:"))
            m_userAgent = line.mid(line.indexOf(':') + 1).trimmed();
    }
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: " +
                  QByteArray::number(m_tile.size()) + "\r\nConnection: close\r\n\r\n" + m_tile);
    socket->disconnectFromHost();
}
