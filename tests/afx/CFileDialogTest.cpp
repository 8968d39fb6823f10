#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CFileDialog.h"
#include "displaydriver.h"

namespace {

// A driver that records what the chooser was asked and answers with a set path.
class ChooserDriver : public DisplayDriver {
public:
    ChooserDriver() : m_previous(&GetDisplayDriver()) { SetDisplayDriver(this); }
    ~ChooserDriver() override { SetDisplayDriver(m_previous); }

    BOOL ChooseFile(OPENFILENAME* lpofn, BOOL bSave) override
    {
        save = bSave;
        filters = FileFilterPairs(lpofn->lpstrFilter);
        defExt = lpofn->lpstrDefExt != nullptr ? lpofn->lpstrDefExt : "(none)";
        initialName = lpofn->lpstrFile;
        flags = lpofn->Flags;
        if (answer.empty())
            return FALSE;
        std::strncpy(lpofn->lpstrFile, answer.c_str(), lpofn->nMaxFile - 1);
        return TRUE;
    }

    std::string answer;
    BOOL save = -1;
    std::vector<std::pair<std::string, std::string>> filters;
    std::string defExt;
    std::string initialName;
    DWORD flags = 0;

private:
    DisplayDriver* m_previous;
};

TEST(CFileDialog, OpenChooserOffersEachTypeOfItsFilterText)
{
    ChooserDriver driver;
    driver.answer = "/tmp/a.svo";
    CFileDialog dialog(TRUE, "*.svo", nullptr, 0x110006, "A (*.svo)|*.svo|B (*.bin)|*.bin|All (*.*)|*.*||");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(std::string(dialog.GetPathName()), "/tmp/a.svo");
    EXPECT_FALSE(driver.save);
    ASSERT_EQ(driver.filters.size(), 3u);
    EXPECT_EQ(driver.filters[2], (std::pair<std::string, std::string>{"All (*.*)", "*.*"}));
    EXPECT_EQ(driver.defExt, "*.svo");
    EXPECT_EQ(driver.initialName, "");
    EXPECT_EQ(driver.flags & 0x110006u, 0x110006u);
}

TEST(CFileDialog, SaveChooserWithASingleTrailingBarStillEndsItsList)
{
    ChooserDriver driver;
    CFileDialog dialog(FALSE, ".svo", "", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "S (*.svo)|*.svo|所有文件   (*.*)|*.*|");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(driver.save);
    ASSERT_EQ(driver.filters.size(), 2u);
    EXPECT_EQ(driver.filters[1].first, "所有文件   (*.*)");
    EXPECT_EQ(driver.defExt, ".svo");
    EXPECT_EQ(driver.flags & OFN_OVERWRITEPROMPT, static_cast<DWORD>(OFN_OVERWRITEPROMPT));
}

}  // namespace
