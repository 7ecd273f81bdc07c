#pragma once

#include <QStringList>

class EstimateDocument;
class Host;

// The condition list (StringGrid8, "見積条件書") and its standard file "jyouken.DATA": 45
// conditions of three columns, "No.", the "適用" mark " ■" and the "条件項目" text.
namespace conditions {

inline constexpr int count = 45;

// "基準値読込" (Button86): records 0 to 44 of "jyouken.DATA" (programfiles::readPath of the program
// folder doc.strFilePath) fill rows 1 to 45.
// A missing file is shown as an error and nothing is applied; a file with fewer records applies
// those present and says so in an error message. Returns true when all 45 were read.
bool readStandard(EstimateDocument &doc, Host &host);

// Records 0 to 44 of a conditions file into rows 1 to 45; returns how many there were.
int apply(EstimateDocument &doc, const QStringList &lines);

// "基準値保存" (Button85): refused with a warning when no condition has any text; otherwise asks
// and writes rows 1 to 45 where programfiles::writePath says. Returns true when written.
bool saveStandard(EstimateDocument &doc, Host &host);

// A mouse press on the "適用" cell of `row`: " ■" becomes empty, blank becomes " ■", other text
// stays. Rows outside 1 to 45 are ignored.
void toggleMark(EstimateDocument &doc, int row);

// "適用ALL_CLEAR": a single space in every "適用" cell.
void clearMarks(EstimateDocument &doc);
// "ALL_CLEAR": a single space in every "適用" and "条件項目" cell.
void clearAll(EstimateDocument &doc);

} // namespace conditions
