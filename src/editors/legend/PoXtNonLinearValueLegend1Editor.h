// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/legend/PoXtNonLinearValueLegendMembers.h"

/// Edits a non-linear value legend (PoNonLinearValueLegend1): the value legend
/// sections, and "Non Linear Values" with the texts before the first level,
/// after the last one and between the two levels of an interval.
class PoXtNonLinearValueLegend1Editor : public PoXtAutoValueLegendEditor {
 public:
  explicit PoXtNonLinearValueLegend1Editor(HWND parent = nullptr, const char* name = nullptr,
                                           SbBool buildInsideParent = TRUE);
  ~PoXtNonLinearValueLegend1Editor() override = default;

  void setNonLinearValueLegend1Filter(uint32_t show, uint32_t hide);
  void getNonLinearValueLegend1Filter(uint32_t& show, uint32_t& hide) const {
    show = nonLinearValueLegendFilter.show, hide = nonLinearValueLegendFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtNonLinearValueLegend1Editor"; }
  const char* getDefaultTitle() const override { return "PoXtNonLinearValueLegend1Editor"; }
  const char* getDefaultIconTitle() const override { return "PoXtNonLinearValueLegend1Editor"; }
  PO_XT_NON_LINEAR_VALUE_LEGEND_LEVEL_MEMBERS;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtNonLinearValueLegend1Editor, PoXtAutoValueLegendEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtNonLinearValueLegend1Editor> levelMembers{
      .filter = &PoXtNonLinearValueLegend1Editor::nonLinearValueLegendFilter,
      .sectionCount = &PoXtNonLinearValueLegend1Editor::nonLinearValueSectionCount,
      .filterBuilt = &PoXtNonLinearValueLegend1Editor::nonLinearValueLegendFilterBuilt};

  static void nonLinearValueElementsCallback(void* editor, PoXtDialogDataCB* record);
};
