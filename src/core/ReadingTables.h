#pragma once

#include "SunSign.h"
#include "TableKeys.h"

#include <QString>

#include <array>

namespace Zorvane {

// Sephiroth by their number in the Tree. Da'at has no number; it only appears in the diagram and
// in the sphere help.
enum class Sephira
{
    Keter = 1,
    Chokmah,
    Binah,
    Chesed,
    Gevurah,
    Tiphereth,
    Netzach,
    Hod,
    Yesod,
    Malkhuth,
};

constexpr int sephiraNumber(Sephira s)
{
    return int(s);
}
// Index of the sphere's circle and sensitive label in the diagram (Keter 0 ... Malkhuth 9).
constexpr int sephiraIndexOf(Sephira s)
{
    return int(s) - 1;
}
inline constexpr int kDaatIndex = 10;
inline constexpr int kSphereCount = kDaatIndex + 1;

// Keys of the sphere-text table, in the order the texts are loaded.
enum class SphereText
{
    Malkhuth,
    Yesod,
    Hod,
    Netzach,
    Tiphereth,
    Gevurah,
    Chesed,
    Binah,
    Chokmah,
    Keter,
    Daat,
};
inline constexpr int kSphereTextCount = int(SphereText::Daat) + 1;

// The spheres of the diagram by SephiraIndex: the Sephiroth by number, then Daat. The name is
// also the key of the sphere's description.
struct SphereRow
{
    int index;
    const char *name;
    SphereText text;
};

inline constexpr std::array<SphereRow, kSphereCount> SphereTable{{
    {0, "Keter", SphereText::Keter},
    {1, "Chokmah", SphereText::Chokmah},
    {2, "Binah", SphereText::Binah},
    {3, "Chesed", SphereText::Chesed},
    {4, "Gevurah", SphereText::Gevurah},
    {5, "Tiphereth", SphereText::Tiphereth},
    {6, "Netzach", SphereText::Netzach},
    {7, "Hod", SphereText::Hod},
    {8, "Yesod", SphereText::Yesod},
    {9, "Malkhuth", SphereText::Malkhuth},
    {kDaatIndex, "Daat", SphereText::Daat},
}};
static_assert(keyedByPosition(SphereTable, [](const SphereRow &r) { return r.index; }));

constexpr bool everySphereTextOnce()
{
    for (int text = 0; text < kSphereTextCount; ++text) {
        int rows = 0;
        for (const SphereRow &r : SphereTable)
            rows += int(r.text) == text ? 1 : 0;
        if (rows != 1)
            return false;
    }
    return true;
}
static_assert(everySphereTextOnce());

// The name of the sphere at a SephiraIndex, or an empty string outside 0..10.
QString sphereName(int index);
QString sephiraName(Sephira s);
// The sphere whose description is the text of that key.
const SphereRow &sphereRowOf(SphereText text);
const SphereRow &sphereRowOf(Sephira s);

// Keys of the angel-text table, in the order the texts are loaded.
enum class AngelText
{
    Gabriel,
    Michael,
    Haniel,
    Raphael,
    Sandalphon,
    Raziel,
    Metatron,
    Tzadqiel,
    Tzaphqiel,
    Kamael,
};
inline constexpr int kAngelTextCount = int(AngelText::Kamael) + 1;

// The twelve zodiacal paths, in the order their texts are loaded.
enum class PathKey
{
    He,
    Vau,
    Zaini,
    Cheth,
    Teth,
    Yod,
    Lamed,
    Nun,
    Samekh,
    Ayin,
    Tzaddi,
    Qoph,
};
inline constexpr int kPathCount = int(PathKey::Qoph) + 1;

struct SephiraRow
{
    Sephira sephira;
    const char *position;
    const char *ruler;
    const char *archangel; // as displayed
    const char *day;
    const char *colour;
    const char *wood;
    const char *keyword;
    const char *metal;
    AngelText angelText;
};

// Empty cells are empty strings. Hod's archangel is displayed "Micheal"; its text is Michael's.
inline constexpr std::array<SephiraRow, 9> SephirothTable{{
    {Sephira::Chokmah, "2nd", "Uranus", "Raziel", "", "Gray or Silver", "Musk",
     "Wisdom, Revelation", "", AngelText::Raziel},
    {Sephira::Binah, "3rd", "Saturn", "Tzaphqiel", "Saturday", "Black", "Pine or Juniper",
     "Understanding, Intelligence, Reason", "Lead", AngelText::Tzaphqiel},
    {Sephira::Chesed, "4th", "Jupiter", "Tzadqiel", "Thursday", "Blue", "Oak",
     "Love, Kindness, Mercy", "Tin", AngelText::Tzadqiel},
    {Sephira::Gevurah, "5th", "Mars", "Kamael", "Tuesday", "Red", "Cedar", "Restraint, Justice",
     "Iron", AngelText::Kamael},
    {Sephira::Tiphereth, "6th", "Sun", "Raphael", "Sunday", "Gold or Yellow", "Laurel",
     "Beauty, Equilibirum", "Gold", AngelText::Raphael},
    {Sephira::Netzach, "7th", "Venus", "Haniel", "Friday", "Green", "Myrtle",
     "Victory, Endurance, Prophecy, Eternity", "Copper", AngelText::Haniel},
    {Sephira::Hod, "8th", "Mercury", "Micheal", "Wednesday", "Purple, Brown", "Hazelwood",
     "Splendour, Truthfulness, Communication", "Mercury/ Quicksilver", AngelText::Michael},
    {Sephira::Yesod, "9th", "Moon", "Gabriel", "Monday", "Gray or Silver", "Willow",
     "Foundation, Passion, Truth", "Silver", AngelText::Gabriel},
    {Sephira::Malkhuth, "10th", "Earth", "Sandalphon", "", "", "", "Kingdom, Beginnings", "",
     AngelText::Sandalphon},
}};

// Card texts of the Sephiroth. Netzach's card has a second text for the second slot.
enum class CardText
{
    Chokmah,
    Binah,
    Chesed,
    Gevurah,
    Tiphereth,
    Netzach,
    NetzachSecond,
    Hod,
    Yesod,
    Malkhuth,
};

// The display's three ordered stores of card pictures, read by 1-based position.
enum class ImageList
{
    SephirothsOneCard,
    SephirothsTwoCard,
    PathsCard,
};

inline constexpr std::array<const char *, 11> kSephiraCardImages{
    "The Aces",  "The Eights", "The Fives",  "The Fours", "The Kings", "The Nines",
    "The Pages", "The Queens", "The Sevens", "The Sixes", "The Tens",
};

inline constexpr std::array<const char *, 12> kPathCardImages{
    "Death",       "Justice",    "Strength",       "Temperance", "The Chariot", "The Devil",
    "The Emperor", "The Hermit", "The Hierophant", "The Lovers", "The Moon",    "The Star",
};

struct SephiraCardRow
{
    Sephira sephira;
    qint16 picture; // 1-based position in both Sephira-card image lists
    CardText firstSlotText;
    CardText secondSlotText;
    // Read from the list, so the name is always that of the card pictured; a position outside
    // the list does not compile.
    const char *cardName = kSephiraCardImages[std::size_t(picture - 1)];
};

static_assert(keyedByPosition(
    SephirothTable, [](const SephiraRow &r) { return r.sephira; },
    sephiraNumber(Sephira::Chokmah)));

inline constexpr std::array<SephiraCardRow, 9> SephiraCardTable{{
    {Sephira::Chokmah, 5, CardText::Chokmah, CardText::Chokmah},
    {Sephira::Binah, 8, CardText::Binah, CardText::Binah},
    {Sephira::Chesed, 4, CardText::Chesed, CardText::Chesed},
    {Sephira::Gevurah, 3, CardText::Gevurah, CardText::Gevurah},
    {Sephira::Tiphereth, 10, CardText::Tiphereth, CardText::Tiphereth},
    {Sephira::Netzach, 9, CardText::Netzach, CardText::NetzachSecond},
    {Sephira::Hod, 2, CardText::Hod, CardText::Hod},
    {Sephira::Yesod, 6, CardText::Yesod, CardText::Yesod},
    {Sephira::Malkhuth, 11, CardText::Malkhuth, CardText::Malkhuth},
}};

static_assert(keyedByPosition(
    SephiraCardTable, [](const SephiraCardRow &r) { return r.sephira; },
    sephiraNumber(Sephira::Chokmah)));

inline constexpr int kCardTextCount = int(CardText::Malkhuth) + 1;

// A card text takes its file name from the one Sephira whose card shows it: the row that shows it
// in the first slot or, where none does, the one row that shows it in the second.
constexpr bool everyCardTextHasOneSephira()
{
    for (int text = 0; text < kCardTextCount; ++text) {
        int first = 0;
        int second = 0;
        for (const SephiraCardRow &r : SephiraCardTable) {
            first += int(r.firstSlotText) == text ? 1 : 0;
            second += int(r.secondSlotText) == text ? 1 : 0;
        }
        if (first != 1 && !(first == 0 && second == 1))
            return false;
    }
    return true;
}
static_assert(everyCardTextHasOneSephira());

struct SignRow
{
    SunSign sign;
    Sephira one;
    Sephira two;
    PathKey path;
};

inline constexpr std::array<SignRow, kSignCount> SignTable{{
    {SunSign::Aries, Sephira::Chokmah, Sephira::Tiphereth, PathKey::He},
    {SunSign::Taurus, Sephira::Chokmah, Sephira::Chesed, PathKey::Vau},
    {SunSign::Gemini, Sephira::Binah, Sephira::Tiphereth, PathKey::Zaini},
    {SunSign::Cancer, Sephira::Binah, Sephira::Gevurah, PathKey::Cheth},
    {SunSign::Leo, Sephira::Chesed, Sephira::Gevurah, PathKey::Teth},
    {SunSign::Virgo, Sephira::Chesed, Sephira::Tiphereth, PathKey::Yod},
    {SunSign::Libra, Sephira::Gevurah, Sephira::Tiphereth, PathKey::Lamed},
    {SunSign::Scorpio, Sephira::Tiphereth, Sephira::Netzach, PathKey::Nun},
    {SunSign::Sagittarius, Sephira::Tiphereth, Sephira::Yesod, PathKey::Samekh},
    {SunSign::Capricorn, Sephira::Tiphereth, Sephira::Hod, PathKey::Ayin},
    {SunSign::Aquarius, Sephira::Netzach, Sephira::Yesod, PathKey::Tzaddi},
    {SunSign::Pisces, Sephira::Netzach, Sephira::Malkhuth, PathKey::Qoph},
}};

static_assert(keyedByPosition(SignTable, [](const SignRow &r) { return r.sign; }));

struct PathRow
{
    PathKey path;
    const char *name;
    const char *hebrewLetter;
    const char *location;
    const char *planet;
    const char *yetsiraticAttribution;
    const char *colour;
    const char *element;
    qint16 picture; // 1-based position in the path-card image list
    // Read from the list, like a Sephira's card name.
    const char *card = kPathCardImages[std::size_t(picture - 1)];
};

inline constexpr std::array<PathRow, kPathCount> PathTable{{
    {PathKey::He, "Path Of He", "Heh, which means window",
     "Connecting path between Chokmah and Tiphereth", "Mars", "Natural intelligence", "Light blue",
     "Fire", 7},
    {PathKey::Vau, "Path Of Vau", "Vau, which means nail",
     "Connecting path between Chokmah and Chesed", "Venus", "Triumphal intelligence", "Indigo",
     "Earth", 9},
    {PathKey::Zaini, "Path Of Zaini", "Zain, which means sword or the male sex organ",
     "Connecting path between Binah and Tiphereth", "Mercury", "Disposing intelligence", "Mauve",
     "Air", 10},
    {PathKey::Cheth, "Path Of Cheth", "Cheth, which means chariot",
     "Connecting path between Binah and Gevurah", "Moon", "Influencing Intelligence", "Maroon",
     "Water", 5},
    {PathKey::Teth, "Path Of Teth", "Teth, which means coiled serpent",
     "Connecting path between Chesed and Gevurah", "Sun", "Spiritual Intelligence", "Deep purple",
     "Air", 3},
    {PathKey::Yod, "Path Of Yod", "Yod, which means sperm of God.",
     "Connecting path between Chesed and Tiphereth", "Mercury", "Willful Intelligence",
     "Slate gray", "Air", 8},
    {PathKey::Lamed, "Path Of Lamed", "Lamed, which means to teach.",
     "Connecting path between Gevurah and Tiphereth", "Venus", "Faithful Intelligence", "Blue",
     "Air", 2},
    {PathKey::Nun, "Path Of Nun", "Nun, which means fish.",
     "Connecting path between Tiphereth and Netzach", "Mars", "Imaginative Intelligence", "Brown",
     "Fire", 1},
    {PathKey::Samekh, "Path Of Samekh", "Samekh, which means trust and closeness.",
     "Connecting path between Tiphereth and Yesod", "Jupiter", "Tentative Intelligence", "Yellow",
     "Fire", 4},
    {PathKey::Ayin, "Path Of Ayin", "Ayin, which means eye",
     "Connecting path between Tiphereth and Hod", "Saturn", "Renovating intelligence", "Black",
     "Earth", 6},
    {PathKey::Tzaddi, "Path Of Tzaddi", "Tzaddi, which means hook.",
     "Connecting path between Netzach and Yesod", "Uranus / Saturn", "Constituting Intelligence",
     "Red", "Earth", 12},
    {PathKey::Qoph, "Path Of Qoph", "Qoph, which means back of the head",
     "Connecting path between Netzach and Malkhuth", "Moon", "Corporeal Intelligence", "Buff",
     "Water", 11},
}};

static_assert(keyedByPosition(PathTable, [](const PathRow &r) { return r.path; }));

// The card name held at a 1-based list position, or an empty string where the list has none.
QString imageListCardName(ImageList list, int position);
// The number of pictures a list holds.
int imageListSize(ImageList list);

const SephiraRow &sephiraRowOf(Sephira s);
const SephiraCardRow &sephiraCardRowOf(Sephira s);
const SignRow &signRowOf(SunSign sign);
const PathRow &pathRowOf(PathKey path);

} // namespace Zorvane
