// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/fields/SoFieldValueIo.h"

#include <cmath>
#include <limits>

namespace scenar::detail {

bool expectEnd(TextReader& in) {
  if (in.atEnd()) return true;
  in.setError("unexpected " + quoteInput(in.rest()) + " after the value");
  return false;
}

void ValueIo<float>::write(std::string& out, float value) {
  if (std::isnan(value)) value = 0.0f;
  if (std::isinf(value)) value = std::copysign(std::numeric_limits<float>::max(), value);
  out += SbString::fromFloatExact(value).str();
}

bool ValueIo<int32_t>::read(TextReader& in, int32_t& value) {
  long long wide = 0;
  if (!in.readInteger(wide, std::numeric_limits<int32_t>::min(),
                      std::numeric_limits<int32_t>::max()))
    return false;
  value = static_cast<int32_t>(wide);
  return true;
}

bool ValueIo<uint16_t>::read(TextReader& in, uint16_t& value) {
  long long wide = 0;
  if (!in.readInteger(wide, 0, 0xffff)) return false;
  value = static_cast<uint16_t>(wide);
  return true;
}

bool BoolIo::read(TextReader& in, SbBool& value) {
  std::string word;
  if (!in.readWord(word)) return false;
  if (word == "TRUE" || word == "1") {
    value = TRUE;
  } else if (word == "FALSE" || word == "0") {
    value = FALSE;
  } else {
    in.setError(quoteInput(word) + " is not TRUE or FALSE");
    return false;
  }
  return true;
}

bool ValueIo<SbString>::read(TextReader& in, SbString& value) {
  std::string text;
  if (!in.readString(text)) return false;
  value = SbString(std::move(text));
  return true;
}

}  // namespace scenar::detail
