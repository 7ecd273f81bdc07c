#include "entry/linegrid.h"

#include "estimate/document.h"
#include "output/cellstyles.h"
#include "output/gridmouse.h"

namespace {

constexpr int designWidths[] = {30, 0,  0,  0,  0,  0,  0,  280, 200, 80, 45, 45, 90, 90, 90, 55,
                                55, 55, 70, 60, 70, 60, 60, 80,  80,  80, 80, 85, 85, 80, 80, 80,
                                80, 105, 0, 0,  0,  0,  0,  0,   0,   60, 60, 60, 0,  60};
constexpr int codeOpenWidths[] = {200, 30, 24, 24, 24, 40};

static_assert(std::size(designWidths) == 46);

} // namespace

LineGrid::LineGrid(EstimateDocument &doc, Host &host, QWidget *parent)
    : GridView(doc.lines, [&doc](int c, int r) { return cellstyle::lines(doc, c, r); }, parent),
      m_doc(doc),
      m_host(host)
{
    setObjectName(u"StringGrid1"_qs);
    const QFont font = gridTextFont();
    setGridFont(font);
    setHeaderLook({QColor(240, 240, 240), Qt::black, font});
    setColumnWidths(designWidths);
    connect(this, &GridView::cellPressed, this, &LineGrid::StringGrid1MouseDown);
    connect(this, &GridView::cellReleased, this, &LineGrid::StringGrid1MouseUp);
}

void LineGrid::setCodeColumnsOpen(bool open)
{
    setCodeColumns(open, 1, codeOpenWidths);
}

void LineGrid::StringGrid1MouseDown(int column, int row, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        gridmouse::linesPressed(m_doc, column, row);
}

void LineGrid::StringGrid1MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos)
{
    emit pointerReleased(globalPos);
    const auto b = button == Qt::RightButton ? gridmouse::Button::Right : gridmouse::Button::Left;
    // The pop-up menu PopupMenu1 and the drag fill come with the line editing.
    gridmouse::linesReleased(m_doc, column, row, b);
}
