// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoNode.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

namespace {

class NodeTestNode : public SoNode {
  SO_NODE_HEADER(NodeTestNode, SoNode);

 public:
  SoSFFloat value;
  SoSFInt32 other;
  NodeTestNode();

 protected:
  ~NodeTestNode() override = default;
};

SO_NODE_SOURCE(NodeTestNode)

void NodeTestNode::initClass() { SO_NODE_INIT_CLASS(NodeTestNode, "NodeTestNode"); }

NodeTestNode::NodeTestNode() {
  SO_NODE_CONSTRUCTOR(NodeTestNode);
  SO_NODE_ADD_FIELD(value, (0.0f));
  SO_NODE_ADD_FIELD(other, (0));
}

// An auditor that logs what it hears and runs an optional action on a change.
class Auditor : public SoNodeAuditor {
 public:
  explicit Auditor(std::vector<const Auditor*>* log = nullptr) : log_(log) {}
  void nodeChanged(SoNode* node, SoField* field) override {
    changes.push_back(field);
    if (log_) log_->push_back(this);
    if (onChange) onChange(node);
  }
  void nodeDying(SoNode* node) override {
    ++dying;
    if (log_) log_->push_back(this);
    if (onDying) onDying(node);
  }
  std::vector<SoField*> changes;
  int dying = 0;
  std::function<void(SoNode*)> onChange, onDying;

 private:
  std::vector<const Auditor*>* log_;
};

class SoNodeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SoDB::init();
    NodeTestNode::initClass();
  }
  void SetUp() override {
    live = SoBase::getLiveCount();
    node = new NodeTestNode;
    node->ref();
  }
  void TearDown() override {
    if (node) node->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }

  long live = 0;
  NodeTestNode* node = nullptr;
};

}  // namespace

TEST_F(SoNodeTest, typeIsRegisteredUnderNode) {
  EXPECT_EQ(node->getTypeId(), SoType::fromName("NodeTestNode"));
  EXPECT_TRUE(node->isOfType(SoNode::getClassTypeId()));
  EXPECT_EQ(node->getTypeId().getParent(), SoNode::getClassTypeId());
  ASSERT_TRUE(node->getTypeId().canCreateInstance());
  const SoRef made(static_cast<NodeTestNode*>(node->getTypeId().createInstance()));
  EXPECT_EQ(made->getField("value"), &made->value);
}

TEST_F(SoNodeTest, fieldChangeReachesEveryAuditorInOrder) {
  std::vector<const Auditor*> log;
  Auditor first(&log), second(&log);
  node->addAuditor(&first);
  node->addAuditor(&second);
  node->addAuditor(&first);  // already there: not added twice
  EXPECT_EQ(node->getNumAuditors(), 2);
  node->value = 3;
  EXPECT_EQ(log, (std::vector<const Auditor*>{&first, &second}));
  EXPECT_EQ(first.changes, std::vector<SoField*>{&node->value});
  node->touch();
  EXPECT_EQ(second.changes, (std::vector<SoField*>{&node->value, nullptr}));
  node->removeAuditor(&first);
  node->removeAuditor(&second);
}

TEST_F(SoNodeTest, disabledNodeNotifiesNobody) {
  Auditor auditor;
  node->addAuditor(&auditor);
  EXPECT_TRUE(node->enableNotify(FALSE));
  node->value = 1;
  node->touch();
  EXPECT_TRUE(auditor.changes.empty());
  node->enableNotify(TRUE);
  node->value.enableNotify(FALSE);
  node->value = 2;
  EXPECT_TRUE(auditor.changes.empty());
  node->other = 2;
  EXPECT_EQ(auditor.changes, std::vector<SoField*>{&node->other});
  node->removeAuditor(&auditor);
}

TEST_F(SoNodeTest, auditorsChangedDuringNotifyAreRespected) {
  std::vector<const Auditor*> log;
  Auditor first(&log), second(&log), third(&log), added(&log);
  first.onChange = [&](SoNode* n) {
    n->removeAuditor(&second);
    n->addAuditor(&added);
  };
  node->addAuditor(&first);
  node->addAuditor(&second);
  node->addAuditor(&third);
  node->value = 1;
  // second was removed before its turn; added waits for the next change
  EXPECT_EQ(log, (std::vector<const Auditor*>{&first, &third}));

  log.clear();
  first.onChange = [&](SoNode* n) { n->removeAuditor(&first); };
  node->value = 2;
  EXPECT_EQ(log, (std::vector<const Auditor*>{&first, &third, &added}));
  EXPECT_EQ(node->getNumAuditors(), 2);
  node->removeAuditor(&third);
  node->removeAuditor(&added);
}

