#pragma once

#include "storage/posixfile.h"
#include "storage/safefile.h"

#include <memory>

// A real file that fails at one chosen step of a save, as a full or broken disk would, and
// reports "No space left on device" there.
class FailingDevice : public WriteDevice
{
public:
    enum class Step { None, Create, Write, Flush, Sync, Close, SyncFolder };

    explicit FailingDevice(Step failAt) : m_failAt(failAt) {}

    bool create(const QString &path) override { return step(Step::Create) && m_file.create(path); }
    bool write(QByteArrayView bytes) override { return step(Step::Write) && m_file.write(bytes); }
    bool flush() override { return step(Step::Flush) && m_file.flush(); }
    bool sync() override { return step(Step::Sync) && m_file.sync(); }
    bool close() override { return step(Step::Close) && m_file.close(); }
    bool syncFolder(const QString &folder) override { return step(Step::SyncFolder) && m_file.syncFolder(folder); }
    bool existed() const override { return !m_failed && m_file.existed(); }
    QString errorString() const override { return m_failed ? u"No space left on device"_qs : m_file.errorString(); }

    // Saves made while it lives fail at `failAt`.
    static safefile::ScopedDeviceFactory failingAt(Step failAt)
    {
        return safefile::ScopedDeviceFactory([failAt] { return std::make_unique<FailingDevice>(failAt); });
    }

private:
    bool step(Step s)
    {
        if (s != m_failAt)
            return true;
        m_failed = true;
        return false;
    }

    Step m_failAt;
    bool m_failed = false;
    PosixFile m_file;
};
