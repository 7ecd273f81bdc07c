#pragma once

#include <QAbstractTableModel>

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

    // The grid row shown at a model row, and back.
    static int gridRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int gridRow) { return gridRow - 1; }

    // Picks up the grid's current row count and cells. Rows added or removed at the end are
    // announced as insertions or removals, so views keep their scroll position.
    void refresh();

private:
    const TextGrid &m_grid;
    int m_rows = 0;
    int m_columns = 0;
};
