#pragma once

class EstimateDocument;
class Host;

// The main views: the item view (lines of the current item), the whole view (all lines in code or
// input order) and the switching between them and the estimate sheet.
namespace views {

inline const char16_t *const wholeCodeLabel = u"全体表示中(コード順)";
inline const char16_t *const wholeInputLabel = u"全体表示中(入力順)";

// "項目別表示" (Button11Click).
void itemView(EstimateDocument &doc, Host &host);

// "全体表示" (Button12Click): code order, or input order when the button reads "入力順"; the
// button's caption then cycles. `keepSheet` is set when compilation calls it (the estimate sheet
// stays shown).
void wholeView(EstimateDocument &doc, Host &host, bool keepSheet = false);

// "入力順表示" (N31Click): the whole view in input order.
void inputOrderWholeView(EstimateDocument &doc, Host &host);

// Enters the view that buttonsw names (0 item view, 1 whole view, 2 estimate sheet).
void enterCurrentView(EstimateDocument &doc, Host &host);

} // namespace views
