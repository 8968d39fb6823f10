#include "ListViewModel.h"

#include "commctrl.h"

namespace {

Qt::Alignment AlignmentOf(int format)
{
    switch (format & (LVCFMT_RIGHT | LVCFMT_CENTER)) {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

ListViewModel::ListViewModel(HWND hWnd, QObject* parent)
    : QAbstractTableModel(parent), m_hWnd(hWnd), m_rowCount(ListRowCountOf(hWnd)), m_columns(ListColumnsOf(hWnd))
{
}

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int ListViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return ListCellOf(m_hWnd, index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(m_columns[static_cast<size_t>(index.column())].format));
    default:
        return QVariant();
    }
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const ListColumnState& column = m_columns[static_cast<size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
        return column.title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(column.format));
    default:
        return QVariant();
    }
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ListViewModel::RowInserted(int row)
{
    beginInsertRows(QModelIndex(), row, row);
    ++m_rowCount;
    endInsertRows();
}

void ListViewModel::RowTextChanged(int row)
{
    if (row < 0 || row >= m_rowCount || m_columns.empty())
        return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
}

void ListViewModel::ColumnsChanged()
{
    beginResetModel();
    m_rowCount = ListRowCountOf(m_hWnd);
    m_columns = ListColumnsOf(m_hWnd);
    endResetModel();
}
