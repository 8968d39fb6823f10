// The servo's parameter block: its length and its default contents.
#pragma once

#include "windef.h"

#define PARAMETER_BLOCK_LEN 41

extern const BYTE g_defaultParameterBlock[PARAMETER_BLOCK_LEN];
