#include "export/a1.h"

#include <algorithm>

namespace a1 {

int columnNumber(QStringView letters)
{
    if (letters.isEmpty() || letters.size() > 3)
        return 0;
    int n = 0;
    for (QChar c : letters) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            return 0;
        n = n * 26 + (u - u'A' + 1);
    }
    return n;
}

QString columnLetters(int column)
{
    QString letters;
    while (column > 0) {
        const int d = (column - 1) % 26;
        letters.prepend(QChar(u'A' + d));
        column = (column - 1) / 26;
    }
    return letters;
}

QString cellName(int row, int column)
{
    return columnLetters(column) + QString::number(row);
}

QString rangeName(const Range &r)
{
    if (r.row1 == r.row2 && r.column1 == r.column2)
        return cellName(r.row1, r.column1);
    return cellName(r.row1, r.column1) + u':' + cellName(r.row2, r.column2);
}

std::optional<Cell> parseCell(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'$')
        ++i;
    const qsizetype letters = i;
    while (i < text.size() && text[i].isLetter() && text[i].unicode() < 128)
        ++i;
    const int column = columnNumber(text.mid(letters, i - letters));
    if (i < text.size() && text[i] == u'$')
        ++i;
    bool ok = false;
    const QStringView digits = text.mid(i);
    const int row = digits.toInt(&ok);
    if (!column || !ok || row < 1 || row > 1048576 || !digits.front().isDigit())
        return std::nullopt;
    return Cell{row, column};
}

std::optional<Range> parseRange(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    const auto first = parseCell(colon < 0 ? text : text.left(colon));
    const auto second = colon < 0 ? first : parseCell(text.mid(colon + 1));
    if (!first || !second)
        return std::nullopt;
    return Range{std::min(first->row, second->row), std::min(first->column, second->column),
                 std::max(first->row, second->row), std::max(first->column, second->column)};
}

} // namespace a1
