// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

class SoNode;

namespace plivexwin::serve {

// The nodes under root that an editor kind edits (the axes and legends), in
// traversal order, looking into groups and node kits; a node met twice is
// listed once. Not referenced.
std::vector<SoNode*> editableNodes(SoNode* root);

}  // namespace plivexwin::serve
