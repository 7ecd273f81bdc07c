#pragma once

#include <QTreeWidget>

#include <vector>

// The item tree TreeView1: one node per item row in row order, always fully expanded, drawn in a
// bold Mincho face 21 pixels high on a cream background. Nodes can be dragged but a drop does
// nothing. A right-button press does not move the selection (the pop-up acts on the chosen item).
class ItemTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    struct Node {
        QString caption;
        int parent = -1; // display index of the parent node, -1 for a root
    };

    explicit ItemTreeView(QWidget *parent);

    // Builds the tree again from nodes in display order.
    void setNodes(const std::vector<Node> &nodes);
    // Captions of the nodes by display index.
    void setCaptions(const QStringList &captions);
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
    std::vector<QTreeWidgetItem *> m_nodes;
};
