#include "ApplyReading.h"

#include "Controls.h"
#include "Design.h"
#include "DiagramItem.h"
#include "DisplayWindow.h"
#include "Reading.h"
#include "ReadingBinding.h"
#include "TreeOfLife.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace Zorvane {

namespace {

// Writes into the display's controls. Every control the binding names is checked when the
// display is built; should one be gone by the time of writing, only its own value is lost.
class DisplayWriter
{
public:
    explicit DisplayWriter(DisplayWindow &display) : m_controls(&display) {}

    void write(const char *control, const QString &value) const
    {
        QObject *c = find<QObject>(control);
        if (auto *label = qobject_cast<QLabel *>(c))
            setCaption(label, value);
        else if (auto *panel = qobject_cast<QPlainTextEdit *>(c))
            panel->setPlainText(value);
    }

    void picture(const char *control, ImageList list, int position) const
    {
        setCardPicture(find<QLabel>(control), list, position);
    }

    void showTrump(SunSign sign) const
    {
        if (auto *label = find<QLabel>(qPrintable(u"lbl" + sunSignName(sign))))
            label->show();
    }

    void highlight(const QString &item) const
    {
        if (auto *shape = find<DiagramItem>(qPrintable(item)))
            shape->setColor(kHighlight);
    }

    void highlightCircle(Sephira s) const
    {
        highlight(QStringLiteral("ShpCircle(%1)").arg(sephiraIndexOf(s)));
    }

    // The path between two Sephiroth is the line named after both their numbers.
    void highlightPath(Sephira one, Sephira two) const
    {
        highlight(u"ln" + QString::number(sephiraNumber(one)) +
                  QString::number(sephiraNumber(two)));
    }

    void sephira(SephiraSlot slot, const SephiraReading &s) const
    {
        for (QString SephiraReading::*field :
             {&SephiraReading::Head, &SephiraReading::SphereDesc, &SephiraReading::AngelDesc,
              &SephiraReading::SphereSign, &SephiraReading::Position,
              &SephiraReading::PlanetaryRuler, &SephiraReading::Archangel,
              &SephiraReading::LuckyDay, &SephiraReading::Color, &SephiraReading::Wood,
              &SephiraReading::Keyword, &SephiraReading::Metal})
            write(controlFor(slot, field), s.*field);
    }

private:
    template <typename T> T *find(const char *name) const { return m_controls.find<T>(name); }

    const ControlsByName m_controls;
};

} // namespace

void ApplyReading(DisplayWindow &display, qint16 monthPos, qint16 dayPos)
{
    if (const std::optional<SunSign> sign = SignFromDate(monthPos, dayPos))
        ApplyReading(display, *sign);
}

void ApplyReading(DisplayWindow &display, SunSign sign)
{
    const Reading r = BuildReading(sign);
    const Highlight &h = r.highlight;
    const DisplayWriter w(display);

    w.showTrump(h.sign);
    w.highlightCircle(h.one);
    w.highlightPath(h.one, h.two);
    w.sephira(SephiraSlot::One, r.One);

    w.highlightCircle(h.two);
    w.sephira(SephiraSlot::Two, r.Two);

    for (QString PathReading::*field :
         {&PathReading::Name, &PathReading::Description, &PathReading::HebrewLetter,
          &PathReading::Location, &PathReading::Planet, &PathReading::YetsiraticAttribution,
          &PathReading::Color, &PathReading::Element})
        w.write(controlFor(field), r.Path.*field);

    w.write(controlFor(&Reading::SunSignDesc), r.SunSignDesc);
    w.write(controlFor(&Reading::SunSignName), r.SunSignName);
    w.write(kSecondPathNameControl, r.Path.Name);

    w.picture(kPathCardPictureControl, ImageList::PathsCard, r.Path.CardPicture);
    w.write(controlFor(&PathReading::CardDesc), r.Path.CardDesc);
    w.write(controlFor(&PathReading::CardName), r.Path.CardName);

    w.picture(kSephiraCardPictureControls[0], ImageList::SephirothsOneCard, r.One.CardPicture);
    w.picture(kSephiraCardPictureControls[1], ImageList::SephirothsTwoCard, r.Two.CardPicture);
    w.write(controlFor(SephiraSlot::One, &SephiraReading::CardDesc), r.One.CardDesc);
    w.write(controlFor(SephiraSlot::Two, &SephiraReading::CardDesc), r.Two.CardDesc);
    w.write(controlFor(SephiraSlot::One, &SephiraReading::CardName), r.One.CardName);
    w.write(controlFor(SephiraSlot::Two, &SephiraReading::CardName), r.Two.CardName);
}

} // namespace Zorvane
