#include "SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <sys/stat.h>

#include <cerrno>

namespace Zorvane {

namespace {

// Named explicitly rather than taken from QCoreApplication, so that every caller reaches the
// same file and it never lands under "Unknown Organization".
QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zorvane"),
                     QStringLiteral("zorvane"));
}

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

// A pipe in place of the file would freeze start-up: the program's file and the shared fallback
// file beside it must be regular files or missing.
bool usable()
{
    const QString folder = settingsFolder();
    return isRegularOrMissing(folder + QStringLiteral("/zorvane/zorvane.conf")) &&
           isRegularOrMissing(folder + QStringLiteral("/zorvane.conf"));
}

} // namespace

bool SettingsStore::isUsable()
{
    return usable();
}

QString SettingsStore::value(const QString &section, const QString &key)
{
    if (!usable())
        return {};
    QSettings store = openStore();
    store.beginGroup(section);
    return store.value(key).toString();
}

void SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    if (!usable())
        return;
    QSettings store = openStore();
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    store.sync();
}

QString SettingsStore::fileName()
{
    return settingsFolder() + QStringLiteral("/zorvane/zorvane.conf");
}

} // namespace Zorvane
