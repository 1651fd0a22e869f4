#include "TreeOfLife.h"

#include "Accessibility.h"
#include "Controls.h"
#include "Design.h"
#include "DiagramItem.h"
#include "FocusMark.h"
#include "HandCursor.h"
#include "Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace Zorvane {

namespace {

constexpr double kCircleWidth = 735;
constexpr double kCircleHeight = 615;
constexpr int kPathLineWidth = 6;
constexpr int kLeaderLineWidth = 2;

struct Sphere
{
    int index;
    double circleLeft;
    double circleTop;
    const char *number; // with the blanks around it, which decide where the caption breaks
    double labelLeft;
    double labelWidth;
};

// By sphere index: the Sephira's number minus one, Daat last. The caption is the number followed
// by the sphere's name.
constexpr std::array<Sphere, kSphereCount> kSpheres{{
    {0, 1560, 120, "   1   ", 1560, 735},
    {1, 2760, 1080, " 2 ", 2640, 975},
    {2, 360, 1080, "     3     ", 360, 735},
    {3, 2760, 2520, " 4 ", 2760, 735},
    {4, 360, 2520, "5 ", 240, 855},
    {5, 1560, 3600, "6 ", 1440, 975},
    {6, 2760, 4560, " 7 ", 2640, 975},
    {7, 360, 4560, "    8    ", 360, 735},
    {8, 1560, 5520, " 9  ", 1560, 735},
    {9, 1560, 6600, " 10 ", 1440, 945},
    {kDaatIndex, 1560, 1560, "         ", 1560, 735},
}};
static_assert(keyedByPosition(kSpheres, [](const Sphere &s) { return s.index; }));
constexpr int kKeter = sephiraIndexOf(Sephira::Keter);
constexpr int kMalkhuth = sephiraIndexOf(Sephira::Malkhuth);

struct Segment
{
    const char *name;
    double x1;
    double y1;
    double x2;
    double y2;
};

// A path of the Tree between the Sephiroth of two numbers, lower first, drawn rim to rim.
struct PathLine
{
    int from;
    int to;
    double x1;
    double y1;
    double x2;
    double y2;
};

constexpr std::array<PathLine, kPathLineCount> kPathLines{{
    {1, 2, 2160, 600, 3000, 1080},   {1, 3, 1800, 480, 720, 1200},   {1, 6, 1920, 720, 1920, 3600},
    {2, 3, 960, 1440, 2760, 1440},   {2, 4, 3240, 1680, 3240, 2640}, {2, 6, 3000, 1560, 1920, 3840},
    {3, 5, 600, 1560, 600, 2640},    {3, 6, 840, 1560, 1800, 3600},  {4, 5, 960, 2760, 2760, 2760},
    {4, 6, 2880, 2880, 2040, 3720},  {4, 7, 3240, 3120, 3240, 4680}, {5, 6, 960, 2880, 1800, 3720},
    {5, 8, 600, 3000, 600, 4680},    {6, 7, 2160, 4080, 2880, 4800}, {6, 8, 1680, 4080, 960, 4800},
    {6, 9, 1920, 4200, 1920, 5520},  {7, 8, 1080, 4800, 2880, 4800}, {7, 9, 2880, 5040, 2160, 5640},
    {7, 10, 3120, 5040, 2160, 6720}, {8, 9, 960, 5040, 1680, 5760},  {8, 10, 720, 5040, 1680, 6720},
    {9, 10, 1920, 6120, 1920, 6600},
}};

constexpr int pathLineIndex(int from, int to)
{
    for (std::size_t i = 0; i < kPathLines.size(); ++i) {
        if (kPathLines[i].from == std::min(from, to) && kPathLines[i].to == std::max(from, to))
            return int(i);
    }
    return -1;
}

constexpr bool everySignHasItsPath()
{
    for (const SignRow &row : SignTable) {
        if (pathLineIndex(sephiraNumber(row.one), sephiraNumber(row.two)) < 0)
            return false;
    }
    return true;
}
static_assert(everySignHasItsPath(), "a sign's two Sephiroth must be joined by a path line");

struct PathName
{
    const char *label;
    const char *caption;
    double left;
    double top;
    Segment leader; // from a point on the path to just left of the label
};

constexpr std::array<PathName, 12> kPathNames{{
    {"Label10", "Path of H\u00e9", 3720, 1680, {"Line1", 2880, 1800, 3600, 1800}},
    {"Label13", "Path of Vau", 3720, 2400, {"Line2", 3240, 2520, 3600, 2520}},
    {"Label11", "Path of Zain", 2880, 360, {"Line3", 1080, 2040, 2760, 600}},
    {"Label12", "Path of Cheth", 3720, 2160, {"Line4", 600, 2280, 3600, 2280}},
    {"Label21", "Path of Teth", 3720, 3720, {"Line12", 1560, 2760, 3600, 3840}},
    {"Label15", "Path of Yod", 3720, 3240, {"Line7", 2400, 3360, 3600, 3360}},
    {"Label16", "Path of Lamed", 3720, 3480, {"Line6", 1680, 3600, 3600, 3600}},
    {"Label17", "Path of Nun", 3720, 4440, {"Line8", 2640, 4560, 3600, 4560}},
    {"Label20", "Path of Samekh", 3720, 5160, {"Line10", 1920, 5280, 3600, 5280}},
    {"Label18", "Path of Ayin", 3720, 4080, {"Line5", 1560, 4200, 3600, 4200}},
    {"Label14", "Path of Tzaddi", 3720, 5400, {"Line9", 2280, 5520, 3600, 5520}},
    {"Label22", "Path of Qoph", 3720, 6000, {"Line11", 2520, 6120, 3600, 6120}},
}};

// Where each sign's trump is named beside its path; the label is named after the sign.
struct Trump
{
    SunSign sign;
    double left;
    double top;
};

constexpr std::array<Trump, kSignCount> kTrumps{{
    {SunSign::Aries, 2040, 2280},
    {SunSign::Taurus, 2880, 1920},
    {SunSign::Gemini, 720, 2280},
    {SunSign::Cancer, 0, 2040},
    {SunSign::Leo, 1800, 2640},
    {SunSign::Virgo, 2280, 3120},
    {SunSign::Libra, 960, 3120},
    {SunSign::Scorpio, 2160, 4320},
    {SunSign::Sagittarius, 1320, 5040},
    {SunSign::Capricorn, 840, 4320},
    {SunSign::Aquarius, 2040, 5280},
    {SunSign::Pisces, 2040, 6240},
}};
static_assert(keyedByPosition(kTrumps, [](const Trump &t) { return t.sign; }));

// The diagram as assistive technology sees it: while it has the focus, the focus lies on the
// sphere the keyboard stands on, whose label is named for the sphere and described by its help.
class TreeAccessible : public QAccessibleWidget
{
public:
    explicit TreeAccessible(TreeOfLife *tree) : QAccessibleWidget(tree, QAccessible::Chart) {}

