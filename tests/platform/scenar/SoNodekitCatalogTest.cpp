// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodekits/SoNodekitCatalog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/SoDebugError.h"
#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCamera.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoPath.h"

namespace {

void silent(const char*, const char*, void*) {}

class SoNodekitCatalogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override {
    SoDebugError::setHandler(silent);
    SoDebugError::clearMessages();
    // A kit instance makes the base catalog; the catalog under test is a clone.
    SoBaseKit* kit = new SoBaseKit;
    kit->ref();
    kit->unref();
    kitType = SoType::fromName("CatalogTestKit");
    if (kitType.isBad())
      kitType = SoType::createType(SoBaseKit::getClassTypeId(), "CatalogTestKit");
    catalog.reset(SoBaseKit::getClassNodekitCatalog()->clone(kitType));
    group = SoGroup::getClassTypeId();
    separator = SoSeparator::getClassTypeId();
    callback = SoCallback::getClassTypeId();
  }
  void TearDown() override { SoDebugError::setHandler(nullptr); }

  SbBool add(const char* name, SoType type, const char* parent, const char* right = "",
             SoType defaultType = SoType::badType()) {
    return catalog->addEntry(name, type, defaultType.isBad() ? type : defaultType, TRUE, parent,
                             right, FALSE, SoType::badType(), SoType::badType(), TRUE);
  }
  std::vector<std::string> childNames(const char* parent) const {
    std::vector<std::string> names;
    for (int part : catalog->getChildPartNumbers(catalog->getPartNumber(parent)))
      names.push_back(catalog->getName(part).getString());
    return names;
  }
  // Every entry as text, to tell that a refused entry changed nothing.
  std::string dump() const {
    std::string out;
    for (int i = 0; i < catalog->getNumEntries(); ++i) {
      out += catalog->getName(i).getString();
      out += '<';
      out += catalog->getParentName(i).getString();
      out += '>';
      out += catalog->getRightSiblingName(i).getString();
      out += ';';
    }
    return out;
  }

  SoType kitType, group, separator, callback;
  std::unique_ptr<SoNodekitCatalog> catalog;
};

}  // namespace

TEST_F(SoNodekitCatalogTest, baseCatalogHoldsTheKitAndTheCallbackList) {
  const SoNodekitCatalog* base = SoBaseKit::getClassNodekitCatalog();
  ASSERT_EQ(base->getNumEntries(), 2);
  EXPECT_EQ(base->getPartNumber("this"), 0);
  EXPECT_EQ(base->getType(0), SoBaseKit::getClassTypeId());
  EXPECT_EQ(base->getParentPartNumber(0), -1);
  const int list = base->getPartNumber("callbackList");
  EXPECT_EQ(list, 1);
  EXPECT_EQ(base->getType(list), separator);
  EXPECT_TRUE(base->isNullByDefault(list));
  EXPECT_TRUE(base->isPublic(list));
  EXPECT_FALSE(base->isList(list));
  EXPECT_EQ(base->getParentPartNumber(list), 0);
  EXPECT_EQ(base->getPartNumber("nothing"), -1);
}

TEST_F(SoNodekitCatalogTest, cloneKeepsTheEntriesUnderTheNewType) {
  ASSERT_TRUE(add("top", separator, "this"));
  std::unique_ptr<SoNodekitCatalog> copy(catalog->clone(group));
  EXPECT_EQ(copy->getKitType(), group);
  EXPECT_EQ(copy->getType(0), group);
  EXPECT_EQ(copy->getDefaultType(0), group);
  ASSERT_EQ(copy->getNumEntries(), 3);
  EXPECT_EQ(copy->getType("top"), separator);
  EXPECT_EQ(copy->getParentName("top"), "this");
  // The copy grows on its own.
  ASSERT_TRUE(copy->addEntry("more", callback, callback, TRUE, "top", "", FALSE, SoType::badType(),
                             SoType::badType(), FALSE));
  EXPECT_EQ(catalog->getNumEntries(), 3);
  EXPECT_EQ(catalog->getType(0), kitType);
}

TEST_F(SoNodekitCatalogTest, rightSiblingsOrderTheChildrenOfAParent) {
  ASSERT_TRUE(add("a", separator, "this"));
  ASSERT_TRUE(add("c", callback, "this"));
  ASSERT_TRUE(add("b", group, "this", "c"));
  ASSERT_TRUE(add("first", callback, "this", "callbackList"));
  ASSERT_TRUE(add("inA", callback, "a"));
  EXPECT_EQ(childNames("this"), (std::vector<std::string>{"first", "callbackList", "a", "b", "c"}));
  EXPECT_EQ(catalog->getRightSiblingName("a"), "b");
  EXPECT_EQ(catalog->getRightSiblingName("b"), "c");
  EXPECT_EQ(catalog->getRightSiblingName("c"), "");
  EXPECT_EQ(childNames("a"), std::vector<std::string>{"inA"});
  EXPECT_EQ(catalog->getParentPartNumber("inA"), catalog->getPartNumber("a"));
  EXPECT_FALSE(catalog->isLeaf(catalog->getPartNumber("a")));
  EXPECT_TRUE(catalog->isLeaf(catalog->getPartNumber("inA")));
}

TEST_F(SoNodekitCatalogTest, outOfRangePartNumbersGiveEmptyAnswers) {
  for (int bad : {-1, 2, 1000}) {
    EXPECT_EQ(catalog->getName(bad), "");
    EXPECT_TRUE(catalog->getType(bad).isBad());
    EXPECT_EQ(catalog->getParentPartNumber(bad), -1);
    EXPECT_FALSE(catalog->isPublic(bad));
    EXPECT_TRUE(catalog->getChildPartNumbers(bad).empty());
  }
}

