#include "SkyNote.h"

#include "ClickableLabel.h"
#include "Design.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace Zorvane {

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
    for (const SunSign sign : offered) {
        const QString caption = sign == table
                                    ? QStringLiteral("Back to the %1 reading of the sign dates")
                                    : QStringLiteral("Show the %1 reading");
        auto *link = new ClickableLabel(caption.arg(sunSignName(sign)), this);
        link->setObjectName(QStringLiteral("skyNoteLink"));
        link->setFont(verdana(8.25, true, true));
        setColors(link, kYellow);
        connect(link, &ClickableLabel::clicked, this,
                [this, sign] { emit readingRequested(sign); });
        m_links->addWidget(link);
    }
    m_links->addStretch(1);
    setVisible(!text.isEmpty());
}

} // namespace Zorvane
