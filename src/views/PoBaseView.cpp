#include "views/PoBaseView.h"

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/nodes/SoCamera.h"
#include "platform/scenarwin/SoSceneManager.h"
#include "platform/scenarwin/SoWinRenderArea.h"
#include "platform/scenarwin/SoWinViewer.h"
#include "views/PoView.h"
#include "views/detail/ViewRectangle.h"

using namespace plivexwin::detail;

// The class mutex and the view statics are made at load, with the library's
// other load-time statics.
SoType PoBaseView::classTypeId;
SoFieldData* PoBaseView::fieldData = nullptr;
SoFieldData** PoBaseView::parentFieldData = nullptr;
const SoNodekitCatalog* PoBaseView::nodekitCatalog = nullptr;
const SoNodekitCatalog** PoBaseView::parentNodekitCatalogPtr = nullptr;
int PoBaseView::firstInstance = 1;
const int PoBaseView::isBuiltIn = 0;
int PoBaseView::MT_Id = 0;

ViewClassStatics PoBaseView::statics() {
  return {classTypeId,   fieldData, parentFieldData, nodekitCatalog, parentNodekitCatalogPtr,
          firstInstance, classMutex};
}

void PoBaseView::initClass() {
  SbThreadAutoLock lock(&classMutex);
  if (SoBaseKit::getClassTypeId().isBad()) SoBaseKit::initClass();
  initViewClass(statics(), "BaseKit", "PoBaseView", nullptr, SoBaseKit::getFieldDataPtr(),
                SoBaseKit::getClassNodekitCatalogPtr());
}

void PoBaseView::exitClass() { exitViewClass(statics(), "PoBaseView"); }

void PoBaseView::initClasses() {
  PoBaseView::initClass();
  PoView::initClass();
}

void PoBaseView::exitClasses() {
  PoView::exitClass();
  PoBaseView::exitClass();
}

const SoFieldData* PoBaseView::getFieldData() const { return viewFieldData(statics()); }

SoFieldData** PoBaseView::getFieldDataPtr() {
  SbThreadAutoLock lock(&classMutex);
  return &fieldData;
}

PoBaseView::PoBaseView() {
  // The whole set-up runs under the class mutex, so that two threads making the
  // first views at once register the class and its data once.
  SbThreadAutoLock lock(&classMutex);
  if (classTypeId.isBad()) initClass();
  beginViewInstance(statics(), "PoBaseView");  // no parts of its own
  const struct {
    const char* name;
    SoSFVec2f* field;
    SbVec2f value;
  } fields[] = {{"viewportOrigin", &viewportOrigin, SbVec2f(0, 0)},
                {"viewportSize", &viewportSize, SbVec2f(1, 1)}};
  for (const auto& f : fields) {
    if (firstInstance) fieldData->addField(this, f.name, f.field);
    f.field->setValue(f.value);
    f.field->setContainer(this);
    f.field->setDefault(TRUE);
  }
  createNodekitPartsList();
  createDefaultParts();
}

PoBaseView::~PoBaseView() = default;

PoBaseView::PoBaseView(const PoBaseView& other) : PoBaseView() {
  viewportOrigin.setValue(other.viewportOrigin.getValue());
  viewportSize.setValue(other.viewportSize.getValue());
  sensitive = other.sensitive;
}

PoBaseView& PoBaseView::operator=(const PoBaseView& other) {
  if (this == &other) return *this;
  // The callback part stays this view's own: the other's is hooked to the other view.
  cameraKit.setValue(other.cameraKit.getValue());
  viewportOrigin.setValue(other.viewportOrigin.getValue());
  viewportSize.setValue(other.viewportSize.getValue());
  sensitive = other.sensitive;
  return *this;
}

void PoBaseView::setDefaultOnNonWritingFields() {
  callbackList.setDefault(TRUE);
  catchActionCallback.setDefault(TRUE);
}

SbBool PoBaseView::isPointWithinViewport(float x, float y) const {
  const SbVec2f origin = viewportOrigin.getValue();
  const SbVec2f size = viewportSize.getValue();
  const SbVec2f end(origin[0] + size[0], origin[1] + size[1]);
  return !(x < origin[0] || y < origin[1] || x > end[0] || y > end[1]);
}

void PoBaseView::normalizeMousePoint(SoWinRenderArea* area, int x, int y, float& nx, float& ny) {
  const SbVec2s window = area->getSceneManager()->getWindowSize();
  const int width = window[0];
  const int height = window[1];
  // A window without pixels has no point to normalize: its axis gives 0.
  nx = width != 0 ? static_cast<float>(x) / static_cast<float>(width) : 0.0f;
  ny = height != 0 ? static_cast<float>(height - y) / static_cast<float>(height) : 0.0f;
}

PoBaseView* PoBaseView::getView(SoWinRenderArea* area, int x, int y) {
  if (!area || !area->getSceneGraph()) return nullptr;
  SoSearchAction search;
  search.setType(PoBaseView::getClassTypeId(), TRUE);
  search.setInterest(SoSearchAction::ALL);
  search.apply(area->getSceneGraph());
  const SoPathList& paths = search.getPaths();
  if (paths.getLength() == 0) return nullptr;
  float nx, ny;
  normalizeMousePoint(area, x, y, nx, ny);
  // The view met last in traversal order is drawn last, on top: it wins.
  for (int i = paths.getLength() - 1; i >= 0; --i) {
    auto* view = dynamic_cast<PoBaseView*>(paths[i]->getTail());
    if (view && view->sensitive && view->isPointWithinViewport(nx, ny)) return view;
  }
  return nullptr;
}

SbBool PoBaseView::viewingEventCB(void* viewerData, MSG* message) {
  auto* viewer = static_cast<SoWinViewer*>(viewerData);
  if (!viewer || !message || !viewer->getGuiViewer()->isViewing()) return 0;
  if (message->message == WM_LBUTTONDOWN || message->message == WM_RBUTTONDOWN ||
      message->message == WM_MBUTTONDOWN) {
    if (PoBaseView* view =
            getView(viewer, static_cast<int>(message->pt.x), static_cast<int>(message->pt.y)))
      view->setCamera(viewer);
  }
  return 0;
}

void PoBaseView::setCamera(SoWinViewer* viewer) {
  if (!viewer) return;
  viewer->setCamera(dynamic_cast<SoCamera*>(getPart("cameraKit.camera", TRUE)));
}

void PoBaseView::catchActionCB(void* data, SoAction* action) {
  auto* view = static_cast<PoBaseView*>(data);
  if (!view || !action) return;
  // Searching and writing are not confined to the view.
  if (dynamic_cast<SoSearchAction*>(action) || dynamic_cast<SoWriteAction*>(action)) return;
  const ViewRectangle rect{view->viewportOrigin.getValue(), view->viewportSize.getValue()};
  if (SoDB::getRenderUnitMode()) {
    if (auto* render = dynamic_cast<SoGLRenderAction*>(action))
      narrowRenderUnit(render, rect, m_vvPortion);
    return;
  }
  narrowClassic(action, rect, m_vvPortion, m_currentLogicalViewportSize);
}
