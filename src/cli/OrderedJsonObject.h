#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

// A JSON object that keeps its members in the order they were added
// (QJsonObject sorts them by key), printed one member per line.
class OrderedJsonObject
{
public:
    void insert(const QString &key, const QJsonValue &value);
    bool contains(const QString &key) const;
    QByteArray toJson() const;
    // The object on one line, without a line break.
    QByteArray toCompactJson() const;
    // A JSON list of the objects, one a line.
    static QByteArray listToJson(const QList<OrderedJsonObject> &objects);

private:
    QByteArray members(const char *first, const char *between, const char *colon) const;

    QList<QPair<QString, QJsonValue>> m_members;
};
