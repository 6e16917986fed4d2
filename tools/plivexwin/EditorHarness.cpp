#include "plivexwin/EditorHarness.h"

#include "editors/axis/PoXtAngularAxisEditor.h"
#include "editors/axis/PoXtGenAxisEditor.h"
#include "editors/axis/PoXtLinearAxisEditor.h"
#include "editors/axis/PoXtLogAxisEditor.h"
#include "editors/axis/PoXtPolarLinAxisEditor.h"
#include "editors/axis/PoXtPolarLogAxisEditor.h"
#include "editors/axis/PoXtTimeAxisEditor.h"
#include "editors/legend/PoXtItemLegendEditor.h"
#include "editors/legend/PoXtLinearValueLegendEditor.h"
#include "editors/legend/PoXtNonLinearValueLegend1Editor.h"
#include "editors/legend/PoXtNonLinearValueLegend2Editor.h"
#include "editors/legend/PoXtNonLinearValueLegend3Editor.h"
#include "platform/plivex/PoAngularAxis.h"
#include "platform/plivex/PoBase.h"
#include "platform/plivex/PoGenAxis.h"
#include "platform/plivex/PoItemLegend.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoLinearValueLegend.h"
#include "platform/plivex/PoLogAxis.h"
#include "platform/plivex/PoNonLinearValueLegend1.h"
#include "platform/plivex/PoNonLinearValueLegend2.h"
#include "platform/plivex/PoNonLinearValueLegend3.h"
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

constexpr FilterLevel kLegend =
    filterLevel<&PoXtLegendEditor::setLegendFilter, &PoXtLegendEditor::getLegendFilter>("legend");
constexpr FilterLevel kItem = filterLevel<&PoXtItemLegendEditor::setItemLegendFilter,
                                          &PoXtItemLegendEditor::getItemLegendFilter>("item");
constexpr FilterLevel kValue = filterLevel<&PoXtValueLegendEditor::setValueLegendFilter,
                                           &PoXtValueLegendEditor::getValueLegendFilter>("value");
constexpr FilterLevel kAutoValue =
    filterLevel<&PoXtAutoValueLegendEditor::setAutoValueLegendFilter,
                &PoXtAutoValueLegendEditor::getAutoValueLegendFilter>("autovalue");
constexpr FilterLevel kLinearValue =
    filterLevel<&PoXtLinearValueLegendEditor::setLinearValueLegendFilter,
                &PoXtLinearValueLegendEditor::getLinearValueLegendFilter>("linearvalue");
constexpr FilterLevel kNonLinear1 =
    filterLevel<&PoXtNonLinearValueLegend1Editor::setNonLinearValueLegend1Filter,
                &PoXtNonLinearValueLegend1Editor::getNonLinearValueLegend1Filter>("nonlinear");
constexpr FilterLevel kNonLinear2 =
    filterLevel<&PoXtNonLinearValueLegend2Editor::setNonLinearValueLegend2Filter,
                &PoXtNonLinearValueLegend2Editor::getNonLinearValueLegend2Filter>("nonlinear");
constexpr FilterLevel kNonLinear3 =
    filterLevel<&PoXtNonLinearValueLegend3Editor::setNonLinearValueLegend3Filter,
                &PoXtNonLinearValueLegend3Editor::getNonLinearValueLegend3Filter>("nonlinear");

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
    {"item",
     "PoXtItemLegendEditor editing a PoItemLegend",
     {kLegend, kItem},
     open<PoXtItemLegendEditor, PoItemLegend>},
    {"linearvalue",
     "PoXtLinearValueLegendEditor editing a PoLinearValueLegend",
     {kLegend, kValue, kAutoValue, kLinearValue},
     open<PoXtLinearValueLegendEditor, PoLinearValueLegend>},
    {"nonlinear1",
     "PoXtNonLinearValueLegend1Editor editing a PoNonLinearValueLegend1",
     {kLegend, kValue, kAutoValue, kNonLinear1},
     open<PoXtNonLinearValueLegend1Editor, PoNonLinearValueLegend1>},
    {"nonlinear2",
     "PoXtNonLinearValueLegend2Editor editing a PoNonLinearValueLegend2",
     {kLegend, kValue, kAutoValue, kNonLinear2},
     open<PoXtNonLinearValueLegend2Editor, PoNonLinearValueLegend2>},
    {"nonlinear3",
     "PoXtNonLinearValueLegend3Editor editing a PoNonLinearValueLegend3",
     {kLegend, kValue, kAutoValue, kNonLinear3},
     open<PoXtNonLinearValueLegend3Editor, PoNonLinearValueLegend3>},
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
    return known.open(known.filterLevels(), nullptr);
  }
  return nullptr;
}

std::unique_ptr<EditorHarness> openEditorOn(SoNode& node) {
  for (const EditorKind& kind : editorKinds())
    if (std::unique_ptr<EditorHarness> harness = kind.open(kind.filterLevels(), &node))
      return harness;
  return nullptr;
}

}  // namespace plivexwin::cli
