// SPDX-License-Identifier: Apache-2.0
#include "views/PoBaseView.h"

#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCamera.h"
#include "platform/scenarwin/SoSceneManager.h"
#include "platform/scenarwin/SoWinRenderArea.h"
#include "platform/scenarwin/SoWinViewer.h"
#include "views/detail/ViewRectangle.h"

using namespace plivexwin::detail;

// The class mutex and the view statics are made at load, with the library's
// other load-time statics; the class registry is filled in src/module.
SO_KIT_CLASS_DATA(PoBaseView)

void PoBaseView::initClass() { SO_KIT_INIT_ABSTRACT_CLASS(PoBaseView, "PoBaseView"); }

PoBaseView::PoBaseView() { setUpInstance(); }

PoBaseView::PoBaseView(const PoBaseView& other) : SoBaseKit(other), SoGetView(other) {
  setUpInstance();
  copyView(other);
}

void PoBaseView::setUpInstance() {
  // The set-up holds the class mutex, which initClass takes again (README,
  // "Threads").
  SO_KIT_CONSTRUCTOR(PoBaseView);  // no parts of its own
  SO_KIT_ADD_FIELD(viewportOrigin, (0.0f, 0.0f));
  SO_KIT_ADD_FIELD(viewportSize, (1.0f, 1.0f));
  SO_KIT_INIT_INSTANCE();
}

PoBaseView::~PoBaseView() = default;

PoBaseView& PoBaseView::operator=(const PoBaseView& other) {
  if (this != &other) copyView(other);
  return *this;
}

void PoBaseView::copyView(const PoBaseView& other) {
  const SoFieldData* base = SoBaseKit::getClassFieldData();
  for (int i = 0; base && i < base->getNumFields(); ++i)
    copyViewField(*base->getField(this, i), *base->getField(&other, i));
  copyViewField(cameraKit, other.cameraKit);
  copyViewField(viewportOrigin, other.viewportOrigin);
  copyViewField(viewportSize, other.viewportSize);
  sensitive = other.sensitive;
}

void PoBaseView::copyViewField(SoField& to, const SoField& from) {
  to.copyFrom(from);
  to.setDefault(from.isDefault());
}

void PoBaseView::hookCallbackPart() {
  auto* callback = dynamic_cast<SoCallback*>(getPart("catchActionCallback", TRUE));
  if (!callback) return;
  callback->setCallback(catchActionCB, this);
  setPart("catchActionCallback", callback);
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

void PoBaseView::doAction(SoAction* action) {
  // The callback part reads the rectangle at the end of a chain of reads
  // through the kit's children: start reading it now.
  __builtin_prefetch(&viewportOrigin.getValue());
  __builtin_prefetch(&viewportSize.getValue());
  SoBaseKit::doAction(action);
}

void PoBaseView::catchActionCB(void* data, SoAction* action) {
  auto* view = static_cast<PoBaseView*>(data);
  if (!view || !action) return;
  narrowToView(action, {view->viewportOrigin.getValue(), view->viewportSize.getValue()},
               m_vvPortion, m_currentLogicalViewportSize);
}
