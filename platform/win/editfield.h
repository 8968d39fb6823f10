// Inside the window system: the text of a one-line edit field with its caret and
// selection, and what typing, pasting and the editing keys do to them. The EDIT class
// and the edit field of a drop-down combo box share it. Positions count bytes of code
// page 936 text; the user's moves never stop inside a double-byte character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "windef.h"

struct EditChange {
    bool text = false;
    bool selection = false;
};

// Tells the display driver what a change altered: the text, the selection or both.
void NotifyDriverOfEdit(HWND hWnd, EditChange change);

class EditField {
public:
    // The platform's default limit on what the user enters.
    static constexpr size_t DEFAULT_LIMIT = 32767;

    // The field edits the text it is given, which must outlive it (the window's text).
    explicit EditField(std::string& text) : m_text(text) {}

    size_t SelectionStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    size_t SelectionEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }

    // EM_SETSEL: 0 and -1 select all; a first of -1 drops the selection and keeps the
    // caret; a position past the end (or negative) means the end.
    EditChange Select(int first, int last);

    // After the program replaced the whole text: the caret at the start, nothing selected.
    EditChange CaretToStart();

    size_t Limit() const { return m_limit; }
    // EM_LIMITTEXT: 0 means as much as the field can hold.
    void SetLimit(size_t limit);

    // Whether n more bytes, in place of the selection, stay within the limit.
    bool Fits(size_t n) const;

    // Puts text in place of the selection, as much of it as the limit lets in, in
    // whole characters; the caret goes after it.
    EditChange ReplaceSelection(std::string_view text);

    // Backspace, Delete, the arrows, Home and End; with Shift a move extends the selection.
    EditChange Key(UINT vk, bool shift);

    // Collects the bytes of one typed character (a double-byte character comes as
    // two); true once character holds a whole one.
    bool AssembleTypedByte(BYTE byte, std::string& character);

private:
    size_t CharacterBefore(size_t position) const;
    size_t CharacterAfter(size_t position) const;
    EditChange MoveCaret(size_t position, bool extend);
    EditChange EraseSelectionOr(size_t from, size_t to);
    EditChange SetSelection(size_t anchor, size_t caret);

    std::string& m_text;
    size_t m_anchor = 0;
    size_t m_caret = 0;
    size_t m_limit = DEFAULT_LIMIT;
    std::string m_leadByte;
};
