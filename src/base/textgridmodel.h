#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <vector>

class TextGrid;

// Shows a TextGrid in a QTableView: row 0 of the grid (the titles) is the horizontal header, grid
// rows 1 and on are the model's rows 0 and on. The model holds no copy of the cells, so a grid of
// tens of thousands of rows costs nothing until the view asks for the visible cells.
//
// Edits made in place go to a writer the owner installs, so that the owner decides what an edit
// means for its document; without one the grid is read-only.
class TextGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // (column, grid row, text) of an edit made in place.
    using CellWriter = std::function<void(int column, int row, const QString &text)>;

    explicit TextGridModel(const TextGrid &grid, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The grid row of a model row and back.
    static int gridRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int gridRow) { return gridRow - 1; }

    void setCellWriter(CellWriter writer) { m_writer = std::move(writer); }
    // Whether cells of that column can be edited in place (only with a writer installed).
    void setColumnEditable(int column, bool editable);
    bool isColumnEditable(int column) const;

    // Call after the grid changed behind the model: the view reads every visible cell again.
    void refresh();

private:
    const TextGrid &m_grid;
    CellWriter m_writer;
    std::vector<bool> m_editable;
    int m_rows = 0;
    int m_columns = 0;
};
