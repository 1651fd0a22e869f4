#include "SingleInstance.h"

#include "FileReplacement.h"
#include "MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// A name in the kernel's abstract socket space, made of the program's name and the user's id: it
// is the same whatever the environment (runtime folder, HOME, cache folder) of a start, and it is
// freed when its holder ends, however it ends. Such names are per network namespace, so starts in
// different namespaces (some sandboxes) are told apart by the lock files as well.
enum class NameState
{
    Held,
    Taken,
    Unavailable
};

NameState bindUserName(int *fd)
{
    const QByteArray name = programName().toUtf8() + '-' + QByteArray::number(::getuid());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(name.size()) + 1 > sizeof address.sun_path)
        return NameState::Unavailable;
    // The leading zero byte puts the name in the abstract space: no file, nothing to clean up.
    std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return NameState::Unavailable;
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    if (::bind(s, reinterpret_cast<const sockaddr *>(&address), length) == 0) {
        *fd = s;
        return NameState::Held;
    }
    const int error = errno;
    ::close(s);
    return error == EADDRINUSE ? NameState::Taken : NameState::Unavailable;
}

} // namespace

SingleInstance::SingleInstance(const QString &lockDir) : SingleInstance(QStringList{lockDir}) {}

SingleInstance::SingleInstance(const QStringList &lockDirs)
{
    const NameState name = bindUserName(&m_socket);
    if (name == NameState::Taken)
        return; // a live instance of this user holds it
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
            if (m_socket >= 0)
                ::close(std::exchange(m_socket, -1));
            return; // a live instance holds it
        }
    }
    // Where no folder can hold a lock file, the socket name alone marks this start. Where not even
    // a socket can be made, the program runs unguarded. Refusing would shut the user out for good
    // over a fault they may not be able to mend, while a second instance costs nothing lasting:
    // files are replaced whole.
    m_first = true;
}

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_socket >= 0)
        ::close(m_socket);
}

QStringList SingleInstance::userLockDirs()
{
    QStringList dirs;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isUsableRuntimeFolder(runtime))
        dirs << runtime;

    // Never the shared temporary folder: another user could have made the folder there first.
    // Without a home Qt would name a folder at the root of the file system.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && hasUserFolder("XDG_CACHE_HOME")) {
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

bool proceedAsOnlyInstance(const SingleInstance &instance)
{
    if (instance.isFirst())
        return true;
    MessageBox::information(nullptr, QStringLiteral("Application is already running"));
    return false;
}

} // namespace Zorvane
