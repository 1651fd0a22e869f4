#include "ReadingTables.h"

#include <algorithm>

namespace Zorvane {

namespace {

template <typename Table, typename Key, typename KeyOf>
const auto &rowOf(const Table &table, Key key, KeyOf keyOf)
{
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const auto &row) { return keyOf(row) == key; });
    Q_ASSERT(it != table.end());
    return *it;
}

} // namespace

int imageListSize(ImageList list)
{
    return list == ImageList::PathsCard ? int(kPathCardImages.size())
                                        : int(kSephiraCardImages.size());
}

QString imageListCardName(ImageList list, int position)
{
    if (position < 1 || position > imageListSize(list))
        return {};
    const char *name = list == ImageList::PathsCard ? kPathCardImages[std::size_t(position - 1)]
                                                    : kSephiraCardImages[std::size_t(position - 1)];
    return QString::fromLatin1(name);
}

QString sphereName(int index)
{
    if (index < 0 || index >= kSphereCount)
        return {};
    return QLatin1StringView(SphereTable[std::size_t(index)].name);
}

QString sephiraName(Sephira s)
{
    return sphereName(sephiraIndexOf(s));
}

const SphereRow &sphereRowOf(SphereText text)
{
    return rowOf(SphereTable, text, [](const SphereRow &r) { return r.text; });
}

const SphereRow &sphereRowOf(Sephira s)
{
    return SphereTable[std::size_t(sephiraIndexOf(s))];
}

// Both tables run in Sephira order from Chokmah, as their static_asserts hold them.
const SephiraRow &sephiraRowOf(Sephira s)
{
    return SephirothTable[std::size_t(sephiraNumber(s) - sephiraNumber(Sephira::Chokmah))];
}

const SephiraCardRow &sephiraCardRowOf(Sephira s)
{
    return SephiraCardTable[std::size_t(sephiraNumber(s) - sephiraNumber(Sephira::Chokmah))];
}

const SignRow &signRowOf(SunSign sign)
{
    return SignTable[std::size_t(sign)];
}

const PathRow &pathRowOf(PathKey path)
{
    return PathTable[std::size_t(path)];
}

} // namespace Zorvane
