#include "ApplyReading.h"

#include "Controls.h"
#include "DisplayWindow.h"
#include "Reading.h"
#include "ReadingBinding.h"
#include "TreeOfLife.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace Zorvane {

namespace {

template <typename... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// Writes into the display's controls. Every control the binding names is checked when the
// display is built; should one be gone by the time of writing, only its own value is lost.
class DisplayWriter
{
public:
    DisplayWriter(DisplayWindow &display, const Reading &reading)
        : m_controls(&display), m_reading(reading)
    {
    }

    void write(const ReadingField &f, SephiraSlot slot) const
    {
        const char *control = f.controls[std::size_t(slot)];
        const SephiraReading &sephira = slot == SephiraSlot::One ? m_reading.One : m_reading.Two;
        const ImageList sephiraCards =
            slot == SephiraSlot::One ? ImageList::SephirothsOneCard : ImageList::SephirothsTwoCard;
        std::visit(Overloaded{
                       [&](QString SephiraReading::*text) { write(control, sephira.*text); },
                       [&](QString PathReading::*text) { write(control, m_reading.Path.*text); },
                       [&](QString Reading::*text) { write(control, m_reading.*text); },
                       [&](qint16 SephiraReading::*card) {
                           picture(control, sephiraCards, sephira.*card);
                       },
                       [&](qint16 PathReading::*card) {
                           picture(control, ImageList::PathsCard, m_reading.Path.*card);
                       },
                   },
                   f.value);
    }

private:
    void write(const char *control, const QString &value) const
    {
        QObject *c = m_controls.find(control);
        if (auto *label = qobject_cast<QLabel *>(c))
            setCaption(label, value);
        else if (auto *panel = qobject_cast<QPlainTextEdit *>(c))
            panel->setPlainText(value);
    }

    void picture(const char *control, ImageList list, int position) const
    {
        setCardPicture(m_controls.find<QLabel>(control), list, position);
    }

    const ControlsByName m_controls;
    const Reading &m_reading;
};

struct Write
{
    const ReadingField *field = nullptr;
    SephiraSlot slot = SephiraSlot::One;
};

} // namespace

void ApplyReading(DisplayWindow &display, qint16 monthPos, qint16 dayPos)
{
    if (const std::optional<SunSign> sign = SignFromDate(monthPos, dayPos))
        ApplyReading(display, *sign);
}

void ApplyReading(DisplayWindow &display, SunSign sign)
{
    const Reading r = buildReading(sign);
    const Highlight &h = r.highlight;
    const DisplayWriter writer(display, r);
    TreeOfLife &tree = *display.treeOfLife();

    std::array<Write, kWriteStepCount + 1> writes{};
    for (const ReadingField &f : kReadingFields) {
        for (int slot = 0; slot < slotCount(f); ++slot)
            writes[std::size_t(f.writeSteps[std::size_t(slot)])] = {&f, SephiraSlot(slot)};
    }
    for (int step = 1; step <= kWriteStepCount; ++step) {
        if (step == kTreeWriteSteps.trump)
            tree.showTrump(h.sign);
        else if (step == kTreeWriteSteps.circleOne)
            tree.highlightSphere(h.one);
        else if (step == kTreeWriteSteps.path)
            tree.highlightPath(h.one, h.two);
        else if (step == kTreeWriteSteps.circleTwo)
            tree.highlightSphere(h.two);
        else
            writer.write(*writes[std::size_t(step)].field, writes[std::size_t(step)].slot);
    }
}

} // namespace Zorvane
