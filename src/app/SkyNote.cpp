#include "SkyNote.h"

#include "Design.h"

#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace Zorvane {

namespace {

class NoteLinkAccessible : public QAccessibleWidget
{
public:
    explicit NoteLinkAccessible(NoteLink *link) : QAccessibleWidget(link, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("activated()"));
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<NoteLink *>(widget())->activated();
    }
};

QAccessibleInterface *noteLinkAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(NoteLink::staticMetaObject.className()))
        return new NoteLinkAccessible(static_cast<NoteLink *>(object));
    return nullptr;
}

} // namespace

NoteLink::NoteLink(const QString &text, QWidget *parent)
    : QLabel(QStringLiteral("<a href=\"#\" style=\"color: %1\">%2</a>")
                 .arg(kYellow.name(), text.toHtmlEscaped()),
             parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(noteLinkAccessible);
        return true;
    }();
    Q_UNUSED(installed)
    setAccessibleName(text);
    setFont(verdana(8.25, true));
    setFocusPolicy(Qt::StrongFocus);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QLabel::linkActivated, this, &NoteLink::activated);
}

void NoteLink::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

SkyNote::SkyNote(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("skyNote"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("skyNoteText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setFont(verdana(8.25));
    // Readable by keyboard as well: Tab stops on the text and a reader speaks it.
    m_text->setFocusPolicy(Qt::TabFocus);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setColors(m_text, kWhite);
    column->addWidget(m_text);
    m_links = new QHBoxLayout;
    m_links->setSpacing(12);
    column->addLayout(m_links);
    column->addStretch(1);
    hide();
}

void SkyNote::setNote(const QString &text, const QList<SunSign> &offered, SunSign table)
{
    while (QLayoutItem *item = m_links->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_text->setText(text);
    m_text->setAccessibleName(text);
    for (const SunSign sign : offered) {
        const QString caption = sign == table
                                    ? QStringLiteral("Back to the %1 reading of the sign dates")
                                    : QStringLiteral("Show the %1 reading");
        auto *link = new NoteLink(caption.arg(sunSignName(sign)), this);
        link->setObjectName(QStringLiteral("skyNoteLink"));
        connect(link, &NoteLink::activated, this, [this, sign] { emit readingRequested(sign); });
        m_links->addWidget(link);
    }
    m_links->addStretch(1);
    setVisible(!text.isEmpty());
}

} // namespace Zorvane
