#include "SharedPaletteStyle.h"

#include "FocusMark.h"

#include <QIconEngine>
#include <QStyleOption>

#include <functional>

#include <memory>

namespace Zorvane {

namespace {

// The program uses a handful of colour sets; more would mean colours made on the fly.
constexpr std::size_t kMostPalettes = 64;

// A copy of the option drawn with the shared palette: the option's own type, so that every
// field the base style reads is kept. QStyleOption has no virtual destructor, so the copy is held
// by a shared_ptr, which destroys it as the type it was made as.
template <typename Option> std::shared_ptr<QStyleOption> copyAs(const QStyleOption *option)
{
    return std::make_shared<Option>(*static_cast<const Option *>(option));
}

std::shared_ptr<QStyleOption> copyOf(const QStyleOption *option)
{
    switch (option->type) {
    case QStyleOption::SO_Button:
        return copyAs<QStyleOptionButton>(option);
    case QStyleOption::SO_Slider:
        return copyAs<QStyleOptionSlider>(option);
    case QStyleOption::SO_ComboBox:
        return copyAs<QStyleOptionComboBox>(option);
    case QStyleOption::SO_SpinBox:
        return copyAs<QStyleOptionSpinBox>(option);
    case QStyleOption::SO_Frame:
        return copyAs<QStyleOptionFrame>(option);
    case QStyleOption::SO_Tab:
        return copyAs<QStyleOptionTab>(option);
    case QStyleOption::SO_TabWidgetFrame:
        return copyAs<QStyleOptionTabWidgetFrame>(option);
    case QStyleOption::SO_Default:
        return std::make_shared<QStyleOption>(*option);
    default:
        return nullptr;
    }
}

// An icon made by make() when it is first drawn or measured.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    QIcon &icon()
    {
        if (m_make)
            m_icon = std::exchange(m_make, {})();
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

bool keyboardFocus(const QStyleOption *option)
{
    return option && (option->state & QStyle::State_HasFocus) &&
           (option->state & QStyle::State_KeyboardFocusChange);
}

// The focus mark on the face inside a control's border, in the face's colour role: at the very
// edge a navy ring would merge with the navy window around the control.
void markKeyboardFocusInside(QPainter &painter, const QStyleOption *option,
                             QPalette::ColorRole face)
{
    if (keyboardFocus(option))
        drawFocusMark(painter, option->rect.adjusted(2, 2, -2, -2), option->palette.color(face));
}

} // namespace

QIcon SharedPaletteStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                       const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    const QStyle *desktop = baseStyle();
    return QIcon(new DeferredIconEngine([desktop, icon] { return desktop->standardIcon(icon); }));
}

void SharedPaletteStyle::share(QStyleOption &copy, const QPalette &palette) const
{
    copy.palette = shared(palette);
    copy.palette.setCurrentColorGroup(palette.currentColorGroup());
}

const QPalette &SharedPaletteStyle::shared(const QPalette &palette) const
{
    for (const QPalette &p : m_palettes) {
        if (p.isCopyOf(palette) || (p == palette && p.resolveMask() == palette.resolveMask()))
            return p;
    }
    if (m_palettes.size() >= kMostPalettes)
        m_palettes.clear();
    m_palettes.push_back(palette);
    return m_palettes.back();
}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *painter, const QWidget *widget) const
{
    // The desktop's focus marks are a thin line in its highlight colour; the program's are the
    // stronger ring of drawFocusMark.
    if (element == PE_FrameFocusRect) {
        if (keyboardFocus(option))
            drawFocusMark(*painter, option->rect, option->palette.color(QPalette::Button));
        return;
    }
    const std::shared_ptr<QStyleOption> copy = option ? copyOf(option) : nullptr;
    if (copy)
        share(*copy, option->palette);
    QProxyStyle::drawPrimitive(element, copy ? copy.get() : option, painter, widget);
    if (element == PE_FrameLineEdit)
        markKeyboardFocusInside(*painter, option, QPalette::Base);
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    const std::shared_ptr<QStyleOption> copy = option ? copyOf(option) : nullptr;
    if (copy)
        share(*copy, option->palette);
    QProxyStyle::drawControl(element, copy ? copy.get() : option, painter, widget);
    if (element == CE_PushButton)
        markKeyboardFocusInside(*painter, option, QPalette::Button);
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex *option, QPainter *painter,
                                            const QWidget *widget) const
{
    // Only the complex options are copied here; any other passes through as it came.
    const bool complex = option && (option->type == QStyleOption::SO_Slider ||
                                    option->type == QStyleOption::SO_ComboBox ||
                                    option->type == QStyleOption::SO_SpinBox);
    const std::shared_ptr<QStyleOption> copy = complex ? copyOf(option) : nullptr;
    if (copy)
        share(*copy, option->palette);
    QProxyStyle::drawComplexControl(
        control, copy ? static_cast<const QStyleOptionComplex *>(copy.get()) : option, painter,
        widget);
    if (control == CC_ComboBox)
        markKeyboardFocusInside(*painter, option, QPalette::Button);
}

} // namespace Zorvane
