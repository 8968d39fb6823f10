// The display driver for tests: nothing is drawn, the clock is the test's to set, message
// boxes are recorded and answered from a queue, and a modal dialog plays a script of
// user steps through the same input calls a screen driver makes. Constructing one
// installs it; destroying it puts back the driver it replaced.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commdlg.h"
#include "displaydriver.h"

class HeadlessDriver : public DisplayDriver {
public:
    struct MessageBoxShown {
        HWND owner;
        std::string caption;
        std::string text;
        UINT type;
    };
    struct IconDrawn {
        HWND hWnd;
        int x;
        int y;
        HICON hIcon;
    };
    struct FileChooserShown {
        HWND owner;
        BOOL save;
        std::vector<std::pair<std::string, std::string>> filters;
        std::string defaultExtension;
        std::string initialName;
        DWORD flags;
        bool askedToOverwrite;
    };
    struct Change {
        HWND hWnd;
        WindowChange change;
        std::string text;  // for a Text change, the text as it then stood
    };

    // The base units of every font: those of the dialog font on the platform the
    // dialogs were designed for.
    static constexpr SIZE BASE_UNITS{7, 14};

    HeadlessDriver();
    ~HeadlessDriver() override;
    HeadlessDriver(const HeadlessDriver&) = delete;
    HeadlessDriver& operator=(const HeadlessDriver&) = delete;

    void SetLocalTime(const SYSTEMTIME& time) { m_localTime = time; }
    SYSTEMTIME LocalTime() override { return m_localTime; }

    SIZE FontBaseUnits(LPCTSTR faceName, int pointSize, int weight) override;

    // Message boxes are answered in the order queued; once the queue is empty, with IDOK.
    void AnswerMessageBox(int answer) { m_answers.push_back(answer); }
    int MessageBox(HWND hWndOwner, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType) override;
    const std::vector<MessageBoxShown>& MessageBoxes() const { return m_messageBoxes; }

    // File choosers are answered in the order queued: a path typed by the user (the
    // default extension is added to a name without one; an existing file on Save is
    // confirmed) or a cancel. Once the queue is empty, they are cancelled. A path too
    // long for the caller's buffer is refused with a message box, as on screen, and
    // the same chooser takes the next answer.
    void AnswerFileChooser(const std::string& path) { m_fileAnswers.push_back(path); }
    void CancelFileChooser() { m_fileAnswers.push_back(std::nullopt); }
    BOOL ChooseFile(OPENFILENAME* lpofn, BOOL bSave) override;
    const std::vector<FileChooserShown>& FileChoosers() const { return m_fileChoosers; }

    void MessageBeep(UINT uType) override { m_beeps.push_back(uType); }
    const std::vector<UINT>& Beeps() const { return m_beeps; }

    void DrawIcon(HWND hWnd, int x, int y, HICON hIcon) override { m_iconsDrawn.push_back({hWnd, x, y, hIcon}); }
    const std::vector<IconDrawn>& IconsDrawn() const { return m_iconsDrawn; }

    void WindowChanged(HWND hWnd, WindowChange change) override;
    const std::vector<Change>& Changes() const { return m_changes; }
    void ClearChanges() { m_changes.clear(); }
    // Whether a Text change records the text it left (off by default: copying every
    // text of a long run of changes costs time).
    void RecordTexts(bool on) { m_recordTexts = on; }

    // The script of user steps that the next modal loop plays. Keys, typing and
    // pasting go to the control that has the focus when the step is played; the
    // other steps name a control of the running dialog by its ID.
    void PressKey(UINT vk, UINT modifiers = 0);
    void TypeText(const std::string& text);
    void PasteText(const std::string& text);
    void SelectText(int controlId, int first, int last);
    void Click(int controlId);
    void ChooseItem(int controlId, int index);
    void CloseBox();
    size_t StepsLeft() const { return m_script.size(); }

    // Plays the script until the dialog ends. When the script runs out first, the
    // user closes the dialog with the close box, and the loop returns after that even
    // if the dialog stays open, so that no test waits for ever.
    void RunModalLoop(HWND hDlg) override;

    // What a user sees of a dialog's controls.
    static std::string TextOf(HWND hDlg, int controlId);
    static int FocusedControlId();  // 0 when no control has the focus
    static bool IsChecked(HWND hDlg, int controlId);
    static std::vector<std::string> ComboItems(HWND hDlg, int controlId);
    static int ComboSelection(HWND hDlg, int controlId);
    // The selected bytes of an edit, first and last (exclusive).
    static std::pair<int, int> TextSelection(HWND hDlg, int controlId);

private:
    using Step = std::function<void(HWND hDlg)>;

    std::optional<std::string> NextFileAnswer();

    DisplayDriver* m_previous;
    SYSTEMTIME m_localTime{2026, 1, 4, 1, 12, 0, 0, 0};
    std::deque<int> m_answers;
    std::vector<MessageBoxShown> m_messageBoxes;
    std::deque<std::optional<std::string>> m_fileAnswers;
    std::vector<FileChooserShown> m_fileChoosers;
    std::vector<UINT> m_beeps;
    std::vector<IconDrawn> m_iconsDrawn;
    std::vector<Change> m_changes;
    bool m_recordTexts = false;
    std::deque<Step> m_script;
};
