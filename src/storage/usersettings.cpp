#include "storage/usersettings.h"

#include "storage/programfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace usersettings {

namespace {

const QString estimateFolderKey = u"dialogs/estimateFolder"_qs;

QString storeFile()
{
    return programfiles::userFolder() + u"solvara.conf"_qs;
}

} // namespace

QString estimateFolder()
{
    const QSettings settings(storeFile(), QSettings::IniFormat);
    const QString folder = settings.value(estimateFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void rememberEstimateFile(const QString &estimateFile)
{
    if (estimateFile.isEmpty())
        return;
    QSettings settings(storeFile(), QSettings::IniFormat);
    settings.setValue(estimateFolderKey, QFileInfo(estimateFile).absolutePath());
    settings.sync();
}

} // namespace usersettings
