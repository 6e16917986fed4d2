// SPDX-License-Identifier: Apache-2.0
// Feeds the scene reader any bytes. What does not read must fail with a
// "<buffer>:LINE: reason" message and leave no node alive; what reads is
// written, unless its text would be more than the reader takes, read back and
// written again: both texts must be the same, and the graph read back must
// render as the graph read first.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/plivex/PoBase.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/files/SoOutput.h"
#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoMFNode.h"
#include "platform/scenar/nodes/SoSFNode.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view first = {},
                       std::string_view second = {}) {
  std::fprintf(stderr, "scene reader fuzzer: %s\n", what);
  if (!first.empty()) std::fprintf(stderr, "---\n%.*s\n", int(first.size()), first.data());
  if (!second.empty()) std::fprintf(stderr, "---\n%.*s\n", int(second.size()), second.data());
  std::abort();
}

std::string write(SoNode* root) {
  SoOutput out;
  SoWriteAction action(&out);
  action.apply(root);
  return out.getBuffer();
}

// Reads text, which must hold exactly one node; referenced.
SoNode* readBack(const std::string& text) {
  SoInput in;
  in.setBuffer(text);
  SoNode* node = nullptr;
  if (!SoDB::read(&in, node) || !node)
    fail(("what was written does not read back: " + in.getErrorMessage().str()).c_str(), text);
  node->ref();
  SoNode* more = nullptr;
  if (!SoDB::read(&in, more) || more) fail("what was written reads as more than one node", text);
  return node;
}

// How many nodes a traversal of root meets, counting shared nodes each time
// they are met, up to kMaxVisits. A few kilobytes of USE can make a graph whose
// traversal meets millions of nodes (up to the reader's bound): rendering that
// is slow by nature, not a fault.
constexpr long kMaxVisits = 200000;

long visits(SoNode* node, std::unordered_map<SoNode*, long>& known) {
  if (!node) return 0;
  if (auto found = known.find(node); found != known.end()) return found->second;
  long count = 1;
  auto add = [&](SoNode* child) { count = std::min(kMaxVisits, count + visits(child, known)); };
  if (auto* group = dynamic_cast<SoGroup*>(node))
    for (int i = 0; i < group->getNumChildren(); ++i) add(group->getChild(i));
  if (auto* kit = dynamic_cast<SoBaseKit*>(node))
    for (int i = 0; i < kit->getNumKitChildren(); ++i) add(kit->getKitChild(i));
  std::vector<SoField*> fields;
  node->getFields(fields);
  for (SoField* field : fields) {
    if (auto* holder = dynamic_cast<SoSFNode*>(field)) add(holder->getValue());
    if (auto* list = dynamic_cast<SoMFNode*>(field))
      for (SoNode* item : list->getNodes()) add(item);
  }
  known[node] = count;
  return count;
}

bool sameBits(const SbMatrix& a, const SbMatrix& b) {
  for (int row = 0; row < 4; ++row)
    if (std::memcmp(a[row], b[row], 4 * sizeof(float)) != 0) return false;
  return true;
}

std::vector<SoGLRenderAction::RenderRecord> render(SoNode* root) {
  SoGLRenderAction action(SbViewportRegion(320, 240));
  action.apply(root);
  return action.getRenderLog();
}

void compareRenders(SoNode* first, SoNode* back, const std::string& text) {
  const auto a = render(first);
  const auto b = render(back);
  if (a.size() != b.size()) fail("the graph read back draws another number of shapes", text);
  for (std::size_t i = 0; i < a.size(); ++i) {
    const bool same = a[i].node->getTypeId() == b[i].node->getTypeId() &&
                      sameBits(a[i].modelMatrix, b[i].modelMatrix) &&
                      sameBits(a[i].viewVolume.getMatrix(), b[i].viewVolume.getMatrix()) &&
                      a[i].viewportRegion == b[i].viewportRegion &&
                      a[i].scissorEnabled == b[i].scissorEnabled &&
                      std::memcmp(a[i].scissorBox, b[i].scissorBox, sizeof a[i].scissorBox) == 0 &&
                      a[i].annotation == b[i].annotation;
    if (!same) fail("the graph read back draws a shape otherwise", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  PoBase::initClasses();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const long live = SoBase::getLiveCount();
  SoInput in;
  in.setBuffer(std::string_view(reinterpret_cast<const char*>(data), size));
  SoSeparator* root = SoDB::readAll(&in);
  if (!root) {
    const std::string& message = in.getErrorMessage().str();
    if (message.rfind("<buffer>:", 0) != 0 || message.find('\0') != std::string::npos ||
        message.size() > 400)
      fail("a read failed without a proper message", message);
    in.closeFile();
    if (SoBase::getLiveCount() != live) fail("a failed read left nodes alive", message);
    return 0;
  }
  root->ref();
  in.closeFile();

  // A scene whose text would nest deeper or expand further than the reader
  // takes is one the writer's callers refuse to write (the root separator
  // written around the nodes read adds a level); any other must read back.
  const SoWriteAction::Extent extent = SoWriteAction::measure(root);
  if (extent.depth > SoInput::kMaxDepth || extent.expansion > SoInput::kMaxExpansion) {
    root->unref();
    if (SoBase::getLiveCount() != live) fail("nodes outlive their last reference");
    return 0;
  }
  const std::string first = write(root);
  SoNode* back = readBack(first);
  const std::string second = write(back);
  if (second != first) fail("what was read back writes otherwise", first, second);

  std::unordered_map<SoNode*, long> known;
  if (visits(root, known) < kMaxVisits) compareRenders(root, back, first);

  back->unref();
  root->unref();
  if (SoBase::getLiveCount() != live) fail("nodes outlive their last reference", first);
  return 0;
}
