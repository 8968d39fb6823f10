#include "WidgetFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "AccessibleFocus.h"
#include "ComboBoxWidget.h"
#include "ReportView.h"
#include "WidgetMirror.h"
#include "WindowQueries.h"
#include "asciicase.h"
#include "commctrl.h"
#include "winuser.h"

namespace {

bool IsClass(const std::string& className, const char* name)
{
    return CompareAsciiNoCase(className, name) == 0;
}

QWidget* CreateButton(DWORD style, QWidget* parent)
{
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return new QCheckBox(parent);
    case BS_GROUPBOX: {
        auto* group = new QGroupBox(parent);
        // A group box only frames its siblings: it lies beneath them and takes no clicks.
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        return group;
    }
    default: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        return button;
    }
    }
}

void MakeEditPassive(QLineEdit* edit)
{
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setDragEnabled(false);
    edit->setAcceptDrops(false);
}

QWidget* CreateEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    MakeEditPassive(edit);
    return edit;
}

QWidget* CreateComboBox(DWORD style, QWidget* parent)
{
    auto* combo = new ComboBoxWidget(parent);
    if (ComboKindOf(style) == CBS_DROPDOWN) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        MakeEditPassive(combo->lineEdit());
    }
    return combo;
}

// A left-aligned static text breaks its lines at words and clips what does not fit.
QWidget* CreateLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A scroll bar control starts with an empty range, and nothing here sets another.
QWidget* CreateScrollBar(QWidget* parent)
{
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setRange(0, 0);
    return bar;
}

QWidget* CreateControl(HWND hWnd, const std::string& className, DWORD style, QWidget* parent)
{
    if (IsClass(className, "BUTTON"))
        return CreateButton(style, parent);
    if (IsClass(className, "STATIC"))
        return CreateLabel(parent);
    if (IsClass(className, "EDIT"))
        return CreateEdit(parent);
    if (IsClass(className, "COMBOBOX"))
        return CreateComboBox(style, parent);
    if (IsClass(className, "SCROLLBAR"))
        return CreateScrollBar(parent);
    if (IsClass(className, WC_LISTVIEW))
        return new ReportView(hWnd, parent);
    return nullptr;
}

// Controls that can hold the window system's focus say so to a screen reader, which
// reads it from the focus policy. Tab focus only: Tab never reaches Qt (InputFilter),
// and no click moves Qt's focus.
Qt::FocusPolicy FocusPolicyOf(const QWidget* widget)
{
    bool takesFocus = qobject_cast<const QLineEdit*>(widget) != nullptr ||
                      qobject_cast<const QPushButton*>(widget) != nullptr ||
                      qobject_cast<const QCheckBox*>(widget) != nullptr ||
                      qobject_cast<const QComboBox*>(widget) != nullptr ||
                      dynamic_cast<const ReportView*>(widget) != nullptr;
    return takesFocus ? Qt::TabFocus : Qt::NoFocus;
}

// A top-level window of its own (with its own task bar button): a caption and a close
// box, nothing to minimise or maximise. Children of unknown classes still get a plain
// widget, so that their own children have somewhere to be.
QWidget* CreateWindowWidget(HWND hWnd, const std::string& className, DWORD style, QWidget* parent)
{
    if (parent == nullptr) {
        return new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }
    if (QWidget* control = CreateControl(hWnd, className, style, parent))
        return control;
    return new QWidget(parent);
}

void PlaceAt(QWidget* widget, HWND hWnd)
{
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    int width = qMax(0, static_cast<int>(rect.right - rect.left));
    int height = qMax(0, static_cast<int>(rect.bottom - rect.top));
    if (widget->isWindow()) {
        widget->setFixedSize(width, height);
        return;
    }
    // A combo box's rectangle counts its dropped-down list; closed, it is one line high.
    if (dynamic_cast<ComboBoxWidget*>(widget) != nullptr)
        height = qMin(height, widget->sizeHint().height());
    widget->setGeometry(rect.left, rect.top, width, height);
}

}  // namespace

QWidget* CreateWidgetFor(HWND hWnd, QWidget* parent)
{
    DWORD style = StyleOf(hWnd);
    QWidget* widget = CreateWindowWidget(hWnd, ClassNameOf(hWnd), style, parent);
    // Focus follows the window system alone: Qt neither tabs nor clicks into a widget.
    widget->setFocusPolicy(FocusPolicyOf(widget));
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->lineEdit() != nullptr)
        combo->lineEdit()->setFocusPolicy(Qt::TabFocus);
    MarkShownWindow(widget, hWnd);
    PlaceAt(widget, hWnd);
    ShowWholeState(hWnd, widget);
    if (qobject_cast<QGroupBox*>(widget) != nullptr)
        widget->lower();
    if (parent != nullptr)
        widget->setVisible((style & WS_VISIBLE) != 0);
    return widget;
}
