// The program's string table: the class library's data exchange messages. Strings
// come in resources of sixteen, resource n holding strings n * 16 - 16 to n * 16 - 1,
// each a length in bytes (a WORD) and the bytes, without a terminating zero.
#include <string_view>

#include "afxres.h"
#include "res/ResourceBytes.h"
#include "moduleresources.h"

namespace {

const UINT STRINGS_PER_BLOCK = 16;
const UINT FIRST_ID = AFX_IDP_PARSE_INT;  // the first of its sixteen

constexpr std::string_view STRINGS[STRINGS_PER_BLOCK] = {
    "请输入一个整数。",                      // AFX_IDP_PARSE_INT
    "请输入一个数字。",                      // AFX_IDP_PARSE_REAL
    "", "", "", "",
    "请输入一个在 0 和 255 之间的整数。",   // AFX_IDP_PARSE_BYTE
    "", "", "", "", "", "", "", "", "",
};
static_assert(FIRST_ID % STRINGS_PER_BLOCK == 0);
static_assert(AFX_IDP_PARSE_REAL - FIRST_ID == 1 && AFX_IDP_PARSE_BYTE - FIRST_ID == 6);

constexpr size_t BlockSize()
{
    size_t size = 0;
    for (std::string_view text : STRINGS)
        size += 2 + text.size();
    return size;
}

constexpr ResourceBytes<BlockSize()> BuildBlock()
{
    ResourceBytes<BlockSize()> block;
    for (std::string_view text : STRINGS) {
        block.Word(static_cast<WORD>(text.size()));
        block.Text(text);
    }
    return block;
}

constexpr ResourceBytes<BlockSize()> BLOCK = BuildBlock();

const ResourceRegistration registration(LOWORD(RT_STRING), FIRST_ID / STRINGS_PER_BLOCK + 1, BLOCK.bytes.data(),
                                        static_cast<DWORD>(BLOCK.size));

}  // namespace
