#pragma once

#include <QList>
#include <QString>

#include <cstdint>

namespace zsg {

/// A choice among named integer values, as an enumeration parameter holds it.
struct Enumerable
{
    /// One choice: its value and its display name.
    struct Item
    {
        std::int32_t value = 0;
        QString name;
        bool operator==(const Item& other) const = default;
    };

    // The choices, in display order.
    QList<Item> items;
    std::int32_t current = 0;

    // The choices alone: a new `current` over the same items is not a new value.
    bool operator==(const Enumerable& other) const { return items == other.items; }
};

} // namespace zsg
