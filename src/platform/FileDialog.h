#pragma once

#include <QString>

class QWidget;

namespace Zorvane {

// The save and open dialogs. Tests set the next file name; an empty one answers as Cancel.
class FileDialog
{
public:
    struct Request
    {
        QString title;
        QString filter;
        QString defaultSuffix;
        bool save = false;
    };

    // Asks before overwriting; appends the default suffix when the user types none.
    static QString getSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &defaultSuffix);
    // The file must exist.
    static QString getOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &defaultSuffix);

    static void setTestMode(bool on);
    static void setNextFileName(const QString &fileName);
    static const Request &lastRequest();
};

} // namespace Zorvane
