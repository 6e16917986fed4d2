#include "platform/scenar/fields/SoSFields.h"

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
  if (!SbName::isIdentStartChar(in.peek()))
    return scenar::detail::ValueIo<int32_t>::read(in, value);
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