TEST_F(SoNodekitCatalogTest, refusalsAreToldAndChangeNothing) {
  ASSERT_TRUE(add("top", separator, "this"));
  ASSERT_TRUE(add("leaf", callback, "top"));
  struct Case {
    const char* name;
    SoType type;
    SoType defaultType;
    const char* parent;
    const char* right;
    const char* reason;
  };
  const SoType camera = SoCamera::getClassTypeId();
  const Case cases[] = {
      {"", group, group, "this", "", "the part name is empty"},
      {"a.b", group, group, "this", "",
       "a part name may not contain '.', which separates the names of nested parts"},
      {"top", group, group, "this", "", "the catalog has a part of that name already"},
      {"this", group, group, "this", "", "the catalog has a part of that name already"},
      {"p", SoType::badType(), group, "this", "", "its type is a bad type, not a node type"},
      {"p", SoPath::getClassTypeId(), SoPath::getClassTypeId(), "this", "",
       "its type is 'Path', not a node type"},
      {"p", separator, group, "this", "",
       "its default type 'Group' is not derived from 'Separator'"},
      {"p", group, SoType::badType(), "this", "",
       "its default type a bad type is not derived from 'Group'"},
      {"p", camera, camera, "this", "", "its default type 'Camera' cannot make instances"},
      {"p", group, group, "nowhere", "", "its parent 'nowhere' is not in the catalog"},
      {"p", group, group, "", "", "its parent '' is not in the catalog"},
      {"p", group, group, "leaf", "", "its parent 'leaf' is not a group part"},
      {"p", group, group, "this", "leaf", "its right sibling 'leaf' is not a child of 'this'"},
      {"p", group, group, "top", "gone", "its right sibling 'gone' is not a child of 'top'"},
      {"p", group, group, "this", "this", "its right sibling 'this' is not a child of 'this'"},
  };
  const std::string before = dump();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    const int count = SoDebugError::getMessageCount();
    EXPECT_FALSE(catalog->addEntry(c.name, c.type, c.defaultType, TRUE, c.parent, c.right, FALSE,
                                   SoType::badType(), SoType::badType(), TRUE));
    EXPECT_EQ(SoDebugError::getMessageCount(), count + 1);
    EXPECT_EQ(SoDebugError::getLastMessage(),
              SbString(std::string("CatalogTestKit: catalog refused part '") + c.name +
                       "': " + c.reason));
    EXPECT_EQ(SoDebugError::getLastRoutine(), "SoBaseKit::catalogError");
    EXPECT_EQ(dump(), before);
  }
}

TEST_F(SoNodekitCatalogTest, listPartsNeedAGroupContainerAndAnItemType) {
  EXPECT_FALSE(
      catalog->addEntry("list", group, group, TRUE, "this", "", TRUE, callback, callback, TRUE));
  EXPECT_EQ(SoDebugError::getLastMessage(),
            "CatalogTestKit: catalog refused part 'list': its list container type 'Callback' is "
            "not a group type derived from its type");
  EXPECT_FALSE(catalog->addEntry("list", group, group, TRUE, "this", "", TRUE, separator,
                                 SoType::badType(), TRUE));
  EXPECT_EQ(SoDebugError::getLastMessage(),
            "CatalogTestKit: catalog refused part 'list': its list item type a bad type is not a "
            "node type");
  ASSERT_TRUE(
      catalog->addEntry("list", group, group, TRUE, "this", "", TRUE, separator, callback, TRUE));
  const int list = catalog->getPartNumber("list");
  EXPECT_TRUE(catalog->isList(list));
  EXPECT_EQ(catalog->getListContainerType(list), separator);
  EXPECT_EQ(catalog->getListItemType(list), callback);
  // A list holds items, not parts.
  EXPECT_FALSE(add("inList", callback, "list"));
  EXPECT_EQ(SoDebugError::getLastMessage(),
            "CatalogTestKit: catalog refused part 'inList': its parent 'list' is not a group part");
}

TEST(SoDebugErrorTest, postsReachTheHandlerAndAreRecorded) {
  struct Seen {
    std::string routine, message;
    int calls = 0;
  } seen;
  SoDebugError::setHandler(
      [](const char* routine, const char* message, void* data) {
        auto* s = static_cast<Seen*>(data);
        s->routine = routine;
        s->message = message;
        ++s->calls;
      },
      &seen);
  SoDebugError::clearMessages();
  SoDebugError::post("Routine", "went wrong");
  EXPECT_EQ(seen.routine, "Routine");
  EXPECT_EQ(seen.message, "went wrong");
  EXPECT_EQ(SoDebugError::getLastRoutine(), "Routine");
  EXPECT_EQ(SoDebugError::getLastMessage(), "went wrong");
  SoDebugError::post(nullptr, nullptr);
  EXPECT_EQ(seen.message, "");
  EXPECT_EQ(SoDebugError::getMessageCount(), 2);
  EXPECT_EQ(seen.calls, 2);

  SoDebugError::clearMessages();
  EXPECT_EQ(SoDebugError::getMessageCount(), 0);
  EXPECT_EQ(SoDebugError::getLastMessage(), "");
  SoDebugError::setHandler(nullptr, &seen);
  void* data = &seen;
  EXPECT_NE(SoDebugError::getHandler(&data), nullptr);
  EXPECT_EQ(data, nullptr);
}
