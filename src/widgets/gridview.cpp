#include "widgets/gridview.h"

#include "base/textgrid.h"
#include "base/textgridmodel.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QPainter>
#include <QToolTip>

namespace {

QColor rgb(unsigned value)
{
    return QColor::fromRgb(QRgb(value));
}

Qt::Alignment alignment(CellStyle::Align align)
{
    switch (align) {
    case CellStyle::Align::Centre:
        return Qt::AlignHCenter;
    case CellStyle::Align::Right:
        return Qt::AlignRight;
    case CellStyle::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

constexpr int guideHeight = 2;

} // namespace

GridDelegate::GridDelegate(StyleFunction style, QObject *parent)
    : QStyledItemDelegate(parent), m_style(std::move(style))
{
}

namespace {

QRect textArea(const QRect &cell)
{
    return cell.adjusted(3, 0, -3, 0);
}

// Text wider than its cell: figures are drawn smaller so that no digit is hidden; other text is
// cut with "…" as the sign that there is more (shown whole in the cell's tooltip).
bool isCut(const CellStyle &s, const QFont &font, const QRect &cell)
{
    return !s.text.isEmpty() && s.align != CellStyle::Align::Right
           && QFontMetrics(font).horizontalAdvance(s.text) > textArea(cell).width();
}

} // namespace

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const CellStyle s = m_style(index.column(), TextGridModel::gridRow(index.row()));
    painter->save();
    painter->fillRect(option.rect, rgb(s.background));
    if (!s.text.isEmpty()) {
        const QRect textRect = textArea(option.rect);
        QFont font = option.font;
        QString text = s.text;
        Qt::Alignment align = alignment(s.align);
        if (s.align == CellStyle::Align::Right && font.pixelSize() > 0) {
            const int width = QFontMetrics(font).horizontalAdvance(s.text);
            if (width > textRect.width() && width > 0)
                font.setPixelSize(std::max(8, font.pixelSize() * textRect.width() / width));
        } else if (isCut(s, font, option.rect)) {
            text = QFontMetrics(font).elidedText(s.text, Qt::ElideRight, textRect.width());
            align = Qt::AlignLeft;
        }
        painter->setFont(font);
        painter->setPen(rgb(s.colour));
        painter->setClipRect(option.rect);
        painter->drawText(textRect, int(align | Qt::AlignVCenter), text);
    }
    if (option.state & QStyle::State_HasFocus) {
        QPen pen(QColor(0, 0, 0));
        pen.setStyle(Qt::DotLine);
        painter->setPen(pen);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

bool GridDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                             const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const CellStyle s = m_style(index.column(), TextGridModel::gridRow(index.row()));
    if (isCut(s, option.font, option.rect))
        QToolTip::showText(event->globalPos(), s.text, view);
    else
        QToolTip::hideText();
    return true;
}

GridHeader::GridHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
}

void GridHeader::setLook(const HeaderLook &look)
{
    m_look = look;
    viewport()->update();
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, m_look.background);
    painter->setPen(QColor(128, 128, 128));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setPen(m_look.text);
    painter->setFont(m_look.font);
    const QString title = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    painter->drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignCenter, title);
    painter->restore();
}

