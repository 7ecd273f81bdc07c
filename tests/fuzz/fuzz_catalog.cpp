// The catalog's files: the menu index "ｺｰﾄﾞ.DATA", a button settings file, a material list, and an
// estimate file as the stock data window loads it. The first byte chooses the reader, the rest is
// the file. What the program saves from a menu index or button settings reads back; saved again,
// it gives the same file (the first save may turn empty fields into blanks, " ").

#include "fuzztarget.h"

#include "catalog/buttonsettings.h"
#include "catalog/materiallist.h"
#include "catalog/menuindex.h"
#include "catalog/stockdata.h"
#include "storage/textfile.h"

namespace {

QByteArray saved(const QStringList &lines)
{
    return textfile::encodeLines(lines).bytes;
}

void menu(QByteArrayView bytes)
{
    const Result<TextGrid> read = menuindex::parse(bytes, u"ｺｰﾄﾞ.DATA"_qs);
    if (!read)
        return;
    const Result<TextGrid> again = menuindex::parse(saved(menuindex::lines(read.value())), u"ｺｰﾄﾞ.DATA"_qs);
    FUZZ_REQUIRE(again.ok());
    const QStringList lines = menuindex::lines(again.value());
    const Result<TextGrid> third = menuindex::parse(saved(lines), u"ｺｰﾄﾞ.DATA"_qs);
    FUZZ_REQUIRE(third.ok());
    FUZZ_REQUIRE(menuindex::lines(third.value()) == lines);
    for (int c = -1; c <= menuindex::columns; ++c)
        menuindex::codeColumn(c);
}

void buttons(QByteArrayView bytes)
{
    TextGrid grid = buttonsettings::parse(bytes);
    const QString code = u"101"_qs;
    for (int k = 0; k <= buttonsettings::buttonCount + 1; ++k) {
        buttonsettings::isUsed(grid, k);
        buttonsettings::listFor(grid, k, code, u"A101.ini"_qs);
    }
    buttonsettings::applyDefaults(grid, code);
    const QStringList lines = buttonsettings::lines(buttonsettings::parse(saved(buttonsettings::lines(grid))));
    FUZZ_REQUIRE(buttonsettings::lines(buttonsettings::parse(saved(lines))) == lines);
}

void list(QByteArrayView bytes)
{
    TextGrid grid = materiallist::parse(bytes);
    materiallist::removeHeadingLine(grid);
    materiallist::parse(saved(materiallist::lines(grid)));
}

void stockFile(QByteArrayView bytes)
{
    StockData stock;
    if (!stock::loadBytes(stock, bytes, u"stock.kas"_qs))
        return;
    for (const QString &filter : QStringList(stock.filterItems))
        stock::chooseFilter(stock, filter);
    stock::markAll(stock);
    stock::setQuantitiesTaken(stock, false);
    stock::markAll(stock);
}

} // namespace

SOLVARA_FUZZ_TARGET(catalog)
{
    if (size == 0)
        return 0;
    const QByteArrayView bytes(data + 1, qsizetype(size - 1));
    switch (data[0] % 4) {
    case 0:
        menu(bytes);
        break;
    case 1:
        buttons(bytes);
        break;
    case 2:
        list(bytes);
        break;
    default:
        stockFile(bytes);
        break;
    }
    return 0;
}
