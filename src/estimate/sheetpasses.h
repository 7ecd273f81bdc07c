#pragma once

class EstimateDocument;
class Host;

// The passes that run over the estimate sheet after it has been built. Each ends silently at its
// first failure (reported to host.silentStop), keeping what it did before; they return false then.
namespace sheet {

// "Button72Click": merges adjacent detail rows with equal name, specification, remark and unit
// price into one row marked "*"; rows that differ only in unit price get their construction
// category appended to the specification.
bool mergePass(EstimateDocument &doc, Host &host);

// "Button93Click": sums the amounts of sub-items into their parent summary rows, numbers the
// summary rows "A" + row, completes empty item totals, then runs the page count.
bool hierarchySums(EstimateDocument &doc, Host &host);

// "Button144Click": counts the detail pages into pagisu: every item section starts a page and
// every 35 counted rows of a section start another.
void pageCount(EstimateDocument &doc);

// "Button84Click": takes the grand total into Edit55 and sougoukei, notes the scroll target,
// removes the markers and unused placeholder rows, applies supplied-goods mode and updates the
// NET figure.
bool finalPass(EstimateDocument &doc, Host &host);

// "Button145Click": fills the "小　　計" rows with the sums of the rows above them in their part.
bool subtotalPass(EstimateDocument &doc, Host &host);

} // namespace sheet
