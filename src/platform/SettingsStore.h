#pragma once

#include <QString>

namespace Zorvane {

// The per-user settings store: one text value per section and key, kept in the user's
// configuration folder under the program's name. A missing value reads as empty text.
class SettingsStore
{
public:
    static QString value(const QString &section, const QString &key);
    // Written through at once, so that a crash later in the session cannot lose it. False when it
    // could not be written, or not within half a second (the store's lock stayed taken).
    static bool setValue(const QString &section, const QString &key, const QString &value);
    // The file the values live in.
    static QString fileName();
    // False when the file is there but is not a regular file (a pipe, a folder, a device): it is
    // then neither read nor written.
    static bool isUsable();
};

// Qt's dialogs keep their state (the last folder, column widths) in a settings file that all the
// user's Qt programs share. That file is not this program's to read (a pipe there would block the
// dialog) nor to add to: while this object lives, that state stays in memory.
class QtDialogStateInMemory
{
public:
    QtDialogStateInMemory();
    ~QtDialogStateInMemory();
    Q_DISABLE_COPY_MOVE(QtDialogStateInMemory)

private:
    QString m_folder;
};

} // namespace Zorvane
