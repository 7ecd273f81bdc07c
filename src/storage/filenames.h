#pragma once

#include <QString>

// Names of the files the program writes.
namespace filenames {

// `path` with "." + extension appended, unless its last characters already are exactly the
// extension (case-sensitive, without looking for a dot: "plan.KAS" gets ".kas", "mykas" does not).
QString withExtension(const QString &path, QStringView extension);

// The completion sound beside the program.
QString completionSound(const QString &programFolder);

} // namespace filenames