TEST_F(SoNodeTest, notifyKeepsNodeAliveWhileAuditorsRun) {
  Auditor dropper, reader;
  float seen = -1;
  dropper.onChange = [&](SoNode* n) {
    node = nullptr;
    n->unref();  // the last reference of the test
  };
  reader.onChange = [&](SoNode* n) { seen = static_cast<NodeTestNode*>(n)->value.getValue(); };
  NodeTestNode* watched = node;
  watched->addAuditor(&dropper);
  watched->addAuditor(&reader);
  watched->value = 5;
  EXPECT_EQ(seen, 5.0f);
  EXPECT_EQ(reader.dying, 1);  // deleted once the auditors were done
  EXPECT_EQ(dropper.dying, 1);
  EXPECT_EQ(SoBase::getLiveCount(), live);
}

TEST_F(SoNodeTest, notifyOfUnreferencedNodeDoesNotDeleteIt) {
  auto* loose = new NodeTestNode;
  Auditor auditor;
  auditor.onChange = [](SoNode* n) {
    n->ref();
    n->unref();
  };
  loose->addAuditor(&auditor);
  loose->value = 1;
  EXPECT_EQ(loose->getRefCount(), 0);
  EXPECT_EQ(auditor.dying, 0);
  loose->ref();
  loose->unref();
  EXPECT_EQ(auditor.dying, 1);
}

TEST_F(SoNodeTest, deletionTellsAuditorsStillAttached) {
  std::vector<const Auditor*> log;
  Auditor first(&log), second(&log), third(&log);
  first.onDying = [&](SoNode* n) {
    n->removeAuditor(&first);
    n->removeAuditor(&second);
  };
  node->addAuditor(&first);
  node->addAuditor(&second);
  node->addAuditor(&third);
  node->unref();
  node = nullptr;
  EXPECT_EQ(log, (std::vector<const Auditor*>{&first, &third}));
  EXPECT_EQ(second.dying, 0);
}

TEST_F(SoNodeTest, longListsOfAuditorsKeepTheirOrderThroughRemovals) {
  // Short and long lists, the latter indexed and left with holes; every
  // other auditor goes, then the first half of those left.
  for (const int count : {3, 40, 300}) {
    SCOPED_TRACE(count);
    std::vector<const Auditor*> log;
    std::vector<Auditor> auditors(static_cast<std::size_t>(count), Auditor(&log));
    for (Auditor& auditor : auditors) node->addAuditor(&auditor);
    node->addAuditor(&auditors.back());  // already there: not added twice
    std::vector<const Auditor*> expected;
    for (int i = 0; i < count; ++i)
      if (i % 2 == 0)
        expected.push_back(&auditors[static_cast<std::size_t>(i)]);
      else
        node->removeAuditor(&auditors[static_cast<std::size_t>(i)]);
    node->removeAuditor(&auditors[1]);  // gone already: nothing
    node->value = float(count);
    EXPECT_EQ(log, expected);
    EXPECT_EQ(node->getNumAuditors(), static_cast<int>(expected.size()));

    const std::size_t half = expected.size() / 2;
    for (std::size_t i = 0; i < half; ++i) node->removeAuditor(const_cast<Auditor*>(expected[i]));
    expected.erase(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(half));
    log.clear();
    node->touch();
    EXPECT_EQ(log, expected);
    for (const Auditor* auditor : expected) node->removeAuditor(const_cast<Auditor*>(auditor));
    EXPECT_EQ(node->getNumAuditors(), 0);
  }
}

TEST_F(SoNodeTest, removingFromALongListWhileNotifyingSkipsTheRemoved) {
  std::vector<const Auditor*> log;
  std::vector<Auditor> auditors(40, Auditor(&log));
  // The first removes all the others but the last; they are not told.
  auditors.front().onChange = [&](SoNode* n) {
    for (std::size_t i = 1; i + 1 < auditors.size(); ++i) n->removeAuditor(&auditors[i]);
  };
  for (Auditor& auditor : auditors) node->addAuditor(&auditor);
  node->value = 1;
  EXPECT_EQ(log, (std::vector<const Auditor*>{&auditors.front(), &auditors.back()}));
  node->unref();  // the deletion tells the two left
  node = nullptr;
  EXPECT_EQ(auditors.front().dying + auditors[1].dying + auditors.back().dying, 2);
}
