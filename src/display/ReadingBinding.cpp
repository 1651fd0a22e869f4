#include "ReadingBinding.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

namespace Zorvane {

namespace {

template <typename Table, typename Field, typename Name>
const char *find(const Table &table, Field field, Name name)
{
    for (const auto &row : table) {
        if (row.field == field)
            return name(row);
    }
    qFatal("A reading field has no control in the display's binding tables");
}

bool hasKind(const ControlsByName &display, const char *name, ControlKind kind)
{
    switch (kind) {
    case ControlKind::Caption:
        return display.find<QLabel>(name) != nullptr;
    case ControlKind::TextPanel:
        return display.find<QPlainTextEdit>(name) != nullptr;
    }
    return false;
}

} // namespace

const char *controlFor(SephiraSlot slot, QString SephiraReading::*field)
{
    return find(kSephiraControls, field, [slot](const SephiraControl &row) {
        return slot == SephiraSlot::One ? row.one : row.two;
    });
}

const char *controlFor(QString PathReading::*field)
{
    return find(kPathControls, field, [](const PathControl &row) { return row.name; });
}

const char *controlFor(QString Reading::*field)
{
    return find(kSignControls, field, [](const SignControl &row) { return row.name; });
}

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
    auto check = [&](const char *name, ControlKind kind) {
        if (!hasKind(display, name, kind))
            missing << QLatin1StringView(name);
    };
    for (const SephiraControl &row : kSephiraControls) {
        check(row.one, row.kind);
        check(row.two, row.kind);
    }
    for (const PathControl &row : kPathControls)
        check(row.name, row.kind);
    for (const SignControl &row : kSignControls)
        check(row.name, row.kind);
    check(kSecondPathNameControl, ControlKind::Caption);
    for (const char *picture : kSephiraCardPictureControls)
        check(picture, ControlKind::Caption);
    check(kPathCardPictureControl, ControlKind::Caption);
    return missing;
}

} // namespace Zorvane
