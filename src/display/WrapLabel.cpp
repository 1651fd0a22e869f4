#include "WrapLabel.h"

#include <QPainter>

namespace Zorvane {

WrapLabel::WrapLabel(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
}

QStringList WrapLabel::wrappedLines() const
{
    const QFontMetrics fm(font());
    const int room = contentsRect().width();
    QString caption = text();
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    QStringList lines;
    for (const QStringView paragraph : QStringView(caption).split(u'\n')) {
        QString line;
        bool atStart = true;
        qsizetype i = 0;
        const qsizetype n = paragraph.size();
        while (i < n) {
            const qsizetype blanksFrom = i;
            while (i < n && paragraph[i] == u' ')
                ++i;
            QStringView blanks = paragraph.sliced(blanksFrom, i - blanksFrom);
            const qsizetype wordFrom = i;
            while (i < n && paragraph[i] != u' ')
                ++i;
            const QStringView word = paragraph.sliced(wordFrom, i - wordFrom);
            if (atStart) {
                line = blanks.toString();
                blanks = {};
                atStart = false;
            }
            if (word.isEmpty())
                break;
            // A line never takes the box's last pixel: advances are whole pixels, and a caption
            // that the design breaks only just must not fit to the pixel in another face.
            const QString candidate = line + blanks + word;
            if (line.isEmpty() || fm.horizontalAdvance(candidate) < room) {
                line = candidate;
            } else {
                lines.append(line);
                line = word.toString();
            }
        }
        lines.append(line);
    }
    return lines;
}

void WrapLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    const QFontMetrics fm(font());
    const QRect box = contentsRect();
    const Qt::Alignment align = alignment();
    int y = box.top();
    for (const QString &line : wrappedLines()) {
        if (y >= box.bottom())
            break;
        const int w = fm.horizontalAdvance(line);
        int x = box.left();
        if (align & Qt::AlignHCenter)
            x += (box.width() - w) / 2;
        else if (align & Qt::AlignRight)
            x += box.width() - w;
        p.drawText(x, y + fm.ascent(), line);
        y += fm.height();
    }
}

} // namespace Zorvane
