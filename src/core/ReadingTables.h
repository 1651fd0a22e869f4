#pragma once

#include "SunSign.h"

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
inline constexpr int kSphereCount = 11;

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
inline constexpr int kSphereTextCount = 11;

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
inline constexpr int kAngelTextCount = 10;

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
inline constexpr int kPathCount = 12;

struct SephiraRow
{
    Sephira sephira;
    const char *name;
    const char *position;
    const char *ruler;
    const char *archangel; // as displayed
    const char *day;
    const char *colour;
    const char *wood;
    const char *keyword;
    const char *metal;
    SphereText sphereText;
    AngelText angelText;
};

// Empty cells are empty strings. Hod's archangel is displayed "Micheal"; its text is Michael's.
inline constexpr std::array<SephiraRow, 9> SephirothTable{{
    {Sephira::Chokmah, "Chokmah", "2nd", "Uranus", "Raziel", "", "Gray or Silver", "Musk",
     "Wisdom, Revelation", "", SphereText::Chokmah, AngelText::Raziel},
    {Sephira::Binah, "Binah", "3rd", "Saturn", "Tzaphqiel", "Saturday", "Black", "Pine or Juniper",
     "Understanding, Intelligence, Reason", "Lead", SphereText::Binah, AngelText::Tzaphqiel},
    {Sephira::Chesed, "Chesed", "4th", "Jupiter", "Tzadqiel", "Thursday", "Blue", "Oak",
     "Love, Kindness, Mercy", "Tin", SphereText::Chesed, AngelText::Tzadqiel},
    {Sephira::Gevurah, "Gevurah", "5th", "Mars", "Kamael", "Tuesday", "Red", "Cedar",
     "Restraint, Justice", "Iron", SphereText::Gevurah, AngelText::Kamael},
    {Sephira::Tiphereth, "Tiphereth", "6th", "Sun", "Raphael", "Sunday", "Gold or Yellow", "Laurel",
     "Beauty, Equilibirum", "Gold", SphereText::Tiphereth, AngelText::Raphael},
    {Sephira::Netzach, "Netzach", "7th", "Venus", "Haniel", "Friday", "Green", "Myrtle",
     "Victory, Endurance, Prophecy, Eternity", "Copper", SphereText::Netzach, AngelText::Haniel},
    {Sephira::Hod, "Hod", "8th", "Mercury", "Micheal", "Wednesday", "Purple, Brown", "Hazelwood",
     "Splendour, Truthfulness, Communication", "Mercury/ Quicksilver", SphereText::Hod,
     AngelText::Michael},
    {Sephira::Yesod, "Yesod", "9th", "Moon", "Gabriel", "Monday", "Gray or Silver", "Willow",
     "Foundation, Passion, Truth", "Silver", SphereText::Yesod, AngelText::Gabriel},
    {Sephira::Malkhuth, "Malkhuth", "10th", "Earth", "Sandalphon", "", "", "",
     "Kingdom, Beginnings", "", SphereText::Malkhuth, AngelText::Sandalphon},
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

struct SephiraCardRow
{
    Sephira sephira;
    const char *cardName;
    qint16 picture; // 1-based position in both Sephira-card image lists
    CardText firstSlotText;
    CardText secondSlotText;
};

inline constexpr std::array<SephiraCardRow, 9> SephiraCardTable{{
    {Sephira::Chokmah, "The Kings", 5, CardText::Chokmah, CardText::Chokmah},
    {Sephira::Binah, "The Queens", 8, CardText::Binah, CardText::Binah},
    {Sephira::Chesed, "The Fours", 4, CardText::Chesed, CardText::Chesed},
    {Sephira::Gevurah, "The Fives", 3, CardText::Gevurah, CardText::Gevurah},
    {Sephira::Tiphereth, "The Sixes", 10, CardText::Tiphereth, CardText::Tiphereth},
    {Sephira::Netzach, "The Sevens", 9, CardText::Netzach, CardText::NetzachSecond},
    {Sephira::Hod, "The Eights", 2, CardText::Hod, CardText::Hod},
    {Sephira::Yesod, "The Nines", 6, CardText::Yesod, CardText::Yesod},
    {Sephira::Malkhuth, "The Tens", 11, CardText::Malkhuth, CardText::Malkhuth},
}};

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
    const char *card;
    qint16 picture; // 1-based position in the path-card image list
};

inline constexpr std::array<PathRow, kPathCount> PathTable{{
    {PathKey::He, "Path Of He", "Heh, which means window",
     "Connecting path between Chokmah and Tiphereth", "Mars", "Natural intelligence", "Light blue",
     "Fire", "The Emperor", 7},
    {PathKey::Vau, "Path Of Vau", "Vau, which means nail",
     "Connecting path between Chokmah and Chesed", "Venus", "Triumphal intelligence", "Indigo",
     "Earth", "The Hierophant", 9},
    {PathKey::Zaini, "Path Of Zaini", "Zain, which means sword or the male sex organ",
     "Connecting path between Binah and Tiphereth", "Mercury", "Disposing intelligence", "Mauve",
     "Air", "The Lovers", 10},
    {PathKey::Cheth, "Path Of Cheth", "Cheth, which means chariot",
     "Connecting path between Binah and Gevurah", "Moon", "Influencing Intelligence", "Maroon",
     "Water", "The Chariot", 5},
    {PathKey::Teth, "Path Of Teth", "Teth, which means coiled serpent",
     "Connecting path between Chesed and Gevurah", "Sun", "Spiritual Intelligence", "Deep purple",
     "Air", "Strength", 3},
    {PathKey::Yod, "Path Of Yod", "Yod, which means sperm of God.",
     "Connecting path between Chesed and Tiphereth", "Mercury", "Willful Intelligence",
     "Slate gray", "Air", "The Hermit", 8},
    {PathKey::Lamed, "Path Of Lamed", "Lamed, which means to teach.",
     "Connecting path between Gevurah and Tiphereth", "Venus", "Faithful Intelligence", "Blue",
     "Air", "Justice", 2},
    {PathKey::Nun, "Path Of Nun", "Nun, which means fish.",
     "Connecting path between Tiphereth and Netzach", "Mars", "Imaginative Intelligence", "Brown",
     "Fire", "Death", 1},
    {PathKey::Samekh, "Path Of Samekh", "Samekh, which means trust and closeness.",
     "Connecting path between Tiphereth and Yesod", "Jupiter", "Tentative Intelligence", "Yellow",
     "Fire", "Temperance", 4},
    {PathKey::Ayin, "Path Of Ayin", "Ayin, which means eye",
     "Connecting path between Tiphereth and Hod", "Saturn", "Renovating intelligence", "Black",
     "Earth", "The Devil", 6},
    {PathKey::Tzaddi, "Path Of Tzaddi", "Tzaddi, which means hook.",
     "Connecting path between Netzach and Yesod", "Uranus / Saturn", "Constituting Intelligence",
     "Red", "Earth", "The Star", 12},
    {PathKey::Qoph, "Path Of Qoph", "Qoph, which means back of the head",
     "Connecting path between Netzach and Malkhuth", "Moon", "Corporeal Intelligence", "Buff",
     "Water", "The Moon", 11},
}};

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

// The card name held at a 1-based list position, or an empty string where the list has none.
QString imageListCardName(ImageList list, int position);
// The number of pictures a list holds.
int imageListSize(ImageList list);

const SephiraRow &sephiraRowOf(Sephira s);
const SephiraCardRow &sephiraCardRowOf(Sephira s);
const SignRow &signRowOf(SunSign sign);
const PathRow &pathRowOf(PathKey path);

} // namespace Zorvane
