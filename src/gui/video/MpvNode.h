#pragma once

#include <QVariant>

struct mpv_node;

// libmpv's structured values as Qt values: maps become QVariantMap, arrays
// QVariantList, byte arrays QByteArray, strings QString.
class MpvNode
{
public:
    static QVariant toVariant(const mpv_node &node);
};
