#include "editfield.h"

#include "codepage.h"
#include "window.h"
#include "winuser.h"

namespace {

// The longest run of whole characters at the start of text that is at most room bytes.
size_t WholeCharactersWithin(std::string_view text, size_t room)
{
    std::string copy(text.substr(0, room < text.size() ? room + 1 : text.size()));
    size_t end = 0;
    while (end < copy.size()) {
        size_t next = end + CodePage936CharLength(copy, end);
        if (next > room)
            break;
        end = next;
    }
    return end;
}

}  // namespace

void NotifyDriverOfEdit(HWND hWnd, EditChange change)
{
    if (change.text)
        NotifyDriver(hWnd, WindowChange::Text);
    if (change.selection)
        NotifyDriver(hWnd, WindowChange::TextSelection);
}

EditChange EditField::SetSelection(size_t anchor, size_t caret)
{
    EditChange change;
    change.selection = anchor != m_anchor || caret != m_caret;
    m_anchor = anchor;
    m_caret = caret;
    return change;
}

EditChange EditField::Select(int first, int last)
{
    size_t length = m_text.size();
    if (first == -1)
        return SetSelection(m_caret, m_caret);
    auto clamp = [length](int position) { return position < 0 || static_cast<size_t>(position) > length ? length : static_cast<size_t>(position); };
    return SetSelection(clamp(first), clamp(last));
}

EditChange EditField::CaretToStart()
{
    return SetSelection(0, 0);
}

void EditField::SetLimit(size_t limit)
{
    m_limit = limit == 0 ? 0x7FFFFFFE : limit;
}

bool EditField::Fits(size_t n) const
{
    size_t kept = m_text.size() - (SelectionEnd() - SelectionStart());
    return kept <= m_limit && n <= m_limit - kept;
}

EditChange EditField::ReplaceSelection(std::string_view text)
{
    size_t start = SelectionStart();
    size_t kept = m_text.size() - (SelectionEnd() - start);
    size_t room = kept < m_limit ? m_limit - kept : 0;
    size_t taken = WholeCharactersWithin(text, room);
    if (taken == 0 && SelectionEnd() == start)
        return EditChange{};
    m_text.replace(start, SelectionEnd() - start, text.substr(0, taken));
    EditChange change = SetSelection(start + taken, start + taken);
    change.text = true;
    return change;
}

size_t EditField::CharacterBefore(size_t position) const
{
    size_t start = 0;
    for (size_t at = 0; at < position && at < m_text.size(); at += CodePage936CharLength(m_text, at))
        start = at;
    return start;
}

size_t EditField::CharacterAfter(size_t position) const
{
    size_t at = 0;
    while (at <= position && at < m_text.size())
        at += CodePage936CharLength(m_text, at);
    return at < m_text.size() ? at : m_text.size();
}

EditChange EditField::MoveCaret(size_t position, bool extend)
{
    return SetSelection(extend ? m_anchor : position, position);
}

// Deletes the selection, or the bytes from..to when nothing is selected.
EditChange EditField::EraseSelectionOr(size_t from, size_t to)
{
    if (SelectionStart() != SelectionEnd()) {
        from = SelectionStart();
        to = SelectionEnd();
    }
    if (from >= to)
        return EditChange{};
    m_text.erase(from, to - from);
    EditChange change = SetSelection(from, from);
    change.text = true;
    return change;
}

EditChange EditField::Key(UINT vk, bool shift)
{
    bool selected = SelectionStart() != SelectionEnd();
    switch (vk) {
    case VK_LEFT:
    case VK_UP:
        if (selected && !shift)
            return MoveCaret(SelectionStart(), false);
        return MoveCaret(CharacterBefore(m_caret), shift);
    case VK_RIGHT:
    case VK_DOWN:
        if (selected && !shift)
            return MoveCaret(SelectionEnd(), false);
        return MoveCaret(CharacterAfter(m_caret), shift);
    case VK_HOME:
        return MoveCaret(0, shift);
    case VK_END:
        return MoveCaret(m_text.size(), shift);
    case VK_BACK:
        return EraseSelectionOr(CharacterBefore(m_caret), m_caret);
    case VK_DELETE:
        return EraseSelectionOr(m_caret, CharacterAfter(m_caret));
    default:
        return EditChange{};
    }
}

bool EditField::AssembleTypedByte(BYTE byte, std::string& character)
{
    char c = static_cast<char>(byte);
    if (m_leadByte.empty() && IsCodePage936LeadByte(c)) {
        m_leadByte = c;
        return false;
    }
    character = m_leadByte + c;
    m_leadByte.clear();
    return true;
}
