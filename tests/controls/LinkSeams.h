// Seams at link time (tests/controls/CMakeLists.txt wraps the two functions): every
// call of GetObject and ImageList_Create in the test program passes through here, so
// a test can see the arguments a list was created with and make GetObject fail once.
#pragma once

#include <vector>

#include "imagelist.h"

struct ImageListCreateCall {
    int cx;
    int cy;
    UINT flags;
    int cInitial;
    int cGrow;
};

// The calls so far; a test clears it before it starts.
std::vector<ImageListCreateCall>& ImageListCreateCalls();

// The next GetObject returns 0 without looking at its handle.
void FailNextGetObject();
