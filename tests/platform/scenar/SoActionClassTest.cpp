// SPDX-License-Identifier: Apache-2.0
// The class pattern of actions: element types, enabled-elements and method
// lists chained to the parent class's, registration that can run again, and
// applies on nodes, paths and path lists.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SoDebugError.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoPath.h"
#include "support/ToolkitTestSupport.h"

namespace {

// An element the tests enable by hand.
class CountElement : public SoValueElementOf<CountElement, int> {
 public:
  static constexpr const char* kClassName = "CountTestElement";
};

// An element class whose initClass never runs.
class NeverSetUpElement : public SoValueElementOf<NeverSetUpElement, int> {
 public:
  static constexpr const char* kClassName = "NeverSetUpTestElement";
};

// Logs every node it meets by name, in parentheses beside an applied path,
// then lets the node do its doAction.
class LogAction : public SoAction {
  SO_ACTION_HEADER(LogAction);

 public:
  LogAction() = default;
  std::vector<std::string> log;

  static void logNode(SoAction* action, SoNode* node) {
    int index = -1;
    const std::string name = node->getName().getString();
    static_cast<LogAction*>(action)->log.push_back(
        action->getPathCode(index) == OFF_PATH ? "(" + name + ")" : name);
    node->doAction(action);
  }
};

SO_ACTION_SOURCE(LogAction, SoAction)

void LogAction::initClass() { SO_ACTION_INIT_CLASS(LogAction, SoAction, "LogTestAction", logNode); }

// A LogAction that only adds a class of its own.
class ChildLogAction : public LogAction {
  SO_ACTION_HEADER(ChildLogAction);

