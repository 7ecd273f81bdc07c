#include "storage/hostfiles.h"

#include "base/host.h"
#include "storage/textfile.h"

namespace hostfiles {

std::optional<QStringList> readLines(Host &host, const QString &path)
{
    Result<QStringList> read = textfile::readLines(path);
    if (!read) {
        host.error(read.error());
        return std::nullopt;
    }
    return std::move(read.value());
}

bool writeLines(Host &host, const QString &path, const QStringList &lines)
{
    const Result<textfile::WriteReport> written = textfile::writeLines(path, lines);
    if (!written) {
        host.error(written.error());
        return false;
    }
    if (!written->substitutions.isEmpty())
        host.warn(textfile::substitutionNotice(path, written->substitutions));
    return true;
}

} // namespace hostfiles