    QAccessibleInterface *focusChild() const override
    {
        const auto *tree = static_cast<const TreeOfLife *>(widget());
        if (!tree->hasFocus())
            return nullptr;
        return QAccessible::queryAccessibleInterface(tree->sphereLabel(tree->currentSphere()));
    }
};

QAccessibleInterface *treeAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(TreeOfLife::staticMetaObject.className()))
        return new TreeAccessible(static_cast<TreeOfLife *>(object));
    return nullptr;
}

template <typename Line> QLineF pixelLine(const Line &s)
{
    return QLineF(twips(s.x1), twips(s.y1), twips(s.x2), twips(s.y2));
}

} // namespace

TreeOfLife::TreeOfLife(QWidget *parent) : QWidget(parent)
{
    installAccessibleFactoryOnce<treeAccessible>();
    setObjectName(QStringLiteral("Frame2"));
    setAccessibleName(QStringLiteral("Tree of Life"));
    setColors(this, kWhite, kNavy);
    setMouseTracking(true);
    // The sphere help for those who cannot point: the last stop of the display's Tab chain.
    setFocusPolicy(Qt::TabFocus);
    buildShapes();
    buildLabels();
}

void TreeOfLife::buildShapes()
{
    // Painted back to front: path lines, the numbered spheres over their ends, the leader lines,
    // and Daat, whose opaque circle hides the part of ln16 behind it.
    for (std::size_t i = 0; i < kPathLines.size(); ++i) {
        const PathLine &l = kPathLines[i];
        const QString name = u"ln" + QString::number(l.from) + QString::number(l.to);
        m_pathLines[i] = new DiagramItem(name, pixelLine(l), kPathLineWidth, kDiagramGrey, this);
        m_paintOrder.append(m_pathLines[i]);
    }
    for (int i = 0; i < kSphereCount; ++i) {
        const Sphere &s = kSpheres[std::size_t(i)];
        const QRectF box(twipsRect(s.circleLeft, s.circleTop, kCircleWidth, kCircleHeight));
        m_circles[std::size_t(i)] =
            new DiagramItem(QStringLiteral("ShpCircle(%1)").arg(i), box, kDiagramGrey,
                            i == kDaatIndex ? kCyan : QColor(), this);
        if (i != kDaatIndex)
            m_paintOrder.append(m_circles[std::size_t(i)]);
    }
    for (const PathName &p : kPathNames)
        m_paintOrder.append(new DiagramItem(QLatin1StringView(p.leader.name), pixelLine(p.leader),
                                            kLeaderLineWidth, kLeaderGreen, this));
    m_paintOrder.append(m_circles[kDaatIndex]);

    for (DiagramItem *item : std::as_const(m_paintOrder))
        connect(item, &DiagramItem::colorChanged, this, qOverload<>(&QWidget::update));
}

