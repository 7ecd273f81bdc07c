#pragma once

#include <QString>

class EstimateDocument;
class Workbook;

// The cost-summary template "見積原価集計表" that ships beside the program and that the tally
// export fills: the form of the cost summary with blocks sized for the tally's classes.
namespace costtemplate {

// The template's file name in the program folder.
inline constexpr char16_t fileName[] = u"見積原価集計表.xlsx";
inline constexpr char16_t sheetName[] = u"原価集計表";

// Lays the template out on sheet 1 of `book` (the generator of the shipped file).
void build(Workbook &book);

// The template's path in the program folder: the name without an extension when such a file
// exists, else with ".xlsx".
QString path(const EstimateDocument &doc);

} // namespace costtemplate
