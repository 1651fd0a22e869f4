#pragma once

#include "ReadingTables.h"

#include <QString>

#include <array>

namespace Zorvane {

// The description paragraphs that the sphere help and a reading read: filled by
// LoadReadingTexts before every reading, read-only otherwise.
struct ReadingTextTables
{
    std::array<QString, kSphereTextCount> sphere;
    std::array<QString, kAngelTextCount> angel;
    std::array<QString, kPathCount> path;
};

const ReadingTextTables &ReadingTexts();

// Assigns the sphere texts, then the angel texts, then the path texts. Calling it again assigns
// the same texts again.
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
