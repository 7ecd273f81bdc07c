#include "items/itemtree.h"

#include "base/conversionerror.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "items/header.h"
#include "items/outline.h"

namespace itemtree {

namespace {

// The level column of an item row: where its numbered name lives. `fallback` when the level
// cannot be read.
int levelColumn(const TextGrid &items, int row, int fallback)
{
    try {
        const int v = outline::level(items, row);
        return v >= 1 ? v : fallback;
    } catch (const ConversionError &) {
        return fallback;
    }
}

} // namespace

void build(EstimateDocument &doc)
{
    ItemTree &tree = doc.itemTree;
    tree.nodes.clear();
    tree.selected = -1;
    doc.controls.Label138.text = QString::number(doc.tree_count);

    // path[d] is the last node added at depth d; adding a node cuts the path below it, so that a
    // child always lands directly after its predecessor in display order.
    int path[outline::maxLevel] = {-1, -1, -1, -1};
    int pathLength = 0;
    tree.nodes.reserve(std::max(0, doc.tree_count));
    for (int r = 1; r <= doc.tree_count; ++r) {
        // The tree never fails to build: a level that cannot be read makes a root node.
        const int v = levelColumn(doc.items, r, 1);
        ItemNode node;
        node.caption = doc.items.cell(itemcol::Bare, r);
        if (v > 1 && v - 1 <= pathLength) {
            node.parent = path[v - 2];
            node.depth = v - 1;
        }
        const int index = int(tree.nodes.size());
        tree.nodes.push_back(node);
        path[node.depth] = index;
        pathLength = node.depth + 1;
    }
}

void refreshCaptions(EstimateDocument &doc)
{
    std::vector<ItemNode> &nodes = doc.itemTree.nodes;
    for (int r = 1; r <= doc.tree_count && r <= int(nodes.size()); ++r)
        nodes[r - 1].caption = doc.items.cell(itemcol::Name, r);
}

void selectRow(EstimateDocument &doc, int row)
{
    ItemTree &tree = doc.itemTree;
    tree.selected = row >= 1 && row <= int(tree.nodes.size()) ? row - 1 : -1;
    doc.controls.focus = u"TreeView1"_qs;
}

void followCurrentRow(EstimateDocument &doc)
{
    selectRow(doc, doc.nodrow);
    if (doc.nodrow < 1 || doc.nodrow > doc.tree_count)
        return;
    const int column = levelColumn(doc.items, doc.nodrow, 1);
    doc.uy7 = doc.V7S = doc.nodrow;
    doc.ux7 = column;
    doc.controls.Label18.tag = doc.nodrow;
    if (doc.controls.Panel83.visible)
        doc.controls.Panel83.tag = column;
}

void choose(EstimateDocument &doc, int node)
{
    ItemTree &tree = doc.itemTree;
    if (node < 0 || node >= int(tree.nodes.size()))
        return;
    tree.selected = node;
    MainControls &c = doc.controls;
    const ItemNode &chosen = tree.nodes[node];
    c.Edit1.text = chosen.caption;
    c.Label18.text = chosen.caption;

    int last = node;
    for (int i = 0; i < int(tree.nodes.size()); ++i) {
        if (tree.nodes[i].caption == chosen.caption)
            last = i;
    }
    doc.V7S = last + 1;
    c.Edit1.text = doc.items.cell(itemcol::Bare, doc.V7S);
    doc.kkb = doc.items.cell(itemcol::Code, doc.V7S);

    // The node's depth names the level column; the row's own level is used where a broken outline
    // (read from a file) made the two differ, so that a rename writes where the name lives.
    const int column = levelColumn(doc.items, doc.V7S, chosen.depth + 1);
    if (c.Button5.text == u"↓ 登録" && !c.Edit1.text.isEmpty()) {
        c.Button5.text = u"↓編集登録"_qs;
        c.Panel83.visible = true;
        c.Panel83.tag = column;
    } else if (c.Button5.text == u"↓編集登録") {
        // Already editing: the rename goes to the newly chosen item, so its level column too.
        c.Panel83.tag = column;
    }
    doc.ux7 = column;
    doc.uy7 = doc.V7S;
    doc.nodrow = doc.V7S;
    c.Label18.tag = doc.nodrow;
}

bool mouseUp(EstimateDocument &doc, bool rightButton)
{
    header::hideReferenceList(doc);
    const bool popup = rightButton && doc.itemTree.selected >= 0;
    if (doc.controls.GroupBox1.visible)
        selectRow(doc, doc.nodrow);
    return popup;
}

} // namespace itemtree
