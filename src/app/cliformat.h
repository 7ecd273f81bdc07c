#pragma once

#include <QString>

class EstimateDocument;
class TextGrid;

// Text listings printed by solvara-cli: UTF-8, cells joined by TAB, LF after every line.
namespace cliformat {

// Rows first to last (inclusive) of a grid, every cell exactly as held.
QString grid(const TextGrid &grid, int firstRow, int lastRow);
// sougoukei, syouhizeigaku, irow1, irow2, pagisu, st1count, tree_count, net, kidou.
QString totals(const EstimateDocument &doc);
// Every settings control, then the main-window state.
QString state(const EstimateDocument &doc);

} // namespace cliformat
