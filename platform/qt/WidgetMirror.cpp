#include "WidgetMirror.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "ComboBoxWidget.h"
#include "Cp936.h"
#include "ReportView.h"
#include "WindowIcon.h"
#include "WindowQueries.h"
#include "winuser.h"

namespace {

void ShowText(HWND hWnd, QWidget* widget)
{
    QString text = TextOf(hWnd);
    if (widget->isWindow())
        widget->setWindowTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable() && combo->lineEdit()->text() != text)
            combo->lineEdit()->setText(text);
    }
}

void ShowCheck(HWND hWnd, QWidget* widget)
{
    if (auto* box = qobject_cast<QCheckBox*>(widget))
        box->setChecked(IsChecked(hWnd));
}

void ShowTextSelection(HWND hWnd, QWidget* widget)
{
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (edit == nullptr)
        return;
    int first = 0;
    int last = 0;
    TextSelectionOf(hWnd, first, last);
    std::string bytes = TextBytesOf(hWnd);
    int start = CharIndexOfByteOffset(bytes, first);
    int end = CharIndexOfByteOffset(bytes, last);
    if (start == end)
        edit->setCursorPosition(end);
    else
        edit->setSelection(start, end - start);
}

// Signals of the widget, and of a combo box's edit field, are blocked while it shows a
// change, so nothing shown comes back as the user's input.
class ShownChangeBlocker {
public:
    explicit ShownChangeBlocker(QWidget* widget) : m_widget(widget), m_field(EditFieldOf(widget)) {}

private:
    static QObject* EditFieldOf(QWidget* widget)
    {
        auto* combo = qobject_cast<QComboBox*>(widget);
        return combo != nullptr ? combo->lineEdit() : nullptr;
    }

    QSignalBlocker m_widget;
    QSignalBlocker m_field;
};

// All of a new combo box's items at once.
void ShowItems(HWND hWnd, QWidget* widget)
{
    auto* combo = qobject_cast<ComboBoxWidget*>(widget);
    if (combo == nullptr)
        return;
    combo->addItems(ComboItemsOf(hWnd));
    combo->ShowCurrentItem(ComboSelectionOf(hWnd));
    ShowText(hWnd, widget);
}

// One item come or gone; Qt moves or picks a current item of its own as items come and
// go, so the box shows the window's selection again.
void ShowItemChange(HWND hWnd, ComboBoxWidget* combo, ListRowChange change, int row)
{
    if (change == ListRowChange::Inserted)
        combo->insertItem(row, ComboItemOf(hWnd, row));
    else if (change == ListRowChange::Deleted)
        combo->removeItem(row);
    combo->ShowCurrentItem(ComboSelectionOf(hWnd));
    ShowText(hWnd, combo);
}

void ShowSelection(HWND hWnd, QWidget* widget)
{
    auto* combo = qobject_cast<ComboBoxWidget*>(widget);
    if (combo == nullptr)
        return;
    combo->ShowCurrentItem(ComboSelectionOf(hWnd));
    ShowText(hWnd, widget);
}

void ShowDroppedState(HWND hWnd, QWidget* widget)
{
    if (auto* combo = qobject_cast<ComboBoxWidget*>(widget))
        combo->ShowDropped(SendMessage(hWnd, CB_GETDROPPEDSTATE, 0, 0) != FALSE, ComboItemsShownOf(hWnd));
}

void ShowColumns(QWidget* widget)
{
    if (auto* list = dynamic_cast<ReportView*>(widget))
        list->ShowColumns();
}

void ShowIcon(HWND hWnd, QWidget* widget)
{
    if (widget->isWindow())
        widget->setWindowIcon(WindowIconOf(hWnd));
}

// A window follows its WS_VISIBLE; a top-level one is minimised and restored, too.
void ShowVisibility(HWND hWnd, QWidget* widget)
{
    if (!widget->isWindow()) {
        widget->setVisible((StyleOf(hWnd) & WS_VISIBLE) != 0);
        return;
    }
    if (!IsWindowVisible(hWnd))
        widget->hide();
    else if (IsIconic(hWnd))
        widget->showMinimized();
    else if (widget->isMinimized())
        widget->showNormal();
    else
        widget->show();
}

// The style frames the focused widget only in a window that has seen the keyboard move
// the focus; the window system's UI state says whether it has.
void ShowFocusCues(HWND hWnd, QWidget* widget)
{
    bool shown = (SendMessage(hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
    widget->window()->setAttribute(Qt::WA_KeyboardFocusChange, shown);
}

void ShowUIState(HWND hWnd, QWidget* widget)
{
    ShowFocusCues(hWnd, widget);
    widget->update();
}

void ShowFocus(HWND hWnd, QWidget* widget)
{
    ShowFocusCues(hWnd, widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->isEditable())
        combo->lineEdit()->setFocus(Qt::OtherFocusReason);
    else
        widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void ShowChange(HWND hWnd, QWidget* widget, WindowChange change)
{
    ShownChangeBlocker blocker(widget);
    switch (change) {
    case WindowChange::Text:
        ShowText(hWnd, widget);
        break;
    case WindowChange::Check:
        ShowCheck(hWnd, widget);
        break;
    case WindowChange::Columns:
        ShowColumns(widget);
        break;
    case WindowChange::Selection:
        ShowSelection(hWnd, widget);
        break;
    case WindowChange::TextSelection:
        ShowTextSelection(hWnd, widget);
        break;
    case WindowChange::Focus:
        ShowFocus(hWnd, widget);
        break;
    case WindowChange::UIState:
        ShowUIState(hWnd, widget);
        break;
    case WindowChange::DroppedState:
        ShowDroppedState(hWnd, widget);
        break;
    case WindowChange::Icon:
        ShowIcon(hWnd, widget);
        break;
    case WindowChange::Visibility:
        ShowVisibility(hWnd, widget);
        break;
    default:
        break;
    }
}

void ShowRowChange(HWND hWnd, QWidget* widget, ListRowChange change, int row)
{
    ShownChangeBlocker blocker(widget);
    if (auto* list = dynamic_cast<ReportView*>(widget))
        list->ShowRowChange(change, row);
    else if (auto* combo = qobject_cast<ComboBoxWidget*>(widget))
        ShowItemChange(hWnd, combo, change, row);
}

void ShowWholeState(HWND hWnd, QWidget* widget)
{
    ShowChange(hWnd, widget, WindowChange::Text);
    ShowChange(hWnd, widget, WindowChange::Check);
    {
        ShownChangeBlocker blocker(widget);
        ShowItems(hWnd, widget);
    }
    ShowChange(hWnd, widget, WindowChange::Columns);
    ShowChange(hWnd, widget, WindowChange::Icon);
}
