// The statics the library makes when it is loaded and destroys when it is
// unloaded, all in one place.

#include "editors/framework/detail/SectionLabels.h"

#ifndef PLIVEXWIN_EDITORS_ONLY
#include "platform/scenar/basic/SoModule.h"
#include "views/PoBaseView.h"
#include "views/PoView.h"
#endif

namespace plivexwin::detail::labels {

const SbString graduations("Graduations");
const SbString title("Title");
const SbString reverseFlag("Reverse Flag");
const SbString miscTextAttr("Misc. Text Attr.");
const SbString margin("Margin");
const SbString grid("Grid");
const SbString arrow("Arrow");
const SbString tick("Tick");
const SbString cartesian("Cartesian");
const SbString linear("Linear");

}  // namespace plivexwin::detail::labels

#ifndef PLIVEXWIN_EDITORS_ONLY
// The class mutexes of the views and the statics all views share.
SbThreadMutex PoBaseView::classMutex;
SbThreadMutex PoView::classMutex;
SbVec4f PoBaseView::m_vvPortion(0, 0, 1, 1);
SbVec2s PoBaseView::m_currentLogicalViewportSize(1, 1);

namespace {

// The library's descriptor, registered with the toolkit for as long as it is loaded.
const SoModule moduleDescriptor("PlivexWin.dll", "8.0.0", "PlivexWin 8.0.0, full build");

}  // namespace
#endif
