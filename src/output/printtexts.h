#pragma once

#include <QString>

// The texts of the printed pages that follow a rule of their own: settings fields read as whole
// numbers, the number formats of the amount, unit price and quantity columns, and the lengths that
// choose sizes and line breaks.
namespace printtexts {

// A font size or position adjustment of the print settings. Empty or non-numeric text throws
// ConversionError: the print run ends with its warning.
int field(const QString &text);

// A cell read as a number in the amount format ("%13.2f", "%13.0n" when that ends in "00").
// Throws ConversionError.
QString amountCell(const QString &cell);
// Quantity of a detail row: "%13.1f", "%13.0n" when the "%13.2f" text ends in "00".
QString detailQuantity(const QString &cell);
// Quantity of a summary row: "%13.0f", "%13.0n" when that text ends in "00".
QString summaryQuantity(const QString &cell);

// Length in code page 932 bytes (full-width characters count two).
int bytes(const QString &text);

// A specification counts as blank when it is empty, or one to three spaces, or one to three
// ideographic spaces.
bool isBlankSpecification(const QString &text);

// The first `count` characters, and the rest.
QString firstCharacters(const QString &text, int count);
QString afterCharacters(const QString &text, int count);

} // namespace printtexts
