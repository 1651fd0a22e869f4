#pragma once

#include "Seam.h"

#include <QString>

class QWidget;

namespace Zorvane {

// The save and open dialogs. An empty file name means the user cancelled.
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

    virtual ~FileDialog() = default;
    virtual QString chooseFile(QWidget *parent, const Request &request) = 0;

    // Asks before overwriting; appends the default suffix when the user types none.
    static QString getSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &defaultSuffix);
    // The file must exist.
    static QString getOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &defaultSuffix);
};
template <> FileDialog &Seam<FileDialog>::production();

} // namespace Zorvane
