#pragma once

class EstimateDocument;
class Host;

// The bulk rewrite panel (Panel69) of the catalog's edit mode: one column of the material list
// rewritten over a range of rows. Every change but the renumbering keeps the old values of the
// rewritten column in the spare column 18, so that "戻る" can take the last change back.
//
// The range is the rows ny3 to uy3 (the rows dragged over), or every row when "すべての行範囲を
// 書き換える" is chosen, which sets ny3 and uy3 to the whole list first. With ny3 or uy3 at 0 an
// operation does nothing at all.
namespace bulkrewrite {

// "変更" under the C list (Button102) and under the O list (Button105).
void setC(EstimateDocument &doc);
void setO(EstimateDocument &doc);
// "変更" under the D and E lists (Button106): E counts on from its start value through "99" to
// "00", each wrap advancing D, which continues with "01" after "99". No undo copy. A start value
// that is not a whole number is shown as a conversion error; rows already done keep their values.
void renumber(EstimateDocument &doc, Host &host);
// "変更" of the text box (Button107): the pressed column (nx3) takes the text of Edit53.
void replaceWithText(EstimateDocument &doc);
// "データー倍率計算して変更" (Button100): the factor panel opens for the price and rate columns
// (8 and 10 to 17) only. Returns whether it opened.
bool openFactorPanel(EstimateDocument &doc);
// "閉じる" of the factor panel (Button109).
void closeFactorPanel(EstimateDocument &doc);
// "変更" of the factor panel (Button108): each cell of the pressed column is multiplied by the
// factor, rounded to even, and moved to the nearest multiple of the rounding unit (halves up).
// A result of 0 or less leaves the cell as it was. A cell, factor or unit that is not a number
// is shown as a conversion error; rows already done keep their new values and undo copies.
void multiply(EstimateDocument &doc, Host &host);
// "戻る" (Button110): the column of the last change takes back the values kept in column 18, on
// the rows that change rewrote (not on rows a scope chosen since then would add, whose column 18
// holds older values or nothing).
void undo(EstimateDocument &doc);

} // namespace bulkrewrite
