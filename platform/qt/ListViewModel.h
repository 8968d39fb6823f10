// A list view window's rows and columns as a Qt table model. It holds no cell text:
// a view reads each cell and title from the window when it draws, and the window's
// row notifications become row-level model signals, so one new row costs a view the
// same at any length of the list.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "WindowQueries.h"
#include "windef.h"

class ListViewModel : public QAbstractTableModel {
public:
    explicit ListViewModel(HWND hWnd, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The window tells of a row after the fact: it already holds the new row or text.
    void RowInserted(int row);
    void RowTextChanged(int row);
    // Columns are inserted while the list is set up: the model starts over.
    void ColumnsChanged();

    const std::vector<ListColumnState>& Columns() const { return m_columns; }

private:
    HWND m_hWnd;
    // The rows the views have been told of, and the columns as last read.
    int m_rowCount = 0;
    std::vector<ListColumnState> m_columns;
};
