// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "platform/scenar/basic/SbString.h"

// An interned string: equal names share one text, so comparing is cheap.
class SbName {
 public:
  SbName() : SbName("") {}
  SbName(const char* text);     // NOLINT: implicit by design
  SbName(const SbString& text)  // NOLINT
      : SbName(text.getString()) {}

  const char* getString() const { return text_->c_str(); }
  int getLength() const { return static_cast<int>(text_->size()); }
  friend bool operator==(const SbName& a, const SbName& b) { return a.text_ == b.text_; }
  friend bool operator==(const SbName& a, const char* b) { return *a.text_ == (b ? b : ""); }
  bool operator!() const { return text_->empty(); }

  // Names may start with a letter or '_' and go on with letters, digits and '_'.
  static bool isIdentStartChar(char c);
  static bool isIdentChar(char c);

 private:
  const std::string* text_;
};
