#include "storage/posixfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

PosixFile::~PosixFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool PosixFile::fail()
{
    m_errno = errno;
    return false;
}

bool PosixFile::create(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return m_fd >= 0 || fail();
}

bool PosixFile::writeAll(const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail();
        }
        if (n == 0) { // no progress and no reason: treat it as a full disk
            m_errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

bool PosixFile::write(QByteArrayView bytes)
{
    if (m_buffer.size() + bytes.size() <= bufferSize) {
        m_buffer.append(bytes.data(), bytes.size());
        return true;
    }
    if (!flush())
        return false;
    if (bytes.size() >= bufferSize)
        return writeAll(bytes.data(), bytes.size());
    m_buffer.append(bytes.data(), bytes.size());
    return true;
}

bool PosixFile::flush()
{
    const bool written = writeAll(m_buffer.constData(), m_buffer.size());
    m_buffer.clear();
    return written;
}

bool PosixFile::sync()
{
    int result;
    do
        result = ::fsync(m_fd);
    while (result != 0 && errno == EINTR);
    return result == 0 || fail();
}

bool PosixFile::close()
{
    // The descriptor is gone after close() whatever it returns, so it is never retried; an error
    // here (a network file system reporting a late write failure) still counts.
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 || (errno == EINTR) || fail();
}

bool PosixFile::syncFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return fail();
    int result;
    do
        result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    // Some file systems cannot sync a folder at all; that is no failure of the save.
    const bool synced = result == 0 || errno == EINVAL || errno == ENOTSUP;
    if (!synced)
        m_errno = errno;
    ::close(fd);
    return synced;
}

bool PosixFile::existed() const
{
    return m_errno == EEXIST;
}

QString PosixFile::errorString() const
{
    return qt_error_string(m_errno);
}
