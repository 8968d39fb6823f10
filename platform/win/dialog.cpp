// The dialog manager: dialogs made from templates, dialog units, the dialog procedure's
// default handling and the end of a dialog.
#include <climits>

#include "dialogmanager.h"
#include "dlgtemplate.h"
#include "window.h"

namespace {

struct DialogData : WindowClassData {
    DLGPROC dlgProc = nullptr;
    SIZE baseUnits{4, 8};
    bool ended = false;
    INT_PTR result = 0;
};

DialogData* FindDialogData(HWND hDlg)
{
    Window* window = FindWindowObject(hDlg);
    if (window == nullptr || !IsWindowOfClass(hDlg, DIALOG_CLASS_NAME))
        return nullptr;
    return &ClassDataOf<DialogData>(*window);
}

// number * numerator / denominator, rounded half away from zero as the platform's
// MulDiv rounds; -1 when the result does not fit, as MulDiv answers then.
LONG ScaleRounded(LONG number, LONG numerator, LONG denominator)
{
    if (denominator == 0)
        return -1;
    long long product = static_cast<long long>(number) * numerator;
    long long half = denominator / 2;
    bool negative = (product < 0) != (denominator < 0);
    long long quotient = (product + (negative ? -half : half)) / denominator;
    if (quotient < INT_MIN || quotient > INT_MAX)
        return -1;
    return static_cast<LONG>(quotient);
}

// A horizontal dialog unit is a quarter of the font's average character width, a
// vertical one an eighth of its height.
RECT DialogUnitsToPixels(RECT rect, SIZE baseUnits)
{
    return RECT{ScaleRounded(rect.left, baseUnits.cx, 4), ScaleRounded(rect.top, baseUnits.cy, 8),
                ScaleRounded(rect.right, baseUnits.cx, 4), ScaleRounded(rect.bottom, baseUnits.cy, 8)};
}

RECT TemplateRect(short x, short y, short cx, short cy)
{
    return RECT{x, y, x + cx, y + cy};
}

HWND CreateItem(HWND hDlg, const DLGITEMTEMPLATE_QV& item, SIZE baseUnits)
{
    RECT rect = DialogUnitsToPixels(TemplateRect(item.x, item.y, item.cx, item.cy), baseUnits);
    return CreateWindowEx(item.exStyle, item.className, item.text, item.style | WS_CHILD, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, hDlg,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), nullptr, nullptr);
}

bool IsUsableTemplate(const DLGTEMPLATE_QV* lpTemplate)
{
    return lpTemplate != nullptr && lpTemplate->itemCount >= 0 &&
           (lpTemplate->itemCount == 0 || lpTemplate->items != nullptr);
}

}  // namespace

// The dialog stays hidden while its controls are made and WM_INITDIALOG runs; a
// template with WS_VISIBLE is shown after that. A control that cannot be made fails
// the whole dialog.
HWND CreateDialogIndirectParam(HINSTANCE, const DLGTEMPLATE_QV* lpTemplate, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam)
{
    if (!IsUsableTemplate(lpTemplate))
        return nullptr;
    SIZE baseUnits = GetDisplayDriver().FontBaseUnits(lpTemplate->faceName != nullptr ? lpTemplate->faceName : "",
                                                      lpTemplate->pointSize, lpTemplate->weight);
    RECT rect = DialogUnitsToPixels(TemplateRect(lpTemplate->x, lpTemplate->y, lpTemplate->cx, lpTemplate->cy), baseUnits);
    HWND hDlg = CreateWindowEx(lpTemplate->exStyle, DIALOG_CLASS_NAME, lpTemplate->caption,
                               lpTemplate->style & ~static_cast<DWORD>(WS_VISIBLE | WS_CHILD), rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, hWndParent, nullptr, nullptr, nullptr);
    if (hDlg == nullptr)
        return nullptr;
    DialogData* data = FindDialogData(hDlg);
    data->dlgProc = lpDialogFunc;
    data->baseUnits = baseUnits;

    for (int i = 0; i < lpTemplate->itemCount; ++i) {
        if (CreateItem(hDlg, lpTemplate->items[i], baseUnits) == nullptr) {
            DestroyWindow(hDlg);
            return nullptr;
        }
    }

    HWND hFirst = NextTabStop(hDlg, nullptr, false);
    if (SendMessage(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(hFirst), dwInitParam) && hFirst != nullptr)
        SetDialogFocus(hFirst);
    if (IsWindow(hDlg) && (lpTemplate->style & WS_VISIBLE))
        ShowWindow(hDlg, SW_SHOW);
    return IsWindow(hDlg) ? hDlg : nullptr;
}

// The dialog procedure sees each message first; a nonzero answer is the message's
// result, and FALSE leaves it to the default handling.
LRESULT DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    DialogData* data = FindDialogData(hDlg);
    if (data == nullptr)
        return 0;
    if (data->dlgProc != nullptr) {
        INT_PTR handled = data->dlgProc(hDlg, Msg, wParam, lParam);
        if (handled != 0) {
            // These answers are the dialog procedure's own result; the others it
            // leaves in DWLP_MSGRESULT.
            if (Msg == WM_INITDIALOG || Msg == WM_QUERYDRAGICON)
                return handled;
            return GetWindowLongPtr(hDlg, DWLP_MSGRESULT);
        }
    }
    switch (Msg) {
    case WM_INITDIALOG:
        return FALSE;
    case WM_CLOSE:
        // The close box cancels the dialog; it never destroys it.
        SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
        return 0;
    default:
        return DefWindowProc(hDlg, Msg, wParam, lParam);
    }
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult)
{
    DialogData* data = FindDialogData(hDlg);
    if (data == nullptr)
        return FALSE;
    data->ended = true;
    data->result = nResult;
    NotifyDriver(hDlg, WindowChange::DialogEnded);
    return TRUE;
}

INT_PTR GetDialogResult(HWND hDlg)
{
    DialogData* data = FindDialogData(hDlg);
    return data != nullptr ? data->result : 0;
}

BOOL IsDialogEnded(HWND hDlg)
{
    DialogData* data = FindDialogData(hDlg);
    return data == nullptr || data->ended ? TRUE : FALSE;
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    DialogData* data = FindDialogData(hDlg);
    if (data == nullptr || lpRect == nullptr)
        return FALSE;
    *lpRect = DialogUnitsToPixels(*lpRect, data->baseUnits);
    return TRUE;
}

LRESULT SendDlgItemMessage(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return SendMessage(GetDlgItem(hDlg, nIDDlgItem), Msg, wParam, lParam);
}