 public:
  // An override reached through SoAction*; calls qualified with a base
  // class run the base's.
  void apply(SoNode* node) override {
    log.push_back("child apply");
    LogAction::apply(node);
  }
  using LogAction::apply;
};

SO_ACTION_SOURCE(ChildLogAction, LogAction)

void ChildLogAction::initClass() {
  SO_ACTION_INIT_CLASS(ChildLogAction, LogAction, "ChildLogTestAction", nullptr);
}

void ignorePost(const char*, const char*, void*) {}

class SoActionClassTest : public LiveCountTest {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override {
    LiveCountTest::SetUp();
    ChildLogAction::initClass();
    SoDebugError::setHandler(ignorePost);
    SoDebugError::clearMessages();
  }
  void TearDown() override {
    // Each test starts from freshly registered classes.
    ChildLogAction::exitClass();
    LogAction::exitClass();
    SoDebugError::setHandler(nullptr);
    LiveCountTest::TearDown();
  }
};

TEST_F(SoActionClassTest, elementTypesAreBadUntilTheirClassIsSetUpAndAfterItLeaves) {
  EXPECT_TRUE(CountElement::getClassTypeId().isBad());
  CountElement::initClass();
  const SoType type = CountElement::getClassTypeId();
  ASSERT_FALSE(type.isBad());
  EXPECT_EQ(SoType::fromName("CountTestElement"), type);
  EXPECT_TRUE(type.isDerivedFrom(SoElement::getClassTypeId()));
  CountElement::exitClass();
  EXPECT_TRUE(CountElement::getClassTypeId().isBad());
  EXPECT_TRUE(SoType::fromName("CountTestElement").isBad());
  CountElement::initClass();
  EXPECT_FALSE(CountElement::getClassTypeId().isBad());
  CountElement::exitClass();
}

TEST_F(SoActionClassTest, anElementNotSetUpIsRefusedWithADebugErrorAndNothingEnabled) {
  const int index = NeverSetUpElement::getClassStackIndex();
  LogAction::enableElement(NeverSetUpElement::getClassTypeId(), index);
  EXPECT_EQ(SoDebugError::getMessageCount(), 1);
  EXPECT_STREQ(SoDebugError::getLastRoutine().getString(), "SO_ENABLE_ELEMENT");
  EXPECT_STREQ(SoDebugError::getLastMessage().getString(),
               "Can't enable element for LogAction until the element initClass function has "
               "been called");
  EXPECT_FALSE(LogAction::getClassEnabledElements()->isEnabled(index));
  LogAction action;
  SoRef node(new SoGroup);
  action.apply(node.get());
  node.reset();
  EXPECT_FALSE(action.getState()->isElementEnabled(index));
}

TEST_F(SoActionClassTest, enabledElementsChainToTheParentClassAndReachStatesMadeBefore) {
  CountElement::initClass();
  const int index = CountElement::getClassStackIndex();
  ChildLogAction child;
  SoRef node(new SoGroup);
  child.apply(node.get());
  ASSERT_FALSE(child.getState()->isElementEnabled(index));

  SO_ENABLE(LogAction, CountElement);
  EXPECT_EQ(&child.getEnabledElements(), ChildLogAction::getClassEnabledElements());
  EXPECT_TRUE(child.getEnabledElements().isEnabled(index));
  child.apply(node.get());
  EXPECT_TRUE(child.getState()->isElementEnabled(index));

  // Enabled in the child class alone, the parent class does not hold it.
  ChildLogAction::exitClass();
  LogAction::exitClass();
  ChildLogAction::initClass();
  SO_ENABLE(ChildLogAction, CountElement);
  EXPECT_FALSE(LogAction::getClassEnabledElements()->isEnabled(index));
  EXPECT_TRUE(ChildLogAction::getClassEnabledElements()->isEnabled(index));
  node.reset();
  CountElement::exitClass();
}

TEST_F(SoActionClassTest, methodListsChainToTheParentClassEvenAfterLookUps) {
  const SoRef root(named(new SoSeparator, "root"));
  root->addChild(named(new SoGroup, "group"));
  ChildLogAction child;
  child.apply(root.get());
  EXPECT_EQ(child.log, (std::vector<std::string>{"child apply", "root", "group"}));

  // A method the parent class gets later reaches the child, whose list had
  // looked up the separator's type before.
  LogAction::addMethod(SoSeparator::getClassTypeId(), [](SoAction* action, SoNode*) {
    static_cast<LogAction*>(action)->log.push_back("parent separator");
  });
  child.log.clear();
  child.apply(root.get());
  EXPECT_EQ(child.log, (std::vector<std::string>{"child apply", "parent separator"}));

  // The child's own method wins in the child only.
  ChildLogAction::addMethod(SoSeparator::getClassTypeId(), [](SoAction* action, SoNode*) {
    static_cast<LogAction*>(action)->log.push_back("child separator");
  });
  child.log.clear();
  SoAction* asAction = &child;
  asAction->apply(root.get());
  EXPECT_EQ(child.log, (std::vector<std::string>{"child apply", "child separator"}));
  LogAction parent;
  parent.apply(root.get());
  EXPECT_EQ(parent.log, (std::vector<std::string>{"parent separator"}));

  // A call qualified with the base class runs the base's apply.
  child.log.clear();
  child.SoAction::apply(root.get());
  EXPECT_EQ(child.log, (std::vector<std::string>{"child separator"}));
}

TEST_F(SoActionClassTest, classesRegisterAgainAfterExitClassWithTheirOwnMethodsOnly) {
  const SoRef node(named(new SoGroup, "node"));
  LogAction::addMethod(SoGroup::getClassTypeId(), [](SoAction* action, SoNode*) {
    static_cast<LogAction*>(action)->log.push_back("added");
  });
  ChildLogAction::exitClass();
  LogAction::exitClass();
  EXPECT_TRUE(ChildLogAction::getClassTypeId().isBad());
  EXPECT_TRUE(SoType::fromName("LogTestAction").isBad());
  {
    LogAction unregistered;
    unregistered.apply(node.get());
    EXPECT_TRUE(unregistered.log.empty());
  }

  ChildLogAction::initClass();
  EXPECT_EQ(SoType::fromName("ChildLogTestAction"), ChildLogAction::getClassTypeId());
  EXPECT_TRUE(ChildLogAction::getClassTypeId().isDerivedFrom(LogAction::getClassTypeId()));
  ChildLogAction child;
  child.apply(node.get());
  EXPECT_EQ(child.log, (std::vector<std::string>{"child apply", "node"}));
}

TEST_F(SoActionClassTest, pathListsAreFollowedInOneTraversalPerHead) {
  //   root: a, sepB (b1, b2), c, sepD (d1), e      other: f
  const SoRef root(named(new SoSeparator, "root"));
  root->addChild(named(new SoGroup, "a"));
  auto* sepB = named(new SoSeparator, "sepB");
  sepB->addChild(named(new SoGroup, "b1"));
  sepB->addChild(named(new SoGroup, "b2"));
  root->addChild(sepB);
  root->addChild(named(new SoGroup, "c"));
  auto* sepD = named(new SoSeparator, "sepD");
  sepD->addChild(named(new SoGroup, "d1"));
  root->addChild(sepD);
  root->addChild(named(new SoGroup, "e"));
  const SoRef other(named(new SoSeparator, "other"));
  other->addChild(named(new SoGroup, "f"));

  auto pathTo = [](SoNode* head, std::vector<int> indices) {
    auto* path = new SoPath(head);
    for (int index : indices) path->append(index);
    return path;
  };
  SoPathList paths;
  paths.append(pathTo(root.get(), {3, 0}));  // d1, listed before b2
  paths.append(pathTo(other.get(), {}));
  paths.append(new SoPath);  // empty: ignored
  paths.append(pathTo(root.get(), {1, 1}));
  LogAction action;
  action.apply(paths);
  EXPECT_EQ(action.log, (std::vector<std::string>{"root", "(a)", "sepB", "(b1)", "b2", "(c)",
                                                  "sepD", "d1", "other", "f"}));

  // Below a path's tail everything is on the path; a lone path acts the same.
  action.log.clear();
  SoPath* toB = pathTo(root.get(), {1});
  action.apply(toB);
  EXPECT_EQ(action.log, (std::vector<std::string>{"root", "(a)", "sepB", "b1", "b2"}));
}

}  // namespace
