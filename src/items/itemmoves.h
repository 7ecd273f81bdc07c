#pragma once

class EstimateDocument;
class Host;

// The four move buttons of the item setup screen. Each acts on the current item (nodrow), may
// press the other moves as its rules say, and ends with the structural check, after which the
// current item's node is selected and becomes the chosen item.
namespace items {

// "▲" (Button8): swaps the item with the item above at the same level; below a shallower item
// it outdents instead, below a deeper one it indents. Beeps on the first item.
void moveUp(EstimateDocument &doc, Host &host);

// "▼" (Button7): swaps the item with the item below; an item deeper than the next outdents.
void moveDown(EstimateDocument &doc, Host &host);

// "→" (Button9): one level deeper, unless the item above holds lines. Beeps on the first item.
void indent(EstimateDocument &doc, Host &host);

// "←" (Button10): one level shallower. Beeps and stays when the item has a sub-item, unless it
// holds lines and the next item does not (both then move up a level).
void outdent(EstimateDocument &doc, Host &host);

} // namespace items
