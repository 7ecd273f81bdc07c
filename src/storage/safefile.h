#pragma once

#include "base/result.h"
#include "storage/writedevice.h"

#include <QByteArray>

#include <functional>
#include <memory>

// Replacing a file so that a failed save never costs the old one. The new content goes into a
// temporary file beside it ("NAME.保存中-XXXXXX"); every write, the flush, the sync and the close
// are checked, and only when all bytes are known to be on the disk does a rename put the file in
// place. On any failure before the rename the old file is untouched and the temporary file is
// removed. After a successful save, temporary files of the same name left by a save that was
// killed are removed.
namespace safefile {

// Writes `bytes` as the whole new content of `path`. A symbolic link is followed, so the link
// stays and its target is replaced; an existing file keeps its permissions.
Status write(const QString &path, QByteArrayView bytes);

// The name stem of the temporary files of a save of `path` (the file name + ".保存中-").
QString temporaryPrefix(const QString &path);

using DeviceFactory = std::function<std::unique_ptr<WriteDevice>()>;

// While it lives, saves write through devices from `factory` instead of PosixFile (tests make a
// device fail at a chosen step this way).
class ScopedDeviceFactory
{
public:
    explicit ScopedDeviceFactory(DeviceFactory factory);
    ~ScopedDeviceFactory();
    ScopedDeviceFactory(const ScopedDeviceFactory &) = delete;
    ScopedDeviceFactory &operator=(const ScopedDeviceFactory &) = delete;

private:
    DeviceFactory m_previous;
};

} // namespace safefile
