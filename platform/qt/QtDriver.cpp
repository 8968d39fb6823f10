#include "QtDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>

#include "AccessibleComboBox.h"
#include "AccessibleNames.h"
#include "ComboBoxWidget.h"
#include "Cp936.h"
#include "DialogFont.h"
#include "FileChooser.h"
#include "ReportView.h"
#include "WidgetFactory.h"
#include "WidgetMirror.h"
#include "WindowQueries.h"
#include "input.h"
#include "winuser.h"

namespace {

// The edit's selection, or its caret when nothing is selected, in bytes of its text.
void ReportTextSelection(HWND hWnd, const QLineEdit* edit)
{
    std::string bytes = TextBytesOf(hWnd);
    int first = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    int last = edit->hasSelectedText() ? edit->selectionEnd() : first;
    UserSelectText(hWnd, ByteOffsetOfCharIndex(bytes, first), ByteOffsetOfCharIndex(bytes, last));
}

// The program stores nothing, but Qt's file chooser reads its history and last folder
// from the user's settings when it is made and writes them back when it goes. Qt's
// user settings are sent to a folder that cannot exist under /dev/null: nothing can
// be read from there, and writing fails without a word.
void KeepQtFromStoringSettings()
{
    const QString nowhere = QStringLiteral("/dev/null/nothing-stored");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

}  // namespace

QtDriver::QtDriver()
    : m_previous(&GetDisplayDriver()),
      m_heldText([this](HWND hWnd, WindowChange change) { ShowOnWidget(hWnd, change); }),
      m_filter([this](const QObject* object) { return WindowOf(object); }, m_heldText)
{
    KeepQtFromStoringSettings();
    RegisterDialogFonts();
    // Before any combo box is created: Qt keeps the first interface found for a widget.
    QAccessible::installFactory(AccessibleComboBox::Factory);
    qApp->installEventFilter(&m_filter);
    SetDisplayDriver(this);
}

QtDriver::~QtDriver()
{
    SetDisplayDriver(m_previous);
    qApp->removeEventFilter(&m_filter);
    for (auto& [hWnd, widget] : m_widgets) {
        if (widget != nullptr && widget->isWindow())
            delete widget.data();
    }
}

QWidget* QtDriver::WidgetOf(HWND hWnd) const
{
    auto it = m_widgets.find(hWnd);
    return it == m_widgets.end() ? nullptr : it->second.data();
}

HWND QtDriver::WindowOf(const QObject* object) const
{
    for (auto* widget = qobject_cast<const QWidget*>(object); widget != nullptr; widget = widget->parentWidget()) {
        if (HWND hWnd = WindowShownBy(widget))
            return hWnd;
        // Another top-level window, such as a message box, is not ours.
        if (widget->isWindow())
            return nullptr;
    }
    return nullptr;
}

// A widget that Qt deleted itself leaves its entry behind, and a new widget may take its
// address: an entry counts only while its window is still shown by that very widget.
HWND QtDriver::WindowShownBy(const QWidget* widget) const
{
    auto it = m_windows.find(widget);
    if (it == m_windows.end() || WidgetOf(it->second) != widget)
        return nullptr;
    return it->second;
}

void QtDriver::WindowChanged(HWND hWnd, WindowChange change)
{
    if (m_heldText.Hold(hWnd, change)) {
        ShowNames(hWnd, change);
        return;
    }
    // Every other change finds the widgets as the window system has them.
    m_heldText.ShowHeld();
    switch (change) {
    case WindowChange::Created:
        CreateWidget(hWnd);
        ShowNames(hWnd, change);
        return;
    case WindowChange::Destroyed:
        DestroyWidget(hWnd);
        return;
    case WindowChange::DialogEnded:
        if (auto it = m_modalLoops.find(hWnd); it != m_modalLoops.end())
            it->second->quit();
        return;
    default:
        ShowOnWidget(hWnd, change);
        ShowNames(hWnd, change);
        return;
    }
}

void QtDriver::ShowOnWidget(HWND hWnd, WindowChange change)
{
    if (QWidget* widget = WidgetOf(hWnd))
        ShowChange(hWnd, widget, change);
}

void QtDriver::ListRowChanged(HWND hWnd, ListRowChange change, int row)
{
    m_heldText.ShowHeld();
    if (QWidget* widget = WidgetOf(hWnd))
        ShowRowChange(hWnd, widget, change, row);
}

void QtDriver::ShowNames(HWND hWnd, WindowChange change)
{
    ShowAccessibleNames(hWnd, change, [this](HWND hShown) { return WidgetOf(hShown); });
}

void QtDriver::CreateWidget(HWND hWnd)
{
    HWND hParent = GetParent(hWnd);
    QWidget* parent = WidgetOf(hParent);
    if (hParent != nullptr && parent == nullptr)
        return;
    QWidget* widget = nullptr;
    if (parent == nullptr) {
        widget = CreateWidgetFor(hWnd, nullptr);
        widget->setFont(m_dialogFont);
    } else {
        widget = CreateWidgetFor(hWnd, parent);
    }
    m_widgets[hWnd] = widget;
    m_windows[widget] = hWnd;
    ConnectSignals(hWnd, widget);
}

void QtDriver::DestroyWidget(HWND hWnd)
{
    auto it = m_widgets.find(hWnd);
    if (it == m_widgets.end())
        return;
    QPointer<QWidget> widget = it->second;
    m_widgets.erase(it);
    // By the window, not the widget: Qt may have deleted the widget with its parent.
    std::erase_if(m_windows, [hWnd](const auto& entry) { return entry.second == hWnd; });
    delete widget.data();
}

// Every signal that carries the user's doing is connected here, and only here.
void QtDriver::ConnectSignals(HWND hWnd, QWidget* widget)
{
    if (auto* combo = qobject_cast<ComboBoxWidget*>(widget)) {
        QObject::connect(combo, &QComboBox::activated, combo, [this, hWnd](int index) {
            UserChooseItem(hWnd, index);
            if (QWidget* shown = WidgetOf(hWnd))
                ShowChange(hWnd, shown, WindowChange::Selection);
        });
        // The list shows as the window system then has it, whether it changed or not.
        QObject::connect(combo, &ComboBoxWidget::DropDownRequested, combo, [this, hWnd](bool show) {
            UserDropDown(hWnd, show ? TRUE : FALSE);
            if (QWidget* shown = WidgetOf(hWnd))
                ShowChange(hWnd, shown, WindowChange::DroppedState);
        });
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        auto report = [this, hWnd, edit]() {
            // The edit's positions count the characters of the text it shows.
            m_heldText.ShowHeld();
            ReportTextSelection(hWnd, edit);
        };
        QObject::connect(edit, &QLineEdit::selectionChanged, edit, report);
        QObject::connect(edit, &QLineEdit::cursorPositionChanged, edit, report);
    }
}

SIZE QtDriver::FontBaseUnits(LPCTSTR faceName, int pointSize, int weight)
{
    m_dialogFont = DialogFont(FromCp936(faceName != nullptr ? faceName : ""), pointSize, weight);
    return BaseUnitsOf(m_dialogFont);
}

ListViewMetrics QtDriver::ReportListMetrics(HWND hWnd)
{
    if (auto* list = dynamic_cast<ReportView*>(WidgetOf(hWnd)))
        return list->Metrics();
    return DisplayDriver::ReportListMetrics(hWnd);
}

DroppedListMetrics QtDriver::ComboListMetrics(HWND hWnd)
{
    if (auto* combo = dynamic_cast<ComboBoxWidget*>(WidgetOf(hWnd)))
        return combo->ListMetrics();
    return DisplayDriver::ComboListMetrics(hWnd);
}

void QtDriver::ShowDialog(HWND hDlg)
{
    QWidget* widget = WidgetOf(hDlg);
    if (widget == nullptr || !IsWindowVisible(hDlg))
        return;
    widget->show();
    widget->activateWindow();
    // Qt gives focus to a shown window only; show the window system's focus again.
    if (HWND hFocus = GetFocus()) {
        if (QWidget* focused = WidgetOf(hFocus))
            ShowChange(hFocus, focused, WindowChange::Focus);
    }
}

void QtDriver::RunModalLoop(HWND hDlg)
{
    if (IsDialogEnded(hDlg))
        return;
    HeldTextChanges::NestedLoopScope nested(m_heldText);
    ShowDialog(hDlg);
    QEventLoop loop;
    m_modalLoops[hDlg] = &loop;
    if (!IsDialogEnded(hDlg))
        loop.exec();
    m_modalLoops.erase(hDlg);
    if (QWidget* widget = WidgetOf(hDlg))
        widget->hide();
}

int QtDriver::MessageBox(HWND hWndOwner, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType)
{
    HeldTextChanges::NestedLoopScope nested(m_heldText);
    QWidget* owner = WidgetOf(hWndOwner);
    QMessageBox::Icon icon = (uType & 0xF0) == MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, FromCp936(lpCaption != nullptr ? lpCaption : ""), FromCp936(lpText != nullptr ? lpText : ""),
                    QMessageBox::Ok, owner != nullptr ? owner->window() : nullptr);
    box.exec();
    // The owner takes the keyboard back, as it does from the platform's message box.
    if (owner != nullptr)
        owner->window()->activateWindow();
    return IDOK;
}

void QtDriver::MessageBeep(UINT)
{
    QApplication::beep();
}

// Over the owner's window; a chooser without an owner goes over the active dialog.
BOOL QtDriver::ChooseFile(OPENFILENAME* lpofn, BOOL bSave)
{
    HeldTextChanges::NestedLoopScope nested(m_heldText);
    QWidget* owner = WidgetOf(lpofn->hwndOwner);
    QWidget* over = owner != nullptr ? owner->window() : QApplication::activeWindow();
    FileChooser chooser(*lpofn, bSave, over);
    BOOL chosen = chooser.Run();
    // The owner takes the keyboard back, as it does from the platform's chooser.
    if (over != nullptr)
        over->activateWindow();
    return chosen;
}
