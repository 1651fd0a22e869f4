#include "ReadingTables.h"

#include <algorithm>

namespace Zorvane {

namespace {

template<typename Table, typename Key, typename KeyOf>
const auto &rowOf(const Table &table, Key key, KeyOf keyOf)
{
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const auto &row) { return keyOf(row) == key; });
    Q_ASSERT(it != table.end());
    return *it;
}

} // namespace

int ImageListSize(ImageList list)
{
    return list == ImageList::PathsCard ? int(kPathCardImages.size())
                                        : int(kSephiraCardImages.size());
}

QString ImageListCardName(ImageList list, int position)
{
    if (position < 1 || position > ImageListSize(list))
        return {};
    const char *name = list == ImageList::PathsCard ? kPathCardImages[std::size_t(position - 1)]
                                                    : kSephiraCardImages[std::size_t(position - 1)];
    return QString::fromLatin1(name);
}

const SephiraRow &SephiraRowOf(Sephira s)
{
    return rowOf(SephirothTable, s, [](const SephiraRow &r) { return r.sephira; });
}

const SephiraCardRow &SephiraCardRowOf(Sephira s)
{
    return rowOf(SephiraCardTable, s, [](const SephiraCardRow &r) { return r.sephira; });
}

const SignRow &SignRowOf(SunSign sign)
{
    return SignTable[std::size_t(sign)];
}

const PathRow &PathRowOf(PathKey path)
{
    return PathTable[std::size_t(path)];
}

} // namespace Zorvane
