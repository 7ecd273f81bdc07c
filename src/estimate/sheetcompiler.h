#pragma once

#include "estimate/itemsection.h"

class EstimateDocument;
class Host;

// Compilation of the estimate sheet ("見積書表示", Button16Click) and the passes that run after it.
namespace sheet {

// Rebuilds the whole estimate sheet from the line table, the item table and the settings, and shows
// the estimate sheet view. Returns false when it ended early: a precondition message, a price
// conflict (the whole view is shown at the conflicting line), or a silent stop on a conversion or
// arithmetic failure (rows written so far stay; the view is not switched). `walk` chooses how the
// lines of each item are found; both ways give the same sheet.
bool compile(EstimateDocument &doc, Host &host, LineWalk walk = LineWalk::ByItemIndex);

} // namespace sheet
