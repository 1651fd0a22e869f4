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
const ReadingTextTables &readingTexts();

// Makes sure the tables are loaded before a reading; calling it again changes nothing.
void LoadReadingTexts();

// A sphere's description, from the loaded tables: what the sphere help and a reading show.
QString sphereDescription(const SphereRow &sphere);

// Paragraphs that belong to the constant tables rather than to the loaded text tables.
QString signDescription(SunSign sign);
QString cardDescription(CardText card);
QString pathCardDescription(PathKey path);
// The portrait the display shows before a reading replaces it.
QString placeholderPortrait();

// Keys as the content files and the sphere help name them.
QString sphereTextKey(SphereText key);
QString angelTextKey(AngelText key);
QString pathTextKey(PathKey key);

} // namespace Zorvane
