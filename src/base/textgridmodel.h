#pragma once

#include <QAbstractTableModel>

#include <functional>

class TextGrid;

// Shows a TextGrid in a table view: row 0 of the grid (the titles) is the horizontal header, the
// grid's rows 1 and below are the model's rows 0 and below. The grid stays owned by the document;
// after an operation has changed it, refresh() tells the views.
class TextGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TextGridModel(const TextGrid &grid, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const TextGrid &grid() const { return m_grid; }

    // In-place editing: `editable` says which cells (column, grid row) may be typed into, and a
    // typed text goes to `write`, which changes the document. Without them the model is read-only.
    using CellCheck = std::function<bool(int column, int gridRow)>;
    using CellWrite = std::function<void(int column, int gridRow, const QString &text)>;
    void setCellEditing(CellCheck editable, CellWrite write);

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The grid row shown at a model row, and back.
    static int gridRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int gridRow) { return gridRow - 1; }

    // Picks up the grid's current row count and cells. Rows added or removed at the end are
    // announced as insertions or removals, so views keep their scroll position.
    void refresh();

private:
    const TextGrid &m_grid;
    CellCheck m_editable;
    CellWrite m_write;
    int m_rows = 0;
    int m_columns = 0;
};
