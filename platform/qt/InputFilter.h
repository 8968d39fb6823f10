// Turns what the user does to the widgets into the window system's input: keys, typed
// and pasted text, clicks and the close box. Qt's own handling of these is stopped
// here, so a widget changes only when the window system says so.
#pragma once

#include <QObject>
#include <functional>

#include "HeldTextChanges.h"
#include "windef.h"

class QKeyEvent;
class QMouseEvent;

class InputFilter : public QObject {
public:
    // Finds the window that a widget shows, or nullptr for widgets that are not ours.
    using WindowLookup = std::function<HWND(const QObject*)>;

    // Text changes are held in heldText while an input is handed on, and shown after it.
    InputFilter(WindowLookup lookup, HeldTextChanges& heldText, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKeyPress(HWND hWnd, QObject* watched, QKeyEvent* event);
    bool OnMouseButton(HWND hWnd, QObject* watched, QMouseEvent* event);

    WindowLookup m_lookup;
    HeldTextChanges& m_heldText;
};
