#include "plivexwin/EditorHarness.h"

#include "editors/axis/PoXtAngularAxisEditor.h"
#include "editors/axis/PoXtGenAxisEditor.h"
#include "editors/axis/PoXtLinearAxisEditor.h"
#include "editors/axis/PoXtLogAxisEditor.h"
#include "editors/axis/PoXtPolarLinAxisEditor.h"
#include "editors/axis/PoXtPolarLogAxisEditor.h"
#include "editors/axis/PoXtTimeAxisEditor.h"
#include "platform/plivex/PoAngularAxis.h"
#include "platform/plivex/PoBase.h"
#include "platform/plivex/PoGenAxis.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoLogAxis.h"
#include "platform/plivex/PoPolarLinAxis.h"
#include "platform/plivex/PoPolarLogAxis.h"
#include "platform/plivex/PoTimeAxis.h"
#include "plivexwin/EditorHarnessOf.h"

namespace plivexwin::cli {

namespace {

// The filter levels of the class levels, outermost first.
constexpr FilterLevel kText =
    filterLevel<&PoXtAxisEditor::setTextAxisFilter, &PoXtAxisEditor::getTextAxisFilter>("text");
constexpr FilterLevel kGeom =
    filterLevel<&PoXtAxisEditor::setGeomAxisFilter, &PoXtAxisEditor::getGeomAxisFilter>("geom");
constexpr FilterLevel kCartesian =
    filterLevel<&PoXtCartesianAxisEditor::setCartesianAxisFilter,
                &PoXtCartesianAxisEditor::getCartesianAxisFilter>("cartesian");
constexpr FilterLevel kLinear = filterLevel<&PoXtLinearAxisEditor::setLinearAxisFilter,
                                            &PoXtLinearAxisEditor::getLinearAxisFilter>("linear");
constexpr FilterLevel kLog =
    filterLevel<&PoXtLogAxisEditor::setLogAxisFilter, &PoXtLogAxisEditor::getLogAxisFilter>("log");
constexpr FilterLevel kGen =
    filterLevel<&PoXtGenAxisEditor::setGenAxisFilter, &PoXtGenAxisEditor::getGenAxisFilter>("gen");
constexpr FilterLevel kTime =
    filterLevel<&PoXtTimeAxisEditor::setTimeAxisFilter, &PoXtTimeAxisEditor::getTimeAxisFilter>(
        "time");
constexpr FilterLevel kPolar =
    filterLevel<&PoXtPolarAxisEditor::setPolarAxisFilter, &PoXtPolarAxisEditor::getPolarAxisFilter>(
        "polar");
constexpr FilterLevel kPolarLin =
    filterLevel<&PoXtPolarLinAxisEditor::setPolarLinAxisFilter,
                &PoXtPolarLinAxisEditor::getPolarLinAxisFilter>("polarlin");
constexpr FilterLevel kPolarLog =
    filterLevel<&PoXtPolarLogAxisEditor::setPolarLogAxisFilter,
                &PoXtPolarLogAxisEditor::getPolarLogAxisFilter>("polarlog");
constexpr FilterLevel kAngular =
    filterLevel<&PoXtAngularAxisEditor::setAngularAxisFilter,
                &PoXtAngularAxisEditor::getAngularAxisFilter>("angular");

template <typename Editor, typename Node>
constexpr auto open = EditorHarnessOf<Editor, Node>::open;

// name, summary, filter levels, harness
constexpr EditorKind kKinds[] = {
    {"linear",
     "PoXtLinearAxisEditor editing a PoLinearAxis",
     {kText, kGeom, kCartesian, kLinear},
     open<PoXtLinearAxisEditor, PoLinearAxis>},
    {"log",
     "PoXtLogAxisEditor editing a PoLogAxis",
     {kText, kGeom, kCartesian, kLog},
     open<PoXtLogAxisEditor, PoLogAxis>},
    {"gen",
     "PoXtGenAxisEditor editing a PoGenAxis",
     {kText, kGeom, kCartesian, kGen},
     open<PoXtGenAxisEditor, PoGenAxis>},
    {"time",
     "PoXtTimeAxisEditor editing a PoTimeAxis",
     {kText, kGeom, kTime},
     open<PoXtTimeAxisEditor, PoTimeAxis>},
    {"polarlin",
     "PoXtPolarLinAxisEditor editing a PoPolarLinAxis",
     {kText, kGeom, kPolar, kPolarLin},
     open<PoXtPolarLinAxisEditor, PoPolarLinAxis>},
    {"polarlog",
     "PoXtPolarLogAxisEditor editing a PoPolarLogAxis",
     {kText, kGeom, kPolar, kPolarLog},
     open<PoXtPolarLogAxisEditor, PoPolarLogAxis>},
    {"angular",
     "PoXtAngularAxisEditor editing a PoAngularAxis",
     {kText, kGeom, kAngular},
     open<PoXtAngularAxisEditor, PoAngularAxis>},
};

}  // namespace

std::span<const FilterLevel> EditorKind::filterLevels() const {
  std::size_t count = 0;
  while (count < std::size(levels) && !levels[count].name.empty()) ++count;
  return {levels, count};
}

const FilterLevel* EditorHarness::findLevel(std::string_view name) const {
  for (const FilterLevel& level : filterLevels())
    if (level.name == name) return &level;
  return nullptr;
}

std::span<const EditorKind> editorKinds() { return kKinds; }

std::unique_ptr<EditorHarness> openEditor(std::string_view kind) {
  for (const EditorKind& known : editorKinds()) {
    if (known.name != kind) continue;
    PoBase::initClasses();
    return known.open(known.filterLevels());
  }
  return nullptr;
}

}  // namespace plivexwin::cli
