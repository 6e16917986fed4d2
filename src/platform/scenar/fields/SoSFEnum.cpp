// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/fields/SoSFields.h"

#include <string>

#include "platform/scenar/basic/SbName.h"

void SoSFEnum::writeValue(std::string& out, SoWriteContext*) const {
  for (int i = 0; i < enumCount_; ++i)
    if (enums_[i].value == value_) {
      out += enums_[i].name;
      return;
    }
  scenar::detail::ValueIo<int32_t>::write(out, value_);
}

bool SoSFEnum::readValue(scenar::TextReader& in, int32_t& value) const {
  if (!SbName::isIdentStartChar(in.peek())) {
    if (!scenar::detail::ValueIo<int32_t>::read(in, value)) return false;
    // A field that knows its values takes no other number: what holds none of
    // them would show as some other choice.
    for (int i = 0; i < enumCount_; ++i)
      if (enums_[i].value == value) return true;
    if (enumCount_ == 0) return true;
    in.setError(std::to_string(value) + " is not a value of this field");
    return false;
  }
  std::string word;
  if (!in.readWord(word)) return false;
  for (int i = 0; i < enumCount_; ++i)
    if (word == enums_[i].name) {
      value = enums_[i].value;
      return true;
    }
  in.setError(scenar::quoteInput(word) + " is not a value of this field");
  return false;
}
