// SPDX-License-Identifier: Apache-2.0
// The light view: its class, parts, copies and scene files.

#include "views/PoView.h"

#include <string>
#include <vector>

#include "ViewTestSupport.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/basic/SoType.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/nodekits/SoCameraKit.h"
#include "platform/scenar/nodekits/SoNodekitCatalog.h"
#include "platform/scenar/nodes/SoCamera.h"
#include "platform/scenar/nodes/SoCube.h"

namespace {

SoCallback* callbackOf(PoView* view) {
  return dynamic_cast<SoCallback*>(view->getPart("catchActionCallback", FALSE));
}

TEST_F(ViewTest, classesRegisterInOrderAndAgainAfterExit) {
  EXPECT_TRUE(PoView::getClassTypeId().isDerivedFrom(PoBaseView::getClassTypeId()));
  EXPECT_TRUE(PoBaseView::getClassTypeId().isDerivedFrom(SoBaseKit::getClassTypeId()));
  EXPECT_FALSE(PoBaseView::getClassTypeId().canCreateInstance()) << "abstract";
  EXPECT_TRUE(SoType::fromName("PoView").canCreateInstance());

  PoBaseView::exitClasses();
  EXPECT_TRUE(SoType::fromName("PoSceneView").isBad());
  EXPECT_TRUE(SoType::fromName("PoView").isBad());
  EXPECT_TRUE(SoType::fromName("PoBaseView").isBad());
  PoBaseView::initClasses();
  SoRef view(static_cast<PoView*>(SoType::fromName("PoView").createInstance()));
  EXPECT_EQ(view->getTypeId(), PoView::getClassTypeId());
  EXPECT_EQ(view->getIsBuiltIn(), 0);
  view.reset();
  SoNode* scene = static_cast<SoNode*>(SoType::fromName("PoSceneView").createInstance());
  ASSERT_NE(scene, nullptr);
  scene->ref();
  EXPECT_TRUE(scene->isOfType(PoBaseView::getClassTypeId()));
  scene->unref();
}

TEST_F(ViewTest, fieldsAndPartsStandInTheirOrder) {
  const SoRef view(new PoView);
  const SoFieldData* data = view->getFieldData();
  std::vector<std::string> names;
  for (int i = 0; i < data->getNumFields(); ++i) names.push_back(data->getFieldName(i).getString());
  EXPECT_EQ(names, (std::vector<std::string>{"callbackList", "viewportOrigin", "viewportSize",
                                             "catchActionCallback", "cameraKit"}));
  const SoNodekitCatalog* catalog = view->getNodekitCatalog();
  EXPECT_EQ(catalog->getPartNumber("catchActionCallback") + 1, catalog->getPartNumber("cameraKit"));
  EXPECT_EQ(catalog->getType(catalog->getPartNumber("cameraKit")), SoCameraKit::getClassTypeId());
}

TEST_F(ViewTest, newViewHasItsCallbackHookedAndNoCameraYet) {
  const SoRef view(new PoView);
  SoCallback* callback = callbackOf(view.get());
  ASSERT_NE(callback, nullptr);
  EXPECT_EQ(callback->getCallbackData(), view.get());
  EXPECT_EQ(view->getPart("cameraKit", FALSE), nullptr);
  EXPECT_NE(view->getPart("cameraKit.camera", TRUE), nullptr);
  EXPECT_NE(view->getPart("cameraKit", FALSE), nullptr);
}

// A view with every part and field a copy takes, away from their defaults.
PoView* makeFullView() {
  auto* view = new PoView;
  view->ref();
  view->viewportOrigin.setValue(0.25f, 0.5f);
  view->sensitiveOnEvents(1);
  view->getPart("cameraKit.camera", TRUE);
  view->setPart("callbackList", new SoSeparator);
  return view;
}

bool isKitChild(const SoBaseKit* kit, const SoNode* node) {
  for (int i = 0; i < kit->getNumKitChildren(); ++i)
    if (kit->getKitChild(i) == node) return true;
  return false;
}

TEST_F(ViewTest, copiesTakeBaseKitCameraAndRectangleButKeepTheirOwnCallback) {
  PoView* original = makeFullView();
  PoView* constructed = new PoView(*original);
  PoView* assigned = new PoView;
  *assigned = *original;
  for (PoView* copy : {constructed, assigned}) {
    copy->ref();
    for (const char* part : {"callbackList", "cameraKit"}) {
      SoNode* node = copy->getPart(part, FALSE);
      EXPECT_EQ(node, original->getPart(part, FALSE)) << part;
      EXPECT_TRUE(isKitChild(copy, node)) << part << " is linked, so traversed";
    }
    EXPECT_EQ(copy->isSensitiveOnEvents(), 1);
    EXPECT_EQ(writeScene(copy), writeScene(original)) << "the same fields, defaults unwritten";
    EXPECT_NE(callbackOf(copy), callbackOf(original));
    EXPECT_EQ(callbackOf(copy)->getCallbackData(), copy) << "narrowing by the copy's own fields";
    EXPECT_EQ(callbackOf(original)->getCallbackData(), original);
    copy->unref();
  }
  original->unref();
}

TEST_F(ViewTest, baseViewCopyTakesTheCameraKitPartField) {
  PoView* original = makeFullView();
  const SoRef copy(new PoBaseView(*original));
  EXPECT_EQ(copy->cameraKit.getValue(), original->cameraKit.getValue());
  EXPECT_EQ(copy->callbackList.getValue(), original->callbackList.getValue());
  EXPECT_EQ(copy->catchActionCallback.getValue(), nullptr) << "the callback part is not copied";
  EXPECT_EQ(copy->viewportOrigin.getValue(), SbVec2f(0.25f, 0.5f));
  EXPECT_TRUE(copy->viewportSize.isDefault());
  original->unref();
}

TEST_F(ViewTest, sceneFileRoundTripKeepsRectangleAndCamera) {
  const SoRef root(new SoSeparator);
  PoView* view = new PoView;
  view->viewportOrigin.setValue(0.5f, 0.0f);
  view->viewportSize.setValue(0.5f, 1.0f);
  static_cast<SoCamera*>(view->getPart("cameraKit.camera", TRUE))->nearDistance.setValue(2.5f);
  root->addChild(view);
  root->addChild(new SoCube);
  const std::string text = writeScene(root.get());
  EXPECT_NE(text.find("PoView {"), std::string::npos);
  EXPECT_NE(text.find("viewportOrigin 0.5 0"), std::string::npos);
  EXPECT_NE(text.find("cameraKit CameraKit"), std::string::npos);
  EXPECT_EQ(text.find("catchActionCallback"), std::string::npos) << "not written";

  SbString error;
  SoNode* back = readScene(text, &error);
  ASSERT_NE(back, nullptr) << error.getString();
  EXPECT_EQ(writeScene(static_cast<SoGroup*>(back)->getChild(0)), text);
  auto* read = dynamic_cast<PoView*>(
      static_cast<SoGroup*>(static_cast<SoGroup*>(back)->getChild(0))->getChild(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->viewportSize.getValue(), SbVec2f(0.5f, 1.0f));
  EXPECT_EQ(callbackOf(read)->getCallbackData(), read);
  back->unref();
}

TEST_F(ViewTest, viewReadInRenderUnitModeIsHookedAgain) {
  SoDB::setRenderUnitMode(1);
  SoNode* back = readScene("#Scenar V1.0 ascii\nPoView { viewportSize 0.5 0.5 }\n");
  ASSERT_NE(back, nullptr);
  auto* view = dynamic_cast<PoView*>(static_cast<SoGroup*>(back)->getChild(0));
  ASSERT_NE(view, nullptr);
  SoCallback* callback = callbackOf(view);
  EXPECT_EQ(callback->getCallback() != nullptr, true);
  EXPECT_EQ(callback->getCallbackData(), view);
  const SoRef fresh(new PoView);
  EXPECT_EQ(callback->getRefCount(), callbackOf(fresh.get())->getRefCount())
      << "no reference gained";
  back->unref();
}

TEST_F(ViewTest, badViewFilesGiveAnErrorAndLeakNothing) {
  SbString error;
  EXPECT_EQ(readScene("#Scenar V1.0 ascii\nPoVew { }\n", &error), nullptr);
  EXPECT_EQ(error, "<buffer>:2: unknown node type 'PoVew'");
  EXPECT_EQ(readScene("#Scenar V1.0 ascii\nPoBaseView { }\n", &error), nullptr);
  EXPECT_EQ(error, "<buffer>:2: 'PoBaseView' cannot be created");
  EXPECT_EQ(readScene("#Scenar V1.0 ascii\nPoView { viewportSize 0.5\n", &error), nullptr);
  EXPECT_EQ(readScene("#Scenar V1.0 ascii\nPoView { cameraKit Cube { } }\n", &error), nullptr);
}

TEST_F(ViewTest, firstViewAfterExitRegistersTheClassFromItsConstructor) {
  PoBaseView::exitClasses();
  // The constructor holds the class mutex while initClass takes it again.
  const SoRef view(new PoView);
  EXPECT_EQ(SoType::fromName("PoView"), PoView::getClassTypeId());
  EXPECT_EQ(view->getFieldData()->getNumFields(), 5);
  EXPECT_NE(callbackOf(view.get()), nullptr);
}

}  // namespace
