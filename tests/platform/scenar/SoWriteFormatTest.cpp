// SPDX-License-Identifier: Apache-2.0
// The write action's context for node-valued fields and its file formats.

#include <gtest/gtest.h>

#include <string>

#include "SceneIoTestNodes.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/files/SoFileFormat.h"
#include "platform/scenar/nodes/SoGroup.h"

namespace {

// Takes the text of its node field while it is being written, as a node that
// shows its parts might.
class Glancer : public SoNode {
  SO_NODE_HEADER(Glancer, SoNode);

 public:
  SoSFNode part;
  std::string glimpse;
  Glancer() {
    SO_NODE_CONSTRUCTOR(Glancer);
    SO_NODE_ADD_FIELD(part, (nullptr));
  }
  void write(SoWriteAction* action) override {
    SbString text;
    part.get(text);
    glimpse = text.str();
    SoNode::write(action);
  }

 protected:
  ~Glancer() override = default;
};

SO_NODE_SOURCE(Glancer)
void Glancer::initClass() { SO_NODE_INIT_CLASS(Glancer, "Glancer"); }

// Writes graphs under a glancer with every name kept and a link from each
// glancer's part to the glancer.
class GlancerFormat : public SoFileFormat {
 public:
  bool writes(const SoNode* root) const override {
    return root->isOfType(Glancer::getClassTypeId());
  }
  const char* getHeader() const override { return "#glancers"; }
  std::string getTypeName(const SoNode* node) const override {
    return std::string("G") + node->getTypeId().getName().getString();
  }
  std::string getNodeName(std::string_view own) const override { return std::string(own); }
  bool keepsTakenNames() const override { return true; }
  void getLinks(const SoNode* node, std::vector<Link>& links) const override {
    if (const auto* glancer = dynamic_cast<const Glancer*>(node);
        glancer && glancer->part.getValue())
      links.push_back({glancer->part.getValue(), "self", glancer, "part"});
  }
  std::string getLinkStatement(const Link& link, const std::string& from,
                               const std::string& to) const override {
    return "LINK " + from + '.' + link.fromEnd + ' ' + to + '.' + link.toEnd;
  }
};

class SoWriteFormatTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    initSceneIoTestNodes();
    Glancer::initClass();
    static const GlancerFormat format;
    SoWriteAction::addFileFormat(&format);
    SoWriteAction::addFileFormat(&format);
  }
  void SetUp() override { live = SoBase::getLiveCount(); }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live); }

  long live = 0;
};

}  // namespace

TEST_F(SoWriteFormatTest, aNodeFieldWrittenDuringAWriteIsItsNodeAloneAndLeavesTheWriteAlone) {
  const SoRef root(new SoSeparator);
  auto* glancer = new Glancer;
  auto* shared = new IoTestNode;
  shared->size = 3;
  glancer->part = shared;
  root->addChild(glancer);
  root->addChild(shared);
  EXPECT_EQ(writeScene(root.get()),
            "#Scenar V1.0 ascii\n\nSeparator {\n  Glancer {\n    part DEF _0 IoTestNode {\n"
            "      size 3\n    }\n  }\n  USE _0\n}\n");
  EXPECT_EQ(glancer->glimpse, "IoTestNode {\n  size 3\n}");
}

TEST_F(SoWriteFormatTest, aFormatAddedWritesTheGraphsOfItsRootsAndTheSceneFileTheRest) {
  const SoRef root(new Glancer);
  root->setName("same");
  auto* inner = new Glancer;
  inner->setName("same");
  root->part = inner;
  auto* leaf = new IoTestNode;
  inner->part = leaf;
  // A name taken gets a suffix; a node at the end of a link is named.
  EXPECT_EQ(writeScene(root.get()),
            "#glancers\n\nDEF same GGlancer {\n  part DEF same_2 GGlancer {\n"
            "    part DEF _0 GIoTestNode { }\n  }\n}\n\n"
            "LINK same_2.self same.part\nLINK _0.self same_2.part\n");
  EXPECT_EQ(writeScene(leaf), "#Scenar V1.0 ascii\n\nIoTestNode { }\n");
}
