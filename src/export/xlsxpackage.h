#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// The zip package of an .xlsx file, held in memory: its entries by name, in their order.
class XlsxPackage
{
public:
    // Reads every entry of the package; a missing or damaged file gives the reason.
    static Result<XlsxPackage> read(const QString &path);

    bool contains(const QString &name) const;
    QByteArray entry(const QString &name) const;
    // Replaces an entry, or appends it when there is none of that name.
    void setEntry(const QString &name, const QByteArray &data);

    // Writes the package to `path`, whole or not at all (a temporary file beside it is renamed).
    Status write(const QString &path) const;

private:
    std::vector<std::pair<QString, QByteArray>> m_entries;
};
