#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

// A file that a library writes on its own (the workbook writer, the zip archive): it is built
// under a scratch name in the temporary folder, then put in place by the safe writer that every
// save of the program goes through, so that an existing file stays as it was when anything fails.
class ScratchBuild
{
public:
    explicit ScratchBuild(const QString &destination);

    // Whether the scratch file exists; failure() then says why it does not.
    bool ready() const { return m_ready; }
    // The scratch file's name as the library takes it.
    const QByteArray &scratchName() const { return m_scratchName; }

    // "DESTINATION に書き込めません", with the reason in parentheses when there is one.
    Status failure(const QString &reason = {}) const;
    // Moves what the library wrote to the destination.
    Status install() const;

private:
    QString m_destination;
    QTemporaryFile m_scratch;
    QByteArray m_scratchName;
    bool m_ready = false;
    QString m_error;
};
