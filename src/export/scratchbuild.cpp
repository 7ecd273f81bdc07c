#include "export/scratchbuild.h"

#include "storage/textfile.h"

#include <QDir>
#include <QFile>

ScratchBuild::ScratchBuild(const QString &destination)
    : m_destination(destination), m_scratch(QDir::temp().filePath(u"solvara-XXXXXX.xlsx"_qs))
{
    m_ready = m_scratch.open();
    if (!m_ready) {
        m_error = m_scratch.errorString();
        return;
    }
    m_scratch.close();
    m_scratchName = QFile::encodeName(m_scratch.fileName());
}

Status ScratchBuild::failure(const QString &reason) const
{
    const QString shown = QDir::toNativeSeparators(m_destination);
    const QString why = reason.isEmpty() ? m_error : reason;
    if (why.isEmpty())
        return Status::failure(u"%1 に書き込めません"_qs.arg(shown));
    return Status::failure(u"%1 に書き込めません（%2）"_qs.arg(shown, why));
}

Status ScratchBuild::install() const
{
    QFile built(m_scratch.fileName());
    if (!built.open(QIODevice::ReadOnly))
        return failure(built.errorString());
    const QByteArray bytes = built.readAll();
    if (built.error() != QFileDevice::NoError)
        return failure(built.errorString());
    return textfile::writeBytes(m_destination, bytes);
}
