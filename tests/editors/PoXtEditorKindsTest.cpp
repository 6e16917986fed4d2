// SPDX-License-Identifier: Apache-2.0
// The registry of editor kinds: one kind for each node class an editor edits,
// each making the editor named after its class, and lookups that give nothing
// for what no kind edits.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "editors/PoXtEditorKinds.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoBase.h"
#include "platform/plivex/PoCartesianAxis.h"
#include "platform/plivex/PoLegend.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenarwin/SoWinComponent.h"

namespace {

class PoXtEditorKindsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { PoBase::initClasses(); }
  void TearDown() override {
    EXPECT_EQ(SoBase::getLiveCount(), liveAtStart) << "references do not balance";
  }

  // A fresh node of type, held.
  static std::unique_ptr<SoNode, void (*)(SoNode*)> fresh(SoType type) {
    auto* node = static_cast<SoNode*>(type.createInstance());
    node->ref();
    return {node, [](SoNode* held) { held->unref(); }};
  }

  long liveAtStart = SoBase::getLiveCount();
};

TEST_F(PoXtEditorKindsTest, everyAxisOrLegendClassWithInstancesHasExactlyOneKind) {
  std::set<std::string> editable, names;
  for (SoType base : {PoAxis::getClassTypeId(), PoLegend::getClassTypeId()})
    for (SoType type : SoType::getAllDerivedFrom(base))
      if (type.canCreateInstance()) {
        editable.insert(type.getName().getString());
        const PoXtEditorKind* kind = PoXtEditorKinds::editing(type);
        ASSERT_NE(kind, nullptr) << type.getName().getString() << " has no editor kind";
        EXPECT_EQ(kind->nodeType(), type);
      }
  for (const PoXtEditorKind& kind : PoXtEditorKinds::all()) {
    EXPECT_TRUE(names.insert(std::string(kind.name)).second) << kind.name << " twice";
    EXPECT_EQ(PoXtEditorKinds::named(kind.name), &kind);
  }
  EXPECT_EQ(PoXtEditorKinds::all().size(), editable.size());
}

// An editor bears the name of the node class it edits with PoXt in place of
// Po and Editor appended; the editor of one kind takes no node of another.
TEST_F(PoXtEditorKindsTest, eachFactoryMakesItsEditorOnlyForItsOwnClass) {
  const auto kinds = PoXtEditorKinds::all();
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    const PoXtEditorKind& kind = kinds[k];
    const std::string node = kind.nodeType().getName().getString();
    SCOPED_TRACE(node);
    const auto own = fresh(kind.nodeType());
    const std::unique_ptr<SoWinComponent> editor = kind.make(*own, nullptr, "kinds");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(std::string(editor->getClassName()), "PoXt" + node.substr(2) + "Editor");
    EXPECT_GE(own->getRefCount(), 2) << "attached";

    const PoXtEditorKind& other = kinds[(k + 1) % kinds.size()];
    const auto foreign = fresh(other.nodeType());
    EXPECT_EQ(kind.make(*foreign, nullptr, "kinds"), nullptr);
    // A filter level the editor does not have changes nothing and reads as (0, 0).
    const PoXtFilterLevel& level = other.levels.back();
    uint32_t show = 1, hide = 1;
    level.set(*editor, 0, ~0u);
    level.get(*editor, show, hide);
    EXPECT_EQ(show, 0u);
    EXPECT_EQ(hide, 0u);
  }
}

TEST_F(PoXtEditorKindsTest, lookupsFindNothingForWhatNoKindEdits) {
  EXPECT_EQ(PoXtEditorKinds::named("linear")->nodeType(), PoLinearAxis::getClassTypeId());
  for (const char* name : {"", "Linear", "linear ", "cartesian", "nonlinear"})
    EXPECT_EQ(PoXtEditorKinds::named(name), nullptr) << name;
  EXPECT_EQ(PoXtEditorKinds::editing(SoType::badType()), nullptr);
  EXPECT_EQ(PoXtEditorKinds::editing(PoCartesianAxis::getClassTypeId()), nullptr);
  EXPECT_EQ(PoXtEditorKinds::editing(SoNode::getClassTypeId()), nullptr);
}

}  // namespace
