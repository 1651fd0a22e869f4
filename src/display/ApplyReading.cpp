#include "ApplyReading.h"

#include "Controls.h"
#include "DiagramItem.h"
#include "DisplayWindow.h"
#include "Reading.h"
#include "TreeOfLife.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace Zorvane {

namespace {

// Every write finds its control by name on its own, so a control that is missing only loses
// its own value.
class DisplayWriter
{
public:
    explicit DisplayWriter(DisplayWindow &display) : m_display(display) {}

    void caption(const QString &control, const QString &value) const
    {
        setCaption(m_display.findChild<QLabel *>(control), value);
    }

    void text(const QString &control, const QString &value) const
    {
        if (auto *panel = m_display.findChild<QPlainTextEdit *>(control))
            panel->setPlainText(value);
    }

    void picture(const QString &control, ImageList list, int position) const
    {
        setCardPicture(m_display.findChild<QLabel *>(control), list, position);
    }

    void show(const QString &control) const
    {
        if (auto *label = m_display.findChild<QLabel *>(control))
            label->show();
    }

    void highlight(const QString &item) const
    {
        if (auto *shape = m_display.findChild<DiagramItem *>(item))
            shape->setColor(kHighlight);
    }

    void highlightCircle(int index) const { highlight(QStringLiteral("ShpCircle(%1)").arg(index)); }

    // Head, SphereDesc, AngelDesc, SphereSign, Position, PlanetaryRuler, Archangel, LuckyDay,
    // Color, Wood, Keyword, Metal.
    void sephira(const QString &slot, const SephiraReading &s) const
    {
        caption(u"lbl" + slot + u"SphereHead", s.Head);
        text(u"txt" + slot + u"SphereDesc", s.SphereDesc);
        text(u"txt" + slot + u"AngelDesc", s.AngelDesc);
        caption(u"lbl" + slot + u"SphereSign", s.SphereSign);
        caption(u"lbl" + slot + u"PositionInTreeOfLife", s.Position);
        caption(u"lbl" + slot + u"PlanetaryRuler", s.PlanetaryRuler);
        caption(u"lbl" + slot + u"Archangel", s.Archangel);
        caption(u"lbl" + slot + u"LuckyDay", s.LuckyDay);
        caption(u"lbl" + slot + u"Color", s.Color);
        caption(u"lbl" + slot + u"Wood", s.Wood);
        caption(u"lbl" + slot + u"Keyword", s.Keyword);
        caption(u"lbl" + slot + u"Metal", s.Metal);
    }

private:
    DisplayWindow &m_display;
};

} // namespace

void ApplyReading(DisplayWindow &display, qint16 monthPos, qint16 dayPos)
{
    const std::optional<SunSign> sign = SignFromDate(monthPos, dayPos);
    if (!sign)
        return;
    const Reading r = BuildReading(*sign);
    const DisplayWriter w(display);

    w.show(r.highlight.zodiacLabel);
    w.highlightCircle(r.highlight.circleOne);
    w.highlight(r.highlight.line);
    w.sephira(QStringLiteral("One"), r.One);

    w.highlightCircle(r.highlight.circleTwo);
    w.sephira(QStringLiteral("Two"), r.Two);

    w.caption(QStringLiteral("lblPathName"), r.Path.Name);
    w.text(QStringLiteral("txtPathDecs"), r.Path.Description);
    w.caption(QStringLiteral("lblHebrewLetter"), r.Path.HebrewLetter);
    w.caption(QStringLiteral("lblLocation"), r.Path.Location);
    w.caption(QStringLiteral("lblCorrespondingPlanet"), r.Path.Planet);
    w.caption(QStringLiteral("lblYetsiraticAttribution"), r.Path.YetsiraticAttribution);
    w.caption(QStringLiteral("lblColor"), r.Path.Color);
    w.caption(QStringLiteral("lblElement"), r.Path.Element);

    w.caption(QStringLiteral("lblSunSignDesc"), r.SunSignDesc);
    w.caption(QStringLiteral("lblSunSignName"), r.SunSignName);
    w.caption(QStringLiteral("lblLiesPathName"), r.Path.Name);

    w.picture(QStringLiteral("picPathsCard"), ImageList::PathsCard, r.Path.CardPicture);
    w.text(QStringLiteral("txtAboutYourPathsCards"), r.Path.CardDesc);
    w.caption(QStringLiteral("lblPathsCardName"), r.Path.CardName);

    w.picture(QStringLiteral("PicOneSephirothsCard"), ImageList::SephirothsOneCard,
              r.One.CardPicture);
    w.picture(QStringLiteral("PicTwoSephirothsCard"), ImageList::SephirothsTwoCard,
              r.Two.CardPicture);
    w.text(QStringLiteral("txtOneSephriothCardDesc"), r.One.CardDesc);
    w.text(QStringLiteral("txtTwoSephriothCardDesc"), r.Two.CardDesc);
    w.caption(QStringLiteral("lbSephirothSOneCardName"), r.One.CardName);
    w.caption(QStringLiteral("lbSephirothSTwoCardName"), r.Two.CardName);
}

} // namespace Zorvane
