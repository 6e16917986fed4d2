// SPDX-License-Identifier: Apache-2.0
#include "views/PoSceneView.h"

#include "platform/scenar/SoDB.h"
#include "platform/scenar/nodekits/SoAppearanceKit.h"
#include "platform/scenar/nodekits/SoCameraKit.h"
#include "platform/scenar/nodes/SoAnnotation.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoPickStyle.h"
#include "platform/scenar/sensors/SoFieldSensor.h"

namespace {

// The rectangle's corners as the default orthographic camera sees the view:
// its edges as four segments at z = -1, and the whole rectangle at the far end
// of the depth range (z two steps of a float below 1).
const SbVec3f* borderPoints() {
  static const SbVec3f points[8] = {{-1, -1, -1}, {1, -1, -1}, {1, -1, -1}, {1, 1, -1},
                                    {1, 1, -1},   {-1, 1, -1}, {-1, 1, -1}, {-1, -1, -1}};
  return points;
}

const SbVec3f* backgroundPoints() {
  static constexpr float kFar = 0.99999988f;
  static const SbVec3f points[4] = {{-1, -1, kFar}, {1, -1, kFar}, {1, 1, kFar}, {-1, 1, kFar}};
  return points;
}

// A group that draws shape through an orthographic camera that keeps its own
// aspect, unpickable.
SoGroup* unpickableDecoration(SoShape* shape, const SbVec3f* points, int numPoints,
                              SoOrthographicCamera* camera) {
  auto* coordinates = new SoCoordinate3;
  coordinates->point.setValues(0, numPoints, points);
  auto* pickStyle = new SoPickStyle;
  pickStyle->style = SoPickStyle::UNPICKABLE;
  camera->viewportMapping = SoCamera::LEAVE_ALONE;
  auto* group = new SoGroup;
  group->addChild(camera);
  group->addChild(pickStyle);
  group->addChild(coordinates);
  group->addChild(shape);
  return group;
}

}  // namespace

// The class mutex is made at load, with the library's other load-time statics.
SO_KIT_CLASS_DATA(PoSceneView)

void PoSceneView::initClass() { SO_KIT_INIT_CLASS(PoSceneView, "PoSceneView"); }

PoSceneView::PoSceneView() { setUpInstance(); }

PoSceneView::PoSceneView(const PoSceneView& other) : PoBaseView(other) {
  setUpInstance();
  copySceneView(other);
}

PoSceneView& PoSceneView::operator=(const PoSceneView& other) {
  if (this != &other) copySceneView(other);
  return *this;
}

PoSceneView::~PoSceneView() {
  backgroundSensor.reset();
  borderSensor.reset();
}

void PoSceneView::setUpInstance() {
  SO_KIT_CONSTRUCTOR(PoSceneView);
  SO_KIT_ADD_CATALOG_ENTRY(topSep, SoSeparator, TRUE, "this", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(catchActionCallback, SoCallback, TRUE, "topSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundSep, SoSeparator, TRUE, "topSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundApp, SoAppearanceKit, TRUE, "backgroundSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(background, SoGroup, TRUE, "backgroundSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(sceneSep, SoSeparator, TRUE, "topSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(cameraKit, SoCameraKit, TRUE, "sceneSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(scene, SoGroup, TRUE, "sceneSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(borderSep, SoAnnotation, TRUE, "topSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(borderApp, SoAppearanceKit, TRUE, "borderSep", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(border, SoGroup, TRUE, "borderSep", "", TRUE);
  SO_KIT_ADD_FIELD(isBackgroundVisible, (FALSE));
  SO_KIT_ADD_FIELD(isBorderVisible, (FALSE));
  SO_KIT_INIT_INSTANCE();
  hookCallbackPart();
  set("backgroundApp.lightModel", "model BASE_COLOR");

  backgroundSensor = std::make_unique<SoFieldSensor>(fieldSensorCB, this);
  borderSensor = std::make_unique<SoFieldSensor>(fieldSensorCB, this);
  backgroundSensor->setPriority(0);
  borderSensor->setPriority(0);
  SoBaseKit::setUpConnections(TRUE, TRUE);
  if (!SoDB::getRenderUnitMode()) {
    drawBackground();
    drawBorder();
  }
  attachSensors();
}

void PoSceneView::copySceneView(const PoSceneView& other) {
  copyView(other);
  copyViewField(scene, other.scene);
  copyViewField(backgroundApp, other.backgroundApp);
  copyViewField(borderApp, other.borderApp);
  // Last: the sensors rebuild the copy's own background and border.
  copyViewField(isBackgroundVisible, other.isBackgroundVisible);
  copyViewField(isBorderVisible, other.isBorderVisible);
}

void PoSceneView::attachSensors() {
  if (backgroundSensor->getAttachedField() != &isBackgroundVisible)
    backgroundSensor->attach(&isBackgroundVisible);
  if (borderSensor->getAttachedField() != &isBorderVisible) borderSensor->attach(&isBorderVisible);
}

void PoSceneView::drawBackground() {
  if (!isBackgroundVisible.getValue()) {
    setPart("background", nullptr);
    return;
  }
  auto* faces = new SoFaceSet;
  faces->numVertices.setValue(4);
  auto* camera = new SoOrthographicCamera;
  camera->nearDistance = 1.0f;
  camera->farDistance = 0.0f;
  setPart("background", unpickableDecoration(faces, backgroundPoints(), 4, camera));
}

void PoSceneView::drawBorder() {
  if (!isBorderVisible.getValue()) {
    setPart("border", nullptr);
    return;
  }
  auto* lines = new SoLineSet;
  const int32_t segments[4] = {2, 2, 2, 2};
  lines->numVertices.setValues(0, 4, segments);
  setPart("border", unpickableDecoration(lines, borderPoints(), 8, new SoOrthographicCamera));
}

void PoSceneView::fieldSensorCB(void* data, SoSensor* sensor) {
  auto* view = static_cast<PoSceneView*>(data);
  if (!view || SoDB::getRenderUnitMode()) return;
  if (!sensor) {
    view->drawBackground();
    view->drawBorder();
  } else if (sensor == view->backgroundSensor.get()) {
    view->drawBackground();
  } else if (sensor == view->borderSensor.get()) {
    view->drawBorder();
  }
}

SbBool PoSceneView::setUpConnections(SbBool onOff, SbBool doItAlways) {
  if (!doItAlways && connectionsSetUp() == onOff) return onOff;
  if (onOff) {
    inherited::setUpConnections(TRUE, doItAlways);
    if (!SoDB::getRenderUnitMode()) {
      drawBackground();
      drawBorder();
    }
    attachSensors();
  } else {
    backgroundSensor->detach();
    borderSensor->detach();
    inherited::setUpConnections(FALSE, doItAlways);
  }
  return !onOff;
}

SbBool PoSceneView::readInstance(SoInput* in, unsigned short flags) {
  const SbBool result = inherited::readInstance(in, flags);
  if (SoDB::getRenderUnitMode()) hookCallbackPart();
  return result;
}

void PoSceneView::setDefaultOnNonWritingFields() {
  inherited::setDefaultOnNonWritingFields();
  // The appearance parts are the application's, like the camera kit and the
  // scene: they are written.
  for (SoSFNode* internal : {&topSep, &sceneSep, &backgroundSep, &background, &borderSep, &border})
    internal->setDefault(TRUE);
}
