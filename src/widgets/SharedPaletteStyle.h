#pragma once

#include <QPalette>
#include <QProxyStyle>

#include <vector>

namespace Zorvane {

// The style keeps the images it draws (button faces, scroll bars) under keys that include the
// palette's identity, and every palette set on a widget is a new identity, even with the same
// colours. Each new frame and display would then add images no later window can find, and
// memory would grow with every reading. This style draws every widget with one long-lived
// palette per set of colours, so that a window built again finds the images of the first.
//
// It draws the program's focus marks (FocusMark.h) on buttons, lists, the name box and tabs.
//
// It also leaves the icon of a menu bar's overflow button unmade until the button is drawn: every
// menu bar asks for it when it is built, making it decodes pictures, and few windows are ever too
// narrow for their menus.
class SharedPaletteStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

    // The long-lived palette with the colours of palette.
    const QPalette &shared(const QPalette &palette) const;

private:
    void share(QStyleOption &copy, const QPalette &palette) const;

    mutable std::vector<QPalette> m_palettes;
};

} // namespace Zorvane
