#pragma once

#include "ReadingTables.h"

#include <QString>

#include <array>

namespace Zorvane {

// The description paragraphs that the sphere help and a reading read.
struct ReadingTextTables
{
    std::array<QString, kSphereTextCount> sphere;
    std::array<QString, kAngelTextCount> angel;
    std::array<QString, kPathCount> path;
};

// The tables, loaded on first use: the sphere texts, then the angel texts, then the path texts.
const ReadingTextTables &ReadingTexts();

// Makes sure the tables are loaded before a reading; calling it again changes nothing.
void LoadReadingTexts();

// Paragraphs that belong to the constant tables rather than to the loaded text tables.
QString SignDescription(SunSign sign);
QString CardDescription(CardText card);
QString PathCardDescription(PathKey path);
// The portrait the display shows before a reading replaces it.
QString PlaceholderPortrait();

// Keys as the content files and the sphere help name them.
QString SphereTextKey(SphereText key);
QString AngelTextKey(AngelText key);
QString PathTextKey(PathKey key);

} // namespace Zorvane
