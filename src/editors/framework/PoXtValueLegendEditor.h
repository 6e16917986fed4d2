// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/framework/PoXtLegendEditor.h"

/// The class level shared by the editors of value legends: the "Value" section,
/// with the texts of the values outside the legend's mapping and which of its
/// values are shown.
class PoXtValueLegendEditor : public PoXtLegendEditor {
 public:
  ~PoXtValueLegendEditor() override = default;

  void setValueLegendFilter(uint32_t show, uint32_t hide);
  void getValueLegendFilter(uint32_t& show, uint32_t& hide) const {
    show = valueLegendFilter.show, hide = valueLegendFilter.hide;
  }

 protected:
  explicit PoXtValueLegendEditor(HWND parent = nullptr, const char* name = nullptr,
                                 SbBool buildInsideParent = TRUE);

  const char* getDefaultWidgetName() const override { return "PoXtValueLegendEditor"; }
  const char* getDefaultTitle() const override { return "PoXtValueLegendEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtValueLegendEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setFilter() override;
  void copyLegendFields(PoLegend* to, PoLegend* from) override;
  void updateLegendFromXtElements() override;
  int getMenuItems() const override { return PoXtLegendEditor::getMenuItems() + valueSectionCount; }

  /// Set by the constructor from the level's description.
  PoXtElementFilter valueLegendFilter;
  int valueSectionCount = 0;
  int valueLegendFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtValueLegendEditor, PoXtLegendEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtValueLegendEditor> levelMembers{
      .filter = &PoXtValueLegendEditor::valueLegendFilter,
      .sectionCount = &PoXtValueLegendEditor::valueSectionCount,
      .filterBuilt = &PoXtValueLegendEditor::valueLegendFilterBuilt};

  static void valueElementsCallback(void* editor, PoXtDialogDataCB* record);
};
