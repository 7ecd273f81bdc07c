#pragma once

#include <QStringList>

#include <optional>

class Host;

// Text files read and written on behalf of an operation: a failure is shown to the user with the
// file's name and the system's reason, and a save that had to replace characters says which.
namespace hostfiles {

// The file's lines, or nullopt after showing why it could not be read.
std::optional<QStringList> readLines(Host &host, const QString &path);

// Writes the file (the old one stays intact when writing fails). Returns false after showing the
// error. Characters that code page 932 cannot hold are listed in a warning; the save still counts.
bool writeLines(Host &host, const QString &path, const QStringList &lines);

} // namespace hostfiles
