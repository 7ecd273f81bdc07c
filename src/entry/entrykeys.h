#pragma once

#include <QString>

class Host;
struct EntryForm;

// The on-screen keypad of the data entry window and the keys beside it: the whole line can be
// entered with the mouse.
namespace entrykeys {

// Keys "1" … "9", "0" and "." (Button1Click) into the field of t_no. Refused with the beep: a
// point or a leading "0" under the price rules (red price panel), a second point. In quantity,
// price and the two labour factors "0" then "5" gives "0.5" and a point on an empty field "0.".
void keypadKey(EntryForm &f, Host &host, QChar key);

// "+/-" (Button12Click): the quantity or unit price times −1. A field holding no number is
// refused with the beep.
void plusMinus(EntryForm &f, Host &host);

// "C" (Button13Click): empties the keypad's field.
void clearKey(EntryForm &f);

// "提出単価の再計算": the submitted unit price in the status line, when price and submission
// rate are filled. A rate that is not a number leaves the status line as it is.
void pricePreview(EntryForm &f);

// A double-click on the "単　価" label (Label7DblClick): with the unit "工数" the price becomes
// the labour unit price of the settings.
void labourPrice(EntryForm &f, const QString &labourUnitPrice);

// The calculator's "コピー" while the window is open: the value goes into the quantity, the unit
// price or the labour factor, whichever panel is red. False when none is.
bool calculatorCopy(EntryForm &f, const QString &value);

// The unit price as Edit6 shows it: "#,###.##", nothing for 0, blank or text that is not a number.
QString formattedPrice(const QString &price);

} // namespace entrykeys
