// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SbString.h"

// Describes one extension library loaded into the process. A library's
// descriptor registers itself for as long as it lives, normally from load to unload.
class SoModule {
 public:
  SoModule(const char* fileName, const char* version, const char* buildText);
  ~SoModule();
  SoModule(const SoModule&) = delete;
  SoModule& operator=(const SoModule&) = delete;

  const SbString& getFileName() const { return fileName_; }
  const SbString& getVersion() const { return version_; }
  const SbString& getBuildText() const { return buildText_; }

  // The descriptors registered now, oldest first.
  static std::vector<const SoModule*> getModules();
  static const SoModule* find(const char* fileName);

 private:
  SbString fileName_, version_, buildText_;
};
