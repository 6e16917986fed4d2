// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbStringList.h"

SbStringList* SbStringList::split(const SbString& text, const SbString& separator) {
  auto* list = new SbStringList;
  list->append(new SbString(text));
  const std::string& whole = text.str();
  const std::string& sep = separator.str();
  if (sep.empty()) {
    if (!whole.empty()) list->append(new SbString(whole));
    return list;
  }
  std::size_t start = 0;
  while (start <= whole.size()) {
    std::size_t end = whole.find(sep, start);
    if (end == std::string::npos) end = whole.size();
    if (end > start) list->append(new SbString(whole.substr(start, end - start)));
    start = end + sep.size();
  }
  return list;
}
