// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PbMiscTextAttr.h"

#include <algorithm>

PbMiscTextAttr::PbMiscTextAttr() : fontName_("defaultFont") {}

void PbMiscTextAttr::setLineLength(int length) { lineLength_ = std::max(length, 0); }
