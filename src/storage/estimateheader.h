#pragma once

#include <QStringList>

class EstimateDocument;

// The five header records of an estimate file: three of settings (company and print texts,
// rates, date and number, extra expense rows, tax, display options, era, seal, copper base) and
// two of the condition list. Each record is a list of 46 fields.
namespace estimateheader {

QStringList record0(const EstimateDocument &doc);
QStringList record1(const EstimateDocument &doc);
QStringList record2(const EstimateDocument &doc); // "適用" marks of conditions 1 to 45
QStringList record3(const EstimateDocument &doc); // "条件項目" texts
// Writes Edit56 as "100" when it is blank; `itemRecords` is n, the number of item records.
QStringList record4(const EstimateDocument &doc, int itemRecords);

// Distribute a record read from a file (46 fields, missing ones empty) into the document, field
// by field. A field that must be a number and is not throws ConversionError; the fields before it
// stay applied.
// The item count (field 21) must lie between 0 and `availableRecords`, the records that follow the
// header: it counts item records.
void applyRecord0(EstimateDocument &doc, const QStringList &fields, int availableRecords);
void applyRecord1(EstimateDocument &doc, const QStringList &fields);
void applyConditions(EstimateDocument &doc, const QStringList &marks, const QStringList &texts);
// Returns n, the number of item records that follow ("29" when the field is blank), at most
// `availableRecords` (a corrupt count cannot claim more records than the file holds). A negative n,
// or an n below the item count of record 0, throws ConversionError.
int applyRecord4(EstimateDocument &doc, const QStringList &fields, int availableRecords);

} // namespace estimateheader
