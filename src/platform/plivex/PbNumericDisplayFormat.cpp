// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PbNumericDisplayFormat.h"

#include <algorithm>

PbNumericDisplayFormat::PbNumericDisplayFormat()
    : type_(Type::AUTOMATIC), numDigits_(2), decimalSeparator_('.') {}

void PbNumericDisplayFormat::setNumDigits(int numDigits) {
  numDigits_ = std::clamp(numDigits, 0, kMaxDigits);
}

void PbNumericDisplayFormat::setDecimalSeparator(char separator) {
  decimalSeparator_ = separator == '\0' ? '.' : separator;
}
