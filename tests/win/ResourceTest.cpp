#include <gtest/gtest.h>

#include <string>

#include "moduleresources.h"

namespace {

// tests/win/data/sample.bin is built in as resource type 99, id 7.
TEST(Resources, FileBuiltInComesBackByteForByte)
{
    HMODULE module = GetModuleHandle(nullptr);
    HRSRC found = FindResource(module, MAKEINTRESOURCE(7), MAKEINTRESOURCE(99));
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(SizeofResource(module, found), 7u);
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    EXPECT_EQ(std::string(data, 7), std::string("QRV\x00\xff\x10\x20", 7));
}

TEST(Resources, OnlyTheLow16BitsOfANameCount)
{
    HRSRC found = FindResource(nullptr, reinterpret_cast<LPCTSTR>(static_cast<UINT_PTR>(0x10007)), MAKEINTRESOURCE(99));
    EXPECT_EQ(found, FindResource(nullptr, MAKEINTRESOURCE(7), MAKEINTRESOURCE(99)));
    EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(8), MAKEINTRESOURCE(99)), nullptr);
    EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(7), RT_BITMAP), nullptr);
}

}  // namespace
