#include "QtWorkarounds.h"

#include "Design.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextLayout>

namespace Zorvane {

void keepShapedText(QPlainTextEdit *panel)
{
    QTextDocument *document = panel->document();
    QObject::connect(document, &QTextDocument::contentsChange, panel,
                     [document](int from, int, int added) {
                         for (QTextBlock b = document->findBlock(from);
                              b.isValid() && b.position() <= from + added; b = b.next())
                             b.layout()->setCacheEnabled(true);
                     });
}

void takeSizeNow(QPlainTextEdit *panel)
{
    QResizeEvent panelResized(panel->size(), QSize());
    QCoreApplication::sendEvent(panel, &panelResized);
    QWidget *page = panel->viewport();
    QResizeEvent pageResized(page->size(), QSize());
    QCoreApplication::sendEvent(page, &pageResized);
    panel->setAttribute(Qt::WA_PendingResizeEvent, false);
    page->setAttribute(Qt::WA_PendingResizeEvent, false);
}

void preloadReadingFonts()
{
    const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .,:;'-()&/");
    for (const QFont &font : {verdana(8.25, true), verdana(9, true), verdana(9.75, true),
                              verdana(9.75), verdana(14.25, true)})
        QFontMetrics(font).horizontalAdvance(letters);
}

} // namespace Zorvane
