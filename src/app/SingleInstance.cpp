#include "SingleInstance.h"

#include "MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zorvane {

namespace {

QString programName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("zorvane") : name;
}

// A folder only this user may use for the lock: a real folder (not a link), owned by the user and
// closed to everyone else; anyone who could write there could plant or remove the lock.
bool isPrivateFolder(const QString &dir)
{
    struct stat st
    {
    };
    return ::lstat(QFile::encodeName(dir).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool isUsableRuntimeFolder(const QString &dir)
{
    return !dir.isEmpty() && isPrivateFolder(dir) &&
           ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

} // namespace

SingleInstance::SingleInstance(const QString &lockDir) : SingleInstance(QStringList{lockDir}) {}

SingleInstance::SingleInstance(const QStringList &lockDirs)
{
    for (const QString &dir : lockDirs) {
        const QString fileName = dir + u'/' + programName() + QStringLiteral(".lock");
        const QByteArray path = QFile::encodeName(fileName);
        int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        // An existing lock on a read-only file system can still be locked through a read handle.
        if (fd < 0 && errno == EROFS)
            fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        struct stat st
        {
        };
        if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
            ::close(fd);
            fd = -1;
        }
        if (fd < 0)
            continue; // a folder in its place, an unreadable file, a folder that cannot hold it
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            m_fileName = fileName;
            m_first = true;
            // For whoever looks at the file; liveness is decided by the lock alone.
            const QByteArray info = QByteArray::number(qint64(::getpid())) + '\n' +
                                    QSysInfo::machineHostName().toUtf8() + '\n';
            if (::ftruncate(fd, 0) == 0)
                (void)!::pwrite(fd, info.constData(), size_t(info.size()), 0);
            return;
        }
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            m_fileName = fileName;
            return; // a live instance holds it
        }
    }
    // No folder can hold a lock: running without one beats locking the user out for good.
    m_first = true;
}

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QStringList SingleInstance::userLockDirs()
{
    QStringList dirs;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isUsableRuntimeFolder(runtime))
        dirs << runtime;

    // Never the shared temporary folder: another user could have made the folder there first.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty()) {
        const QString dir = cache + u'/' + programName();
        QDir().mkpath(cache);
        ::mkdir(QFile::encodeName(dir).constData(), 0700);
        struct stat st
        {
        };
        if (isPrivateFolder(dir) && ::lstat(QFile::encodeName(dir).constData(), &st) == 0 &&
            (st.st_mode & 077) == 0)
            dirs << dir;
    }
    return dirs;
}

QString SingleInstance::userLockDir()
{
    const QStringList dirs = userLockDirs();
    return dirs.isEmpty() ? QString() : dirs.constFirst();
}

bool proceedAsOnlyInstance(const SingleInstance &instance)
{
    if (instance.isFirst())
        return true;
    MessageBox::information(nullptr, QStringLiteral("Application is already running"));
    return false;
}

} // namespace Zorvane
