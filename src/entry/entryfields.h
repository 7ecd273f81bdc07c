#pragma once

#include <QString>

struct EntryForm;

// What the data entry window's fields do when clicked, double-clicked, entered, left or given a
// key: the keypad's target moves to the field, its panel turns red, a field retyped keeps its old
// text for the restore. Fields are named by object name; names a rule does not mention are left
// alone. `noWrap` is the option "・品名や規格を折り返し印刷させない".
namespace entryfields {

void click(EntryForm &f, QStringView name);
void doubleClick(EntryForm &f, QStringView name);
// The focus comes into the field.
void enter(EntryForm &f, QStringView name, bool noWrap);
// The focus leaves the field for another control of the window.
void leave(EntryForm &f, QStringView name, bool noWrap);
void mouseDown(EntryForm &f, QStringView name);
void mouseEnter(EntryForm &f, QStringView name);
// Any key down in the field; Enter moves on. Returns true when the key is consumed.
bool keyDown(EntryForm &f, QStringView name, bool enter);
// A key released in the unit price: Edit6 follows the price.
void keyUp(EntryForm &f, QStringView name);

// The keyboard rules of the unit price (Edit11) and the labour factor (Edit12) for one typed
// character (`backspace` for the Backspace key). The key is dropped, passed, or passed as ".".
enum class KeyAction { Drop, Pass, PassAsPoint };
KeyAction priceKey(EntryForm &f, QChar key, bool backspace);
KeyAction factorKey(EntryForm &f, QChar key, bool backspace);

// Text typed into a field as a whole (solvara-cli, pasting): the field takes it, and the price
// display follows the price.
void typed(EntryForm &f, QStringView name, const QString &text);

} // namespace entryfields