void TreeOfLife::buildLabels()
{
    const LabelStyle pathName{kGreen, 8.25, true, true};
    for (const PathName &p : kPathNames) {
        QLabel *l =
            newLabel(this, QLatin1StringView(p.label), pathName, QString::fromUtf8(p.caption));
        place(l, {p.label, p.left, p.top});
    }

    const LabelStyle trump{kWhite, 8.25, true};
    for (const Trump &t : kTrumps) {
        const QString name = u"lbl" + sunSignName(t.sign);
        const char *card = pathRowOf(signRowOf(t.sign).path).card;
        QLabel *l = newLabel(this, name, trump, QLatin1StringView(card));
        l->move(twips(t.left), twips(t.top));
        l->hide();
        m_trumps[std::size_t(t.sign)] = l;
    }

    const LabelStyle sphere{kCyan, 8.25, true, false, Qt::AlignHCenter, false};
    // One cursor shared by every sphere: making one from the picture costs as much as a label.
    const QCursor hand = handCursor();
    const auto makeSphereLabel = [&](int i) {
        const Sphere &s = kSpheres[std::size_t(i)];
        const QString name = sphereName(i);
        QLabel *l = newLabel(this, QStringLiteral("lblClick(%1)").arg(i), sphere,
                             QLatin1StringView(s.number) + name);
        // Spoken by the Sephira's name alone; the blanks and the number only place the caption.
        l->setAccessibleName(name);
        l->setGeometry(twipsRect(s.labelLeft, s.circleTop, s.labelWidth, kCircleHeight));
        l->setCursor(hand);
        l->setMouseTracking(true);
        l->installEventFilter(this);
        m_sphereLabels[std::size_t(i)] = l;
    };
    for (int i = 0; i < kDaatIndex; ++i)
        makeSphereLabel(i);

    // The hint; the display places it.
    auto *hintImage = new QLabel(this);
    hintImage->setObjectName(QStringLiteral("ImgMoveMouseButton"));
    hintImage->setAccessibleName(QStringLiteral("Pointing hand"));
    hintImage->setAttribute(Qt::WA_NoMousePropagation);
    hintImage->resize(twips(480), twips(480));
    hintImage->setPixmap(handPixmap());
    hintImage->hide();
    const LabelStyle hint{kYellow, 8.25, false, false, Qt::AlignHCenter, false};
    QLabel *hintLabel = newLabel(this, QStringLiteral("lblMoveMouseButton"), hint,
                                 QStringLiteral("Move Your Mouse Button"));
    hintLabel->resize(twips(1215), twips(375));
    hintLabel->hide();
    m_hintImage = hintImage;
    m_hintCaption = hintLabel;

    // Daat's label lies in front of everything.
    makeSphereLabel(kDaatIndex);
}

