// SPDX-License-Identifier: Apache-2.0
#pragma once

// The few window-system types the toolkit's window classes and the module use.
// Windows are headless records: a title, a parent, a class name and whether
// they are shown.

#include <cstdint>

#include "platform/scenar/basic/SbString.h"

struct SoWinWindow {
  SoWinWindow* parent = nullptr;
  SbString className;
  SbString title;
  bool visible = false;
};

using HWND = SoWinWindow*;

struct POINT {
  long x = 0;
  long y = 0;
};

// A window message as the window system delivers it.
struct MSG {
  HWND hwnd = nullptr;
  unsigned int message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
  unsigned long time = 0;
  POINT pt;
};

constexpr unsigned int WM_MOUSEMOVE = 0x0200;
constexpr unsigned int WM_LBUTTONDOWN = 0x0201;
constexpr unsigned int WM_LBUTTONUP = 0x0202;
constexpr unsigned int WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned int WM_RBUTTONDOWN = 0x0204;
constexpr unsigned int WM_RBUTTONUP = 0x0205;
constexpr unsigned int WM_MBUTTONDOWN = 0x0207;
constexpr unsigned int WM_MBUTTONUP = 0x0208;
