#include "estimate/linekeys.h"

#include "estimate/document.h"

namespace linekeys {

QString key(const TextGrid &lines, int row, std::span<const int> columns)
{
    QString k;
    for (int c : columns)
        k += lines.cell(c, row);
    return k;
}

bool takesCarryOver(const TextGrid &lines, int row)
{
    return lines.cell(linecol::Unit, row) != u"式";
}

Index::Index(const EstimateDocument &doc, std::span<const int> columns) : m_lines(doc.lines), m_columns(columns)
{
    for (int r = 1; r <= doc.st1count; ++r)
        if (takesCarryOver(m_lines, r))
            m_byKey[key(m_lines, r, columns)].push_back(r);
}

const std::vector<int> &Index::matches(int row) const
{
    static const std::vector<int> none;
    const auto it = m_byKey.constFind(key(m_lines, row, m_columns));
    return it == m_byKey.constEnd() ? none : *it;
}

} // namespace linekeys
