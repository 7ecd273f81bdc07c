#include "storage/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace programfiles {

namespace {

QString withSeparator(const QString &folder)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return clean.endsWith(u'/') ? clean : clean + u'/';
}

bool writableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

QString programFolder(const QString &override)
{
    if (!override.isEmpty())
        return withSeparator(override);
    const QString binaries = withSeparator(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(binaries + u"setutei.kxt"_qs))
        return binaries;
    const QString installed = withSeparator(binaries + u"../share/solvara"_qs);
    return QFileInfo::exists(installed + u"setutei.kxt"_qs) ? installed : binaries;
}

QString userFolder()
{
    // Not AppConfigLocation itself: that follows the running executable's name, and solvara-cli
    // must find what the desktop program saved.
    return withSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + u"/solvara"_qs);
}

QString readPath(const QString &programFolder, const QString &fileName)
{
    const QString userCopy = userFolder() + fileName;
    return QFileInfo::exists(userCopy) ? userCopy : programFolder + fileName;
}

Place writePlace(bool userCopyExists, bool programFolderWritable)
{
    return !userCopyExists && programFolderWritable ? Place::ProgramFolder : Place::UserFolder;
}

QString writePath(const QString &programFolder, const QString &fileName)
{
    const QString user = userFolder();
    const Place place = writePlace(QFileInfo::exists(user + fileName), writableFolder(programFolder));
    if (place == Place::ProgramFolder)
        return programFolder + fileName;
    QDir().mkpath(user);
    return user + fileName;
}

} // namespace programfiles
