#include "SettingsStore.h"

#include "FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <sys/stat.h>

#include <cerrno>

namespace Zorvane {

namespace {

bool isRegularOrMissing(const QString &path)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

// The user's settings folder, learnt from a store under a name no file has: QSettings reads its
// files with a blocking open as soon as it is made.
QString settingsFolder()
{
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope,
                          QStringLiteral(".zorvane-probe"));
    return QFileInfo(probe.fileName()).path();
}

QString storeFileIn(const QString &folder)
{
    return folder + QStringLiteral("/zorvane/zorvane.conf");
}

// A pipe in place of the file would freeze start-up: the program's file and the shared fallback
// file beside it must be regular files or missing.
bool usableIn(const QString &folder)
{
    return isRegularOrMissing(storeFileIn(folder)) &&
           isRegularOrMissing(folder + QStringLiteral("/zorvane.conf"));
}

// QSettings waits for its lock file without end, and a lock that never frees (a folder in its
// place, a hung program holding it) would freeze the caller for good.
constexpr int kLockWaitMs = 500;

} // namespace

template <> SettingsStore &Seam<SettingsStore>::production()
{
    static FileSettingsStore store;
    return store;
}

QString FileSettingsStore::folder() const
{
    return m_folder.isEmpty() ? settingsFolder() : m_folder;
}

// The user's store is named explicitly rather than taken from QCoreApplication, so that every
// caller reaches the same file and it never lands under "Unknown Organization".
std::unique_ptr<QSettings> FileSettingsStore::open() const
{
    if (m_folder.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("zorvane"), QStringLiteral("zorvane"));
    return std::make_unique<QSettings>(path(), QSettings::IniFormat);
}

bool FileSettingsStore::usable() const
{
    return usableIn(folder());
}

QString FileSettingsStore::read(const QString &section, const QString &key) const
{
    if (!usable())
        return {};
    const std::unique_ptr<QSettings> store = open();
    store->beginGroup(section);
    return store->value(key).toString();
}

bool FileSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    // Without a home (HOME unset, as for some services) Qt would put the user's folder at the root
    // of the file system; nothing is written there.
    const QString root = folder();
    if (!usableIn(root) || (m_folder.isEmpty() && !hasUserFolder("XDG_CONFIG_HOME")))
        return false;
    const QString file = storeFileIn(root);
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    {
        QLockFile lock(file + QStringLiteral(".lock"));
        if (!lock.tryLock(kLockWaitMs))
            return false;
    }
    const std::unique_ptr<QSettings> store = open();
    store->beginGroup(section);
    store->setValue(key, value);
    store->endGroup();
    store->sync();
    return store->status() == QSettings::NoError;
}

QString FileSettingsStore::path() const
{
    return storeFileIn(folder());
}

QtDialogStateInMemory::QtDialogStateInMemory() : m_folder(settingsFolder())
{
    // Below a file, where no folder can ever be made: nothing is read, and nothing written.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

QtDialogStateInMemory::~QtDialogStateInMemory()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder);
}

} // namespace Zorvane
