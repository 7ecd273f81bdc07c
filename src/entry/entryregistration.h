#pragma once

class EstimateDocument;
class Host;
struct EntryForm;

// "登録" and "キャンセル" of the data entry window.
namespace entryregistration {

enum class Outcome {
    Refused,    // a check stopped it: the window stays open with the field to correct highlighted
    Registered, // written, views refreshed, the window closes
    Failed,     // a message was shown; nothing was written
};

// "登録" (Button14Click). Line mode: the checks, then the line is written into the row of Edit21
// (a new line raises st1count, an identical line of the same item takes the quantity instead,
// identical lines of other items take the new price and rates), computed, and every line
// recalculated. Item rate mode: the rates go into the item table. A failed conversion shows
// "整数に変換できません" and a division by zero "0 では割れません"; then nothing is written at all,
// the line count included.
Outcome registerEntry(EntryForm &f, EstimateDocument &doc, Host &host);

// "キャンセル" (Button23Click): the fields are reset and the window closes; nothing is written.
void cancel(EntryForm &f);

} // namespace entryregistration
