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

private:
    QList<QPair<QString, QJsonValue>> m_members;
};
