#include "Twips.h"

#include <QWidget>

namespace Zorvane {

void place(QWidget *widget, const Placement &p)
{
    if (!widget)
        return;
    if (p.width > 0 && p.height > 0)
        widget->setGeometry(twipsRect(p.left, p.top, p.width, p.height));
    else if (p.width > 0)
        widget->setGeometry(twips(p.left), twips(p.top), twips(p.width), widget->height());
    else
        widget->move(twips(p.left), twips(p.top));
}

void place(QWidget *root, std::initializer_list<Placement> table)
{
    for (const Placement &p : table) {
        auto *widget = root->findChild<QWidget *>(QLatin1StringView(p.name));
        // A row renamed in the table but not on its control would leave the control unplaced.
        if (!widget)
            qFatal("No control named %s to place", p.name);
        place(widget, p);
    }
}

} // namespace Zorvane
