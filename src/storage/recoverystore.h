#pragma once

#include "base/result.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class QLockFile;

// The recovery folder: one slot per running program ("recovery-N.kas"), held by a lock file
// ("recovery-N.lock") while that program runs, so that two programs never write the same file and
// the file of a program that was killed can be told from one still in use.
class RecoveryStore
{
public:
    // A recovery file whose program is no longer running.
    struct Leftover {
        QString file;
        QDateTime written;
    };

    explicit RecoveryStore(QString folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    const QString &folder() const { return m_folder; }

    // Recovery files of programs no longer running, newest first.
    QList<Leftover> leftovers() const;

    // Takes the first free slot (one without a lock held and without a leftover file). False
    // when the folder cannot be made or locked.
    bool open();
    // This program's recovery file; empty before open().
    QString file() const;

    // Writes the recovery file through the safe writer. May run on another thread than the
    // other members, but not at the same time as remove().
    Status write(QByteArrayView content) const;
    // Removes this program's recovery file, if any.
    void remove() const;

private:
    QString slotFile(int slot, const char16_t *suffix) const;

    QString m_folder;
    int m_slot = 0;
    std::unique_ptr<QLockFile> m_lock;
};
