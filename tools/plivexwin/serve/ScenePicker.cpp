// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/ScenePicker.h"

#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoLegend.h"
#include "platform/scenar/actions/SoRayPickAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/nodes/SoCamera.h"
#include "platform/scenar/nodes/SoPath.h"
#include "platform/scenarwin/SoWinViewer.h"
#include "views/PoBaseView.h"

namespace plivexwin::serve {

namespace {

// Calls fn on every view under root, in traversal order.
template <typename Fn>
void forEachView(SoNode* root, Fn fn) {
  SoSearchAction search;
  search.setType(PoBaseView::getClassTypeId(), TRUE);
  search.setInterest(SoSearchAction::ALL);
  search.apply(root);
  const SoPathList& views = search.getPaths();
  for (int i = 0; i < views.getLength(); ++i) fn(static_cast<PoBaseView*>(views[i]->getTail()));
}

// The view whose camera the viewer holds; nullptr when none.
PoBaseView* viewOfCamera(SoNode* root, const SoCamera* camera) {
  PoBaseView* found = nullptr;
  if (camera)
    forEachView(root, [&](PoBaseView* view) {
      if (view->getPart("cameraKit.camera", FALSE) == camera) found = view;
    });
  return found;
}

bool isPlottingNode(const SoNode* node) {
  return node->isOfType(PoAxis::getClassTypeId()) || node->isOfType(PoLegend::getClassTypeId());
}

// The innermost axis or legend on a picked point's path below view; nullptr
// when the path does not pass through view or holds none.
SoNode* ownerIn(const SoPickedPoint& point, const PoBaseView* view) {
  SoNode* owner = nullptr;
  bool inView = false;
  for (SoNode* node : point.path) {
    inView = inView || node == view;
    if (inView && isPlottingNode(node)) owner = node;
  }
  return owner;
}

}  // namespace

ScenePicker::ScenePicker(SoNode* root) : root_(root), viewer_(std::make_unique<SoWinViewer>()) {
  forEachView(root, [](PoBaseView* view) { view->sensitiveOnEvents(1); });
  viewer_->setSceneGraph(root);
  viewer_->setViewing(TRUE);
  viewer_->setEventCallback(PoBaseView::viewingEventCB, viewer_.get());
}

ScenePicker::~ScenePicker() = default;

SoNode* ScenePicker::pick(int width, int height, int x, int y) {
  if (width < 1 || height < 1 || width > 0x7FFF || height > 0x7FFF || x < 0 || y < 0 ||
      x >= width || y >= height)
    return nullptr;
  viewer_->setSize(SbVec2s(short(width), short(height)));
  viewer_->setCamera(nullptr);
  MSG press;
  press.message = WM_LBUTTONDOWN;
  press.pt.x = x;
  press.pt.y = y;
  viewer_->processMessage(&press);
  MSG release = press;
  release.message = WM_LBUTTONUP;
  viewer_->processMessage(&release);
  const PoBaseView* view = viewOfCamera(root_, viewer_->getCamera());
  if (!view) return nullptr;

  SoRayPickAction action(viewer_->getViewportRegion());
  action.setPoint(SoWinRenderArea::toEventPosition(press.pt, short(height)));
  action.setRadius(kLineRadius);
  action.apply(root_);
  for (const SoPickedPoint& point : action.getPickedPointList())
    if (SoNode* owner = ownerIn(point, view)) return owner;
  return nullptr;
}

}  // namespace plivexwin::serve
