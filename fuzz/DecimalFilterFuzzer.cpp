// The decimal filter on any pasted text: edit 1003 ends with the pasted text's digits
// in their order and, where it had a '.', its first '.' in its place; nothing else.
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "MainDialogRun.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits of a text and its first point, as the filter keeps them.
std::string DigitsAndFirstPoint(const std::string& text)
{
    std::string kept;
    bool pointKept = false;
    for (char c : text) {
        if (IsDigit(c)) {
            kept += c;
        } else if (c == '.' && !pointKept) {
            kept += c;
            pointKept = true;
        }
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    std::string pasted = input.Text();

    MainDialogRun run;
    run.Run([&] {
        run.PasteOver(IDC_DEAD_BAND, pasted);
        std::string text = run.Text(IDC_DEAD_BAND);

        int points = 0;
        for (char c : text) {
            FUZZ_CHECK(IsDigit(c) || c == '.');
            points += c == '.' ? 1 : 0;
        }
        FUZZ_CHECK(points <= 1);
        FUZZ_CHECK(text == DigitsAndFirstPoint(pasted));
    });
    return 0;
}
