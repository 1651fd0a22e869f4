#include "MessageBox.h"

#include "AppIcon.h"
#include "AppInfo.h"

namespace Zorvane {

namespace {

class QtMessageBoxShower : public MessageBoxShower
{
public:
    QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                     const QString &text, QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton) override
    {
        QMessageBox box(icon, title, text, buttons, parent);
        box.setDefaultButton(defaultButton);
        box.setWindowIcon(appIcon());
        return QMessageBox::StandardButton(box.exec());
    }
};

QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    return Seam<MessageBoxShower>::get().show(parent, icon, kAppTitle, text, buttons,
                                              defaultButton);
}

} // namespace

template <> MessageBoxShower &Seam<MessageBoxShower>::production()
{
    static QtMessageBoxShower shower;
    return shower;
}

QMessageBox::StandardButton MessageBox::information(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::critical(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::askYesNo(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes);
}

} // namespace Zorvane
