#pragma once

class EstimateDocument;
class Host;

// Compilation of the estimate sheet ("見積書表示", Button16Click) and the passes that run after it.
namespace sheet {

// Rebuilds the whole estimate sheet from the line table, the item table and the settings, and shows
// the estimate sheet view. Returns false when it ended early (a precondition message, a price
// conflict, or a silent stop on a conversion or arithmetic failure).
bool compile(EstimateDocument &doc, Host &host);

} // namespace sheet
