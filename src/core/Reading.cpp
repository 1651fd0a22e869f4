#include "Reading.h"

#include "ReadingTexts.h"

namespace Zorvane {

namespace {

enum class Slot
{
    One,
    Two
};

SephiraReading sephiraReading(Sephira sephira, Slot slot)
{
    const SephiraRow &row = sephiraRowOf(sephira);
    const SephiraCardRow &card = sephiraCardRowOf(sephira);

    SephiraReading r;
    r.Head = sephiraName(sephira);
    r.SphereDesc = sphereDescription(sphereRowOf(sephira));
    r.AngelDesc = readingTexts().angel[std::size_t(row.angelText)];
    r.SphereSign = r.Head;
    r.Position = QLatin1StringView(row.position);
    r.PlanetaryRuler = QLatin1StringView(row.ruler);
    r.Archangel = QLatin1StringView(row.archangel);
    r.LuckyDay = QLatin1StringView(row.day);
    r.Color = QLatin1StringView(row.colour);
    r.Wood = QLatin1StringView(row.wood);
    r.Keyword = QLatin1StringView(row.keyword);
    r.Metal = QLatin1StringView(row.metal);
    r.CardName = QLatin1StringView(card.cardName);
    r.CardPicture = card.picture;
    r.CardDesc = cardDescription(slot == Slot::One ? card.firstSlotText : card.secondSlotText);
    return r;
}

PathReading pathReading(PathKey key)
{
    const PathRow &row = pathRowOf(key);
    PathReading r;
    r.Name = QLatin1StringView(row.name);
    r.Description = readingTexts().path[std::size_t(key)];
    r.HebrewLetter = QLatin1StringView(row.hebrewLetter);
    r.Location = QLatin1StringView(row.location);
    r.Planet = QLatin1StringView(row.planet);
    r.YetsiraticAttribution = QLatin1StringView(row.yetsiraticAttribution);
    r.Color = QLatin1StringView(row.colour);
    r.Element = QLatin1StringView(row.element);
    r.CardName = QLatin1StringView(row.card);
    r.CardPicture = row.picture;
    r.CardDesc = pathCardDescription(key);
    return r;
}

} // namespace

Highlight highlightFor(SunSign sign)
{
    const SignRow &row = signRowOf(sign);
    return Highlight{sign, row.one, row.two};
}

Reading buildReading(SunSign sign)
{
    const SignRow &row = signRowOf(sign);
    Reading r;
    r.sign = sign;
    r.SunSignName = sunSignName(sign);
    r.SunSignDesc = signDescription(sign);
    r.One = sephiraReading(row.one, Slot::One);
    r.Two = sephiraReading(row.two, Slot::Two);
    r.Path = pathReading(row.path);
    r.highlight = highlightFor(sign);
    return r;
}

} // namespace Zorvane
