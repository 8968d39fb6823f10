#include "MainDialogRun.h"

#include "FuzzCheck.h"
#include "input.h"

MainDialogRun::MainDialogRun()
{
    AfxWinInit();
}

void MainDialogRun::Run(const std::function<void()>& whileOpen)
{
    driver.m_whileOpen = [&whileOpen](HWND) { whileOpen(); };
    FUZZ_CHECK(dlg.DoModal() == IDCANCEL);
}

void MainDialogRun::Click(int nID) const
{
    UserClick(Item(nID));
}

void MainDialogRun::PasteOver(int nID, const std::string& text) const
{
    UserClick(Item(nID));
    UserSelectText(Item(nID), 0, -1);
    UserPasteText(Item(nID), text.c_str());
}
