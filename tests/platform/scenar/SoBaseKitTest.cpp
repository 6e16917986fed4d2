// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodekits/SoBaseKit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoElement.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/basic/SoDebugError.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodekits/SoAppearanceKit.h"
#include "platform/scenar/nodekits/SoCameraKit.h"
#include "platform/scenar/nodekits/SoSubKit.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLightModel.h"
#include "platform/scenar/nodes/SoMaterial.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoPath.h"
#include "platform/scenar/nodes/SoPerspectiveCamera.h"

namespace {

// A kit with a separator part holding two parts, a part outside it and kits
// as parts (itself among them, for three-level names).
class KitTestKit : public SoBaseKit {
  SO_KIT_HEADER(KitTestKit, SoBaseKit);

 public:
  SoSFNode topSep;
  SoSFNode shape;
  SoSFNode inner;
  SoSFNode setter;
  SoSFNode cameraKit;
  SoSFNode appearance;
  SoSFNode nested;

  KitTestKit() { construct(); }
  KitTestKit* copy() const { return new KitTestKit(*this); }

 protected:
  KitTestKit(const KitTestKit& other) : SoBaseKit(other) {
    construct();
    copyContents(&other);
  }
  ~KitTestKit() override = default;

 private:
  void construct();
};

SO_KIT_SOURCE(KitTestKit)

void KitTestKit::initClass() { SO_KIT_INIT_CLASS(KitTestKit, "KitTestKit"); }

void KitTestKit::construct() {
  SO_KIT_CONSTRUCTOR(KitTestKit);
  SO_KIT_ADD_CATALOG_ENTRY(topSep, SoSeparator, FALSE, "this", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(shape, SoCallback, TRUE, "topSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(inner, SoGroup, TRUE, "topSep", "shape", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(setter, SoCallback, TRUE, "this", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(cameraKit, SoCameraKit, TRUE, "this", "setter", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(appearance, SoAppearanceKit, TRUE, "this", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(nested, KitTestKit, TRUE, "this", "", TRUE);
  SO_KIT_INIT_INSTANCE();
}

// A kit class one of whose entries the catalog refuses.
class KitTestBadKit : public SoBaseKit {
  SO_KIT_HEADER(KitTestBadKit, SoBaseKit);

 public:
  SoSFNode orphan;
  SoSFNode good;
  KitTestBadKit();

 protected:
  ~KitTestBadKit() override = default;
};

SO_KIT_SOURCE(KitTestBadKit)

void KitTestBadKit::initClass() { SO_KIT_INIT_CLASS(KitTestBadKit, "KitTestBadKit"); }

KitTestBadKit::KitTestBadKit() {
  SO_KIT_CONSTRUCTOR(KitTestBadKit);
  SO_KIT_ADD_CATALOG_ENTRY(orphan, SoGroup, FALSE, "nowhere", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(good, SoGroup, FALSE, "this", "", TRUE);
  SO_KIT_INIT_INSTANCE();
}

// A value the traversal state carries; separators keep changes of it inside.
class KitTestElement : public SoElementOf<KitTestElement> {
 public:
  static constexpr const char* kClassName = "KitTestElement";
  void copyValueFrom(const SoElement& other) override {
    value = static_cast<const KitTestElement&>(other).value;
  }
  int value = 0;
};

// An action that makes every node do its doAction, with KitTestElement enabled.
class KitTestAction : public SoAction {
 public:
  static SoType getClassTypeId() { return classType(); }
  SoType getTypeId() const override { return classType(); }
  static void initClass() {
    if (!classType().isBad()) return;
    classType() = SoType::createType(SoAction::getClassTypeId(), "KitTestAction");
    methods()->addMethod(SoNode::getClassTypeId(),
                         [](SoAction* action, SoNode* node) { node->doAction(action); });
    KitTestElement::initClass();
    elements()->enable(KitTestElement::getClassTypeId(), KitTestElement::getClassStackIndex());
  }
  static int value(SoAction* action) {
    return static_cast<const KitTestElement*>(
               action->getState()->getConstElement(KitTestElement::getClassStackIndex()))
        ->value;
  }
  static void setValue(SoAction* action, int value) {
    static_cast<KitTestElement*>(
        action->getState()->getElement(KitTestElement::getClassStackIndex()))
        ->value = value;
  }

  MethodList* getActionMethods() override { return methods(); }
  const SoEnabledElementsList& getEnabledElements() const override { return *elements(); }

 private:
  static SoType& classType() {
    static SoType type;
    return type;
  }
  static MethodList* methods() {
    static MethodList list;
    return &list;
  }
  static SoEnabledElementsList* elements() {
    static SoEnabledElementsList list;
    return &list;
  }
};

// What a callback node does: logs its name and the element value it sees,
// then sets the value when asked to.
struct Step {
  std::vector<std::string>* log;
  std::string name;
  int setTo = -1;
};

void runStep(void* data, SoAction* action) {
  auto* step = static_cast<Step*>(data);
  step->log->push_back(step->name + " " + std::to_string(KitTestAction::value(action)));
  if (step->setTo >= 0) KitTestAction::setValue(action, step->setTo);
}

SoCallback* makeStep(Step* step) {
  auto* node = new SoCallback;
  node->setCallback(runStep, step);
  return node;
}

class CountingAuditor : public SoNodeAuditor {
 public:
  void nodeChanged(SoNode*, SoField* field) override {
    ++changes;
    lastField = field;
  }
  void nodeDying(SoNode*) override {}
  int changes = 0;
  SoField* lastField = nullptr;
};

void silent(const char*, const char*, void*) {}

class SoBaseKitTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SoDB::init();
    KitTestKit::initClass();
    KitTestBadKit::initClass();
    KitTestAction::initClass();
  }
  void SetUp() override {
    SoDebugError::setHandler(silent);
    SoDebugError::clearMessages();
    live = SoBase::getLiveCount();
    kit = new KitTestKit;
    kit->ref();
  }
  void TearDown() override {
    if (kit) kit->unref();
    SoDebugError::setHandler(nullptr);
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }

  SoGroup* topSep() const { return static_cast<SoGroup*>(kit->topSep.getValue()); }
  std::vector<SoNode*> kitChildren(const SoBaseKit* k) const {
    std::vector<SoNode*> children;
    for (int i = 0; i < k->getNumKitChildren(); ++i) children.push_back(k->getKitChild(i));
    return children;
  }
  std::vector<SoNode*> groupChildren(const SoGroup* group) const {
    std::vector<SoNode*> children;
    for (int i = 0; group && i < group->getNumChildren(); ++i)
      children.push_back(group->getChild(i));
    return children;
  }

  long live = 0;
  KitTestKit* kit = nullptr;
};

}  // namespace

TEST_F(SoBaseKitTest, aSubclassCatalogExtendsItsParents) {
  const SoNodekitCatalog* catalog = kit->getNodekitCatalog();
  EXPECT_EQ(catalog, KitTestKit::getClassNodekitCatalog());
  EXPECT_EQ(catalog->getType(0), KitTestKit::getClassTypeId());
  // The base kit's part keeps its number in the subclass.
  EXPECT_EQ(catalog->getPartNumber("callbackList"), 1);
  EXPECT_EQ(catalog->getNumEntries(), 9);
  EXPECT_EQ(kit->getField("topSep"), &kit->topSep);
  EXPECT_EQ(kit->getField("callbackList"), &kit->callbackList);
  EXPECT_EQ(SoDebugError::getMessageCount(), 0);
}

TEST_F(SoBaseKitTest, onlyPartsNotNullByDefaultAreMade) {
  ASSERT_NE(kit->getPart("topSep", FALSE), nullptr);
  EXPECT_TRUE(kit->getPart("topSep", FALSE)->isOfType(SoSeparator::getClassTypeId()));
  EXPECT_EQ(kitChildren(kit), std::vector<SoNode*>{kit->topSep.getValue()});
  for (const char* part : {"callbackList", "shape", "inner", "setter", "cameraKit", "nested"})
    EXPECT_EQ(kit->getPart(part, FALSE), nullptr) << part;
  EXPECT_EQ(topSep()->getNumChildren(), 0);
}

TEST_F(SoBaseKitTest, madePartsAreLinkedInCatalogOrder) {
  SoNode* shape = kit->getPart("shape", TRUE);
  ASSERT_NE(shape, nullptr);
  EXPECT_TRUE(shape->isOfType(SoCallback::getClassTypeId()));
  EXPECT_EQ(kit->shape.getValue(), shape);
  EXPECT_FALSE(kit->shape.isDefault());
  EXPECT_EQ(kit->getPart("shape", TRUE), shape);
  // "inner" stands left of "shape" in the catalog.
  SoNode* inner = kit->getPart("inner", TRUE);
  EXPECT_EQ(groupChildren(topSep()), (std::vector<SoNode*>{inner, shape}));

  SoNode* appearance = kit->getPart("appearance", TRUE);
  SoNode* setter = kit->getPart("setter", TRUE);
  SoNode* cameraKit = kit->getPart("cameraKit", TRUE);
  SoNode* list = kit->getPart("callbackList", TRUE);
  EXPECT_EQ(kitChildren(kit),
            (std::vector<SoNode*>{list, kit->topSep.getValue(), cameraKit, setter, appearance}));
}

TEST_F(SoBaseKitTest, makingAPartMakesItsParents) {
  ASSERT_TRUE(kit->setPart("topSep", nullptr));
  EXPECT_EQ(kit->getNumKitChildren(), 0);
  EXPECT_TRUE(kit->topSep.isDefault());
  SoNode* shape = kit->getPart("shape", TRUE);
  ASSERT_NE(topSep(), nullptr);
  EXPECT_EQ(groupChildren(topSep()), std::vector<SoNode*>{shape});
  EXPECT_EQ(kitChildren(kit), std::vector<SoNode*>{topSep()});

  // setPart makes the parents too.
  kit->setPart("topSep", nullptr);
  auto* node = new SoCallback;
  ASSERT_TRUE(kit->setPart("shape", node));
  EXPECT_EQ(groupChildren(topSep()), std::vector<SoNode*>{node});
}

TEST_F(SoBaseKitTest, unknownOrUnreachableNamesGiveNothing) {
  for (const char* name : {"", "this", "nothing", "topSep.shape", "cameraKit.nothing", ".camera",
                           "cameraKit.", "cameraKit..camera", "nested.nested.nothing"}) {
    EXPECT_EQ(kit->getPart(name, TRUE), nullptr) << name;
    const SoRef node(new SoGroup);
    EXPECT_FALSE(kit->setPart(name, node.get())) << name;
  }
  // Nothing was made on the way.
  EXPECT_EQ(kit->getPart("cameraKit", FALSE), nullptr);
  EXPECT_EQ(kit->getPart("nested", FALSE), nullptr);
  EXPECT_EQ(kit->getNumKitChildren(), 1);
}

TEST_F(SoBaseKitTest, dottedNamesReachIntoKitsInKits) {
  EXPECT_EQ(kit->getPart("cameraKit.camera", FALSE), nullptr);
  EXPECT_EQ(kit->getPart("cameraKit", FALSE), nullptr);

  SoNode* camera = kit->getPart("cameraKit.camera", TRUE);
  ASSERT_NE(camera, nullptr);
  EXPECT_TRUE(camera->getTypeId() == SoPerspectiveCamera::getClassTypeId());
  auto* cameraKit = static_cast<SoCameraKit*>(kit->getPart("cameraKit", FALSE));
  ASSERT_NE(cameraKit, nullptr);
  EXPECT_EQ(cameraKit->camera.getValue(), camera);
  EXPECT_EQ(kit->getPart("cameraKit.camera", FALSE), camera);
  auto* group = static_cast<SoGroup*>(cameraKit->getPart("transformGroup", FALSE));
  ASSERT_NE(group, nullptr);
  SoNode* transform = kit->getPart("cameraKit.transform", TRUE);
  EXPECT_EQ(groupChildren(group), (std::vector<SoNode*>{transform, camera}));

  // Three levels, made all the way down by setPart.
  auto* ortho = new SoOrthographicCamera;
  ASSERT_TRUE(kit->setPart("nested.cameraKit.camera", ortho));
  EXPECT_EQ(kit->getPart("nested.cameraKit.camera", FALSE), ortho);
  EXPECT_NE(kit->getPart("nested.topSep", FALSE), nullptr);

  // Removing through a kit that does not exist is no error and makes nothing.
  EXPECT_TRUE(kit->setPart("appearance.material", nullptr));
  EXPECT_EQ(kit->getPart("appearance", FALSE), nullptr);
}

TEST_F(SoBaseKitTest, setPartRefusesNodesOfTheWrongType) {
  SoRef group(new SoGroup);
  EXPECT_FALSE(kit->setPart("shape", group.get()));
  EXPECT_EQ(SoDebugError::getLastMessage(),
            "KitTestKit: part 'shape' cannot hold a node of type 'Group'");
  EXPECT_EQ(kit->getPart("shape", FALSE), nullptr);
  // A plain group is no separator.
  SoNode* before = kit->topSep.getValue();
  EXPECT_FALSE(kit->setPart("topSep", group.get()));
  EXPECT_EQ(kit->topSep.getValue(), before);
  // Nor does a refused inner part leave a made inner kit behind.
  EXPECT_FALSE(kit->setPart("cameraKit.camera", group.get()));
  EXPECT_EQ(kit->getPart("cameraKit", FALSE), nullptr);
  EXPECT_EQ(group->getRefCount(), 1);
  group.reset();
  // A kit cannot be its own part.
  EXPECT_FALSE(kit->setPart("nested", kit));
  EXPECT_EQ(kit->nested.getValue(), nullptr);
}

TEST_F(SoBaseKitTest, setPartReplacesAndRemovesReleasingThePrevious) {
  const SoRef first(new SoCallback);
  ASSERT_TRUE(kit->setPart("shape", first.get()));
  EXPECT_EQ(first->getRefCount(), 4);  // ours, the field's, the kit's, the separator's
  auto* second = new SoCallback;
  ASSERT_TRUE(kit->setPart("shape", second));
  EXPECT_EQ(first->getRefCount(), 1);
  EXPECT_EQ(groupChildren(topSep()), std::vector<SoNode*>{second});
  EXPECT_TRUE(kit->setPart("shape", second));  // the same node again changes nothing
  EXPECT_EQ(groupChildren(topSep()), std::vector<SoNode*>{second});

  ASSERT_TRUE(kit->setPart("shape", nullptr));
  EXPECT_EQ(kit->getPart("shape", FALSE), nullptr);
  EXPECT_EQ(kit->shape.getValue(), nullptr);
  EXPECT_TRUE(kit->shape.isDefault());
  EXPECT_EQ(topSep()->getNumChildren(), 0);
}

TEST_F(SoBaseKitTest, theNodeOfAGroupPartCarriesThePartsBelowIt) {
  SoNode* shape = kit->getPart("shape", TRUE);
  SoRef oldSep(kit->topSep.getValue());
  auto* newSep = new SoSeparator;
  auto* extra = new SoCallback;
  newSep->addChild(extra);
  ASSERT_TRUE(kit->setPart("topSep", newSep));
  EXPECT_EQ(groupChildren(newSep), (std::vector<SoNode*>{extra, shape}));
  EXPECT_EQ(static_cast<SoGroup*>(oldSep.get())->getNumChildren(), 0);
  EXPECT_EQ(oldSep->getRefCount(), 1);
  oldSep.reset();
  SoNode* inner = kit->getPart("inner", TRUE);
  EXPECT_EQ(groupChildren(newSep), (std::vector<SoNode*>{extra, inner, shape}));

  // Removing the group part removes the parts below it.
  ASSERT_TRUE(kit->setPart("topSep", nullptr));
  EXPECT_EQ(kit->shape.getValue(), nullptr);
  EXPECT_EQ(kit->inner.getValue(), nullptr);
  EXPECT_EQ(kit->getNumKitChildren(), 0);
}

TEST_F(SoBaseKitTest, settingAPartFieldRelinksThePart) {
  auto* node = new SoCallback;
  kit->shape.setValue(node);
  EXPECT_EQ(kit->getPart("shape", FALSE), node);
  EXPECT_EQ(groupChildren(topSep()), std::vector<SoNode*>{node});

  SoRef group(new SoGroup);
  kit->shape.setValue(group.get());
  EXPECT_EQ(kit->shape.getValue(), node);
  EXPECT_EQ(SoDebugError::getMessageCount(), 1);
  EXPECT_EQ(SoDebugError::getLastMessage(),
            "KitTestKit: part 'shape' cannot hold a node of type 'Group'");
  group.reset();

  // The one-argument set of fields reaches part fields too.
  ASSERT_TRUE(kit->set("topSep NULL"));
  EXPECT_EQ(kit->getNumKitChildren(), 0);
  EXPECT_EQ(kit->shape.getValue(), nullptr);

  // A change made with notification off is caught up by the next look-up.
  auto* quiet = new SoCallback;
  kit->setter.enableNotify(FALSE);
  kit->setter.setValue(quiet);
  kit->setter.enableNotify(TRUE);
  EXPECT_EQ(kit->getPart("setter", FALSE), quiet);
  EXPECT_EQ(kitChildren(kit), std::vector<SoNode*>{quiet});
}

TEST_F(SoBaseKitTest, setSetsTheFieldsOfAPartMakingIt) {
  ASSERT_TRUE(kit->set("appearance.lightModel", "model BASE_COLOR"));
  auto* lightModel = static_cast<SoLightModel*>(kit->getPart("appearance.lightModel", FALSE));
  ASSERT_NE(lightModel, nullptr);
  EXPECT_EQ(lightModel->model.getValue(), SoLightModel::BASE_COLOR);
  ASSERT_TRUE(kit->set("appearance.material", "transparency 0.5 diffuseColor [1 0 0, 0 1 0]"));
  auto* material = static_cast<SoMaterial*>(kit->getPart("appearance.material", FALSE));
  EXPECT_EQ(material->transparency[0], 0.5f);
  EXPECT_EQ(material->diffuseColor.getNum(), 2);

  EXPECT_FALSE(kit->set("appearance.nothing", "model PHONG"));
  EXPECT_EQ(SoDebugError::getLastMessage(), "KitTestKit: no part 'appearance.nothing'");
  EXPECT_FALSE(kit->set("appearance.lightModel", "model SHINY"));
  EXPECT_EQ(SoDebugError::getLastMessage(),
            "KitTestKit: part 'appearance.lightModel': field 'model': 'SHINY' is not a value of "
            "this field");
  EXPECT_EQ(lightModel->model.getValue(), SoLightModel::BASE_COLOR);
}

TEST_F(SoBaseKitTest, changesInsidePartsReachTheKitsAuditors) {
  kit->getPart("appearance.lightModel", TRUE);
  CountingAuditor auditor;
  kit->addAuditor(&auditor);
  ASSERT_TRUE(kit->set("appearance.lightModel", "model BASE_COLOR"));
  EXPECT_GE(auditor.changes, 1);
  EXPECT_EQ(auditor.lastField, &kit->appearance);
  kit->removeAuditor(&auditor);
}

TEST_F(SoBaseKitTest, traversalGoesThroughThePartsWithoutASeparator) {
  std::vector<std::string> log;
  Step list{&log, "list"}, innerChild{&log, "innerChild"}, shape{&log, "shape", 5},
      setter{&log, "setter", 7}, probe{&log, "probe"};
  static_cast<SoGroup*>(kit->getPart("callbackList", TRUE))->addChild(makeStep(&list));
  static_cast<SoGroup*>(kit->getPart("inner", TRUE))->addChild(makeStep(&innerChild));
  static_cast<SoCallback*>(kit->getPart("shape", TRUE))->setCallback(runStep, &shape);
  static_cast<SoCallback*>(kit->getPart("setter", TRUE))->setCallback(runStep, &setter);
  kit->getPart("appearance.material", TRUE);

  const SoRef root(new SoGroup);
  root->addChild(kit);
  root->addChild(makeStep(&probe));
  {
    KitTestAction action;
    action.apply(root.get());
  }
  // The value set inside topSep stays there; the one set by a top-level part
  // stays in force after the kit.
  EXPECT_EQ(log,
            (std::vector<std::string>{"list 0", "innerChild 0", "shape 0", "setter 0", "probe 7"}));

  // Along a path down to "shape" only what the path passes through is traversed.
  log.clear();
  const SoRef path(new SoPath(root.get()));
  path->append(kit, 0);
  const int sepIndex = 1;  // after callbackList
  ASSERT_EQ(kit->getKitChild(sepIndex), topSep());
  path->append(topSep(), sepIndex);
  path->append(kit->shape.getValue(), 1);
  {
    KitTestAction action;
    action.apply(path.get());
  }
  EXPECT_EQ(log, std::vector<std::string>{"shape 0"});
}

TEST_F(SoBaseKitTest, searchingDoesNotLookInsideKits) {
  kit->getPart("shape", TRUE);
  kit->getPart("setter", TRUE);
  const SoRef root(new SoGroup);
  root->addChild(kit);
  root->addChild(new SoCallback);
  SoSearchAction search;
  search.setType(SoCallback::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(root.get());
  ASSERT_EQ(search.getPaths().getLength(), 1);
  EXPECT_EQ(search.getPaths()[0]->getTail(), root->getChild(1));
  search.reset();
  search.setType(KitTestKit::getClassTypeId());
  search.apply(root.get());
  ASSERT_NE(search.getPath(), nullptr);
  EXPECT_EQ(search.getPath()->getTail(), kit);
  search.reset();
}

TEST_F(SoBaseKitTest, aCopyHoldsTheSamePartsInItsOwnPlace) {
  SoNode* shape = kit->getPart("shape", TRUE);
  SoNode* setter = kit->getPart("setter", TRUE);
  const SoRef copy(kit->copy());
  EXPECT_EQ(copy->getPart("shape", FALSE), shape);
  EXPECT_EQ(copy->getPart("topSep", FALSE), kit->topSep.getValue());
  EXPECT_EQ(kitChildren(copy.get()), kitChildren(kit));
  EXPECT_EQ(groupChildren(topSep()), std::vector<SoNode*>{shape});  // not linked twice
  ASSERT_TRUE(copy->setPart("setter", nullptr));
  EXPECT_EQ(kit->getPart("setter", FALSE), setter);
  EXPECT_EQ(copy->getNumKitChildren(), 1);
}

TEST_F(SoBaseKitTest, readingLinksThePartsRead) {
  SoInput in;
  in.setBuffer(std::string(SoInput::getHeader()) + "\nKitTestKit { topSep NULL setter NULL }");
  EXPECT_FALSE(kit->connectionsSetUp());
  SoNode* node = nullptr;
  ASSERT_TRUE(SoDB::read(&in, node)) << in.getErrorMessage().getString();
  ASSERT_NE(node, nullptr);
  node->ref();
  auto* read = static_cast<KitTestKit*>(node);
  EXPECT_EQ(read->getNumKitChildren(), 0);
  EXPECT_EQ(read->getPart("topSep", FALSE), nullptr);
  EXPECT_TRUE(read->connectionsSetUp());
  EXPECT_TRUE(read->setUpConnections(FALSE));
  EXPECT_FALSE(read->connectionsSetUp());
  node->unref();
}

TEST_F(SoBaseKitTest, theCallbackListIsNotWritten) {
  kit->getPart("callbackList", TRUE);
  EXPECT_FALSE(kit->callbackList.isDefault());
  kit->setDefaultOnNonWritingFields();
  EXPECT_TRUE(kit->callbackList.isDefault());
  EXPECT_NE(kit->callbackList.getValue(), nullptr);
}

TEST_F(SoBaseKitTest, aRefusedEntryIsToldOnceAndItsFieldLeftOut) {
  const SoRef first(new KitTestBadKit);
  const SoRef second(new KitTestBadKit);
  EXPECT_EQ(SoDebugError::getMessageCount(), 1);
  EXPECT_EQ(SoDebugError::getLastMessage(),
            "KitTestBadKit: catalog refused part 'orphan': its parent 'nowhere' is not in the "
            "catalog");
  EXPECT_EQ(first->getField("orphan"), nullptr);
  EXPECT_EQ(first->getPart("orphan", TRUE), nullptr);
  EXPECT_NE(second->getPart("good", FALSE), nullptr);
}

TEST_F(SoBaseKitTest, partsOutliveTheKitOnlyWhenHeldElsewhere) {
  kit->getPart("nested.cameraKit.camera", TRUE);
  kit->getPart("appearance.material", TRUE);
  kit->getPart("callbackList", TRUE);
  const SoRef shape(kit->getPart("shape", TRUE));
  kit->unref();
  kit = nullptr;
  EXPECT_EQ(shape->getRefCount(), 1);
  EXPECT_EQ(shape->getNumAuditors(), 0);
}

TEST_F(SoBaseKitTest, readingFailsOnAPartOfTheWrongType) {
  // A part field that came to hold a group with notification off, as a read
  // might leave it: linking it after the read is refused and told.
  auto* group = new SoGroup;
  kit->shape.enableNotify(FALSE);
  kit->shape.setValue(group);
  kit->shape.enableNotify(TRUE);
  SoInput in;
  in.setBuffer("");
  EXPECT_FALSE(kit->readInstance(&in, 0));
  EXPECT_NE(std::string(in.getErrorMessage().getString())
                .find("KitTestKit: part 'shape' cannot hold a node of type 'Group'"),
            std::string::npos)
      << in.getErrorMessage().getString();
  EXPECT_EQ(kit->shape.getValue(), nullptr);
  EXPECT_EQ(SoDebugError::getMessageCount(), 0);
}
