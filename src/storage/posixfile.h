#pragma once

#include "storage/writedevice.h"

#include <QByteArray>

// The real device of a save: a file opened with O_EXCL, written through a buffer of its own so
// that small writes cost no system call each, every system call checked (a short write is
// continued, EINTR retried, a write that makes no progress is a failure).
class PosixFile : public WriteDevice
{
public:
    PosixFile() = default;
    ~PosixFile() override;
    PosixFile(const PosixFile &) = delete;
    PosixFile &operator=(const PosixFile &) = delete;

    bool create(const QString &path) override;
    bool write(QByteArrayView bytes) override;
    bool flush() override;
    bool sync() override;
    bool close() override;
    bool syncFolder(const QString &folder) override;

    bool existed() const override;
    QString errorString() const override;

private:
    bool writeAll(const char *data, qsizetype size);
    bool fail();

    static constexpr qsizetype bufferSize = 64 * 1024;

    int m_fd = -1;
    int m_errno = 0;
    QByteArray m_buffer;
};
