#include "HeldTextChanges.h"

#include <utility>

bool HeldTextChanges::Hold(HWND hWnd, WindowChange change)
{
    if (m_inputDepth == 0 || (change != WindowChange::Text && change != WindowChange::TextSelection))
        return false;
    Held& held = m_held[hWnd];
    if (change == WindowChange::Text)
        held.text = true;
    else
        held.selection = true;
    return true;
}

// The selection follows the text even when only the text was held: Qt puts the caret
// at the end of a text it is given, wherever the window system has it.
void HeldTextChanges::ShowHeld()
{
    std::map<HWND, Held> held = std::exchange(m_held, {});
    for (const auto& [hWnd, changes] : held) {
        if (changes.text)
            m_show(hWnd, WindowChange::Text);
        m_show(hWnd, WindowChange::TextSelection);
    }
}

HeldTextChanges::InputScope::InputScope(HeldTextChanges& changes) : m_changes(changes)
{
    ++m_changes.m_inputDepth;
}

HeldTextChanges::InputScope::~InputScope()
{
    if (--m_changes.m_inputDepth == 0)
        m_changes.ShowHeld();
}

HeldTextChanges::NestedLoopScope::NestedLoopScope(HeldTextChanges& changes)
    : m_changes(changes), m_outerDepth(std::exchange(changes.m_inputDepth, 0))
{
    m_changes.ShowHeld();
}

HeldTextChanges::NestedLoopScope::~NestedLoopScope()
{
    m_changes.m_inputDepth = m_outerDepth;
}
