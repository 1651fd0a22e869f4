#include "ReadingBinding.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

namespace Zorvane {

namespace {

bool hasKind(const ControlsByName &display, const char *name, ControlKind kind)
{
    switch (kind) {
    case ControlKind::Caption:
    case ControlKind::CardPicture:
        return display.find<QLabel>(name) != nullptr;
    case ControlKind::TextPanel:
        return display.find<QPlainTextEdit>(name) != nullptr;
    }
    return false;
}

} // namespace

ControlsByName::ControlsByName(const QObject *display)
{
    if (display)
        add(display);
}

// In findChild's order, a parent's children before their own, so that a repeated name gives the
// same object.
void ControlsByName::add(const QObject *parent)
{
    const QObjectList &children = parent->children();
    for (QObject *o : children) {
        if (const QString name = o->objectName(); !name.isEmpty() && !m_objects.contains(name))
            m_objects.insert(name, o);
    }
    for (const QObject *o : children)
        add(o);
}

QObject *ControlsByName::find(const char *name) const
{
    return m_objects.value(QLatin1StringView(name));
}

std::optional<QString> shownText(const ControlsByName &display, const char *control)
{
    const QObject *c = display.find(control);
    if (const auto *label = qobject_cast<const QLabel *>(c))
        return label->text();
    if (const auto *panel = qobject_cast<const QPlainTextEdit *>(c))
        return panel->toPlainText();
    return std::nullopt;
}

QStringList missingReadingControls(const QWidget &window)
{
    const ControlsByName display(&window);
    QStringList missing;
    for (const ReadingField &f : kReadingFields) {
        for (int slot = 0; slot < slotCount(f); ++slot) {
            const char *name = f.controls[std::size_t(slot)];
            if (!hasKind(display, name, f.kind))
                missing << QLatin1StringView(name);
        }
    }
    return missing;
}

} // namespace Zorvane
