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

// The filter levels of the class levels, outermost first: Editor's setter
// and getter of Level's filter, under a label.
#define PO_FILTER_LEVEL(Editor, Level, label) \
  filterLevel<&Editor::set##Level##Filter, &Editor::get##Level##Filter>(label)

constexpr FilterLevel kText = PO_FILTER_LEVEL(PoXtAxisEditor, TextAxis, "text");
constexpr FilterLevel kGeom = PO_FILTER_LEVEL(PoXtAxisEditor, GeomAxis, "geom");
constexpr FilterLevel kCartesian =
    PO_FILTER_LEVEL(PoXtCartesianAxisEditor, CartesianAxis, "cartesian");
constexpr FilterLevel kLinear = PO_FILTER_LEVEL(PoXtLinearAxisEditor, LinearAxis, "linear");
constexpr FilterLevel kLog = PO_FILTER_LEVEL(PoXtLogAxisEditor, LogAxis, "log");
constexpr FilterLevel kGen = PO_FILTER_LEVEL(PoXtGenAxisEditor, GenAxis, "gen");
constexpr FilterLevel kTime = PO_FILTER_LEVEL(PoXtTimeAxisEditor, TimeAxis, "time");
constexpr FilterLevel kPolar = PO_FILTER_LEVEL(PoXtPolarAxisEditor, PolarAxis, "polar");
constexpr FilterLevel kPolarLin = PO_FILTER_LEVEL(PoXtPolarLinAxisEditor, PolarLinAxis, "polarlin");
constexpr FilterLevel kPolarLog = PO_FILTER_LEVEL(PoXtPolarLogAxisEditor, PolarLogAxis, "polarlog");
constexpr FilterLevel kAngular = PO_FILTER_LEVEL(PoXtAngularAxisEditor, AngularAxis, "angular");
constexpr FilterLevel kLegend = PO_FILTER_LEVEL(PoXtLegendEditor, Legend, "legend");
constexpr FilterLevel kItem = PO_FILTER_LEVEL(PoXtItemLegendEditor, ItemLegend, "item");
constexpr FilterLevel kValue = PO_FILTER_LEVEL(PoXtValueLegendEditor, ValueLegend, "value");
constexpr FilterLevel kAutoValue =
    PO_FILTER_LEVEL(PoXtAutoValueLegendEditor, AutoValueLegend, "autovalue");
constexpr FilterLevel kLinearValue =
    PO_FILTER_LEVEL(PoXtLinearValueLegendEditor, LinearValueLegend, "linearvalue");
constexpr FilterLevel kNonLinear1 =
    PO_FILTER_LEVEL(PoXtNonLinearValueLegend1Editor, NonLinearValueLegend1, "nonlinear");
constexpr FilterLevel kNonLinear2 =
    PO_FILTER_LEVEL(PoXtNonLinearValueLegend2Editor, NonLinearValueLegend2, "nonlinear");
constexpr FilterLevel kNonLinear3 =
    PO_FILTER_LEVEL(PoXtNonLinearValueLegend3Editor, NonLinearValueLegend3, "nonlinear");

#undef PO_FILTER_LEVEL

template <typename Editor, typename Node>
constexpr auto open = EditorHarnessOf<Editor, Node>::open;

// A kind: its name, the editor it opens on a node of its class, and the
// editor's filter levels, outermost first.
#define PO_EDITOR_KIND(name, Editor, Node, ...) \
  { name, #Editor " editing a " #Node, {__VA_ARGS__}, open<Editor, Node> }

constexpr EditorKind kKinds[] = {
    PO_EDITOR_KIND("linear", PoXtLinearAxisEditor, PoLinearAxis, kText, kGeom, kCartesian, kLinear),
    PO_EDITOR_KIND("log", PoXtLogAxisEditor, PoLogAxis, kText, kGeom, kCartesian, kLog),
    PO_EDITOR_KIND("gen", PoXtGenAxisEditor, PoGenAxis, kText, kGeom, kCartesian, kGen),
    PO_EDITOR_KIND("time", PoXtTimeAxisEditor, PoTimeAxis, kText, kGeom, kTime),
    PO_EDITOR_KIND("polarlin", PoXtPolarLinAxisEditor, PoPolarLinAxis, kText, kGeom, kPolar,
                   kPolarLin),
    PO_EDITOR_KIND("polarlog", PoXtPolarLogAxisEditor, PoPolarLogAxis, kText, kGeom, kPolar,
                   kPolarLog),
    PO_EDITOR_KIND("angular", PoXtAngularAxisEditor, PoAngularAxis, kText, kGeom, kAngular),
    PO_EDITOR_KIND("item", PoXtItemLegendEditor, PoItemLegend, kLegend, kItem),
    PO_EDITOR_KIND("linearvalue", PoXtLinearValueLegendEditor, PoLinearValueLegend, kLegend, kValue,
                   kAutoValue, kLinearValue),
    PO_EDITOR_KIND("nonlinear1", PoXtNonLinearValueLegend1Editor, PoNonLinearValueLegend1, kLegend,
                   kValue, kAutoValue, kNonLinear1),
    PO_EDITOR_KIND("nonlinear2", PoXtNonLinearValueLegend2Editor, PoNonLinearValueLegend2, kLegend,
                   kValue, kAutoValue, kNonLinear2),
    PO_EDITOR_KIND("nonlinear3", PoXtNonLinearValueLegend3Editor, PoNonLinearValueLegend3, kLegend,
                   kValue, kAutoValue, kNonLinear3),
};

#undef PO_EDITOR_KIND

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
