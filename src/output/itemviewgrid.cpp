#include "output/itemviewgrid.h"

#include "estimate/document.h"
#include "output/cellstyles.h"
#include "output/gridmouse.h"

namespace {

// The line table's widths with columns 0, 41, 42 and 43 hidden as well.
constexpr int designWidths[] = {0,  0,  0,  0,  0,  0,  0,  280, 200, 80, 45, 45, 90, 90, 90, 55,
                                55, 55, 70, 60, 70, 60, 60, 80,  80,  80, 80, 85, 85, 80, 80, 80,
                                80, 105, 0, 0,  0,  0,  0,  0,   0,   0,  0,  0,  0,  60};
constexpr int codeOpenWidths[] = {0, 30, 24, 24, 24, 40};

static_assert(std::size(designWidths) == 46);

} // namespace

ItemViewGrid::ItemViewGrid(EstimateDocument &doc, Host &host, QWidget *parent)
    : GridView(doc.itemView, [&doc](int c, int r) { return cellstyle::itemView(doc, c, r); }, parent),
      m_doc(doc),
      m_host(host)
{
    setObjectName(u"StringGrid5"_qs);
    const QFont font = gridTextFont();
    setGridFont(font);
    setHeaderLook({QColor(254, 243, 222), Qt::black, font});
    setColumnWidths(designWidths);
    connect(this, &GridView::cellPressed, this, &ItemViewGrid::StringGrid5MouseDown);
    connect(this, &GridView::cellReleased, this, &ItemViewGrid::StringGrid5MouseUp);
}

void ItemViewGrid::setCodeColumnsOpen(bool open)
{
    setCodeColumns(open, 1, codeOpenWidths);
}

void ItemViewGrid::StringGrid5MouseDown(int column, int row, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        gridmouse::itemViewPressed(m_doc, column, row);
}

void ItemViewGrid::StringGrid5MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos)
{
    emit pointerReleased(globalPos);
    const auto b = button == Qt::RightButton ? gridmouse::Button::Right : gridmouse::Button::Left;
    const bool afterOpening = b == gridmouse::Button::Left && m_doc.openFlag == 1;
    gridmouse::itemViewReleased(m_doc, column, row, b);
    if (!afterOpening)
        emit lineReleased(column, row, button, globalPos);
}
