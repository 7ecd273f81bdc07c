#include "base/textgridmodel.h"

#include "base/textgrid.h"

TextGridModel::TextGridModel(const TextGrid &grid, QObject *parent)
    : QAbstractTableModel(parent), m_grid(grid)
{
    m_rows = std::max(0, grid.rowCount() - 1);
    m_columns = grid.columnCount();
}

int TextGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TextGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant TextGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_grid.cell(index.column(), gridRow(index.row()));
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_grid.cell(section, 0);
    return QString::number(gridRow(section));
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_writer && isColumnEditable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TextGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_writer || !isColumnEditable(index.column()))
        return false;
    m_writer(index.column(), gridRow(index.row()), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void TextGridModel::setColumnEditable(int column, bool editable)
{
    if (column < 0)
        return;
    if (size_t(column) >= m_editable.size())
        m_editable.resize(size_t(column) + 1, false);
    m_editable[size_t(column)] = editable;
}

bool TextGridModel::isColumnEditable(int column) const
{
    return column >= 0 && size_t(column) < m_editable.size() && m_editable[size_t(column)];
}

void TextGridModel::refresh()
{
    const int rows = std::max(0, m_grid.rowCount() - 1);
    const int columns = m_grid.columnCount();
    if (rows != m_rows || columns != m_columns) {
        // A changed shape needs a reset; the rows are not tracked one by one.
        beginResetModel();
        m_rows = rows;
        m_columns = columns;
        endResetModel();
        return;
    }
    if (m_rows > 0 && m_columns > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
    emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}
