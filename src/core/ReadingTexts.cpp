#include "ReadingTexts.h"

#include <QFile>

namespace Zorvane {

namespace {

constexpr std::array<const char *, kSphereTextCount> kSphereKeys{
    "Malkhuth", "Yesod", "Hod",     "Netzach", "Tiphereth", "Gevurah",
    "Chesed",   "Binah", "Chokmah", "Keter",   "Daat",
};

constexpr std::array<const char *, kAngelTextCount> kAngelKeys{
    "Gabriel", "Michael",  "Haniel",   "Raphael",   "Sandalphon",
    "Raziel",  "Metatron", "Tzadqiel", "Tzaphqiel", "Kamael",
};

constexpr std::array<const char *, kPathCount> kPathKeys{
    "He",    "Vau", "Zaini",  "Cheth", "Teth",   "Yod",
    "Lamed", "Nun", "Samekh", "Ayin",  "Tzaddi", "Qoph",
};

constexpr std::array<const char *, 10> kCardKeys{
    "Chokmah", "Binah",          "Chesed", "Gevurah", "Tiphereth",
    "Netzach", "Netzach-second", "Hod",    "Yesod",   "Malkhuth",
};

// Paragraphs are compiled in as resources, one ASCII line per file.
QString contentText(const char *folder, const QString &key)
{
    QFile file(QStringLiteral(":/content/texts/") + QLatin1StringView(folder) + u'/' + key +
               QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    return QString::fromLatin1(bytes);
}

ReadingTextTables loadTables()
{
    ReadingTextTables t;
    for (std::size_t i = 0; i < t.sphere.size(); ++i)
        t.sphere[i] = contentText("sphere", QLatin1StringView(kSphereKeys[i]));
    for (std::size_t i = 0; i < t.angel.size(); ++i)
        t.angel[i] = contentText("angel", QLatin1StringView(kAngelKeys[i]));
    for (std::size_t i = 0; i < t.path.size(); ++i)
        t.path[i] = contentText("path", QLatin1StringView(kPathKeys[i]));
    return t;
}

} // namespace

const ReadingTextTables &readingTexts()
{
    // The paragraphs are compiled in and never change: loaded once, on first use, by whoever
    // needs them first.
    static const ReadingTextTables t = loadTables();
    return t;
}

void LoadReadingTexts()
{
    readingTexts();
}

QString signDescription(SunSign sign)
{
    return contentText("sign", sunSignName(sign));
}

QString cardDescription(CardText card)
{
    return contentText("card", QLatin1StringView(kCardKeys[std::size_t(card)]));
}

QString pathCardDescription(PathKey path)
{
    // He's card text is two passages shown one directly after the other.
    if (path == PathKey::He)
        return contentText("pathcard", QStringLiteral("He-1")) +
               contentText("pathcard", QStringLiteral("He-2"));
    return contentText("pathcard", pathTextKey(path));
}

QString placeholderPortrait()
{
    return contentText("sign", QStringLiteral("placeholder"));
}

QString sphereTextKey(SphereText key)
{
    return QLatin1StringView(kSphereKeys[std::size_t(key)]);
}

QString angelTextKey(AngelText key)
{
    return QLatin1StringView(kAngelKeys[std::size_t(key)]);
}

QString pathTextKey(PathKey key)
{
    return QLatin1StringView(kPathKeys[std::size_t(key)]);
}

} // namespace Zorvane
