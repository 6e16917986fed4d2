// SPDX-License-Identifier: Apache-2.0
#pragma once

// Basic types shared by every Scenar class.

#include <cstdint>

using SbBool = int;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
