#pragma once

#include <QString>
#include <QStringList>

// The names offered in the data entry window's name list for an unregistered material, by its
// code class and second code.
namespace namesuggestions {

// Entries 3 on of the name list; empty for a class without suggestions.
QStringList forCode(const QString &codeClass, const QString &code2);

// The name list of an unregistered material ("未登録品"): the placeholder, then the catalog's first
// name (for lighting classes the kind of fixture instead), then the suggestions.
QStringList nameList(const QString &codeClass, const QString &code2, const QString &firstCatalogName);

} // namespace namesuggestions
