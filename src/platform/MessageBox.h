#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

namespace Zorvane {

// Every message box of the program goes through here. Tests switch on test mode: boxes are then
// recorded instead of shown and answer at once, with the next queued answer or their default.
class MessageBox
{
public:
    struct Record
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    static QMessageBox::StandardButton information(QWidget *parent, const QString &text);
    static QMessageBox::StandardButton critical(QWidget *parent, const QString &text);
    // Information icon with Yes and No.
    static QMessageBox::StandardButton askYesNo(QWidget *parent, const QString &text);

    static void setTestMode(bool on);
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static const QList<Record> &shown();
    static void clearShown();

private:
    static QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon,
                                            const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
};

} // namespace Zorvane
