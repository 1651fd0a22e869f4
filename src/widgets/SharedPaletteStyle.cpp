#include "SharedPaletteStyle.h"

#include <QStyleOption>

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

} // namespace

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
    const std::shared_ptr<QStyleOption> copy = option ? copyOf(option) : nullptr;
    if (copy)
        share(*copy, option->palette);
    QProxyStyle::drawPrimitive(element, copy ? copy.get() : option, painter, widget);
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    const std::shared_ptr<QStyleOption> copy = option ? copyOf(option) : nullptr;
    if (copy)
        share(*copy, option->palette);
    QProxyStyle::drawControl(element, copy ? copy.get() : option, painter, widget);
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
}

} // namespace Zorvane
