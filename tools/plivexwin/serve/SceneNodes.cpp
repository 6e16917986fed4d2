// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/SceneNodes.h"

#include <unordered_set>

#include "editors/PoXtEditorKinds.h"
#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoGroup.h"

namespace plivexwin::serve {

namespace {

void collect(SoNode* node, std::unordered_set<SoNode*>& met, std::vector<SoNode*>& found) {
  if (!node || !met.insert(node).second) return;
  if (PoXtEditorKinds::editing(node->getTypeId())) found.push_back(node);
  if (auto* group = dynamic_cast<SoGroup*>(node)) {
    for (int i = 0; i < group->getNumChildren(); ++i) collect(group->getChild(i), met, found);
  } else if (auto* kit = dynamic_cast<SoBaseKit*>(node)) {
    for (int i = 0; i < kit->getNumKitChildren(); ++i) collect(kit->getKitChild(i), met, found);
  }
}

}  // namespace

std::vector<SoNode*> editableNodes(SoNode* root) {
  std::unordered_set<SoNode*> met;
  std::vector<SoNode*> found;
  collect(root, met, found);
  return found;
}

}  // namespace plivexwin::serve
