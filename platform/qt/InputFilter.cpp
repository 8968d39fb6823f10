#include "InputFilter.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWidget>

#include "Cp936.h"
#include "KeyMapping.h"
#include "ReportView.h"
#include "WindowQueries.h"
#include "commctrl.h"
#include "input.h"
#include "winuser.h"

namespace {

// Windows that take typed characters, where a space is text rather than a key.
bool TakesText(HWND hWnd)
{
    if (IsOfClass(hWnd, "EDIT"))
        return true;
    return IsOfClass(hWnd, "COMBOBOX") && ComboKindOf(StyleOf(hWnd)) == CBS_DROPDOWN;
}

bool IsPrintable(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

// Keys go to the window that has the focus; a key that reaches the top-level widget
// itself belongs to the window system's focus, if it has one.
HWND KeyTarget(HWND hWnd, const QObject* watched)
{
    auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget != nullptr && widget->isWindow() && GetFocus() != nullptr)
        return GetFocus();
    return hWnd;
}

bool IsLineEditOf(const QObject* watched)
{
    return qobject_cast<const QLineEdit*>(watched) != nullptr;
}

// The combo box whose open list holds a widget, or nullptr: the list is a window of its
// own, so a key pressed in it belongs to its combo box.
const QObject* ComboBoxOfOpenList(const QObject* watched)
{
    auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr || widget->window()->windowType() != Qt::Popup)
        return nullptr;
    return qobject_cast<const QComboBox*>(widget->window()->parentWidget());
}

bool IsKeyEvent(const QEvent* event)
{
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
}

bool IsListView(HWND hWnd)
{
    return IsOfClass(hWnd, WC_LISTVIEW);
}

ReportView* ListOf(QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (auto* list = dynamic_cast<ReportView*>(widget))
            return list;
    }
    return nullptr;
}

// A press on a list's rows clicks the row on its line; elsewhere on the list (the
// header) it only takes the focus. Qt's own selecting, dragging and header clicks are
// stopped; the list's scroll bars scroll its view as usual.
bool OnListMouse(HWND hWnd, QWidget* widget, QMouseEvent* event)
{
    if (qobject_cast<QScrollBar*>(widget) != nullptr)
        return false;
    if (event->type() != QEvent::MouseButtonPress || event->button() != Qt::LeftButton)
        return true;
    ReportView* list = ListOf(widget);
    if (list != nullptr && widget == list->viewport())
        UserClickListRow(hWnd, list->RowAt(event->position().toPoint()));
    else
        UserClick(hWnd);
    return true;
}

}  // namespace

InputFilter::InputFilter(WindowLookup lookup, HeldTextChanges& heldText, QObject* parent)
    : QObject(parent), m_lookup(std::move(lookup)), m_heldText(heldText)
{
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Qt's open list acts on Enter and Esc as they are announced, before they are pressed;
    // the window system is to have them, as keys.
    if (event->type() == QEvent::ShortcutOverride)
        return m_lookup(ComboBoxOfOpenList(watched)) != nullptr;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Close:
    case QEvent::InputMethod:
        break;
    default:
        return false;
    }
    HWND hWnd = m_lookup(watched);
    if (hWnd == nullptr && IsKeyEvent(event))
        hWnd = m_lookup(ComboBoxOfOpenList(watched));
    if (hWnd == nullptr)
        return false;

    // A paste that the program filters a byte at a time reaches Qt as one change.
    HeldTextChanges::InputScope handling(m_heldText);
    switch (event->type()) {
    case QEvent::KeyPress:
        return OnKeyPress(KeyTarget(hWnd, watched), watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return true;
    case QEvent::InputMethod: {
        // Text composed with an input method arrives whole, as typed characters.
        QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
        if (IsPrintable(committed))
            UserTypeText(KeyTarget(hWnd, watched), ToCp936(committed).c_str());
        return true;
    }
    case QEvent::Close:
        // The close box asks; the window system decides whether the window goes.
        event->ignore();
        UserClose(hWnd);
        return true;
    case QEvent::Wheel:
        // Only a list may scroll its view; nothing else turns with the wheel.
        return qobject_cast<QAbstractButton*>(watched) != nullptr ||
               (qobject_cast<QScrollBar*>(watched) != nullptr && !IsListView(hWnd)) || watched->inherits("QComboBox");
    default:
        return OnMouseButton(hWnd, watched, static_cast<QMouseEvent*>(event));
    }
}

bool InputFilter::OnKeyPress(HWND hWnd, QObject* watched, QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        UserPasteText(hWnd, ToCp936(QGuiApplication::clipboard()->text()).c_str());
        return true;
    }
    // Copying changes nothing, so the edit may do it itself.
    if (event->matches(QKeySequence::Copy))
        return !IsLineEditOf(watched);

    int key = event->key();
    bool commandKey = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    if (key == Qt::Key_Space && !commandKey && TakesText(hWnd)) {
        UserTypeText(hWnd, " ");
        return true;
    }
    if (UINT vk = VirtualKeyOf(key)) {
        UserKey(hWnd, vk, ModifierBitsOf(event->modifiers(), key));
        return true;
    }
    if (!commandKey && IsPrintable(event->text()))
        UserTypeText(hWnd, ToCp936(event->text()).c_str());
    return true;
}

bool InputFilter::OnMouseButton(HWND hWnd, QObject* watched, QMouseEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->isWindow())
        return false;
    if (IsListView(hWnd))
        return OnListMouse(hWnd, widget, event);
    // A button is clicked where the platform clicks it: on release over the button.
    if (qobject_cast<QAbstractButton*>(watched) != nullptr) {
        if (event->type() == QEvent::MouseButtonRelease && event->button() == Qt::LeftButton &&
            widget->rect().contains(event->position().toPoint()))
            UserClick(hWnd);
        return true;
    }
    if (qobject_cast<QScrollBar*>(watched) != nullptr)
        return true;
    // The middle button would paste the X selection behind the window system's back.
    if (event->button() == Qt::MiddleButton)
        return true;
    if (event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton)
        UserClick(hWnd);
    return false;
}
