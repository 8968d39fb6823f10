// The toolbar class (ToolbarWindow32): the image lists it holds.
#include "toolbar.h"

#include "window.h"

namespace {

struct ToolbarData : WindowClassData {
    HIMAGELIST normal = nullptr;
    HIMAGELIST hot = nullptr;
    HIMAGELIST disabled = nullptr;
};

void DestroyLists(ToolbarData& data)
{
    for (HIMAGELIST* slot : {&data.normal, &data.hot, &data.disabled}) {
        ImageList_Destroy(*slot);
        *slot = nullptr;
    }
}

// Installs a list in its slot; the list it replaces is destroyed, and its handle,
// which names nothing any more, is the result.
LRESULT Install(HIMAGELIST& slot, LPARAM lParam)
{
    HIMAGELIST previous = slot;
    slot = reinterpret_cast<HIMAGELIST>(lParam);
    if (previous != slot)
        ImageList_Destroy(previous);
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

LRESULT ToolbarWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindowObject(hWnd);
    switch (msg) {
    case TB_SETIMAGELIST:
        return Install(ClassDataOf<ToolbarData>(*window).normal, lParam);
    case TB_SETHOTIMAGELIST:
        return Install(ClassDataOf<ToolbarData>(*window).hot, lParam);
    case TB_SETDISABLEDIMAGELIST:
        return Install(ClassDataOf<ToolbarData>(*window).disabled, lParam);
    case WM_NCDESTROY:
        DestroyLists(ClassDataOf<ToolbarData>(*window));
        return 0;
    default:
        return DefWindowProc(hWnd, msg, wParam, lParam);
    }
}
