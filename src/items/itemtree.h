#pragma once

#include <QString>

#include <vector>

class EstimateDocument;

// One node of the item outline shown on the setup screen.
struct ItemNode {
    QString caption;
    int depth = 0;   // 0 for a root node
    int parent = -1; // index of the parent node, -1 for a root
};

// The tree of the items (TreeView1), always fully expanded. Node i (in display order) is item
// row i + 1: the builder keeps display order and row order the same.
struct ItemTree {
    std::vector<ItemNode> nodes;
    int selected = -1; // index of the selected node, -1 when none
};

// The item tree and the choice of an item in it. A window shows doc.itemTree and calls these on
// the user's clicks; for a left click it selects the node, calls choose() and then mouseUp().
namespace itemtree {

// "読込": rebuilds the nodes from item rows 1 to tree_count (bare names as captions) and clears
// the selection. A row of level 2 to 4 hangs under the nearest shallower node above it when that
// node is on the current path; otherwise (a broken outline) it becomes a root.
void build(EstimateDocument &doc);

// "名称変更": node r - 1 takes the numbered name of item row r.
void refreshCaptions(EstimateDocument &doc);

// Selects the node of item row `row` (none when the row has no node) and asks for the tree's focus.
void selectRow(EstimateDocument &doc, int row);

// After an operation has moved the current item (nodrow): selects its node and makes it the chosen
// item, so that the next delete or rename acts on the item the tree shows.
void followCurrentRow(EstimateDocument &doc);

// A click on node `node` (-1: no node selected): the node becomes the chosen and current item, and
// edit mode starts when the register button reads "↓ 登録".
void choose(EstimateDocument &doc, int node);

// A mouse button released on the tree. Hides the header's reference list and reselects the current
// item's node. Returns true when the pop-up menu with "削除" is to be opened (right button, a
// node selected).
bool mouseUp(EstimateDocument &doc, bool rightButton);

} // namespace itemtree
