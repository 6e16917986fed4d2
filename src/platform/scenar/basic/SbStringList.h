// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SbString.h"

// A list of strings the caller owns: whoever fills the list deletes its entries.
class SbStringList {
 public:
  int getLength() const { return static_cast<int>(entries_.size()); }
  SbString* operator[](int index) const { return entries_[static_cast<std::size_t>(index)]; }
  void append(SbString* entry) { entries_.push_back(entry); }
  void truncate(int length) { entries_.resize(static_cast<std::size_t>(length)); }

  // Splits text at every occurrence of separator into a new list whose entries the
  // caller deletes, then the list. Entry 0 holds the whole text and is not a word;
  // entries 1 to n-1 hold the words in order. Empty words are dropped, so doubled,
  // leading and trailing separators add no entry: "1 3 " gives the words "1", "3".
  // An empty separator leaves the text whole as the only word.
  static SbStringList* split(const SbString& text, const SbString& separator);

 private:
  std::vector<SbString*> entries_;
};
