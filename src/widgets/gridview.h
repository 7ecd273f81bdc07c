#pragma once

#include "output/cellstyles.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>
#include <span>

class TextGrid;
class TextGridModel;

// How a grid's fixed title row looks.
struct HeaderLook {
    QColor background;
    QColor text;
    QFont font;
};

// Draws every body cell as the grid's style function decides: background, text colour, alignment
// and text on one line, vertically centred. Text too wide for its cell ends in "…" and shows whole
// in a tooltip; a figure too wide is drawn smaller instead.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using StyleFunction = std::function<CellStyle(int column, int gridRow)>;

    GridDelegate(StyleFunction style, QObject *parent);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // A cell whose text is cut shows the whole text as its tooltip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    StyleFunction m_style;
};

// The fixed title row: text centred on the grid's header colours.
class GridHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit GridHeader(QWidget *parent);
    void setLook(const HeaderLook &look);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    HeaderLook m_look;
};

// A grid of the main window: a table view over one of the document's text grids. Row 0 of the grid
// is the fixed title row; the body shows rows 1 and below. Reports presses, releases and double
// clicks by grid cell (column, row; row -1 outside the table) and keeps a red guide line under the
// pointer, as the estimator's ruler for reading a wide row.
class GridView : public QTableView
{
    Q_OBJECT

public:
    GridView(const TextGrid &grid, GridDelegate::StyleFunction style, QWidget *parent);

    TextGridModel *gridModel() const { return m_model; }
    void setHeaderLook(const HeaderLook &look);
    void setGridFont(const QFont &font);
    // Widths by column; 0 or less hides the column.
    void setColumnWidths(std::span<const int> widths, int firstColumn = 0);
    void setColumnWidthOrHide(int column, int width);
    // The code columns from `firstColumn` on: their open widths, or hidden when closed.
    void setCodeColumns(bool open, int firstColumn, std::span<const int> openWidths);
    // The grids' text: "ＭＳ 明朝", 13 pixels high.
    static QFont gridTextFont();
    int columnWidthOrZero(int column) const;
    void setDefaultRowHeight(int height);
    int defaultRowHeight() const;

    // Grid rows: the first body row shown, scrolling so that `row` is the top row.
    int topRow() const;
    void scrollToTopRow(int row);
    // Body rows that fit in the visible area.
    int visibleRows() const;

    QWidget *guideLine() const { return m_guide; }

signals:
    void cellPressed(int column, int row, Qt::MouseButton button);
    void cellReleased(int column, int row, Qt::MouseButton button, const QPoint &globalPos);
    void cellDoubleClicked(int column, int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    // Scrolled to the end, the view still starts with a whole row under the title row.
    void alignTopRow();
    // The grid cell under a point of the viewport.
    std::pair<int, int> cellAt(const QPoint &pos) const;
    void moveGuideLine(int gridY);

    TextGridModel *m_model;
    GridHeader *m_header;
    QWidget *m_guide = nullptr;
};
