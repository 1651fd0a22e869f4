#include "SingleInstance.h"

#include "MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace Zorvane {

namespace {

QString programName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("zorvane") : name;
}

} // namespace

SingleInstance::SingleInstance(const QString &lockDir)
    : m_fileName(lockDir + u'/' + programName() + QStringLiteral(".lock")), m_lock(m_fileName)
{
    // Only a holder that is no longer running makes a lock stale: the default age limit would
    // let a second start steal the lock of an instance that has simply been open a while.
    m_lock.setStaleLockTime(0);
    QDir().mkpath(lockDir);

    if (m_lock.tryLock(0)) {
        m_first = true;
        return;
    }
    // A folder that cannot hold the lock says nothing about another instance; refusing to start
    // would lock the user out of the program for good.
    if (m_lock.error() != QLockFile::LockFailedError) {
        m_first = true;
        return;
    }

    // tryLock has already taken over a lock whose holder is dead. One it cannot read (a crash
    // between creating and writing it) names no holder; removal still fails while a live
    // process holds the file's native lock, so this cannot steal a running instance's lock.
    qint64 pid = 0;
    QString host;
    QString app;
    if (!m_lock.getLockInfo(&pid, &host, &app) && m_lock.removeStaleLockFile())
        m_first = m_lock.tryLock(0);
}

QString SingleInstance::userLockDir()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;

    // The temp folder is shared by every user: keep the lock in a folder only this user owns.
    const QString dir = QDir::tempPath() + u'/' + programName() + u'-' + QString::number(getuid());
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir;
}

bool ProceedAsOnlyInstance(const SingleInstance &instance)
{
    if (instance.isFirst())
        return true;
    MessageBox::information(nullptr, QStringLiteral("Application is already running"));
    return false;
}

} // namespace Zorvane
