// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/legend/PoXtNonLinearValueLegendMembers.h"

/// Edits a non-linear value legend (PoNonLinearValueLegend2): the value legend
/// sections, and "Non Linear Values", a head without elements: the legend has
/// nothing of its own to edit.
class PoXtNonLinearValueLegend2Editor : public PoXtAutoValueLegendEditor {
 public:
  explicit PoXtNonLinearValueLegend2Editor(HWND parent = nullptr, const char* name = nullptr,
                                           SbBool buildInsideParent = TRUE);
  ~PoXtNonLinearValueLegend2Editor() override = default;

  void setNonLinearValueLegend2Filter(uint32_t show, uint32_t hide);
  void getNonLinearValueLegend2Filter(uint32_t& show, uint32_t& hide) const {
    show = nonLinearValueLegendFilter.show, hide = nonLinearValueLegendFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtNonLinearValueLegend2Editor"; }
  const char* getDefaultTitle() const override { return "PoXtNonLinearValueLegend2Editor"; }
  const char* getDefaultIconTitle() const override { return "PoXtNonLinearValueLegend2Editor"; }
  PO_XT_NON_LINEAR_VALUE_LEGEND_LEVEL_MEMBERS;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtNonLinearValueLegend2Editor, PoXtAutoValueLegendEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtNonLinearValueLegend2Editor> levelMembers{
      .filter = &PoXtNonLinearValueLegend2Editor::nonLinearValueLegendFilter,
      .sectionCount = &PoXtNonLinearValueLegend2Editor::nonLinearValueSectionCount,
      .filterBuilt = &PoXtNonLinearValueLegend2Editor::nonLinearValueLegendFilterBuilt};

  static void nonLinearValueElementsCallback(void* editor, PoXtDialogDataCB* record);
};
