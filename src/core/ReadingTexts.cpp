#include "ReadingTexts.h"

#include <QFile>

namespace Zorvane {

namespace {

struct AngelKey
{
    AngelText text;
    const char *key;
};
constexpr std::array<AngelKey, kAngelTextCount> kAngelKeys{{
    {AngelText::Gabriel, "Gabriel"},
    {AngelText::Michael, "Michael"},
    {AngelText::Haniel, "Haniel"},
    {AngelText::Raphael, "Raphael"},
    {AngelText::Sandalphon, "Sandalphon"},
    {AngelText::Raziel, "Raziel"},
    {AngelText::Metatron, "Metatron"},
    {AngelText::Tzadqiel, "Tzadqiel"},
    {AngelText::Tzaphqiel, "Tzaphqiel"},
    {AngelText::Kamael, "Kamael"},
}};
static_assert(keyedByPosition(kAngelKeys, [](const AngelKey &k) { return k.text; }));

struct PathKeyName
{
    PathKey path;
    const char *key;
};
constexpr std::array<PathKeyName, kPathCount> kPathKeys{{
    {PathKey::He, "He"},
    {PathKey::Vau, "Vau"},
    {PathKey::Zaini, "Zaini"},
    {PathKey::Cheth, "Cheth"},
    {PathKey::Teth, "Teth"},
    {PathKey::Yod, "Yod"},
    {PathKey::Lamed, "Lamed"},
    {PathKey::Nun, "Nun"},
    {PathKey::Samekh, "Samekh"},
    {PathKey::Ayin, "Ayin"},
    {PathKey::Tzaddi, "Tzaddi"},
    {PathKey::Qoph, "Qoph"},
}};
static_assert(keyedByPosition(kPathKeys, [](const PathKeyName &k) { return k.path; }));

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
        t.sphere[i] = contentText("sphere", sphereTextKey(SphereText(i)));
    for (std::size_t i = 0; i < t.angel.size(); ++i)
        t.angel[i] = contentText("angel", angelTextKey(AngelText(i)));
    for (std::size_t i = 0; i < t.path.size(); ++i)
        t.path[i] = contentText("path", pathTextKey(PathKey(i)));
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

QString sphereDescription(const SphereRow &sphere)
{
    return readingTexts().sphere[std::size_t(sphere.text)];
}

QString signDescription(SunSign sign)
{
    return contentText("sign", sunSignName(sign));
}

QString cardDescription(CardText card)
{
    // Filed under the name of the Sephira whose card shows the text.
    for (const SephiraCardRow &row : SephiraCardTable) {
        if (row.firstSlotText == card)
            return contentText("card", sephiraName(row.sephira));
    }
    for (const SephiraCardRow &row : SephiraCardTable) {
        if (row.secondSlotText == card)
            return contentText("card", sephiraName(row.sephira) + QStringLiteral("-second"));
    }
    return {};
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
    return QLatin1StringView(sphereRowOf(key).name);
}

QString angelTextKey(AngelText key)
{
    return QLatin1StringView(kAngelKeys[std::size_t(key)].key);
}

QString pathTextKey(PathKey key)
{
    return QLatin1StringView(kPathKeys[std::size_t(key)].key);
}

} // namespace Zorvane
