#pragma once

#include <QString>

class EstimateDocument;
class Host;
struct EntryForm;

// What the data entry window does as it is shown and closed, and the buttons that change the
// kind of the line: the field opened for retyping, the name suggestions, the comment line, the
// two-line preview of name and specification and the restore of a field left empty.
namespace entryactivation {

// The window is shown (FormActivate): the field that Edit24 names is cleared for retyping (its
// old text kept in Edit25) and becomes the keypad's target. `noWrap` is the option
// "・品名や規格を折り返し印刷させない".
void activate(EntryForm &f, Host &host, bool noWrap);

// The window is closed (FormClose): item rate mode ends.
void closed(EntryForm &f);

// Restore (Button29Click), when the user moves to another field: a quantity, price or labour
// factor cleared for retyping and left empty gets its old text back.
void restore(EntryForm &f);

// The two-line processing of the name (Button31Click) and of the specification (Button30Click);
// the halves panels are shown when the second half is not empty.
void splitName(EntryForm &f, bool noWrap);
void splitSpecification(EntryForm &f, bool noWrap);

// A kind button ("通常品", "移設", "撤去", …; Button16Click).
void kindButton(EntryForm &f, const QString &caption);

// "注 釈" (Button24Click): the entry becomes a comment line whose text is the name, numbered with
// the current item's sub-number.
void commentButton(EntryForm &f, const EstimateDocument &doc);

// The captions of the kind buttons, in window order.
const QStringList &kindCaptions();

} // namespace entryactivation
