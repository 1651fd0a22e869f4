#pragma once

#include "Reading.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

class QWidget;

namespace Zorvane {

enum class SephiraSlot
{
    One,
    Two
};
// A reading shows two Sephiroth, one in each slot.
inline constexpr int kSlotCount = 2;

enum class ControlKind
{
    Caption,     // a label
    TextPanel,   // a read-only text panel
    CardPicture, // a label showing a card of an image list
};

// What the report makes of a field, block by block (the Sephiroth, the path, the sun sign).
enum class ReportRun
{
    Omitted,  // shown on screen only
    Heading,  // the control's caption heads the block, followed by " :- "
    Lead,     // the value alone, straight after the heading
    Labelled, // the row's label, then the value
};

// A value of a reading: a text or a card picture of a Sephira (taken from the slot's Sephira), of
// the path, or of the sun sign. A card picture is the 1-based position in its image list.
using ReadingValue =
    std::variant<QString SephiraReading::*, QString PathReading::*, QString Reading::*,
                 qint16 SephiraReading::*, qint16 PathReading::*>;

// One row per value the display shows. ApplyReading writes a reading by walking these rows in the
// order of their write steps, and the report is composed by walking them in table order; the
// display window checks when it is built that every control named here exists as the kind given,
// so a renamed control stops the program at once instead of silently losing its value.
struct ReadingField
{
    ReadingValue value;
    // Slot One's control, then slot Two's; a path or sun-sign value has only the first.
    std::array<const char *, kSlotCount> controls;
    ControlKind kind;
    ReportRun report;
    const char *reportLabel;
    // The place of each control's write in the fixed order of writes, counted from 1; the diagram's
    // marks (kTreeWriteSteps) take their places in the same count.
    std::array<int, kSlotCount> writeSteps;
};

// Short names for the table below.
namespace binding {
using S = SephiraReading;
using P = PathReading;
using R = Reading;
constexpr ControlKind kCaption = ControlKind::Caption;
constexpr ControlKind kPanel = ControlKind::TextPanel;
constexpr ControlKind kPicture = ControlKind::CardPicture;
constexpr ReportRun kOmitted = ReportRun::Omitted;
constexpr ReportRun kHeading = ReportRun::Heading;
constexpr ReportRun kLead = ReportRun::Lead;
constexpr ReportRun kLabelled = ReportRun::Labelled;

// In the report's order within each block. Columns: the value; its control, or slot One's and
// Two's; the kind of control; what the report makes of it, with its label; the write step of
// each control.
// clang-format off
inline constexpr ReadingField kReadingFields[] = {
    // The Sephiroth.
    {&S::Head, {"lblOneSphereHead", "lblTwoSphereHead"}, kCaption, kHeading, "", {4, 17}},
    {&S::SphereDesc, {"txtOneSphereDesc", "txtTwoSphereDesc"}, kPanel, kLead, "", {5, 18}},
    {&S::AngelDesc, {"txtOneAngelDesc", "txtTwoAngelDesc"}, kPanel, kLabelled, "About Your Archangel :- ", {6, 19}},
    {&S::SphereSign, {"lblOneSphereSign", "lblTwoSphereSign"}, kCaption, kLabelled, "Sphere Sign :- ", {7, 20}},
    {&S::Position, {"lblOnePositionInTreeOfLife", "lblTwoPositionInTreeOfLife"}, kCaption, kLabelled, "Position In Tree Of Life :- ", {8, 21}},
    {&S::PlanetaryRuler, {"lblOnePlanetaryRuler", "lblTwoPlanetaryRuler"}, kCaption, kLabelled, "Planetary Ruler :- ", {9, 22}},
    {&S::Archangel, {"lblOneArchangel", "lblTwoArchangel"}, kCaption, kLabelled, "Archangel :- ", {10, 23}},
    {&S::LuckyDay, {"lblOneLuckyDay", "lblTwoLuckyDay"}, kCaption, kLabelled, "Lucky Day :- ", {11, 24}},
    {&S::Color, {"lblOneColor", "lblTwoColor"}, kCaption, kLabelled, "Color  :- ", {12, 25}},
    {&S::Wood, {"lblOneWood", "lblTwoWood"}, kCaption, kLabelled, "Wood  :- ", {13, 26}},
    {&S::Keyword, {"lblOneKeyword", "lblTwoKeyword"}, kCaption, kLabelled, "Keyword  :- ", {14, 27}},
    {&S::Metal, {"lblOneMetal", "lblTwoMetal"}, kCaption, kLabelled, "Metal  :- ", {15, 28}},
    {&S::CardName, {"lbSephirothSOneCardName", "lbSephirothSTwoCardName"}, kCaption, kLabelled, "Tarot Cards Associated With Sephiroths :- ", {47, 48}},
    {&S::CardDesc, {"txtOneSephriothCardDesc", "txtTwoSephriothCardDesc"}, kPanel, kLabelled, "More About Card :- ", {45, 46}},
    {&S::CardPicture, {"PicOneSephirothsCard", "PicTwoSephirothsCard"}, kPicture, kOmitted, "", {43, 44}},
    // The path.
    {&P::Name, {"lblPathName"}, kCaption, kHeading, "", {29}},
    {&P::Description, {"txtPathDecs"}, kPanel, kLead, "", {30}},
    {&P::HebrewLetter, {"lblHebrewLetter"}, kCaption, kLabelled, "Hebrew Letter  :- ", {31}},
    {&P::Location, {"lblLocation"}, kCaption, kLabelled, "Location :- ", {32}},
    {&P::Planet, {"lblCorrespondingPlanet"}, kCaption, kLabelled, "Corresponding Planet :- ", {33}},
    {&P::YetsiraticAttribution, {"lblYetsiraticAttribution"}, kCaption, kLabelled, "Yetsiratic Attribution :- ", {34}},
    {&P::Color, {"lblColor"}, kCaption, kLabelled, "Color :- ", {35}},
    {&P::Element, {"lblElement"}, kCaption, kLabelled, "Element :- ", {36}},
    {&P::CardName, {"lblPathsCardName"}, kCaption, kLabelled, "Tarot Cards Associated With The Paths :- ", {42}},
    {&P::CardDesc, {"txtAboutYourPathsCards"}, kPanel, kLabelled, "More About Card :- ", {41}},
    {&P::CardPicture, {"picPathsCard"}, kPicture, kOmitted, "", {40}},
    // The sun sign; its page names the path a second time.
    {&R::SunSignDesc, {"lblSunSignDesc"}, kCaption, kLabelled, "SunSignName :- ", {37}},
    {&R::SunSignName, {"lblSunSignName"}, kCaption, kOmitted, "", {38}},
    {&P::Name, {"lblLiesPathName"}, kCaption, kOmitted, "", {39}},
};
// clang-format on
} // namespace binding
using binding::kReadingFields;

// The diagram's marks in the same order of writes: the sign's trump, the first Sephira's circle,
// the path between the two, then, after the first Sephira's values, the second one's circle.
struct TreeWriteSteps
{
    int trump;
    int circleOne;
    int path;
    int circleTwo;
};
inline constexpr TreeWriteSteps kTreeWriteSteps{1, 2, 3, 16};

// The blocks of the report, which are also the display's tabs, with their captions.
enum class ReadingBlock
{
    Sephiroth,
    Path,
    SunSign,
};
inline constexpr std::size_t kBlockCount = std::size_t(ReadingBlock::SunSign) + 1;

struct BlockCaption
{
    ReadingBlock block;
    const char *caption;
};
// In block order, so indexed by ReadingBlock.
inline constexpr std::array<BlockCaption, kBlockCount> kBlockCaptions{{
    {ReadingBlock::Sephiroth, "Attributes Of Sephiroths  Associated With Your Sun Sign"},
    {ReadingBlock::Path, "Attributes Of The Path  Associated with Your Sun Sign"},
    {ReadingBlock::SunSign, "About Your Sun Sign And Sephiroths "},
}};
static_assert(keyedByPosition(kBlockCaptions, [](const BlockCaption &r) { return r.block; }));

// A value of a Sephira is shown once for each slot; any other value once.
constexpr bool isSephiraValue(const ReadingField &f)
{
    return std::holds_alternative<QString SephiraReading::*>(f.value) ||
           std::holds_alternative<qint16 SephiraReading::*>(f.value);
}
constexpr int slotCount(const ReadingField &f)
{
    return isSephiraValue(f) ? kSlotCount : 1;
}

constexpr ReadingBlock blockOf(const ReadingField &f)
{
    if (isSephiraValue(f))
        return ReadingBlock::Sephiroth;
    if (std::holds_alternative<QString Reading::*>(f.value))
        return ReadingBlock::SunSign;
    return ReadingBlock::Path;
}

// The number of writes: one for each control of the table, and the diagram's four marks.
constexpr int writeStepCount()
{
    int count = 4;
    for (const ReadingField &f : kReadingFields)
        count += slotCount(f);
    return count;
}
inline constexpr int kWriteStepCount = writeStepCount();

// Every write has its own step, the steps run from 1 without a gap, and a row names a control
// exactly for each slot it is written in.
constexpr bool writeStepsAreAnOrder()
{
    std::array<int, kWriteStepCount + 1> seen{};
    const auto see = [&seen](int step) {
        if (step < 1 || step > kWriteStepCount)
            return false;
        return ++seen[std::size_t(step)] == 1;
    };
    if (!see(kTreeWriteSteps.trump) || !see(kTreeWriteSteps.circleOne) ||
        !see(kTreeWriteSteps.path) || !see(kTreeWriteSteps.circleTwo))
        return false;
    for (const ReadingField &f : kReadingFields) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const bool used = slot < slotCount(f);
            if (used != (f.controls[std::size_t(slot)] != nullptr))
                return false;
            if (used ? !see(f.writeSteps[std::size_t(slot)]) : f.writeSteps[std::size_t(slot)] != 0)
                return false;
        }
    }
    return true;
}
static_assert(
    writeStepsAreAnOrder(),
    "each control of the reading, and each mark of the diagram, needs its own write step");

// The display's objects by name, gathered in one walk over the window. A reading writes, and the
// report reads back, some sixty controls; finding each by name would walk the window each time.
class ControlsByName
{
public:
    explicit ControlsByName(const QObject *display);

    // The first object of that name, as findChild gives it; null when there is none.
    QObject *find(const char *name) const;
    template <typename T> T *find(const char *name) const { return qobject_cast<T *>(find(name)); }

private:
    void add(const QObject *parent);

    QHash<QString, QObject *> m_objects;
};

// What a control of the display shows now, or nothing when there is no such control.
std::optional<QString> shownText(const ControlsByName &display, const char *control);

// The controls named in the table above that display lacks, or has as another kind. The display
// window stops the program when it is built with any.
QStringList missingReadingControls(const QWidget &display);

} // namespace Zorvane
