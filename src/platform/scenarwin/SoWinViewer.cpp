// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/SoWinViewer.h"

SoWinViewer::SoWinViewer(HWND parent, const char* name, SbBool buildInsideParent)
    : SoWinRenderArea(parent, name, buildInsideParent) {
  setClassName("SoWinViewer");
}

SoWinViewer::~SoWinViewer() = default;

void SoWinViewer::setViewing(SbBool viewing) {
  gui_.setViewing(viewing);
  if (!gui_.isViewing()) dragging_ = FALSE;
}

void SoWinViewer::setCamera(SoCamera* camera) { gui_.setCamera(camera); }

SbBool SoWinViewer::processEvent(MSG* message) {
  ++numProcessed_;
  if (!isViewing()) return FALSE;
  const SbVec2s point = toEventPosition(message->pt, getSize()[1]);
  switch (message->message) {
    case WM_LBUTTONDOWN:
      dragging_ = TRUE;
      dragPoint_ = point;
      return TRUE;
    case WM_MOUSEMOVE:
      if (!dragging_) return FALSE;
      gui_.rotateCamera(dragPoint_, point, getSize());
      dragPoint_ = point;
      return TRUE;
    case WM_LBUTTONUP:
      if (!dragging_) return FALSE;
      dragging_ = FALSE;
      return TRUE;
    default:
      return FALSE;
  }
}
