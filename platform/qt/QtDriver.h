// The display driver for the screen: one Qt widget per window, kept in step with the
// window system, and the user's input handed back to it. Constructing one installs it
// (a QApplication must exist); destroying it puts back the driver it replaced.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <map>
#include <unordered_map>

#include "HeldTextChanges.h"
#include "InputFilter.h"
#include "displaydriver.h"

class QEventLoop;

class QtDriver : public DisplayDriver {
public:
    QtDriver();
    ~QtDriver() override;
    QtDriver(const QtDriver&) = delete;
    QtDriver& operator=(const QtDriver&) = delete;

    void WindowChanged(HWND hWnd, WindowChange change) override;
    void ListRowChanged(HWND hWnd, ListRowChange change, int row) override;
    SIZE FontBaseUnits(LPCTSTR faceName, int pointSize, int weight) override;
    ListViewMetrics ReportListMetrics(HWND hWnd) override;
    DroppedListMetrics ComboListMetrics(HWND hWnd) override;
    void RunModalLoop(HWND hDlg) override;
    int MessageBox(HWND hWndOwner, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType) override;
    void MessageBeep(UINT uType) override;
    BOOL ChooseFile(OPENFILENAME* lpofn, BOOL bSave) override;

    // The widget that shows hWnd, or nullptr.
    QWidget* WidgetOf(HWND hWnd) const;
    // The window a widget (or a part of one, like a combo box's edit field) shows.
    HWND WindowOf(const QObject* object) const;

private:
    // The window that shows this very widget, not a part of it.
    HWND WindowShownBy(const QWidget* widget) const;
    void CreateWidget(HWND hWnd);
    void DestroyWidget(HWND hWnd);
    void ConnectSignals(HWND hWnd, QWidget* widget);
    // The labels' texts as the accessible names of the controls they name.
    void ShowNames(HWND hWnd, WindowChange change);
    void ShowDialog(HWND hDlg);
    // Shows one change on the window's widget, if it has one.
    void ShowOnWidget(HWND hWnd, WindowChange change);

    DisplayDriver* m_previous;
    // Before the filter, which holds text changes while it hands the user's input on.
    HeldTextChanges m_heldText;
    InputFilter m_filter;
    // The font the dialog manager measured last: the one its next dialog is drawn in.
    QFont m_dialogFont;
    std::map<HWND, QPointer<QWidget>> m_widgets;
    // The other way round, for the event filter, which asks for every key and mouse move.
    std::unordered_map<const QWidget*, HWND> m_windows;
    std::map<HWND, QEventLoop*> m_modalLoops;
};
