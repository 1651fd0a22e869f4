#pragma once

#include <cstddef>

namespace Zorvane {

// Whether every row's key is its position in the table (counted from first), so that the table can
// be indexed by its key.
template <typename Table, typename KeyOf>
constexpr bool keyedByPosition(const Table &table, KeyOf keyOf, int first = 0)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (int(keyOf(table[i])) != int(i) + first)
            return false;
    }
    return true;
}

} // namespace Zorvane
