#include "storage/filenames.h"

namespace filenames {

QString withExtension(const QString &path, QStringView extension)
{
    if (path.endsWith(extension))
        return path;
    return path + u'.' + extension.toString();
}

QString completionSound(const QString &programFolder)
{
    return programFolder + u"SW06.wav"_qs;
}

} // namespace filenames
