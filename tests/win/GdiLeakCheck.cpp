// Bitmaps and image lists live in the window system's tables, where the leak checker
// cannot tell a forgotten one from a held one; so every run of the tests ends by
// checking that no GDI object is left.
#include <gtest/gtest.h>

#include "TestBitmaps.h"

namespace {

class NoGdiObjectLeftBehind : public ::testing::Environment {
public:
    void TearDown() override { EXPECT_EQ(GdiObjectCount(), 0u) << "GDI objects left behind by the tests"; }
};

::testing::Environment* const g_gdiLeakCheck = ::testing::AddGlobalTestEnvironment(new NoGdiObjectLeftBehind);

}  // namespace
