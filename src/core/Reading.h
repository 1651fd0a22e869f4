#pragma once

#include "ReadingTables.h"
#include "SunSign.h"

#include <QString>

namespace Zorvane {

// The fields one Sephira contributes to a reading, in the order the display receives them.
struct SephiraReading
{
    QString Head;
    QString SphereDesc;
    QString AngelDesc;
    QString SphereSign;
    QString Position;
    QString PlanetaryRuler;
    QString Archangel;
    QString LuckyDay;
    QString Color;
    QString Wood;
    QString Keyword;
    QString Metal;
    QString CardName;
    qint16 CardPicture = 0;
    QString CardDesc;
};

struct PathReading
{
    QString Name;
    QString Description;
    QString HebrewLetter;
    QString Location;
    QString Planet;
    QString YetsiraticAttribution;
    QString Color;
    QString Element;
    QString CardName;
    qint16 CardPicture = 0;
    QString CardDesc;
};

// What a sign marks on the Tree of Life: its two Sephiroth and the path that joins them, beside
// which the sign's trump is named.
struct Highlight
{
    SunSign sign = SunSign::Aries;
    Sephira one = Sephira::Keter;
    Sephira two = Sephira::Keter;
};

struct Reading
{
    SunSign sign = SunSign::Aries;
    QString SunSignName;
    QString SunSignDesc;
    SephiraReading One;
    SephiraReading Two;
    PathReading Path;
    Highlight highlight;
};

Highlight highlightFor(SunSign sign);

// Looks up everything a sign's reading shows. The sphere, angel and path texts come from the
// loaded text tables (LoadReadingTexts).
Reading buildReading(SunSign sign);

} // namespace Zorvane
