// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SoDebugError.h"

#include <cstdio>
#include <string>

namespace {

void writeToStderr(const char* routine, const char* message, void*) {
  std::fprintf(stderr, "%s: %s\n", routine, message);
}

struct Channel {
  SoDebugError::Handler handler = writeToStderr;
  void* data = nullptr;
  std::string lastRoutine;
  std::string lastMessage;
  int count = 0;
};

Channel& channel() {
  static Channel instance;
  return instance;
}

}  // namespace

void SoDebugError::post(const char* routine, const char* message) {
  Channel& c = channel();
  c.lastRoutine = routine ? routine : "";
  c.lastMessage = message ? message : "";
  ++c.count;
  // Copies, as a handler that posts again replaces the last post.
  const std::string routineCopy = c.lastRoutine, messageCopy = c.lastMessage;
  if (c.handler) c.handler(routineCopy.c_str(), messageCopy.c_str(), c.data);
}

void SoDebugError::setHandler(Handler handler, void* data) {
  Channel& c = channel();
  c.handler = handler ? handler : writeToStderr;
  c.data = handler ? data : nullptr;
}

SoDebugError::Handler SoDebugError::getHandler(void** data) {
  Channel& c = channel();
  if (data) *data = c.data;
  return c.handler;
}

SbString SoDebugError::getLastRoutine() {
  Channel& c = channel();
  return SbString(c.lastRoutine);
}

SbString SoDebugError::getLastMessage() {
  Channel& c = channel();
  return SbString(c.lastMessage);
}

int SoDebugError::getMessageCount() {
  Channel& c = channel();
  return c.count;
}

void SoDebugError::clearMessages() {
  Channel& c = channel();
  c.lastRoutine.clear();
  c.lastMessage.clear();
  c.count = 0;
}
