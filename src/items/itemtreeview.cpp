#include "items/itemtreeview.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMouseEvent>

#include <utility>

ItemTreeView::ItemTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(u"TreeView1"_qs);
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(19);
    setRootIsDecorated(true);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);

    QFont face(u"ＭＳ 明朝"_qs);
    face.setPixelSize(21);
    face.setBold(true);
    setFont(face);
    QPalette cream = palette();
    cream.setColor(QPalette::Base, QColor(0xFF, 0xFB, 0xF0));
    setPalette(cream);
}

void ItemTreeView::showTree(const ItemTree &tree)
{
    const bool same = std::equal(tree.nodes.begin(), tree.nodes.end(), m_shown.begin(), m_shown.end(),
                                 [](const ItemNode &a, const ItemNode &b) {
                                     return a.caption == b.caption && a.parent == b.parent;
                                 });
    if (!same)
        rebuild(tree.nodes);
    // Only a changed choice moves the view, so that scrolling the tree is not undone.
    if (tree.selected < 0 || size_t(tree.selected) >= m_nodes.size())
        clearSelection();
    else if (!same || selectedIndex() != tree.selected)
        selectIndex(tree.selected);
}

void ItemTreeView::rebuild(const std::vector<ItemNode> &nodes)
{
    clear();
    m_nodes.clear();
    m_nodes.reserve(nodes.size());
    for (const ItemNode &node : nodes) {
        QTreeWidgetItem *item = nullptr;
        if (node.parent >= 0 && size_t(node.parent) < m_nodes.size())
            item = new QTreeWidgetItem(m_nodes[size_t(node.parent)]);
        else
            item = new QTreeWidgetItem(this);
        item->setText(0, node.caption);
        m_nodes.push_back(item);
    }
    m_shown = nodes;
    expandAll();
}

int ItemTreeView::absoluteIndex(const QTreeWidgetItem *item) const
{
    for (size_t i = 0; i < m_nodes.size(); ++i)
        if (m_nodes[i] == item)
            return int(i);
    return -1;
}

int ItemTreeView::selectedIndex() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : absoluteIndex(selected.first());
}

void ItemTreeView::selectIndex(int index)
{
    if (index < 0 || size_t(index) >= m_nodes.size())
        return;
    setCurrentItem(m_nodes[size_t(index)]);
    scrollToItem(m_nodes[size_t(index)]);
}

void ItemTreeView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        return; // the selection stays on the chosen item
    QTreeWidget::mousePressEvent(event);
}

void ItemTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        if (std::exchange(m_doubleClicked, false))
            return;
        emit nodeClicked();
    }
    else if (event->button() == Qt::RightButton)
        emit rightReleased(event->globalPosition().toPoint());
}

void ItemTreeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_doubleClicked = true;
        emit nodeDoubleClicked();
    }
}

void ItemTreeView::dropEvent(QDropEvent *event)
{
    // Dragging is allowed, dropping changes nothing.
    event->ignore();
}
