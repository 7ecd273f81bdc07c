#pragma once

#include <QString>

class EstimateDocument;
class Host;

// Double click on the estimate sheet (StringGrid6DblClick). The cases that need no other window are
// carried out here; the others are handed back as a request for the window that asks the user
// (keypad, unit window, calculator, data-entry window, settings screen).
namespace sheetclick {

struct Request {
    enum class Kind {
        None,
        ItemQuantity,  // keypad: quantity of the summary item row `row`
        ItemUnit,      // unit window: unit of the summary item row `row`
        Settings,      // settings screen with the cursor in the control `field`
        DerivedAmount, // calculator: compressed (column 17) or submitted (20) amount of a derived row
                       // of item `item`; `fieldCode` names its rate as ItemRates does
        ExpenseAmount, // calculator: amount or rate of an expense row; `field` names the setting
        ItemRates,     // data-entry window in item rate mode for item `item`, rate `fieldCode`
                       // (35/36 painting compression/submission, 37/38 ceiling openings, 39/40
                       // labour, 41/42 consumables)
        LineRate,      // calculator: a rate, price or amount of line `line` (columns 15 to 20)
        EditLine,      // data-entry window on line `line`, focusing line column `lineColumn`
    };
    Kind kind = Kind::None;
    int row = 0;
    int column = 0;
    QString field;
    int item = 0;
    int fieldCode = 0;
    int line = 0;
    int lineColumn = 0;
};

// Acts on the cell (sx6, sy6) released last.
Request doubleClicked(EstimateDocument &doc, Host &host);

// A summary row (items and "直接工事費"): the detail header with the same column 0 becomes the
// current item; in the name column the sheet scrolls to it.
void chooseSummaryItem(EstimateDocument &doc, int row, int column);

} // namespace sheetclick
