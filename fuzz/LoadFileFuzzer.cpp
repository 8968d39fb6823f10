// Load of any file: the fuzz input is the file the user picks in the file chooser. The
// block takes the file's first bytes (at most 128) and nothing else changes; the log
// gets one row; and the texts the load shows read back without a refusal.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "MainDialogRun.h"

namespace {

const size_t LOAD_LIMIT = 128;

// One file for the whole run, removed when the fuzzer exits.
const std::string& LoadedFilePath()
{
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp != nullptr ? tmp : "/tmp") + "/quorvel-load-XXXXXX.svo";
        int fd = mkstemps(pattern.data(), 4);
        FUZZ_CHECK(fd >= 0);
        close(fd);
        std::atexit([] { unlink(LoadedFilePath().c_str()); });
        return pattern;
    }();
    return path;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, file) == size);
    FUZZ_CHECK(std::fclose(file) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = LoadedFilePath();
    WriteFile(path, data, size);

    MainDialogRun run;
    run.driver.AnswerFileChooser(path);
    run.Run([&] {
        BYTE before[sizeof run.dlg.m_eeprom];
        std::memcpy(before, run.dlg.m_eeprom, sizeof before);
        int rows = run.LogRows();

        run.Click(IDC_LOAD);

        size_t loaded = size < LOAD_LIMIT ? size : LOAD_LIMIT;
        FUZZ_CHECK(std::memcmp(run.dlg.m_eeprom, data, loaded) == 0);
        FUZZ_CHECK(std::memcmp(run.dlg.m_eeprom + loaded, before + loaded, sizeof before - loaded) == 0);
        FUZZ_CHECK(run.LogRows() == rows + 1);
        FUZZ_CHECK(run.driver.MessageBoxes().empty());

        FUZZ_CHECK(run.dlg.UpdateData(TRUE));
        FUZZ_CHECK(run.driver.MessageBoxes().empty());
    });
    return 0;
}
