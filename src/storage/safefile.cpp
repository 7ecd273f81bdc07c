#include "storage/safefile.h"

#include "storage/posixfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>

namespace safefile {

namespace {

constexpr int randomLength = 6;
constexpr qsizetype nameMax = 255; // bytes in one file name on the file systems we write to
const QString kMarker = u".保存中-"_qs;

DeviceFactory &factory()
{
    static DeviceFactory f;
    return f;
}

std::unique_ptr<WriteDevice> makeDevice()
{
    if (factory())
        return factory()();
    return std::make_unique<PosixFile>();
}

// The file a save of `path` replaces: the target of a symbolic link, else the path itself.
QString targetOf(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

QString randomSuffix()
{
    static const char16_t letters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString s;
    for (int i = 0; i < randomLength; ++i)
        s += QChar(letters[QRandomGenerator::global()->bounded(int(std::size(letters)) - 1)]);
    return s;
}

// Temporary files of earlier saves of the same file that did not finish (the program was
// killed between creating and renaming them).
void removeLeftovers(const QString &target)
{
    const QString prefix = temporaryPrefix(target);
    QDirIterator it(QFileInfo(target).absolutePath(), QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.size() == prefix.size() + randomLength && name.startsWith(prefix))
            QFile::remove(it.filePath());
    }
}

class Save
{
public:
    explicit Save(const QString &path) : m_path(path), m_target(targetOf(path)), m_device(makeDevice()) {}

    Status run(QByteArrayView bytes)
    {
        if (!createTemporary())
            return failed(m_device->errorString());
        if (!m_device->write(bytes) || !m_device->flush() || !m_device->sync() || !m_device->close())
            return discard(m_device->errorString());
        if (m_existed)
            QFile::setPermissions(m_temporary, QFileInfo(m_target).permissions());
        if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) != 0)
            return discard(qt_error_string(errno));
        // The file is complete in its place; the folder sync makes the rename itself durable.
        if (!m_device->syncFolder(QFileInfo(m_target).absolutePath()))
            return Status::failure(message(m_device->errorString()));
        removeLeftovers(m_target);
        return Done{};
    }

private:
    bool createTemporary()
    {
        m_existed = QFileInfo::exists(m_target);
        const QString stem = QFileInfo(m_target).absolutePath() + u'/' + temporaryPrefix(m_target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_temporary = stem + randomSuffix();
            if (m_device->create(m_temporary))
                return true;
            if (!m_device->existed())
                return false;
        }
        return false;
    }

    QString message(const QString &reason) const
    {
        return u"%1 に書き込めません。\n%2"_qs.arg(m_path, reason);
    }

    // A failure before the rename: the old file, if any, is as it was.
    Status failed(const QString &reason) const
    {
        QString text = message(reason);
        if (m_existed)
            text += u"\n元のファイルは変更されていません。"_qs;
        return Status::failure(text);
    }

    Status discard(const QString &reason)
    {
        m_device.reset(); // closes the descriptor if a step before close() failed
        QFile::remove(m_temporary);
        return failed(reason);
    }

    QString m_path;
    QString m_target;
    QString m_temporary;
    bool m_existed = false;
    std::unique_ptr<WriteDevice> m_device;
};

} // namespace

QString temporaryPrefix(const QString &path)
{
    // The temporary name must stay a valid file name: a long name is shortened, whole characters
    // at a time, to leave room for the marker and the random part.
    const qsizetype room = nameMax - QFile::encodeName(kMarker).size() - randomLength;
    QString name = QFileInfo(path).fileName();
    while (QFile::encodeName(name).size() > room)
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    return name + kMarker;
}

Status write(const QString &path, QByteArrayView bytes)
{
    return Save(path).run(bytes);
}

ScopedDeviceFactory::ScopedDeviceFactory(DeviceFactory f) : m_previous(std::move(factory()))
{
    factory() = std::move(f);
}

ScopedDeviceFactory::~ScopedDeviceFactory()
{
    factory() = std::move(m_previous);
}

} // namespace safefile
