#include "output/printtexts.h"

#include "base/numbers.h"
#include "storage/codepage932.h"

namespace printtexts {

int field(const QString &text)
{
    return int(num::toInteger(text));
}

QString amountCell(const QString &cell)
{
    return num::amount(num::toNumber(cell));
}

QString detailQuantity(const QString &cell)
{
    const double q = num::toNumber(cell);
    if (num::fixed(q, 2, 13).endsWith(u"00"))
        return num::groupedFixed(q, 0, 13);
    return num::fixed(q, 1, 13);
}

QString summaryQuantity(const QString &cell)
{
    const double q = num::toNumber(cell);
    const QString whole = num::fixed(q, 0, 13);
    return whole.endsWith(u"00") ? num::groupedFixed(q, 0, 13) : whole;
}

int bytes(const QString &text)
{
    return int(cp932::byteLength(text));
}

bool isBlankSpecification(const QString &text)
{
    if (text.isEmpty())
        return true;
    if (text.size() > 3)
        return false;
    const QChar first = text[0];
    if (first != u' ' && first != u'\u3000')
        return false;
    for (QChar c : text)
        if (c != first)
            return false;
    return true;
}

QString firstCharacters(const QString &text, int count)
{
    return text.left(count);
}

QString afterCharacters(const QString &text, int count)
{
    return text.mid(count);
}

} // namespace printtexts
