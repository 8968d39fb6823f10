#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/Quorvel.h"
#include "input.h"
#include "res/resource.h"
#include "support/ModalTestDriver.h"
#include "support/Hex.h"

namespace {

// A directory of its own for one test, removed with what is in it.
class TemporaryDirectory {
public:
    TemporaryDirectory()
    {
        char pattern[] = "/tmp/quorvel-test-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TemporaryDirectory() { std::system(("rm -rf '" + m_path + "'").c_str()); }

    const std::string& Path() const { return m_path; }

    int EntryCount() const
    {
        int count = 0;
        DIR* dir = opendir(m_path.c_str());
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                ++count;
        }
        closedir(dir);
        return count;
    }

private:
    std::string m_path;
};

TEST(Application, InitInstanceRunsTheDialogAsMainWindowAndReturnsFalse)
{
    ModalTestDriver driver;
    HWND hMainWnd = nullptr;
    driver.m_whileOpen = [&](HWND hDlg) {
        ASSERT_NE(AfxGetApp()->m_pMainWnd, nullptr);
        hMainWnd = AfxGetApp()->m_pMainWnd->GetSafeHwnd();
        EXPECT_EQ(hMainWnd, hDlg);
        UserKey(GetFocus(), VK_ESCAPE, 0);
    };
    EXPECT_FALSE(AfxGetApp()->InitInstance());
    EXPECT_NE(hMainWnd, nullptr);
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
    EXPECT_FALSE(IsWindow(hMainWnd));
}

TEST(Application, NamesTheRegistryKeyAndNothingElse)
{
    ModalTestDriver driver;
    AfxGetApp()->InitInstance();
    ASSERT_NE(AfxGetApp()->m_pszRegistryKey, nullptr);
    // 应用程序向导生成的本地应用程序
    EXPECT_EQ(Hex(AfxGetApp()->m_pszRegistryKey),
              "D3 A6 D3 C3 B3 CC D0 F2 CF F2 B5 BC C9 FA B3 C9 B5 C4 B1 BE B5 D8 D3 A6 D3 C3 B3 CC D0 F2");
}

TEST(Application, EnterRightAfterStartUpEndsTheProgram)
{
    ModalTestDriver driver;
    bool ended = false;
    driver.m_whileOpen = [&](HWND hDlg) {
        UserKey(GetFocus(), VK_RETURN, 0);
        ended = IsDialogEnded(hDlg);
    };
    char name[] = "Quorvel";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST(Application, ARunWritesNothingToDisk)
{
    TemporaryDirectory home;
    std::string oldHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    char oldDirectory[4096];
    ASSERT_NE(getcwd(oldDirectory, sizeof oldDirectory), nullptr);
    setenv("HOME", home.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.Path() + "/.config").c_str(), 1);
    ASSERT_EQ(chdir(home.Path().c_str()), 0);

    ModalTestDriver driver;
    driver.m_whileOpen = [](HWND) {
        SetWindowText(GetDlgItem(AfxGetApp()->m_pMainWnd->GetSafeHwnd(), IDC_NEUTRAL), "12");
        UserKey(GetFocus(), VK_RETURN, 0);
    };
    char name[] = "Quorvel";
    char arg[] = "--settings=written.ini";
    char* argv[] = {name, arg, nullptr};
    AfxWinMain(2, argv);

    EXPECT_EQ(chdir(oldDirectory), 0);
    setenv("HOME", oldHome.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(home.EntryCount(), 0);
}

TEST(ApplicationName, IsTheExecutablesFileNameWithoutItsExtension)
{
    EXPECT_EQ(AfxAppNameFromPath("/usr/bin/Quorvel"), "Quorvel");
    EXPECT_EQ(AfxAppNameFromPath("C:/Tools/Quorvel.exe"), "Quorvel");
    EXPECT_EQ(AfxAppNameFromPath("/opt/servo.tool.exe"), "servo.tool");
    EXPECT_EQ(AfxAppNameFromPath("/opt/.hidden"), ".hidden");
    // File names are UTF-8: 伺服 is E4 BC BA E6 9C 8D there, CB C5 B7 FE in code page 936.
    EXPECT_EQ(Hex(AfxAppNameFromPath("/opt/\xE4\xBC\xBA\xE6\x9C\x8D.exe")), "CB C5 B7 FE");
    // A character that code page 936 lacks.
    EXPECT_EQ(AfxAppNameFromPath("/opt/servo\xF0\x9F\x98\x80.exe"), "servo?");

    AfxWinInit();
    EXPECT_STREQ(AfxGetApp()->m_pszAppName, "quorvel_tests");
}

// Run only by the test below, in a copy of this executable: writes the application's
// name where QUORVEL_NAME_FILE says.
TEST(ApplicationName, DISABLED_WritesItsOwnName)
{
    AfxWinInit();
    std::ofstream(std::getenv("QUORVEL_NAME_FILE")) << AfxGetApp()->m_pszAppName;
}

TEST(ApplicationName, ACopyUnderAnotherNameShowsThatName)
{
    TemporaryDirectory directory;
    std::string copy = directory.Path() + "/Servo Tool.exe";
    std::string nameFile = directory.Path() + "/name.txt";
    std::string command = "cp /proc/" + std::to_string(getpid()) + "/exe '" + copy + "' && QUORVEL_NAME_FILE='" +
                          nameFile + "' '" + copy +
                          "' --gtest_also_run_disabled_tests --gtest_filter=ApplicationName.DISABLED_WritesItsOwnName"
                          " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::stringstream name;
    name << std::ifstream(nameFile).rdbuf();
    EXPECT_EQ(name.str(), "Servo Tool");
}

}  // namespace
