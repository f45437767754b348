#pragma once

#include <QList>

#include <optional>

// How a control shows a stored record value: the value stored for each of
// the control's positions in order, from firstPosition on. A stored value
// not in the list shows otherPosition, or, without one, leaves the control
// as laid out.
struct ValueMapping
{
    QList<int> stored;
    int firstPosition = 0;
    std::optional<int> otherPosition;

    std::optional<int> positionOf(int storedValue) const
    {
        const qsizetype index = stored.indexOf(storedValue);
        if (index < 0)
            return otherPosition;
        return firstPosition + int(index);
    }
    std::optional<int> storedAt(int position) const
    {
        const int index = position - firstPosition;
        if (index < 0 || index >= stored.size())
            return std::nullopt;
        return stored.at(index);
    }

    // Positions first … first+count-1 store their own number.
    static ValueMapping steps(int first, int count)
    {
        ValueMapping mapping{{}, first, std::nullopt};
        for (int i = 0; i < count; ++i)
            mapping.stored.append(first + i);
        return mapping;
    }
};
