#include "FileReplacement.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace Zorvane {

bool isNonRegularFile(const QString &path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

QString notARegularFileReason()
{
    return QStringLiteral("It is not a regular file.");
}

bool hasUserFolder(const char *xdgVariable)
{
    return !qEnvironmentVariableIsEmpty("HOME") || !qEnvironmentVariableIsEmpty(xdgVariable);
}

FileReplacement::FileReplacement(const QString &target) : m_target(target)
{
    // A link stays a link: the file it points to is the one replaced.
    const QFileInfo info(target);
    if (info.isSymLink() && info.exists())
        m_target = info.canonicalFilePath();
}

FileReplacement::~FileReplacement()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temporary.isEmpty())
        ::unlink(QFile::encodeName(m_temporary).constData());
}

bool FileReplacement::failWithErrno()
{
    m_error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool FileReplacement::open()
{
    if (isNonRegularFile(m_target)) {
        m_error = notARegularFileReason();
        return false;
    }
    // Short, so that a target whose name is as long as the file system allows can still be
    // replaced; hidden, so that nobody takes it for a result while it is written.
    QByteArray name = QFile::encodeName(QFileInfo(m_target).absolutePath()) + "/.zv-XXXXXX";
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0)
        return failWithErrno();
    m_temporary = QFile::decodeName(name);
    return true;
}

bool FileReplacement::write(const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failWithErrno();
        data += n;
        left -= n;
    }
    return true;
}

bool FileReplacement::commit()
{
    struct stat st
    {
    };
    mode_t mode = 0;
    if (::stat(QFile::encodeName(m_target).constData(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    // A network file system may report a full disk only when the data is flushed or closed.
    if (::fchmod(m_fd, mode) != 0 || ::fsync(m_fd) != 0)
        return failWithErrno();
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return failWithErrno();
    if (::rename(QFile::encodeName(m_temporary).constData(),
                 QFile::encodeName(m_target).constData()) != 0)
        return failWithErrno();
    m_committed = true;
    return true;
}

} // namespace Zorvane
