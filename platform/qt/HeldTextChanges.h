// Changes of a window's text and text selection that come while the user's input is
// being handled, held back and shown once it has been. A paste that the program filters
// a byte at a time changes an edit's text thousands of times before it returns, and Qt
// would convert and lay out the whole text for each; the window system keeps the truth
// meanwhile, and the widget is brought up to date once.
//
// Nothing stays held while Qt could read or draw a widget: what is held is shown when
// the input has been handled, before any other change is shown, and before the driver
// runs an event loop of its own (a modal dialog, a message box, a file chooser).
#pragma once

#include <functional>
#include <map>

#include "displaydriver.h"

class HeldTextChanges {
public:
    // Shows one change of one window on its widget.
    using ShowFunction = std::function<void(HWND, WindowChange)>;

    explicit HeldTextChanges(ShowFunction show) : m_show(std::move(show)) {}

    // Holds a Text or TextSelection change while input is being handled; false when the
    // change is to be shown at once. A held text is shown with the selection after it.
    bool Hold(HWND hWnd, WindowChange change);

    // Shows what is held, each window's text before its selection, and holds nothing more.
    void ShowHeld();

    // For as long as one lives, the user's input is being handled and changes are held;
    // when the outermost goes, what was held is shown.
    class InputScope {
    public:
        explicit InputScope(HeldTextChanges& changes);
        ~InputScope();
        InputScope(const InputScope&) = delete;
        InputScope& operator=(const InputScope&) = delete;

    private:
        HeldTextChanges& m_changes;
    };

    // For as long as one lives, an event loop runs that may draw and read every widget:
    // what was held is shown first, and nothing is held until it goes.
    class NestedLoopScope {
    public:
        explicit NestedLoopScope(HeldTextChanges& changes);
        ~NestedLoopScope();
        NestedLoopScope(const NestedLoopScope&) = delete;
        NestedLoopScope& operator=(const NestedLoopScope&) = delete;

    private:
        HeldTextChanges& m_changes;
        int m_outerDepth;
    };

private:
    struct Held {
        bool text = false;
        bool selection = false;
    };

    ShowFunction m_show;
    // How many input scopes are open in the event loop now running.
    int m_inputDepth = 0;
    std::map<HWND, Held> m_held;
};
