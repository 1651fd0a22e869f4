#pragma once

#include <QAccessible>

namespace Zorvane {

// Installs a widget's accessibility factory when the first such widget is built: once, and only
// in a program that builds one. Call it from the widget's constructor.
template <QAccessible::InterfaceFactory factory> void installAccessibleFactoryOnce()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed)
}

} // namespace Zorvane
