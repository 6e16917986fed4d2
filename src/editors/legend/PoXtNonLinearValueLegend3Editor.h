// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/legend/PoXtNonLinearValueLegendMembers.h"

/// Edits a non-linear value legend (PoNonLinearValueLegend3): the value legend
/// sections, and "Non Linear Values", a head without elements: the legend has
/// nothing of its own to edit.
class PoXtNonLinearValueLegend3Editor : public PoXtAutoValueLegendEditor {
 public:
  explicit PoXtNonLinearValueLegend3Editor(HWND parent = nullptr, const char* name = nullptr,
                                           SbBool buildInsideParent = TRUE);
  ~PoXtNonLinearValueLegend3Editor() override = default;

  void setNonLinearValueLegend3Filter(uint32_t show, uint32_t hide);
  void getNonLinearValueLegend3Filter(uint32_t& show, uint32_t& hide) const {
    show = nonLinearValueLegendFilter.show, hide = nonLinearValueLegendFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtNonLinearValueLegend3Editor"; }
  const char* getDefaultTitle() const override { return "PoXtNonLinearValueLegend3Editor"; }
  const char* getDefaultIconTitle() const override { return "PoXtNonLinearValueLegend3Editor"; }
  PO_XT_NON_LINEAR_VALUE_LEGEND_LEVEL_MEMBERS;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtNonLinearValueLegend3Editor, PoXtAutoValueLegendEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtNonLinearValueLegend3Editor> levelMembers{
      .filter = &PoXtNonLinearValueLegend3Editor::nonLinearValueLegendFilter,
      .sectionCount = &PoXtNonLinearValueLegend3Editor::nonLinearValueSectionCount,
      .filterBuilt = &PoXtNonLinearValueLegend3Editor::nonLinearValueLegendFilterBuilt};

  static void nonLinearValueElementsCallback(void* editor, PoXtDialogDataCB* record);
};
