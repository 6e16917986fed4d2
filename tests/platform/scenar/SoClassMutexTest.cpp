// SPDX-License-Identifier: Apache-2.0
// The class pattern's one lock: each class's classMutex, held around the
// class's registration and the making of its class data, and taken again by
// the thread holding it. CI runs these tests under ThreadSanitizer too.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/SbThreadMutex.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodekits/SoSubKit.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoSubNode.h"

namespace {

class MutexTestNode : public SoNode {
  SO_NODE_HEADER(MutexTestNode, SoNode);

 public:
  SoSFFloat value;
  MutexTestNode() {
    SO_NODE_CONSTRUCTOR(MutexTestNode);
    SO_NODE_ADD_FIELD(value, (1.0f));
  }
  static SbThreadMutex& mutex() { return classMutex; }

 protected:
  ~MutexTestNode() override = default;
};

SO_NODE_SOURCE(MutexTestNode)
void MutexTestNode::initClass() { SO_NODE_INIT_CLASS(MutexTestNode, "MutexTestNode"); }

class MutexTestKit : public SoBaseKit {
  SO_KIT_HEADER(MutexTestKit, SoBaseKit);

 public:
  SoSFNode topSeparator;
  // Registers the class when it is not: a kit's constructor does.
  MutexTestKit() {
    SO_KIT_CONSTRUCTOR(MutexTestKit);
    SO_KIT_ADD_CATALOG_ENTRY(topSeparator, SoSeparator, FALSE, "this", "", TRUE);
    SO_KIT_INIT_INSTANCE();
  }
  static SbThreadMutex& mutex() { return classMutex; }

 protected:
  ~MutexTestKit() override = default;
};

SO_KIT_SOURCE(MutexTestKit)
void MutexTestKit::initClass() { SO_KIT_INIT_CLASS(MutexTestKit, "MutexTestKit"); }

// A class of the pattern, unregistered by exitClass and set up again by make:
// registration, then an instance (the first, for a kit, which makes the field
// data and the catalog again).
struct PatternClass {
  const char* name;
  SbThreadMutex& (*mutex)();
  void (*exitClass)();
  SoType (*classType)();
  SoNode* (*make)();
};

const PatternClass kClasses[] = {
    {"node", MutexTestNode::mutex, MutexTestNode::exitClass, MutexTestNode::getClassTypeId,
     []() -> SoNode* {
       MutexTestNode::initClass();
       return new MutexTestNode;
     }},
    {"kit", MutexTestKit::mutex, MutexTestKit::exitClass, MutexTestKit::getClassTypeId,
     []() -> SoNode* { return new MutexTestKit; }},
};

// Sets the class up and returns the type of the instance made.
SoType setUp(const PatternClass& c) {
  SoNode* node = c.make();
  node->ref();
  const SoType type = node->getTypeId();
  node->unref();
  return type;
}

TEST(SoClassMutexTest, TheThreadHoldingItTakesItAgain) {
  SoDB::init();
  for (const PatternClass& c : kClasses) {
    SCOPED_TRACE(c.name);
    c.exitClass();
    SbThreadAutoLock held(&c.mutex());
    ASSERT_TRUE(c.mutex().tryLock()) << "the holder cannot take it again";
    c.mutex().unlock();
    const SoType type = setUp(c);  // takes it again, and initClass again
    EXPECT_FALSE(type.isBad());
    EXPECT_EQ(type, c.classType());
  }
}

TEST(SoClassMutexTest, SettingTheClassUpWaitsForTheHolder) {
  using namespace std::chrono_literals;
  SoDB::init();
  for (const PatternClass& c : kClasses) {
    SCOPED_TRACE(c.name);
    c.exitClass();
    std::atomic<bool> done{false};
    SoType type;
    c.mutex().lock();
    std::thread other([&] {
      type = setUp(c);
      done = true;
    });
    std::this_thread::sleep_for(100ms);
    const bool doneWhileHeld = done;
    c.mutex().unlock();
    other.join();
    EXPECT_FALSE(doneWhileHeld) << "set up while another thread held the class mutex";
    EXPECT_TRUE(done);
    EXPECT_EQ(type, c.classType());
  }
}

}  // namespace
