#include "storage/records.h"

#include "base/textgrid.h"

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

} // namespace

QString join(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line.append(u',');
        const QString &field = fields[i];
        if (needsQuotes(field)) {
            line.append(u'"');
            for (QChar c : field) {
                if (c == u'"')
                    line.append(u'"');
                line.append(c);
            }
            line.append(u'"');
        } else {
            line.append(field);
        }
    }
    return line;
}

QStringList split(QStringView line)
{
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlankChar(line[i]))
            ++i;
    };
    auto add = [&](QString field) { fields.append(field.isEmpty() ? u" "_qs : std::move(field)); };

    skipBlanks();
    while (i < n) {
        if (line[i] == u'"') {
            QString field;
            ++i;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        field.append(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.append(line[i++]);
            }
            add(std::move(field));
        } else {
            const qsizetype start = i;
            while (i < n && !isBlankChar(line[i]) && line[i] != u',')
                ++i;
            add(line.sliced(start, i - start).toString());
        }
        skipBlanks();
        if (i < n && line[i] == u',') {
            if (i + 1 == n)
                add(QString()); // a comma at the very end leaves one more, empty field
            ++i;
            skipBlanks();
        }
    }
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
