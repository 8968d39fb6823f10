#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "CEdit.h"
#include "HeadlessDriver.h"
#include "input.h"
#include "libloader.h"
#include "support/UserLocale.h"

namespace {

int Answer()
{
    return 42;
}

const EXPORT_ENTRY MINI_EXPORTS[] = {{1, reinterpret_cast<FARPROC>(&Answer)}};

// Window class names and library names are matched without regard to case as the
// platform matches them, whatever the user's language: in Turkish the capital of 'i'
// is not 'I', and a name written "Edit" or "MINI.DLL" must still be found.
class NamesInTurkishLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        locale.emplace("tr_TR.UTF-8");
        ASSERT_EQ(locale->Failure(), "");
        parent = CreateWindowEx(0, "#32770", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }

    void TearDown() override
    {
        DestroyWindow(parent);
        RegisterLibrary("mini.dll", EXPORT_TABLE{nullptr, 0});
        locale.reset();
    }

    std::optional<UserLocale> locale;
    HeadlessDriver driver;
    HWND parent = nullptr;
};

TEST_F(NamesInTurkishLocale, AnEditSpelledInMixedCaseIsAnEditToTheWindowSystemAndTheClassLibrary)
{
    HWND edit = CreateWindowEx(0, "Edit", "abcdef", WS_CHILD | WS_VISIBLE, 0, 0, 50, 10, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(7)), nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    UserSelectText(edit, 1, 3);
    DWORD first = 0;
    DWORD last = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(first, 1u);
    EXPECT_EQ(last, 3u);
    EXPECT_NE(dynamic_cast<CEdit*>(CWnd::FromHandle(edit)), nullptr);
}

TEST_F(NamesInTurkishLocale, ALibraryIsFoundUnderItsNameInCapitals)
{
    RegisterLibrary("mini.dll", EXPORT_TABLE{MINI_EXPORTS, 1});
    HMODULE module = LoadLibrary("MINI.DLL");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(reinterpret_cast<int (*)()>(GetProcAddress(module, MAKEINTRESOURCE(1)))(), 42);
    FreeLibrary(module);
}

}  // namespace
