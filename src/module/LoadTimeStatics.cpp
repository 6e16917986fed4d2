// SPDX-License-Identifier: Apache-2.0
// The statics the library makes when it is loaded and destroys when it is
// unloaded, all in one place but for the labels of the editors' section
// heads: each is made with the level description that uses it
// (editors/detail/level/AxisBaseLevel.h, editors/axis/detail/levels/).

#ifndef PLIVEXWIN_EDITORS_ONLY
#include "PlivexWinVersion.h"
#include "platform/scenar/basic/SoModule.h"
#include "views/PoBaseView.h"
#include "views/PoSceneView.h"
#include "views/PoView.h"
#endif

#ifndef PLIVEXWIN_EDITORS_ONLY
// The class mutexes of the views and the statics all views share.
SbThreadMutex PoBaseView::classMutex;
SbThreadMutex PoView::classMutex;
SbThreadMutex PoSceneView::classMutex;
SbVec4f PoBaseView::m_vvPortion(0, 0, 1, 1);
SbVec2s PoBaseView::m_currentLogicalViewportSize(1, 1);

namespace {

// The library's descriptor, registered with the toolkit for as long as it is loaded.
const SoModule moduleDescriptor("PlivexWin.dll", PLIVEXWIN_VERSION_STRING,
                                "PlivexWin " PLIVEXWIN_VERSION_STRING ", full build");

}  // namespace
#endif
