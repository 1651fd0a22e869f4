#include "SettingsStore.h"

#include <QSettings>

namespace Zorvane {

namespace {

// Named explicitly rather than taken from QCoreApplication, so that every caller reaches the
// same file and it never lands under "Unknown Organization".
QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zorvane"),
                     QStringLiteral("zorvane"));
}

} // namespace

QString SettingsStore::value(const QString &section, const QString &key)
{
    QSettings store = openStore();
    store.beginGroup(section);
    return store.value(key).toString();
}

void SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    QSettings store = openStore();
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    store.sync();
}

QString SettingsStore::fileName()
{
    return openStore().fileName();
}

} // namespace Zorvane
