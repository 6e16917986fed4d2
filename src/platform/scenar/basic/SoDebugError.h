// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbString.h"

// The toolkit's channel for programming errors: wrong calls, refused class
// set-ups. Every post is recorded (the last one and a count, for tests) and
// handed to the handler, which by default writes "routine: message" to stderr.
// Posts come from the GUI thread (README, "Threads"); a handler may post again.
class SoDebugError {
 public:
  using Handler = void (*)(const char* routine, const char* message, void* data);

  static void post(const char* routine, const char* message);

  // Replaces the handler; nullptr restores the default one.
  static void setHandler(Handler handler, void* data = nullptr);
  static Handler getHandler(void** data = nullptr);

  // The routine and message of the last post; empty when none since clearMessages.
  static SbString getLastRoutine();
  static SbString getLastMessage();
  static int getMessageCount();
  static void clearMessages();
};
