#pragma once

#include <QString>

namespace Zorvane {

// The per-user settings store: one text value per section and key, kept in the user's
// configuration folder under the program's name. A missing value reads as empty text.
class SettingsStore
{
public:
    static QString value(const QString &section, const QString &key);
    // Written through at once, so that a crash later in the session cannot lose it.
    static void setValue(const QString &section, const QString &key, const QString &value);
    // The file the values live in.
    static QString fileName();
    // False when the file is there but is not a regular file (a pipe, a folder, a device): it is
    // then neither read nor written.
    static bool isUsable();
};

} // namespace Zorvane
