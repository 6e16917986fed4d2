#pragma once

#include "editors/legend/NonLinearValueLegendMembers.h"
#include "editors/legend/PoXtAutoValueLegendEditor.h"

// Edits a non-linear value legend (PoNonLinearValueLegend2): the value legend
// sections, and "Non Linear Values", a head without elements: the legend has
// nothing of its own to edit.
class PoXtNonLinearValueLegend2Editor : public PoXtAutoValueLegendEditor {
 public:
  explicit PoXtNonLinearValueLegend2Editor(HWND parent = nullptr, const char* name = nullptr,
                                           SbBool buildInsideParent = TRUE);
  ~PoXtNonLinearValueLegend2Editor() override = default;

  void setNonLinearValueLegend2Filter(uint32_t show, uint32_t hide);
  void getNonLinearValueLegend2Filter(uint32_t& show, uint32_t& hide) const;

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtNonLinearValueLegend2Editor"; }
  const char* getDefaultTitle() const override { return "PoXtNonLinearValueLegend2Editor"; }
  const char* getDefaultIconTitle() const override { return "PoXtNonLinearValueLegend2Editor"; }

  PO_XT_NON_LINEAR_VALUE_LEGEND_MEMBERS;
};