DiagramItem *TreeOfLife::circle(int index) const
{
    if (index < 0 || index >= kSphereCount)
        return nullptr;
    return m_circles[std::size_t(index)];
}

void TreeOfLife::showTrump(SunSign sign)
{
    if (QLabel *label = m_trumps[std::size_t(sign)])
        label->show();
}

void TreeOfLife::highlightSphere(Sephira sephira)
{
    if (DiagramItem *c = circle(sephiraIndexOf(sephira)))
        c->setColor(kHighlight);
}

void TreeOfLife::highlightPath(Sephira one, Sephira two)
{
    const int line = pathLineIndex(sephiraNumber(one), sephiraNumber(two));
    if (line < 0)
        return;
    if (DiagramItem *l = m_pathLines[std::size_t(line)])
        l->setColor(kHighlight);
}

QLabel *TreeOfLife::sphereLabel(int index) const
{
    if (index < 0 || index >= kSphereCount)
        return nullptr;
    return m_sphereLabels[std::size_t(index)];
}

bool TreeOfLife::isBackground(const QPoint &pos) const
{
    const QPointF p(pos.x() + 0.5, pos.y() + 0.5);
    for (const DiagramItem *item : m_paintOrder) {
        if (item && item->contains(p))
            return false;
    }
    return true;
}

void TreeOfLife::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    for (const DiagramItem *item : std::as_const(m_paintOrder)) {
        if (item)
            item->paint(painter);
    }
    if (hasFocus()) {
        if (const QLabel *label = m_sphereLabels[std::size_t(m_current)])
            drawFocusMark(painter, label->geometry().adjusted(-3, -3, 3, 3), kNavy);
    }
}

int TreeOfLife::nearestSphere(int right, int down) const
{
    // The nearest sphere that way: first the one least off the line the key points along (the
    // one straight below before one below and aside), then the closest along it.
    const Sphere &from = kSpheres[std::size_t(m_current)];
    int best = m_current;
    std::tuple<double, double> bestDistance{};
    for (int i = 0; i < kSphereCount; ++i) {
        const Sphere &to = kSpheres[std::size_t(i)];
        const double dx = to.circleLeft - from.circleLeft;
        const double dy = to.circleTop - from.circleTop;
        const double along = dx * right + dy * down;
        if (along <= 0)
            continue;
        const std::tuple<double, double> distance{std::abs(dx * down) + std::abs(dy * right),
                                                  along};
        if (best == m_current || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void TreeOfLife::setCurrentSphere(int index)
{
    if (index != m_current) {
        m_current = index;
        update();
    }
    announceCurrentSphere();
    emit sphereFocused(qint16(m_current));
}

void TreeOfLife::announceCurrentSphere()
{
    // The sphere's label carries its name and, as its description, its help.
    if (QLabel *label = m_sphereLabels[std::size_t(m_current)]) {
        QAccessibleEvent focus(label, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void TreeOfLife::keyPressEvent(QKeyEvent *event)
{
    int next = -1;
    switch (event->key()) {
    case Qt::Key_Up:
        next = nearestSphere(0, -1);
        break;
    case Qt::Key_Down:
        next = nearestSphere(0, 1);
        break;
    case Qt::Key_Left:
        next = nearestSphere(-1, 0);
        break;
    case Qt::Key_Right:
        next = nearestSphere(1, 0);
        break;
    case Qt::Key_Home:
        next = kKeter;
        break;
    case Qt::Key_End:
        next = kMalkhuth;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    setCurrentSphere(next);
}

void TreeOfLife::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
    setCurrentSphere(m_current);
    // Qt announces the diagram itself once this handler returns; the sphere is said after it,
    // so that it is what the reader last hears.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                announceCurrentSphere();
        },
        Qt::QueuedConnection);
}

void TreeOfLife::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TreeOfLife::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (isBackground(event->position().toPoint()))
        emit backgroundMouseMove();
}

bool TreeOfLife::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        for (int i = 0; i < kSphereCount; ++i) {
            if (watched == m_sphereLabels[std::size_t(i)]) {
                emit sphereLabelMouseMove(qint16(i));
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Zorvane
