#include "HeadlessDriver.h"

#include "input.h"

#include <cstring>
#include <sys/stat.h>

#include "codepage.h"
#include "winuser.h"

namespace {

// Keys, typing and pasting go where the focus is; without a focus, keys go to the dialog.
HWND KeyTarget(HWND hDlg)
{
    HWND hFocus = GetFocus();
    return hFocus != nullptr ? hFocus : hDlg;
}

}  // namespace

HeadlessDriver::HeadlessDriver() : m_previous(&GetDisplayDriver())
{
    SetDisplayDriver(this);
}

HeadlessDriver::~HeadlessDriver()
{
    SetDisplayDriver(m_previous);
}

SIZE HeadlessDriver::FontBaseUnits(LPCTSTR, int, int)
{
    return BASE_UNITS;
}

int HeadlessDriver::MessageBox(HWND hWndOwner, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType)
{
    m_messageBoxes.push_back({hWndOwner, lpCaption != nullptr ? lpCaption : "", lpText != nullptr ? lpText : "", uType});
    if (m_answers.empty())
        return IDOK;
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void HeadlessDriver::PressKey(UINT vk, UINT modifiers)
{
    m_script.push_back([vk, modifiers](HWND hDlg) { UserKey(KeyTarget(hDlg), vk, modifiers); });
}

void HeadlessDriver::TypeText(const std::string& text)
{
    m_script.push_back([text](HWND) { UserTypeText(GetFocus(), text.c_str()); });
}

void HeadlessDriver::PasteText(const std::string& text)
{
    m_script.push_back([text](HWND) { UserPasteText(GetFocus(), text.c_str()); });
}

void HeadlessDriver::SelectText(int controlId, int first, int last)
{
    m_script.push_back([=](HWND hDlg) { UserSelectText(GetDlgItem(hDlg, controlId), first, last); });
}

void HeadlessDriver::Click(int controlId)
{
    m_script.push_back([controlId](HWND hDlg) { UserClick(GetDlgItem(hDlg, controlId)); });
}

void HeadlessDriver::ChooseItem(int controlId, int index)
{
    m_script.push_back([=](HWND hDlg) { UserChooseItem(GetDlgItem(hDlg, controlId), index); });
}

void HeadlessDriver::CloseBox()
{
    m_script.push_back([](HWND hDlg) { UserClose(hDlg); });
}

void HeadlessDriver::RunModalLoop(HWND hDlg)
{
    while (!IsDialogEnded(hDlg)) {
        if (m_script.empty()) {
            UserClose(hDlg);
            return;
        }
        Step step = std::move(m_script.front());
        m_script.pop_front();
        step(hDlg);
    }
}

std::string HeadlessDriver::TextOf(HWND hDlg, int controlId)
{
    HWND hControl = GetDlgItem(hDlg, controlId);
    std::string text(static_cast<size_t>(GetWindowTextLength(hControl)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowText(hControl, text.data(), static_cast<int>(text.size()))));
    return text;
}

int HeadlessDriver::FocusedControlId()
{
    HWND hFocus = GetFocus();
    return hFocus != nullptr ? GetDlgCtrlID(hFocus) : 0;
}

bool HeadlessDriver::IsChecked(HWND hDlg, int controlId)
{
    return SendDlgItemMessage(hDlg, controlId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<std::string> HeadlessDriver::ComboItems(HWND hDlg, int controlId)
{
    std::vector<std::string> items;
    int count = static_cast<int>(SendDlgItemMessage(hDlg, controlId, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendDlgItemMessage(hDlg, controlId, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0)
            break;
        std::string item(static_cast<size_t>(length) + 1, '\0');
        SendDlgItemMessage(hDlg, controlId, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(length));
        items.push_back(item);
    }
    return items;
}

int HeadlessDriver::ComboSelection(HWND hDlg, int controlId)
{
    return static_cast<int>(SendDlgItemMessage(hDlg, controlId, CB_GETCURSEL, 0, 0));
}

std::pair<int, int> HeadlessDriver::TextSelection(HWND hDlg, int controlId)
{
    DWORD first = 0;
    DWORD last = 0;
    SendDlgItemMessage(hDlg, controlId, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    return {static_cast<int>(first), static_cast<int>(last)};
}

std::optional<std::string> HeadlessDriver::NextFileAnswer()
{
    if (m_fileAnswers.empty())
        return std::nullopt;
    std::optional<std::string> answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    return answer;
}

BOOL HeadlessDriver::ChooseFile(OPENFILENAME* lpofn, BOOL bSave)
{
    FileChooserShown shown{lpofn->hwndOwner,
                           bSave,
                           FileFilterPairs(lpofn->lpstrFilter),
                           lpofn->lpstrDefExt != nullptr ? lpofn->lpstrDefExt : "",
                           lpofn->lpstrFile,
                           lpofn->Flags,
                           false};
    BOOL chosen = FALSE;
    while (std::optional<std::string> answer = NextFileAnswer()) {
        std::string path = WithDefaultExtension(*answer, lpofn->lpstrDefExt);
        if (path.size() >= lpofn->nMaxFile) {
            // The box stands over the chooser, which is no window of the window system.
            MessageBox(nullptr, PathTooLongText(path).c_str(), ChooserTitle(bSave), MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        struct stat info {};
        std::optional<std::string> onDisk = CodePage936ToUtf8(path);
        shown.askedToOverwrite = bSave && (lpofn->Flags & OFN_OVERWRITEPROMPT) && onDisk &&
                                 ::stat(onDisk->c_str(), &info) == 0;
        std::memcpy(lpofn->lpstrFile, path.c_str(), path.size() + 1);
        chosen = TRUE;
        break;
    }
    m_fileChoosers.push_back(shown);
    return chosen;
}

void HeadlessDriver::WindowChanged(HWND hWnd, WindowChange change)
{
    std::string text;
    if (change == WindowChange::Text && m_recordTexts) {
        text.resize(static_cast<size_t>(GetWindowTextLength(hWnd)) + 1);
        text.resize(static_cast<size_t>(GetWindowText(hWnd, text.data(), static_cast<int>(text.size()))));
    }
    m_changes.push_back({hWnd, change, text});
}
