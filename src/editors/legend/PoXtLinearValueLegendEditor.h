// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/legend/PoXtAutoValueLegendEditor.h"

/// Edits a linear value legend (PoLinearValueLegend): the value legend
/// sections, and " Linear Values" with which of the legend's values are shown.
class PoXtLinearValueLegendEditor : public PoXtAutoValueLegendEditor {
 public:
  explicit PoXtLinearValueLegendEditor(HWND parent = nullptr, const char* name = nullptr,
                                       SbBool buildInsideParent = TRUE);
  ~PoXtLinearValueLegendEditor() override = default;

  void setLinearValueLegendFilter(uint32_t show, uint32_t hide);
  void getLinearValueLegendFilter(uint32_t& show, uint32_t& hide) const {
    show = linearValueLegendFilter.show, hide = linearValueLegendFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtLinearValueLegendEditor"; }
  const char* getDefaultTitle() const override { return "PoXtLinearValueLegendEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtLinearValueLegendEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setFilter() override;
  void copyLegendFields(PoLegend* to, PoLegend* from) override;
  void updateLegendFromXtElements() override;
  int getMenuItems() const override {
    return PoXtAutoValueLegendEditor::getMenuItems() + linearValueSectionCount;
  }

  /// Set by the constructor from the level's description.
  PoXtElementFilter linearValueLegendFilter;
  int linearValueSectionCount = 0;
  int linearValueLegendFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtLinearValueLegendEditor, PoXtAutoValueLegendEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtLinearValueLegendEditor> levelMembers{
      .filter = &PoXtLinearValueLegendEditor::linearValueLegendFilter,
      .sectionCount = &PoXtLinearValueLegendEditor::linearValueSectionCount,
      .filterBuilt = &PoXtLinearValueLegendEditor::linearValueLegendFilterBuilt};

  static void linearValueElementsCallback(void* editor, PoXtDialogDataCB* record);
};
