// SPDX-License-Identifier: Apache-2.0
#include "editors/PoXtEditorKinds.h"

#include "editors/axis/PoXtAngularAxisEditor.h"
#include "editors/axis/PoXtGenAxisEditor.h"
#include "editors/axis/PoXtLinearAxisEditor.h"
#include "editors/axis/PoXtLogAxisEditor.h"
#include "editors/axis/PoXtPolarLinAxisEditor.h"
#include "editors/axis/PoXtPolarLogAxisEditor.h"
#include "editors/axis/PoXtTimeAxisEditor.h"
#include "editors/detail/level/Conversions.h"
#include "editors/legend/PoXtItemLegendEditor.h"
#include "editors/legend/PoXtLinearValueLegendEditor.h"
#include "editors/legend/PoXtNonLinearValueLegend1Editor.h"
#include "editors/legend/PoXtNonLinearValueLegend2Editor.h"
#include "editors/legend/PoXtNonLinearValueLegend3Editor.h"
#include "platform/plivex/PoAngularAxis.h"
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

namespace {

// A class level's filter setter and getter, given any editor: nothing and
// (0, 0) for an editor without that level.
template <auto Set>
void setter(SoWinComponent& editor, uint32_t show, uint32_t hide) {
  using Level = typename plivexwin::MemberOf<decltype(Set)>::Class;
  if (auto* level = dynamic_cast<Level*>(&editor)) (level->*Set)(show, hide);
}
template <auto Get>
void getter(const SoWinComponent& editor, uint32_t& show, uint32_t& hide) {
  using Level = typename plivexwin::MemberOf<decltype(Get)>::Class;
  show = hide = 0;
  if (auto* level = dynamic_cast<const Level*>(&editor)) (level->*Get)(show, hide);
}

// The class levels' filters.
constexpr PoXtFilterLevel kText{
    .name = "text",
    .set = setter<&PoXtAxisEditor::setTextAxisFilter>,
    .get = getter<&PoXtAxisEditor::getTextAxisFilter>,
};
constexpr PoXtFilterLevel kGeom{
    .name = "geom",
    .set = setter<&PoXtAxisEditor::setGeomAxisFilter>,
    .get = getter<&PoXtAxisEditor::getGeomAxisFilter>,
};
constexpr PoXtFilterLevel kCartesian{
    .name = "cartesian",
    .set = setter<&PoXtCartesianAxisEditor::setCartesianAxisFilter>,
    .get = getter<&PoXtCartesianAxisEditor::getCartesianAxisFilter>,
};
constexpr PoXtFilterLevel kLinear{
    .name = "linear",
    .set = setter<&PoXtLinearAxisEditor::setLinearAxisFilter>,
    .get = getter<&PoXtLinearAxisEditor::getLinearAxisFilter>,
};
constexpr PoXtFilterLevel kLog{
    .name = "log",
    .set = setter<&PoXtLogAxisEditor::setLogAxisFilter>,
    .get = getter<&PoXtLogAxisEditor::getLogAxisFilter>,
};
constexpr PoXtFilterLevel kGen{
    .name = "gen",
    .set = setter<&PoXtGenAxisEditor::setGenAxisFilter>,
    .get = getter<&PoXtGenAxisEditor::getGenAxisFilter>,
};
constexpr PoXtFilterLevel kTime{
    .name = "time",
    .set = setter<&PoXtTimeAxisEditor::setTimeAxisFilter>,
    .get = getter<&PoXtTimeAxisEditor::getTimeAxisFilter>,
};
constexpr PoXtFilterLevel kPolar{
    .name = "polar",
    .set = setter<&PoXtPolarAxisEditor::setPolarAxisFilter>,
    .get = getter<&PoXtPolarAxisEditor::getPolarAxisFilter>,
};
constexpr PoXtFilterLevel kPolarLin{
    .name = "polarlin",
    .set = setter<&PoXtPolarLinAxisEditor::setPolarLinAxisFilter>,
    .get = getter<&PoXtPolarLinAxisEditor::getPolarLinAxisFilter>,
};
constexpr PoXtFilterLevel kPolarLog{
    .name = "polarlog",
    .set = setter<&PoXtPolarLogAxisEditor::setPolarLogAxisFilter>,
    .get = getter<&PoXtPolarLogAxisEditor::getPolarLogAxisFilter>,
};
constexpr PoXtFilterLevel kAngular{
    .name = "angular",
    .set = setter<&PoXtAngularAxisEditor::setAngularAxisFilter>,
    .get = getter<&PoXtAngularAxisEditor::getAngularAxisFilter>,
};
constexpr PoXtFilterLevel kLegend{
    .name = "legend",
    .set = setter<&PoXtLegendEditor::setLegendFilter>,
    .get = getter<&PoXtLegendEditor::getLegendFilter>,
};
constexpr PoXtFilterLevel kItem{
    .name = "item",
    .set = setter<&PoXtItemLegendEditor::setItemLegendFilter>,
    .get = getter<&PoXtItemLegendEditor::getItemLegendFilter>,
};
constexpr PoXtFilterLevel kValue{
    .name = "value",
    .set = setter<&PoXtValueLegendEditor::setValueLegendFilter>,
    .get = getter<&PoXtValueLegendEditor::getValueLegendFilter>,
};
constexpr PoXtFilterLevel kAutoValue{
    .name = "autovalue",
    .set = setter<&PoXtAutoValueLegendEditor::setAutoValueLegendFilter>,
    .get = getter<&PoXtAutoValueLegendEditor::getAutoValueLegendFilter>,
};
constexpr PoXtFilterLevel kLinearValue{
    .name = "linearvalue",
    .set = setter<&PoXtLinearValueLegendEditor::setLinearValueLegendFilter>,
    .get = getter<&PoXtLinearValueLegendEditor::getLinearValueLegendFilter>,
};
constexpr PoXtFilterLevel kNonLinear1{
    .name = "nonlinear",
    .set = setter<&PoXtNonLinearValueLegend1Editor::setNonLinearValueLegend1Filter>,
    .get = getter<&PoXtNonLinearValueLegend1Editor::getNonLinearValueLegend1Filter>,
};
constexpr PoXtFilterLevel kNonLinear2{
    .name = "nonlinear",
    .set = setter<&PoXtNonLinearValueLegend2Editor::setNonLinearValueLegend2Filter>,
    .get = getter<&PoXtNonLinearValueLegend2Editor::getNonLinearValueLegend2Filter>,
};
constexpr PoXtFilterLevel kNonLinear3{
    .name = "nonlinear",
    .set = setter<&PoXtNonLinearValueLegend3Editor::setNonLinearValueLegend3Filter>,
    .get = getter<&PoXtNonLinearValueLegend3Editor::getNonLinearValueLegend3Filter>,
};

template <typename Editor, typename Node>
std::unique_ptr<SoWinComponent> makeEditor(SoNode& node, HWND parent, const char* name) {
  if (node.getTypeId() != Node::getClassTypeId()) return nullptr;
  auto editor = std::make_unique<Editor>(parent, name);
  editor->attach(static_cast<Node*>(&node));
  return editor;
}

// The filter levels of a kind, outermost first.
template <const PoXtFilterLevel&... Levels>
constexpr PoXtFilterLevel kLevelsOf[] = {Levels...};

// The kind of Editor, which edits Node and has the filter levels Levels.
template <typename Editor, typename Node, const PoXtFilterLevel&... Levels>
constexpr PoXtEditorKind kind(std::string_view name) {
  return {name, &Node::getClassTypeId, &makeEditor<Editor, Node>, kLevelsOf<Levels...>};
}

constexpr PoXtEditorKind kKinds[] = {
    kind<PoXtLinearAxisEditor, PoLinearAxis, kText, kGeom, kCartesian, kLinear>("linear"),
    kind<PoXtLogAxisEditor, PoLogAxis, kText, kGeom, kCartesian, kLog>("log"),
    kind<PoXtGenAxisEditor, PoGenAxis, kText, kGeom, kCartesian, kGen>("gen"),
    kind<PoXtTimeAxisEditor, PoTimeAxis, kText, kGeom, kTime>("time"),
    kind<PoXtPolarLinAxisEditor, PoPolarLinAxis, kText, kGeom, kPolar, kPolarLin>("polarlin"),
    kind<PoXtPolarLogAxisEditor, PoPolarLogAxis, kText, kGeom, kPolar, kPolarLog>("polarlog"),
    kind<PoXtAngularAxisEditor, PoAngularAxis, kText, kGeom, kAngular>("angular"),
    kind<PoXtItemLegendEditor, PoItemLegend, kLegend, kItem>("item"),
    kind<PoXtLinearValueLegendEditor, PoLinearValueLegend, kLegend, kValue, kAutoValue,
         kLinearValue>("linearvalue"),
    kind<PoXtNonLinearValueLegend1Editor, PoNonLinearValueLegend1, kLegend, kValue, kAutoValue,
         kNonLinear1>("nonlinear1"),
    kind<PoXtNonLinearValueLegend2Editor, PoNonLinearValueLegend2, kLegend, kValue, kAutoValue,
         kNonLinear2>("nonlinear2"),
    kind<PoXtNonLinearValueLegend3Editor, PoNonLinearValueLegend3, kLegend, kValue, kAutoValue,
         kNonLinear3>("nonlinear3"),
};

}  // namespace

std::span<const PoXtEditorKind> PoXtEditorKinds::all() { return kKinds; }

const PoXtEditorKind* PoXtEditorKinds::named(std::string_view name) {
  for (const PoXtEditorKind& kind : kKinds)
    if (kind.name == name) return &kind;
  return nullptr;
}

const PoXtEditorKind* PoXtEditorKinds::editing(SoType type) {
  if (type.isBad()) return nullptr;
  for (const PoXtEditorKind& kind : kKinds)
    if (kind.nodeType() == type) return &kind;
  return nullptr;
}
