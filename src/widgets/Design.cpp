#include "Design.h"

#include <QPushButton>
#include <QWidget>

namespace Zorvane {

QFont verdana(double pointSize, bool bold, bool underline)
{
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(pointSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setUnderline(underline);
    return f;
}

void installFontSubstitutes()
{
    // Substitutes are consulted only when Verdana itself is missing, so there is no need to ask
    // the font database first; asking would make fontconfig resolve aliases at start-up.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"),
                                                           QStringLiteral("Bitstream Vera Sans")});
}

void styleButton(QPushButton *button, const char *name, const QFont &font)
{
    button->setObjectName(QLatin1StringView(name));
    button->setFont(font);
    setColors(button, Qt::black, kWhite);
    button->setAutoDefault(false);
    button->setDefault(false);
}

void setBackground(QWidget *w, const QColor &background)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, background);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setColors(QWidget *w, const QColor &text, const QColor &background)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::Text, text);
    if (background.isValid()) {
        pal.setColor(QPalette::Window, background);
        pal.setColor(QPalette::Base, background);
        pal.setColor(QPalette::Button, background);
        w->setAutoFillBackground(true);
    }
    // One palette for all of it: each setPalette resolves and passes it on to every child.
    w->setPalette(pal);
}

} // namespace Zorvane
