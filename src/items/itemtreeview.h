#pragma once

#include "items/itemtree.h"

#include <QTreeWidget>

#include <vector>

// The item tree TreeView1: one node per item row in row order, always fully expanded, drawn in a
// bold Mincho face 21 pixels high on a cream background. Nodes can be dragged but a drop does
// nothing. A right-button press does not move the selection (the pop-up acts on the chosen item).
class ItemTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit ItemTreeView(QWidget *parent);

    // Shows the document's item tree: the nodes are built again only when their shape or captions
    // changed, so that the scroll position survives unrelated changes; then the selection follows.
    void showTree(const ItemTree &tree);
    int nodeCount() const { return int(m_nodes.size()); }
    // Display index of a node counting from 0 over the whole tree, -1 when none.
    int absoluteIndex(const QTreeWidgetItem *item) const;
    int selectedIndex() const;
    // Selects the node of that display index (nothing when out of range).
    void selectIndex(int index);

signals:
    void nodeClicked();
    void nodeDoubleClicked();
    void rightReleased(const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void rebuild(const std::vector<ItemNode> &nodes);

    std::vector<QTreeWidgetItem *> m_nodes;
    std::vector<ItemNode> m_shown;
    bool m_doubleClicked = false; // the release that ends a double-click is not a click
};
