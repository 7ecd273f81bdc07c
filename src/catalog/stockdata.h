#pragma once

#include "base/result.h"
#include "base/textgrid.h"

#include <QByteArrayView>
#include <QStringList>

#include <optional>

class EstimateDocument;
class Host;

// The lists of the stock data window (TForm4): every line loaded from another estimate file or
// from the running estimate (the buffer, StringGrid2, never shown) and the lines that pass the
// item filter (the grid, StringGrid1), in which lines are marked and quantities typed. Columns 0
// and 2 to 45 are those of the estimate line table.
struct StockData {
    static constexpr int columns = 49;
    static constexpr int Mark = 1;      // "    ■" when the line is chosen
    static constexpr int SetAside = 46; // the quantity while quantities are not taken over
    static constexpr int ItemName = 47; // the line's own construction item
    static constexpr int Names = 48;    // buffer only: the distinct item names

    TextGrid buffer{columns, 1};
    TextGrid grid{columns, 1};
    QStringList filterItems; // ComboBox1's entries
    QString filter;          // ComboBox1's text
    bool CheckBox6 = true;   // "数量もStockデーターを利用する"
    QString Button7;         // "ALL適用" / "適用Clear"
    QString Label18;         // the current item the lines go to

    StockData();
};

// The stock data window's operations.
namespace stock {

inline constexpr char16_t allItems[] = u"全項目表示";
inline constexpr char16_t mark[] = u"    ■";

// What the main window's "Stock" button (or "Stokの呼出") does.
enum class Opening {
    Show,      // the window is shown modally
    ItemSetup, // no current item: the item setup screen opens instead
    Nothing,   // a catalog window is shown
};
Opening open(EstimateDocument &doc, StockData &stock);

// The window came to the front: with an empty grid the current lines are loaded.
void activated(EstimateDocument &doc, StockData &stock);

// The lines of an estimate file's bytes into the buffer: the header records and the item
// records are dropped, each line's own item name goes to column 47 and its quantity to column 46.
// An item count that is not a whole number, is negative or is more than the records present can
// hold leaves the lists as they were; the message names the file and the text.
Status loadBytes(StockData &stock, QByteArrayView bytes, const QString &path);
// "Ｓｔｏｃｋファイル読込" (Button1): asks for an estimate file and loads it. Returns false when
// cancelled or not read (the reason has been shown).
bool loadFile(StockData &stock, Host &host);
// "入力中材料呼出" (Button4): the running estimate's lines, sorted in code order first.
void loadCurrent(EstimateDocument &doc, StockData &stock);

// ComboBox1: another item filter; the grid is filled again and its marks and typed quantities go.
void chooseFilter(StockData &stock, const QString &filter);
// "ALL適用" / "適用Clear" (Button7): every line with a No. marked or unmarked.
void markAll(StockData &stock);
// CheckBox6: quantities taken over (on) or set aside to be typed (off).
void setQuantitiesTaken(StockData &stock, bool on);

// A press on the grid. Column 1 toggles the mark; column 10 asks for the quantity through the
// keypad when quantities are not taken over (Keypad); other columns may be edited in place (Edit).
enum class Press { Nothing, Edit, Keypad };
Press pressed(StockData &stock, int column, int row);
// The keypad for a Keypad press, its display emptied first; its "登録" does not mark the estimate
// changed (the registration does).
std::optional<QString> askQuantity(EstimateDocument &doc, Host &host);
// The keypad's text after a Keypad press: it becomes the quantity and the line is marked.
void quantityTyped(StockData &stock, int row, const QString &text);

// "登録" (Button2): every marked line is registered under the current item, merged with a line of
// that item that describes the same material. Returns true when the window is to close; false
// after "数量を入力して下さい。" or a conversion error (lines registered before it stay).
bool registerMarked(EstimateDocument &doc, StockData &stock, Host &host);

// After the window has closed from "Stock": the same-name price check, then every line is
// recalculated and the view shown again.
void closed(EstimateDocument &doc, Host &host);

} // namespace stock
