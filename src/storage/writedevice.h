#pragma once

#include <QByteArrayView>
#include <QString>

// The temporary file of a save, as the safe writer drives it. Every step reports failure: a
// write that did not take all its bytes, a flush of the bytes still buffered, the sync that puts
// them on the disk, the close. The real device is a POSIX file (PosixFile); tests put in one
// that fails at a chosen step.
class WriteDevice
{
public:
    virtual ~WriteDevice() = default;

    // Creates a new file (never opens an existing one); false when it exists or cannot be made.
    virtual bool create(const QString &path) = 0;
    // Takes all the bytes, possibly into a buffer; false when they cannot all be written.
    virtual bool write(QByteArrayView bytes) = 0;
    // Hands every buffered byte to the system.
    virtual bool flush() = 0;
    // Waits until the file's content is on the disk.
    virtual bool sync() = 0;
    virtual bool close() = 0;
    // Waits until the entries of a folder (a rename into it) are on the disk.
    virtual bool syncFolder(const QString &folder) = 0;

    // Whether the last failure was that the file to create already exists.
    virtual bool existed() const = 0;
    // The system's reason for the last failure.
    virtual QString errorString() const = 0;
};
