#include "base/textgridmodel.h"

#include "base/textgrid.h"

#include <algorithm>

TextGridModel::TextGridModel(const TextGrid &grid, QObject *parent)
    : QAbstractTableModel(parent),
      m_grid(grid),
      m_rows(std::max(0, grid.rowCount() - 1)),
      m_columns(grid.columnCount())
{
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
    return gridRow(section);
}

void TextGridModel::setCellEditing(CellCheck editable, CellWrite write)
{
    m_editable = std::move(editable);
    m_write = std::move(write);
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_write && m_editable && m_editable(index.column(), gridRow(index.row())))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TextGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_write(index.column(), gridRow(index.row()), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole});
    return true;
}

void TextGridModel::refresh()
{
    const int rows = std::max(0, m_grid.rowCount() - 1);
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    if (m_rows > 0 && m_columns > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1), {Qt::DisplayRole});
    if (m_columns > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}