GridView::GridView(const TextGrid &grid, GridDelegate::StyleFunction style, QWidget *parent)
    : QTableView(parent), m_model(new TextGridModel(grid, this)), m_header(new GridHeader(this))
{
    setHorizontalHeader(m_header);
    setModel(m_model);
    setItemDelegate(new GridDelegate(std::move(style), this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(8);
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    m_header->setMinimumSectionSize(8);
    m_header->setStretchLastSection(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setGridStyle(Qt::SolidLine);
    viewport()->setMouseTracking(true);

    if (parent) {
        m_guide = new QWidget(parent);
        m_guide->setAutoFillBackground(true);
        QPalette p = m_guide->palette();
        p.setColor(QPalette::Window, Qt::red);
        m_guide->setPalette(p);
        m_guide->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_guide->hide();
    }
}

void GridView::setHeaderLook(const HeaderLook &look)
{
    m_header->setLook(look);
}

void GridView::setGridFont(const QFont &font)
{
    setFont(font);
}

void GridView::setColumnWidths(std::span<const int> widths, int firstColumn)
{
    for (size_t i = 0; i < widths.size(); ++i)
        setColumnWidthOrHide(firstColumn + int(i), widths[i]);
}

void GridView::setCodeColumns(bool open, int firstColumn, std::span<const int> openWidths)
{
    for (size_t i = 0; i < openWidths.size(); ++i)
        setColumnWidthOrHide(firstColumn + int(i), open ? openWidths[i] : 0);
}

QFont GridView::gridTextFont()
{
    QFont font(u"ＭＳ 明朝"_qs);
    font.setPixelSize(13);
    return font;
}

void GridView::setColumnWidthOrHide(int column, int width)
{
    if (width <= 0) {
        setColumnHidden(column, true);
        return;
    }
    setColumnHidden(column, false);
    setColumnWidth(column, width);
}

int GridView::columnWidthOrZero(int column) const
{
    return isColumnHidden(column) ? 0 : columnWidth(column);
}

void GridView::setDefaultRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
    m_header->setFixedHeight(height);
}

int GridView::defaultRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

int GridView::topRow() const
{
    const int row = rowAt(0);
    return row < 0 ? 1 : TextGridModel::gridRow(row);
}

void GridView::scrollToTopRow(int row)
{
    const int modelRow = std::clamp(TextGridModel::modelRow(row), 0, std::max(0, m_model->rowCount() - 1));
    if (m_model->rowCount() == 0)
        return;
    // Rows scroll one at a time, so the scroll bar counts rows.
    verticalScrollBar()->setValue(modelRow);
}

int GridView::visibleRows() const
{
    const int h = std::max(1, defaultRowHeight());
    return viewport()->height() / h;
}

std::pair<int, int> GridView::cellAt(const QPoint &pos) const
{
    const int column = columnAt(pos.x());
    const int row = rowAt(pos.y());
    return {column, row < 0 ? -1 : TextGridModel::gridRow(row)};
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    const auto [column, row] = cellAt(event->position().toPoint());
    emit cellPressed(column, row, event->button());
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const auto [column, row] = cellAt(event->position().toPoint());
    emit cellReleased(column, row, event->button(), event->globalPosition().toPoint());
}

void GridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const auto [column, row] = cellAt(event->position().toPoint());
    emit cellDoubleClicked(column, row);
}

void GridView::mouseMoveEvent(QMouseEvent *event)
{
    QTableView::mouseMoveEvent(event);
    moveGuideLine(event->position().toPoint().y() + viewport()->y());
}

void GridView::hideEvent(QHideEvent *event)
{
    QTableView::hideEvent(event);
    if (m_guide)
        m_guide->hide();
}

void GridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    // The line was placed for the old size; left there it could lie over the bars below the grid.
    if (m_guide)
        m_guide->hide();
}

void GridView::moveEvent(QMoveEvent *event)
{
    QTableView::moveEvent(event);
    if (m_guide)
        m_guide->hide();
}

void GridView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dy)
        alignTopRow();
}

void GridView::updateGeometries()
{
    QTableView::updateGeometries();
    alignTopRow();
}

void GridView::alignTopRow()
{
    // Qt aligns the last row with the bottom edge when the scroll bar is at its end, which cuts
    // the top row in half. The range already ends where the rows from there on fit whole, so
    // starting the view at that row shows them all.
    const QScrollBar *bar = verticalScrollBar();
    if (verticalScrollMode() != ScrollPerItem || bar->maximum() <= 0 || bar->value() != bar->maximum())
        return;
    const int offset = verticalHeader()->sectionPosition(bar->value());
    if (verticalHeader()->offset() == offset)
        return;
    verticalHeader()->setOffset(offset);
    viewport()->update();
}

void GridView::moveGuideLine(int gridY)
{
    if (!m_guide)
        return;
    // Only between the first body row and the last rows above the bottom edge.
    if (gridY < defaultRowHeight() + guideHeight - 20 || gridY > height() - 42)
        return;
    if (viewport()->y() + viewport()->height() < gridY + 20 + guideHeight)
        return; // never below the rows, over a scroll bar or the bars under the grid
    m_guide->setGeometry(x(), y() + gridY + 20, width(), guideHeight);
    m_guide->show();
    m_guide->raise();
}
