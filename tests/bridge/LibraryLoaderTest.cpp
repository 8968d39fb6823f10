#include <gtest/gtest.h>

#include "libloader.h"

namespace {

int One()
{
    return 1;
}

int Two()
{
    return 2;
}

const EXPORT_ENTRY FIRST[] = {{1, reinterpret_cast<FARPROC>(&One)}, {7, reinterpret_cast<FARPROC>(&Two)}};
const EXPORT_ENTRY SECOND[] = {{1, reinterpret_cast<FARPROC>(&Two)}};

int CallOrdinal(HMODULE module, WORD ordinal)
{
    return reinterpret_cast<int (*)()>(GetProcAddress(module, MAKEINTRESOURCE(ordinal)))();
}

class LibraryLoaderTest : public ::testing::Test {
protected:
    ~LibraryLoaderTest() override { RegisterLibrary("sample.dll", EXPORT_TABLE{nullptr, 0}); }
};

TEST_F(LibraryLoaderTest, OperationsAreFoundByOrdinalOnly)
{
    RegisterLibrary("sample.dll", EXPORT_TABLE{FIRST, 2});
    HMODULE module = LoadLibrary("sample.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(CallOrdinal(module, 1), 1);
    EXPECT_EQ(CallOrdinal(module, 7), 2);
    EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCE(2)), nullptr);
    EXPECT_EQ(GetProcAddress(module, "One"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(LibraryLoaderTest, FileNameIsMatchedWithoutRegardToCase)
{
    RegisterLibrary("sample.dll", EXPORT_TABLE{FIRST, 2});
    HMODULE module = LoadLibrary("SAMPLE.DLL");
    EXPECT_NE(module, nullptr);
    FreeLibrary(module);
}

TEST_F(LibraryLoaderTest, UnknownLibraryDoesNotLoad)
{
    EXPECT_EQ(LoadLibrary("sample.dll"), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, MAKEINTRESOURCE(1)), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST_F(LibraryLoaderTest, RegisteringUnderTheSameNameReplacesTheTableAndHandsBackTheOld)
{
    RegisterLibrary("sample.dll", EXPORT_TABLE{FIRST, 2});
    HMODULE before = LoadLibrary("sample.dll");

    EXPORT_TABLE replaced = RegisterLibrary("sample.dll", EXPORT_TABLE{SECOND, 1});
    EXPECT_EQ(replaced.entries, FIRST);
    EXPECT_EQ(replaced.count, 2);

    HMODULE after = LoadLibrary("sample.dll");
    EXPECT_EQ(CallOrdinal(after, 1), 2);
    EXPECT_EQ(GetProcAddress(after, MAKEINTRESOURCE(7)), nullptr);
    // What was loaded before keeps the table it was loaded with.
    EXPECT_EQ(CallOrdinal(before, 1), 1);

    FreeLibrary(after);
    FreeLibrary(before);
}

TEST_F(LibraryLoaderTest, ModuleLivesUntilItsLastReferenceIsFreed)
{
    RegisterLibrary("sample.dll", EXPORT_TABLE{FIRST, 2});
    HMODULE first = LoadLibrary("sample.dll");
    HMODULE second = LoadLibrary("sample.dll");
    EXPECT_EQ(first, second);

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_NE(GetProcAddress(second, MAKEINTRESOURCE(1)), nullptr);
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_EQ(GetProcAddress(second, MAKEINTRESOURCE(1)), nullptr);
    EXPECT_FALSE(FreeLibrary(second));
}

TEST_F(LibraryLoaderTest, EmptyTableRemovesTheLibrary)
{
    RegisterLibrary("sample.dll", EXPORT_TABLE{FIRST, 2});
    RegisterLibrary("sample.dll", EXPORT_TABLE{nullptr, 0});
    EXPECT_EQ(LoadLibrary("sample.dll"), nullptr);
}

}  // namespace
