#pragma once

#include <QStringList>

class TextGrid;

// Comma-separated records: one line of a file holding the cells of one grid row.
namespace records {

// Joins fields with commas. A field holding a comma, a double quote or any character below U+0021
// is quoted, inner quotes doubled; an empty field is written as nothing.
QString join(const QStringList &fields);
// join() of the cells of one grid row.
QString joinRow(const TextGrid &grid, int row);

// Splits a record. Blanks before a field are skipped; a quoted field runs to its closing quote; a
// bare field ends at a comma or any character below U+0021. A present but empty field reads as a
// single space " ".
QStringList split(QStringView line);

// Reads the fields of one record in turn, as split() gives them, without copying them: the text
// next() gives is valid until the following call.
class FieldReader
{
public:
    explicit FieldReader(QStringView line);
    // The next field, or false when the record has no more.
    bool next(QStringView &field);

private:
    void skipBlanks();

    QStringView m_line;
    qsizetype m_pos = 0;
    bool m_pendingEmpty = false; // a comma at the very end leaves one more, empty field
    QString m_unquoted;          // a quoted field with doubled quotes, made single
};

// The first `columns` fields of a record; missing fields are empty text (not a space).
QStringList toRow(QStringView line, int columns);

// Fills grid row `row` from a record, as toRow gives it.
void fillRow(TextGrid &grid, int row, QStringView line);

} // namespace records
