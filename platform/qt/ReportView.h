// A list view window in report view on screen: its columns as the header, its rows
// through a model that reads them from the window, and the selected and focused row as
// the window holds them. Qt neither selects nor edits here: clicks and keys go to the
// window (InputFilter), which tells what changed. The window keeps the top row too: the
// view shows it, and tells the window when the user scrolls.
#pragma once

#include <QTableView>

#include "displaydriver.h"

class ListViewModel;
class NarrowCellDelegate;

class ReportView : public QTableView {
public:
    ReportView(HWND hWnd, QWidget* parent);

    // Shows the window's columns: titles, widths and alignment.
    void ShowColumns();
    // Shows what became of one row.
    void ShowRowChange(ListRowChange change, int row);

    // The row on whose line a point of the viewport lies, or -1 below the last row.
    int RowAt(const QPoint& viewportPoint) const;
    // The text that a cell shows, as its delegate paints it.
    QString ShownText(int row, int column) const;
    // How the view lays its rows out, from which the window counts its page.
    ListViewMetrics Metrics() const;

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ShowRowState(int row);
    void ShowTopRow();
    void ShowCurrentRow(int row, UINT state);
    void ReportScrolledTo(int topRow);
    void FitRowHeightToFont();

    HWND m_hWnd;
    ListViewModel* m_model;
    NarrowCellDelegate* m_delegate;
    bool m_showingTop = false;  // the scroll bar is moved to the window's top row
};
