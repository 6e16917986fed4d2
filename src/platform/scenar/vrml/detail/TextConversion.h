// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbString.h"

class SoText3;
class SoVRMLText;

namespace scenar::detail {

// The VRML Text standing for text set in the font named fontName, size
// units to an em, unreferenced: its strings, with each invalid UTF-8
// sequence made U+FFFD, and a FontStyle of the size, spacing, justification
// and the family the name suggests. nullptr when there is nothing to show:
// no strings, or a size that is not positive and finite.
SoVRMLText* convertText(const SoText3& text, const SbString& fontName, float size);

}  // namespace scenar::detail
