// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/framework/PoXtLegendEditor.h"

/// Edits an item legend (PoItemLegend): the common legend sections, and "Item"
/// with the legend's start and end corners and the visibility of the items'
/// boxes, lines and markers.
class PoXtItemLegendEditor : public PoXtLegendEditor {
 public:
  explicit PoXtItemLegendEditor(HWND parent = nullptr, const char* name = nullptr,
                                SbBool buildInsideParent = TRUE);
  ~PoXtItemLegendEditor() override = default;

  void setItemLegendFilter(uint32_t show, uint32_t hide);
  void getItemLegendFilter(uint32_t& show, uint32_t& hide) const {
    show = itemLegendFilter.show, hide = itemLegendFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtItemLegendEditor"; }
  const char* getDefaultTitle() const override { return "PoXtItemLegendEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtItemLegendEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setFilter() override;
  void copyLegendFields(PoLegend* to, PoLegend* from) override;
  void updateLegendFromXtElements() override;
  int getMenuItems() const override { return PoXtLegendEditor::getMenuItems() + itemSectionCount; }

  /// Set by the constructor from the level's description.
  PoXtElementFilter itemLegendFilter;
  int itemSectionCount = 0;
  int itemLegendFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtItemLegendEditor, PoXtLegendEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtItemLegendEditor> levelMembers{
      .filter = &PoXtItemLegendEditor::itemLegendFilter,
      .sectionCount = &PoXtItemLegendEditor::itemSectionCount,
      .filterBuilt = &PoXtItemLegendEditor::itemLegendFilterBuilt};

  static void itemElementsCallback(void* editor, PoXtDialogDataCB* record);
};
