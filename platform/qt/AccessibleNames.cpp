#include "AccessibleNames.h"

#include <QLabel>

#include "WindowQueries.h"
#include "controllabel.h"
#include "winuser.h"

namespace {

bool IsLabel(HWND hWnd)
{
    return IsOfClass(hWnd, "STATIC");
}

// A label's text as a name: the blanks that pad it on screen are no part of it.
QString NameFromLabel(HWND hLabel)
{
    QString text = TextOf(hLabel);
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

// Names one control by its label. A label that named it before lets go of it, so that
// it has one label only.
void ShowLabelOf(HWND hCtl, const WidgetLookup& widgetOf)
{
    HWND hLabel = GetControlLabel(hCtl);
    QWidget* control = widgetOf(hCtl);
    auto* label = qobject_cast<QLabel*>(hLabel != nullptr ? widgetOf(hLabel) : nullptr);
    if (control == nullptr || label == nullptr)
        return;
    // A screen reader reads an edit or a combo box by this name, and finds the label
    // through the relation that the buddy makes.
    control->setAccessibleName(NameFromLabel(hLabel));
    for (QLabel* other : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (other != label && other->buddy() == control)
            other->setBuddy(nullptr);
    }
    label->setBuddy(control);
}

}  // namespace

void ShowAccessibleNames(HWND hWnd, WindowChange change, const WidgetLookup& widgetOf)
{
    if (!IsLabel(hWnd)) {
        if (change == WindowChange::Created)
            ShowLabelOf(hWnd, widgetOf);
        return;
    }
    if (change != WindowChange::Created && change != WindowChange::Text)
        return;
    HWND hParent = GetParent(hWnd);
    for (int index = 0; index < GetWindowChildCount(hParent); ++index) {
        HWND hSibling = GetWindowChild(hParent, index);
        if (GetControlLabel(hSibling) == hWnd)
            ShowLabelOf(hSibling, widgetOf);
    }
}
