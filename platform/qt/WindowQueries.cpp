#include "WindowQueries.h"

#include <vector>

#include "Cp936.h"
#include "asciicase.h"
#include "commctrl.h"
#include "winuser.h"

namespace {

// Long enough for any column title or cell the program writes.
constexpr int CELL_BUFFER_SIZE = 1024;

}  // namespace

std::string ClassNameOf(HWND hWnd)
{
    char buffer[64] = {};
    GetClassName(hWnd, buffer, sizeof buffer);
    return buffer;
}

bool IsOfClass(HWND hWnd, const char* className)
{
    return CompareAsciiNoCase(ClassNameOf(hWnd), className) == 0;
}

DWORD StyleOf(HWND hWnd)
{
    return static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
}

DWORD ComboKindOf(DWORD style)
{
    return style & 0x3;
}

std::string TextBytesOf(HWND hWnd)
{
    int length = GetWindowTextLength(hWnd);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowText(hWnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(qMax(copied, 0)));
}

QString TextOf(HWND hWnd)
{
    return FromCp936(TextBytesOf(hWnd));
}

bool IsChecked(HWND hWnd)
{
    return SendMessage(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TextSelectionOf(HWND hWnd, int& first, int& last)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    first = static_cast<int>(start);
    last = static_cast<int>(end);
}

QString ComboItemOf(HWND hWnd, int index)
{
    LRESULT length = SendMessage(hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return QString();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    SendMessage(hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return FromCp936(buffer.data());
}

QStringList ComboItemsOf(HWND hWnd)
{
    QStringList items;
    int count = static_cast<int>(SendMessage(hWnd, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index)
        items.append(ComboItemOf(hWnd, index));
    return items;
}

int ComboSelectionOf(HWND hWnd)
{
    LRESULT selection = SendMessage(hWnd, CB_GETCURSEL, 0, 0);
    return selection < 0 ? -1 : static_cast<int>(selection);
}

int ComboItemsShownOf(HWND hWnd)
{
    return static_cast<int>(SendMessage(hWnd, CB_GETMINVISIBLE, 0, 0));
}

std::vector<ListColumnState> ListColumnsOf(HWND hWnd)
{
    std::vector<ListColumnState> columns;
    for (int index = 0;; ++index) {
        char title[CELL_BUFFER_SIZE] = {};
        LVCOLUMN column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.pszText = title;
        column.cchTextMax = CELL_BUFFER_SIZE;
        if (!SendMessage(hWnd, LVM_GETCOLUMN, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)))
            return columns;
        columns.push_back(ListColumnState{FromCp936(title), column.cx, column.fmt});
    }
}

int ListRowCountOf(HWND hWnd)
{
    return static_cast<int>(SendMessage(hWnd, LVM_GETITEMCOUNT, 0, 0));
}

QString ListCellOf(HWND hWnd, int row, int column)
{
    char buffer[CELL_BUFFER_SIZE] = {};
    LVITEM item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = CELL_BUFFER_SIZE;
    SendMessage(hWnd, LVM_GETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return FromCp936(buffer);
}

UINT ListRowStateOf(HWND hWnd, int row)
{
    return static_cast<UINT>(
        SendMessage(hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED | LVIS_FOCUSED));
}
