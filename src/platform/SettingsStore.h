#pragma once

#include "Seam.h"

#include <QString>

#include <memory>

class QSettings;

namespace Zorvane {

// The per-user settings store: one text value per section and key. A missing value reads as
// empty text.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    virtual QString read(const QString &section, const QString &key) const = 0;
    virtual bool write(const QString &section, const QString &key, const QString &value) = 0;
    virtual QString path() const = 0;
    virtual bool usable() const = 0;

    static QString value(const QString &section, const QString &key)
    {
        return Seam<SettingsStore>::get().read(section, key);
    }
    // Written through at once, so that a crash later in the session cannot lose it. False when it
    // could not be written, or not within half a second (the store's lock stayed taken).
    static bool setValue(const QString &section, const QString &key, const QString &value)
    {
        return Seam<SettingsStore>::get().write(section, key, value);
    }
    // The file the values live in.
    static QString fileName() { return Seam<SettingsStore>::get().path(); }
    // False when the file is there but is not a regular file (a pipe, a folder, a device): it is
    // then neither read nor written.
    static bool isUsable() { return Seam<SettingsStore>::get().usable(); }
};
template <> SettingsStore &Seam<SettingsStore>::production();

// The store as a file under a settings folder, zorvane/zorvane.conf. Without a folder it is the
// user's own, in the configuration folder where QSettings keeps it; tests give a folder of theirs.
class FileSettingsStore : public SettingsStore
{
public:
    explicit FileSettingsStore(const QString &folder = {}) : m_folder(folder) {}

    QString read(const QString &section, const QString &key) const override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    QString path() const override;
    bool usable() const override;

private:
    QString folder() const;
    std::unique_ptr<QSettings> open() const;

    QString m_folder;
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
