#include "cli/OrderedJsonObject.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QByteArray compact(const QJsonValue &value)
{
    // QJsonDocument prints only arrays and objects; strip the array around it.
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}

} // namespace

void OrderedJsonObject::insert(const QString &key, const QJsonValue &value)
{
    m_members.append({key, value});
}

bool OrderedJsonObject::contains(const QString &key) const
{
    for (const auto &member : m_members) {
        if (member.first == key)
            return true;
    }
    return false;
}

QByteArray OrderedJsonObject::members(const char *first, const char *between,
                                      const char *colon) const
{
    QByteArray text;
    for (qsizetype i = 0; i < m_members.size(); ++i) {
        text += i == 0 ? first : between;
        text += compact(m_members[i].first) + colon + compact(m_members[i].second);
    }
    return text;
}

QByteArray OrderedJsonObject::toJson() const
{
    return "{" + members("\n  ", ",\n  ", ": ") + (m_members.isEmpty() ? "}\n" : "\n}\n");
}

QByteArray OrderedJsonObject::toCompactJson() const
{
    return "{" + members("", ",", ":") + "}";
}

QByteArray OrderedJsonObject::listToJson(const QList<OrderedJsonObject> &objects)
{
    if (objects.isEmpty())
        return "[]\n";
    QByteArray text = "[";
    for (qsizetype i = 0; i < objects.size(); ++i)
        text += (i == 0 ? "\n  " : ",\n  ") + objects[i].toCompactJson();
    return text + "\n]\n";
}
