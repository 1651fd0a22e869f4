#pragma once

#include "Seam.h"

#include <QMessageBox>
#include <QString>

namespace Zorvane {

// Shows one message box and returns the button the user chose.
class MessageBoxShower
{
public:
    virtual ~MessageBoxShower() = default;
    virtual QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon,
                                             const QString &title, const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) = 0;
};
template <> MessageBoxShower &Seam<MessageBoxShower>::production();

// Every message box of the program goes through here, titled with the program's title.
class MessageBox
{
public:
    static QMessageBox::StandardButton information(QWidget *parent, const QString &text);
    static QMessageBox::StandardButton critical(QWidget *parent, const QString &text);
    // Information icon with Yes and No.
    static QMessageBox::StandardButton askYesNo(QWidget *parent, const QString &text);
};

} // namespace Zorvane
