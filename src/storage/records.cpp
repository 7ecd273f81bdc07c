#include "storage/records.h"

#include "base/textgrid.h"

#include <algorithm>

namespace records {

namespace {

bool isBlankChar(QChar c)
{
    return c.unicode() < 0x21;
}

bool needsQuotes(const QString &field)
{
    for (QChar c : field)
        if (isBlankChar(c) || c == u',' || c == u'"')
            return true;
    return false;
}

// Writes one field at `out` and returns the end. A field takes at most 2 * size + 2 characters.
char16_t *writeField(char16_t *out, const QString &field)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(field.constData());
    const char16_t *const end = p + field.size();
    if (!needsQuotes(field))
        return std::copy(p, end, out);
    *out++ = u'"';
    for (; p != end; ++p) {
        if (*p == u'"')
            *out++ = u'"';
        *out++ = *p;
    }
    *out++ = u'"';
    return out;
}

// Joins `count` fields given by `field(i)`.
template<typename Field>
QString joinFields(qsizetype count, Field field)
{
    qsizetype bound = count;
    for (qsizetype i = 0; i < count; ++i)
        bound += 2 * field(i).size() + 2;
    QString line(bound, Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(line.data());
    char16_t *out = begin;
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0)
            *out++ = u',';
        out = writeField(out, field(i));
    }
    line.truncate(out - begin);
    return line;
}

} // namespace

QString join(const QStringList &fields)
{
    return joinFields(fields.size(), [&fields](qsizetype i) -> const QString & { return fields[i]; });
}

QString joinRow(const TextGrid &grid, int row)
{
    return joinFields(grid.columnCount(),
                      [&grid, row](qsizetype c) -> const QString & { return grid.cell(int(c), row); });
}

FieldReader::FieldReader(QStringView line) : m_line(line)
{
    skipBlanks();
}

void FieldReader::skipBlanks()
{
    while (m_pos < m_line.size() && isBlankChar(m_line[m_pos]))
        ++m_pos;
}

bool FieldReader::next(QStringView &field)
{
    static const char16_t space[] = u" ";
    const QStringView present(space, 1);
    const qsizetype n = m_line.size();
    if (m_pendingEmpty) {
        m_pendingEmpty = false;
        field = present;
        return true;
    }
    if (m_pos >= n)
        return false;
    if (m_line[m_pos] == u'"') {
        // The field runs to the closing quote; a doubled quote inside stands for one.
        qsizetype start = ++m_pos;
        bool doubled = false;
        for (;;) {
            const qsizetype quote = m_line.indexOf(u'"', m_pos);
            if (quote < 0) {
                m_pos = n;
                break;
            }
            if (quote + 1 < n && m_line[quote + 1] == u'"') {
                if (!doubled)
                    m_unquoted.clear();
                doubled = true;
                m_unquoted.append(m_line.sliced(start, quote + 1 - start));
                m_pos = start = quote + 2;
                continue;
            }
            m_pos = quote;
            break;
        }
        if (doubled) {
            m_unquoted.append(m_line.sliced(start, m_pos - start));
            field = m_unquoted;
        } else {
            field = m_line.sliced(start, m_pos - start);
        }
        if (m_pos < n)
            ++m_pos; // the closing quote
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && !isBlankChar(m_line[m_pos]) && m_line[m_pos] != u',')
            ++m_pos;
        field = m_line.sliced(start, m_pos - start);
    }
    if (field.isEmpty())
        field = present;
    skipBlanks();
    if (m_pos < n && m_line[m_pos] == u',') {
        ++m_pos;
        m_pendingEmpty = m_pos == n;
        skipBlanks();
    }
    return true;
}

QStringList split(QStringView line)
{
    static const QString space = u" "_qs;
    QStringList fields;
    fields.reserve(line.count(u',') + 1);
    FieldReader reader(line);
    for (QStringView field; reader.next(field);)
        fields.append(field == u" " ? space : field.toString());
    return fields;
}

QStringList toRow(QStringView line, int columns)
{
    QStringList row = split(line);
    if (row.size() > columns)
        row.resize(columns);
    while (row.size() < columns)
        row.append(QString());
    return row;
}

void fillRow(TextGrid &grid, int row, QStringView line)
{
    grid.setRow(row, toRow(line, grid.columnCount()));
}

} // namespace records
