#include "storage/recoverystore.h"

#include "storage/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace {

constexpr int maxSlots = 100;

} // namespace

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::slotFile(int slot, const char16_t *suffix) const
{
    return m_folder + u"/recovery-"_qs + QString::number(slot) + QString::fromUtf16(suffix);
}

QList<RecoveryStore::Leftover> RecoveryStore::leftovers() const
{
    QList<Leftover> found;
    for (int slot = 1; slot <= maxSlots; ++slot) {
        if (slot == m_slot)
            continue;
        const QString file = slotFile(slot, u".kas");
        if (!QFileInfo::exists(file))
            continue;
        // A lock that can be taken belongs to no running program (QLockFile clears the lock of
        // a process that has died).
        QLockFile lock(slotFile(slot, u".lock"));
        lock.setStaleLockTime(0); // a running program holds its lock for hours
        if (!lock.tryLock(0))
            continue;
        found.append({file, QFileInfo(file).lastModified()});
    }
    std::sort(found.begin(), found.end(), [](const Leftover &a, const Leftover &b) { return a.written > b.written; });
    return found;
}

bool RecoveryStore::open()
{
    if (!QDir().mkpath(m_folder))
        return false;
    for (int slot = 1; slot <= maxSlots; ++slot) {
        if (QFileInfo::exists(slotFile(slot, u".kas")))
            continue; // a leftover someone may still restore
        auto lock = std::make_unique<QLockFile>(slotFile(slot, u".lock"));
        lock->setStaleLockTime(0); // only a lock of a process that has died is stale
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_slot = slot;
            return true;
        }
    }
    return false;
}

QString RecoveryStore::file() const
{
    return m_slot ? slotFile(m_slot, u".kas") : QString();
}

Status RecoveryStore::write(QByteArrayView content) const
{
    if (!m_slot)
        return Status::failure(u"復元用ファイルの場所がありません。"_qs);
    return safefile::write(file(), content);
}

void RecoveryStore::remove() const
{
    if (m_slot)
        QFile::remove(file());
}
