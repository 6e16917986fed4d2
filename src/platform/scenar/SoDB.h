// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbBasic.h"

class SoInput;
class SoNode;
class SoSeparator;

// The toolkit's entry point: registers the built-in classes.
class SoDB {
 public:
  // Registers every built-in class; running it again does nothing.
  static void init();
  static bool isInitialized();

  // The process-wide render-unit mode: views narrow render traversals to tiles
  // handed out by a render unit instead of the classic tiling. Off by default.
  static void setRenderUnitMode(int mode);
  static int getRenderUnitMode();

  // Reads the next top-level node of in into root: TRUE with root nullptr at the
  // end of the input, FALSE on an error (in->getErrorMessage() tells it; the
  // nodes made are released). The root comes back without a reference of the
  // caller's: ref it before closing in, which releases the DEF'd nodes.
  static SbBool read(SoInput* in, SoNode*& root);
  // Reads every top-level node left in in as the children of a new separator,
  // returned without references; nullptr on an error.
  static SoSeparator* readAll(SoInput* in);
};
