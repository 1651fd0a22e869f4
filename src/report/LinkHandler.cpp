#include "LinkHandler.h"

#include "UrlOpener.h"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

namespace Zorvane {

namespace {

// Characters that end a sentence or a bracket around an address rather than belong to it.
constexpr QStringView kTrailing = u".,;:!?'\")]}>";

qsizetype trimmedLength(QStringView address)
{
    qsizetype n = address.size();
    while (n > 0 && kTrailing.contains(address.at(n - 1))) {
        // A closing bracket that the address itself opened belongs to it, as in wiki addresses.
        const QChar last = address.at(n - 1);
        if (last == u')' && address.left(n).count(u'(') >= address.left(n).count(u')'))
            break;
        --n;
    }
    return n;
}

// How an address begins: a scheme, or "www." for the addresses people write without one.
constexpr QStringView kBeginnings[] = {u"https://", u"http://", u"ftp://", u"www.", u"mailto:"};

// A letter, digit or underscore of ASCII: what joins an address to the word before it.
bool isWordCharacter(QChar c)
{
    return c.unicode() < 128 && (c.isLetterOrNumber() || c == u'_');
}

// Where an address ends: a blank, an angle bracket or a double quote.
bool endsAddress(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'<' || c == u'>' || c == u'"';
}

// The length of the address that starts at text[at], or 0: one of the beginnings, at the start
// of a word, and at least one character more.
qsizetype addressAt(QStringView text, qsizetype at)
{
    if (at > 0 && isWordCharacter(text.at(at - 1)))
        return 0;
    for (const QStringView beginning : kBeginnings) {
        if (!text.sliced(at).startsWith(beginning, Qt::CaseInsensitive))
            continue;
        qsizetype end = at + beginning.size();
        while (end < text.size() && !endsAddress(text.at(end)))
            ++end;
        if (end > at + beginning.size())
            return end - at;
    }
    return 0;
}

} // namespace

QList<WebAddress> findWebAddresses(QStringView text)
{
    QList<WebAddress> found;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const qsizetype matched = addressAt(text, at);
        if (matched == 0)
            continue;
        const QStringView address = text.sliced(at, matched);
        const qsizetype start = at;
        at += matched - 1;
        const qsizetype length = trimmedLength(address);
        const QString shown = address.left(length).toString();
        // "www." alone, or a scheme with nothing after it, is not an address.
        if (!shown.contains(u'.') || shown.endsWith(u"//"))
            continue;
        QString href = shown;
        if (href.startsWith(u"www.", Qt::CaseInsensitive))
            href.prepend(u"http://");
        found.append({start, length, href});
    }
    return found;
}

LinkHandler::LinkHandler(QObject *parent) : QObject(parent) {}

LinkHandler::~LinkHandler()
{
    detach();
}

void LinkHandler::attach(QTextEdit *box)
{
    detach();
    if (!box)
        return;
    m_box = box;
    m_boxCursor = box->viewport()->cursor();
    box->viewport()->setMouseTracking(true);
    box->viewport()->installEventFilter(this);
    m_contentsChange =
        connect(box->document(), &QTextDocument::contentsChange, this, &LinkHandler::markLinks);
    markLinks(0, 0, box->document()->characterCount());
}

void LinkHandler::detach()
{
    disconnect(m_contentsChange);
    if (m_box) {
        m_box->viewport()->removeEventFilter(this);
        m_box->viewport()->setCursor(m_boxCursor);
    }
    m_box.clear();
}

void LinkHandler::markLinks(int from, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved);
    // Marking changes formats, which the document reports as a change of its own.
    if (m_marking || !m_box)
        return;
    const QScopedValueRollback guard(m_marking, true);

    QTextDocument *doc = m_box->document();
    const QTextBlock last = doc->findBlock(from + charsAdded);
    for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
        const QList<WebAddress> addresses = findWebAddresses(block.text());
        for (const WebAddress &a : addresses) {
            QTextCursor cursor(doc);
            cursor.setPosition(block.position() + int(a.start));
            cursor.setPosition(block.position() + int(a.start + a.length), QTextCursor::KeepAnchor);
            QTextCharFormat link;
            link.setAnchor(true);
            link.setAnchorHref(a.href);
            link.setFontUnderline(true);
            cursor.mergeCharFormat(link);
        }
        if (block == last)
            break;
    }
}

bool LinkHandler::eventFilter(QObject *watched, QEvent *event)
{
    if (m_box && watched == m_box->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *press = static_cast<QMouseEvent *>(event);
            if (press->button() == Qt::LeftButton) {
                const QString href = m_box->anchorAt(press->position().toPoint());
                if (!href.isEmpty())
                    UrlOpener::open(QUrl(href));
            }
        } else if (event->type() == QEvent::MouseMove) {
            const auto *move = static_cast<QMouseEvent *>(event);
            const bool overLink = !m_box->anchorAt(move->position().toPoint()).isEmpty();
            m_box->viewport()->setCursor(overLink ? QCursor(Qt::PointingHandCursor) : m_boxCursor);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Zorvane
