// Labels are matched by place alone: a template may list a control far from the label
// that stands beside it.
#include "controllabel.h"

#include <algorithm>

#include "winuser.h"
#include "window.h"

namespace {

// A closed combo box stands this many dialog units high; below that its rectangle
// holds the dropped-down list.
constexpr LONG CLOSED_COMBO_BOX_HEIGHT = 14;

bool IsNamedByLabel(HWND hWnd)
{
    return IsWindowOfClass(hWnd, "EDIT") || IsWindowOfClass(hWnd, "COMBOBOX");
}

// A combo box outside a dialog has no dialog units to measure its closed box in; its
// whole rectangle is its line then.
RECT LineOf(const Window& control)
{
    RECT line = control.rect;
    RECT closed{0, 0, 0, CLOSED_COMBO_BOX_HEIGHT};
    if (IsWindowOfClass(control.handle, "COMBOBOX") && MapDialogRect(control.parent, &closed))
        line.bottom = std::min(line.bottom, line.top + closed.bottom);
    return line;
}

bool StandsOnLineLeftOf(const RECT& label, const RECT& line)
{
    return label.top < line.bottom && line.top < label.bottom && label.left < line.left;
}

}  // namespace

HWND GetControlLabel(HWND hWndCtl)
{
    Window* control = FindWindowObject(hWndCtl);
    if (control == nullptr || !IsNamedByLabel(hWndCtl))
        return nullptr;
    Window* parent = FindWindowObject(control->parent);
    if (parent == nullptr)
        return nullptr;
    RECT line = LineOf(*control);
    HWND hLabel = nullptr;
    for (HWND hSibling : parent->children) {
        const RECT& rect = FindWindowObject(hSibling)->rect;
        if (!IsWindowOfClass(hSibling, "STATIC") || !StandsOnLineLeftOf(rect, line))
            continue;
        if (hLabel == nullptr || rect.right > FindWindowObject(hLabel)->rect.right)
            hLabel = hSibling;
    }
    return hLabel;
}
