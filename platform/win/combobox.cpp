// The COMBOBOX class: a list of items with one selected, either as a drop list
// (CBS_DROPDOWNLIST) or with an edit field above the list (CBS_DROPDOWN); CBS_SORT
// keeps the items in order. The window's text is what the field shows. The list drops
// down (CB_SHOWDROPDOWN, F4, Alt+Down) and closes again, telling the parent of both;
// how many items it shows (CB_GETMINVISIBLE) is counted here, and the driver shows that.
#include <algorithm>
#include <cstring>
#include <vector>

#include "asciicase.h"
#include "commctrl.h"
#include "displaydriver.h"
#include "editfield.h"
#include "input.h"
#include "window.h"

namespace {

struct ComboData : WindowClassData {
    explicit ComboData(std::string& text) : field(text) {}

    std::vector<std::string> items;
    int selection = -1;
    EditField field;
    bool dropped = false;
    int selectionWhenDropped = -1;  // what Esc goes back to
};

ComboData& ComboDataOf(Window& window)
{
    if (!window.classData)
        window.classData = std::make_unique<ComboData>(window.text);
    return static_cast<ComboData&>(*window.classData);
}

bool HasEditField(const Window& window)
{
    return (window.style & CBS_DROPDOWNLIST) == CBS_DROPDOWN;  // the two low bits name the kind
}

bool IsItem(const ComboData& data, WPARAM index)
{
    return index < data.items.size();
}

// Sorted lists compare without regard to case; an item goes after those equal to it.
bool SortsBefore(const std::string& a, const std::string& b)
{
    return CompareAsciiNoCase(a, b) < 0;
}

void ShowInField(Window& window, const std::string& text)
{
    ComboData& data = ComboDataOf(window);
    bool changed = window.text != text;
    window.text = text;
    EditChange change = data.field.Select(0, -1);
    if (changed)
        NotifyDriver(window.handle, WindowChange::Text);
    if (change.selection || changed)
        NotifyDriver(window.handle, WindowChange::TextSelection);
}

LRESULT AddString(Window& window, LPCTSTR text)
{
    if (text == nullptr)
        return CB_ERR;
    ComboData& data = ComboDataOf(window);
    std::string item(text);
    auto at = data.items.end();
    if (window.style & CBS_SORT)
        at = std::upper_bound(data.items.begin(), data.items.end(), item, SortsBefore);
    int index = static_cast<int>(at - data.items.begin());
    data.items.insert(at, item);
    if (data.selection >= index)
        ++data.selection;
    NotifyDriverOfRow(window.handle, ListRowChange::Inserted, index);
    return index;
}

LRESULT DeleteString(Window& window, WPARAM index)
{
    ComboData& data = ComboDataOf(window);
    if (!IsItem(data, index))
        return CB_ERR;
    int deleted = static_cast<int>(index);
    data.items.erase(data.items.begin() + deleted);
    bool selectionGone = data.selection == deleted;
    if (selectionGone)
        data.selection = -1;
    else if (data.selection > deleted)
        --data.selection;
    // The driver reads the selection as it now stands.
    NotifyDriverOfRow(window.handle, ListRowChange::Deleted, deleted);
    if (selectionGone) {
        NotifyDriver(window.handle, WindowChange::Selection);
        if (!HasEditField(window))
            ShowInField(window, "");
    }
    return static_cast<LRESULT>(data.items.size());
}

// An index that names no item selects nothing and answers CB_ERR.
LRESULT SetCurSel(Window& window, WPARAM index)
{
    ComboData& data = ComboDataOf(window);
    int selection = IsItem(data, index) ? static_cast<int>(index) : -1;
    if (selection != data.selection) {
        data.selection = selection;
        NotifyDriver(window.handle, WindowChange::Selection);
    }
    ShowInField(window, selection >= 0 ? data.items[static_cast<size_t>(selection)] : "");
    return selection >= 0 ? selection : CB_ERR;
}

LRESULT GetLBText(const ComboData& data, WPARAM index, LPTSTR buffer)
{
    if (!IsItem(data, index) || buffer == nullptr)
        return CB_ERR;
    const std::string& item = data.items[index];
    std::memcpy(buffer, item.c_str(), item.size() + 1);
    return static_cast<LRESULT>(item.size());
}

// The items the dropped list shows: the whole rows that fit in the window's rectangle
// below the closed box and inside the list's frame, as the driver draws them; one at
// least, and no more than there are items.
int ItemsShown(const Window& window, const ComboData& data)
{
    DroppedListMetrics metrics = GetDisplayDriver().ComboListMetrics(window.handle);
    int height = static_cast<int>(window.rect.bottom - window.rect.top);
    int listHeight = height - metrics.closedHeight - 2 * metrics.frame;
    int rows = metrics.rowHeight > 0 ? std::max(listHeight, 0) / metrics.rowHeight : 0;
    return std::clamp(rows, 1, std::max(static_cast<int>(data.items.size()), 1));
}

// The item that a list key moves the selection to: Up and Down step (either enters an
// empty selection at the first item), Page Up and Page Down go a page less one item, so
// that the item seen last stays in view, Home and End go to the ends; -1 for another key.
int ItemForListKey(const Window& window, const ComboData& data, UINT vk)
{
    int count = static_cast<int>(data.items.size());
    int page = std::max(1, ItemsShown(window, data) - 1);
    switch (vk) {
    case VK_UP:
        return data.selection < 0 ? 0 : data.selection - 1;
    case VK_DOWN:
        return data.selection < 0 ? 0 : std::min(data.selection + 1, count - 1);
    case VK_PRIOR:
        return std::max(data.selection - page, 0);
    case VK_NEXT:
        return std::min(std::max(data.selection, 0) + page, count - 1);
    case VK_HOME:
        return 0;
    case VK_END:
        return count - 1;
    default:
        return -1;
    }
}

// The edit field of a drop-down keeps Home and End for its caret, as an edit does.
bool IsListKey(const Window& window, UINT vk)
{
    if (vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT)
        return true;
    return (vk == VK_HOME || vk == VK_END) && !HasEditField(window);
}

// A key moves the selection like a choice from the list, which tells the parent; at
// either end of the list nothing changes and nobody is told.
void MoveSelectionByKey(HWND hWnd, Window& window, UINT vk)
{
    ComboData& data = ComboDataOf(window);
    int item = ItemForListKey(window, data, vk);
    if (item < 0 || item == data.selection || !IsItem(data, static_cast<WPARAM>(item)))
        return;
    SetCurSel(window, static_cast<WPARAM>(item));
    NotifyParent(hWnd, CBN_SELCHANGE);
}

// Drops the list down or closes it. The parent hears CBN_DROPDOWN before the list shows
// and CBN_CLOSEUP once it has gone; asking for the state it is in changes nothing.
void ShowDropDown(HWND hWnd, Window& window, bool show)
{
    ComboData& data = ComboDataOf(window);
    if (show == data.dropped)
        return;
    if (show) {
        NotifyParent(hWnd, CBN_DROPDOWN);
        data.selectionWhenDropped = data.selection;
    }
    data.dropped = show;
    NotifyDriver(hWnd, WindowChange::DroppedState);
    if (!show)
        NotifyParent(hWnd, CBN_CLOSEUP);
}

// Esc gives up what the keys chose in the open list: the selection goes back to the one
// it had when the list dropped, and the parent hears of that change too.
void CancelDroppedList(HWND hWnd, Window& window)
{
    ComboData& data = ComboDataOf(window);
    int original = data.selectionWhenDropped;
    ShowDropDown(hWnd, window, false);
    if (original == data.selection)
        return;
    SetCurSel(window, static_cast<WPARAM>(static_cast<INT_PTR>(original)));
    NotifyParent(hWnd, CBN_SELCHANGE);
}

// F4 and Alt with Up or Down open or close the list; Enter closes an open list keeping
// its selection, Esc closes it going back. True when the key did one of these.
bool DropDownKey(HWND hWnd, Window& window, UINT vk, LPARAM modifiers)
{
    ComboData& data = ComboDataOf(window);
    bool alt = (modifiers & MK_ALT_KEY) != 0;
    if ((vk == VK_F4 && modifiers == 0) || (alt && (vk == VK_UP || vk == VK_DOWN))) {
        ShowDropDown(hWnd, window, !data.dropped);
        return true;
    }
    if (!data.dropped || modifiers != 0)
        return false;
    if (vk == VK_RETURN)
        ShowDropDown(hWnd, window, false);
    else if (vk == VK_ESCAPE)
        CancelDroppedList(hWnd, window);
    else
        return false;
    return true;
}

// Enter and Esc are the open list's to take; closed, the dialog has them.
LRESULT DialogCode(const ComboData& data, WPARAM vk, LPARAM lParam)
{
    LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS;
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (data.dropped && msg != nullptr && msg->message == WM_KEYDOWN && (vk == VK_RETURN || vk == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

// The edit field takes typing, pasting and the editing keys; a drop list takes none.
LRESULT FieldMessage(HWND hWnd, Window& window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!HasEditField(window))
        return msg == WM_SETTEXT ? CB_ERR : 0;
    EditField& field = ComboDataOf(window).field;
    switch (msg) {
    case WM_SETTEXT: {
        window.text = lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : "";
        EditChange change = field.CaretToStart();
        change.text = true;
        NotifyDriverOfEdit(hWnd, change);
        return TRUE;
    }
    case WM_CHAR: {
        std::string character;
        if (wParam >= 0x20 && wParam != 0x7F && field.AssembleTypedByte(static_cast<BYTE>(wParam), character)) {
            if (field.Fits(character.size()))
                NotifyDriverOfEdit(hWnd, field.ReplaceSelection(character));
            else
                MessageBeep(MB_OK);
        }
        return 0;
    }
    case WM_KEYDOWN:
        NotifyDriverOfEdit(hWnd, field.Key(static_cast<UINT>(wParam), (lParam & MK_SHIFT_KEY) != 0));
        return 0;
    default:  // EM_REPLACESEL, a paste into the field
        NotifyDriverOfEdit(hWnd, field.ReplaceSelection(lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : ""));
        return 0;
    }
}

}  // namespace

LRESULT ComboBoxWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindowObject(hWnd);
    ComboData& data = ComboDataOf(*window);
    switch (msg) {
    case CB_ADDSTRING:
        return AddString(*window, reinterpret_cast<LPCTSTR>(lParam));
    case CB_DELETESTRING:
        return DeleteString(*window, wParam);
    case CB_GETCOUNT:
        return static_cast<LRESULT>(data.items.size());
    case CB_GETCURSEL:
        return data.selection;
    case CB_SETCURSEL:
        return SetCurSel(*window, wParam);
    case CB_GETLBTEXT:
        return GetLBText(data, wParam, reinterpret_cast<LPTSTR>(lParam));
    case CB_GETLBTEXTLEN:
        return IsItem(data, wParam) ? static_cast<LRESULT>(data.items[wParam].size()) : CB_ERR;
    case CB_SHOWDROPDOWN:
        ShowDropDown(hWnd, *window, wParam != FALSE);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return data.dropped ? TRUE : FALSE;
    case CB_GETMINVISIBLE:
        return ItemsShown(*window, data);
    case WM_GETDLGCODE:
        return DialogCode(data, wParam, lParam);
    case WM_KILLFOCUS:
        // The list closes as the focus leaves the box.
        ShowDropDown(hWnd, *window, false);
        return 0;
    case WM_KEYDOWN:
        if (DropDownKey(hWnd, *window, static_cast<UINT>(wParam), lParam))
            return 0;
        if (IsListKey(*window, static_cast<UINT>(wParam)) && !(lParam & MK_ALT_KEY)) {
            MoveSelectionByKey(hWnd, *window, static_cast<UINT>(wParam));
            return 0;
        }
        return FieldMessage(hWnd, *window, msg, wParam, lParam);
    case WM_SETTEXT:
    case WM_CHAR:
    case EM_REPLACESEL:
        return FieldMessage(hWnd, *window, msg, wParam, lParam);
    default:
        return DefWindowProc(hWnd, msg, wParam, lParam);
    }
}
