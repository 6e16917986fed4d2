// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbString.h"

// What every window component has whatever the window system: a class name and
// whether it lives in a shell window of its own.
class SoGuiComponent {
 public:
  virtual ~SoGuiComponent() = default;
  SoGuiComponent(const SoGuiComponent&) = delete;
  SoGuiComponent& operator=(const SoGuiComponent&) = delete;

  const char* getClassName() const { return className_.getString(); }
  // TRUE when the component made its own shell window (no parent, or not built
  // inside its parent).
  SbBool isTopLevelShell() const { return topLevelShell_; }

 protected:
  explicit SoGuiComponent(SbBool topLevelShell) : topLevelShell_(topLevelShell) {}
  void setClassName(const char* name) { className_ = name; }

 private:
  SbBool topLevelShell_;
  SbString className_;
};
