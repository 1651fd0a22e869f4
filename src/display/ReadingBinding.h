#pragma once

#include "Reading.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace Zorvane {

enum class SephiraSlot
{
    One,
    Two
};

enum class ControlKind
{
    Caption,   // a label
    TextPanel, // a read-only text panel
};

// Which control of the display shows which value of a reading. ApplyReading writes a reading
// through these tables and the report reads it back through them. The fields are typed member
// pointers, so a field that does not exist does not compile; the display window checks when it
// is built that every control named here exists as the kind given, so a renamed control stops
// the program at once instead of silently losing its value.
struct SephiraControl
{
    QString SephiraReading::*field;
    const char *one;
    const char *two;
    ControlKind kind;
};

struct PathControl
{
    QString PathReading::*field;
    const char *name;
    ControlKind kind;
};

struct SignControl
{
    QString Reading::*field;
    const char *name;
    ControlKind kind;
};

inline const SephiraControl kSephiraControls[] = {
    {&SephiraReading::Head, "lblOneSphereHead", "lblTwoSphereHead", ControlKind::Caption},
    {&SephiraReading::SphereDesc, "txtOneSphereDesc", "txtTwoSphereDesc", ControlKind::TextPanel},
    {&SephiraReading::AngelDesc, "txtOneAngelDesc", "txtTwoAngelDesc", ControlKind::TextPanel},
    {&SephiraReading::SphereSign, "lblOneSphereSign", "lblTwoSphereSign", ControlKind::Caption},
    {&SephiraReading::Position, "lblOnePositionInTreeOfLife", "lblTwoPositionInTreeOfLife",
     ControlKind::Caption},
    {&SephiraReading::PlanetaryRuler, "lblOnePlanetaryRuler", "lblTwoPlanetaryRuler",
     ControlKind::Caption},
    {&SephiraReading::Archangel, "lblOneArchangel", "lblTwoArchangel", ControlKind::Caption},
    {&SephiraReading::LuckyDay, "lblOneLuckyDay", "lblTwoLuckyDay", ControlKind::Caption},
    {&SephiraReading::Color, "lblOneColor", "lblTwoColor", ControlKind::Caption},
    {&SephiraReading::Wood, "lblOneWood", "lblTwoWood", ControlKind::Caption},
    {&SephiraReading::Keyword, "lblOneKeyword", "lblTwoKeyword", ControlKind::Caption},
    {&SephiraReading::Metal, "lblOneMetal", "lblTwoMetal", ControlKind::Caption},
    {&SephiraReading::CardName, "lbSephirothSOneCardName", "lbSephirothSTwoCardName",
     ControlKind::Caption},
    {&SephiraReading::CardDesc, "txtOneSephriothCardDesc", "txtTwoSephriothCardDesc",
     ControlKind::TextPanel},
};

inline const PathControl kPathControls[] = {
    {&PathReading::Name, "lblPathName", ControlKind::Caption},
    {&PathReading::Description, "txtPathDecs", ControlKind::TextPanel},
    {&PathReading::HebrewLetter, "lblHebrewLetter", ControlKind::Caption},
    {&PathReading::Location, "lblLocation", ControlKind::Caption},
    {&PathReading::Planet, "lblCorrespondingPlanet", ControlKind::Caption},
    {&PathReading::YetsiraticAttribution, "lblYetsiraticAttribution", ControlKind::Caption},
    {&PathReading::Color, "lblColor", ControlKind::Caption},
    {&PathReading::Element, "lblElement", ControlKind::Caption},
    {&PathReading::CardName, "lblPathsCardName", ControlKind::Caption},
    {&PathReading::CardDesc, "txtAboutYourPathsCards", ControlKind::TextPanel},
};

inline const SignControl kSignControls[] = {
    {&Reading::SunSignName, "lblSunSignName", ControlKind::Caption},
    {&Reading::SunSignDesc, "lblSunSignDesc", ControlKind::Caption},
};

// The path's name is shown a second time, on the sun-sign page.
inline constexpr char kSecondPathNameControl[] = "lblLiesPathName";

// The card pictures: the Sephiroth's cards, One then Two, and the path's trump.
inline constexpr const char *kSephiraCardPictureControls[] = {"PicOneSephirothsCard",
                                                              "PicTwoSephirothsCard"};
inline constexpr char kPathCardPictureControl[] = "picPathsCard";

// The control that shows a field; every field of the tables above has one.
const char *controlFor(SephiraSlot slot, QString SephiraReading::*field);
const char *controlFor(QString PathReading::*field);
const char *controlFor(QString Reading::*field);

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

// The controls named in the tables above that display lacks, or has as another kind. The display
// window stops the program when it is built with any.
QStringList missingReadingControls(const QWidget &display);

} // namespace Zorvane
