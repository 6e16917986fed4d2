// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/framework/PoXtValueLegendEditor.h"

/// The class level shared by the editors of value legends laid out by
/// themselves (linear and non-linear): the "Auto Values" section, with the
/// legend's start and end corners.
class PoXtAutoValueLegendEditor : public PoXtValueLegendEditor {
 public:
  ~PoXtAutoValueLegendEditor() override = default;

  void setAutoValueLegendFilter(uint32_t show, uint32_t hide);
  void getAutoValueLegendFilter(uint32_t& show, uint32_t& hide) const {
    show = autoValueLegendFilter.show, hide = autoValueLegendFilter.hide;
  }

 protected:
  explicit PoXtAutoValueLegendEditor(HWND parent = nullptr, const char* name = nullptr,
                                     SbBool buildInsideParent = TRUE);

  const char* getDefaultWidgetName() const override { return "PoXtAutoValueLegendEditor"; }
  const char* getDefaultTitle() const override { return "PoXtAutoValueLegendEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtAutoValueLegendEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setFilter() override;
  void copyLegendFields(PoLegend* to, PoLegend* from) override;
  void updateLegendFromXtElements() override;
  int getMenuItems() const override {
    return PoXtValueLegendEditor::getMenuItems() + autoValueSectionCount;
  }

  /// Set by the constructor from the level's description.
  PoXtElementFilter autoValueLegendFilter;
  int autoValueSectionCount = 0;
  int autoValueLegendFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtAutoValueLegendEditor, PoXtValueLegendEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtAutoValueLegendEditor> levelMembers{
      .filter = &PoXtAutoValueLegendEditor::autoValueLegendFilter,
      .sectionCount = &PoXtAutoValueLegendEditor::autoValueSectionCount,
      .filterBuilt = &PoXtAutoValueLegendEditor::autoValueLegendFilterBuilt};

  static void autoValueElementsCallback(void* editor, PoXtDialogDataCB* record);
};
