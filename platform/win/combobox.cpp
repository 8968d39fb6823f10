// The COMBOBOX class: a list of items with one selected, either as a drop list
// (CBS_DROPDOWNLIST) or with an edit field above the list (CBS_DROPDOWN); CBS_SORT
// keeps the items in order. The window's text is what the field shows.
#include <algorithm>
#include <cstring>
#include <strings.h>
#include <vector>

#include "asciicase.h"
#include "editfield.h"
#include "input.h"
#include "window.h"

namespace {

struct ComboData : WindowClassData {
    explicit ComboData(std::string& text) : field(text) {}

    std::vector<std::string> items;
    int selection = -1;
    EditField field;
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

// The item that a list key moves the selection to: Up and Down step (either enters an
// empty selection at the first item), Home and End go to the ends; -1 for another key.
int ItemForListKey(const ComboData& data, UINT vk)
{
    int count = static_cast<int>(data.items.size());
    switch (vk) {
    case VK_UP:
        return data.selection < 0 ? 0 : data.selection - 1;
    case VK_DOWN:
        return data.selection < 0 ? 0 : std::min(data.selection + 1, count - 1);
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
    if (vk == VK_UP || vk == VK_DOWN)
        return true;
    return (vk == VK_HOME || vk == VK_END) && !HasEditField(window);
}

// A key moves the selection like a choice from the list, which tells the parent; at
// either end of the list nothing changes and nobody is told.
void MoveSelectionByKey(HWND hWnd, Window& window, UINT vk)
{
    ComboData& data = ComboDataOf(window);
    int item = ItemForListKey(data, vk);
    if (item < 0 || item == data.selection || !IsItem(data, static_cast<WPARAM>(item)))
        return;
    SetCurSel(window, static_cast<WPARAM>(item));
    NotifyParent(hWnd, CBN_SELCHANGE);
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
    case WM_KEYDOWN:
        // Alt with Up or Down opens or closes the list; it moves nothing.
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
