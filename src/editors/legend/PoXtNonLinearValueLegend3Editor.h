#pragma once

#include "editors/legend/NonLinearValueLegendMembers.h"
#include "editors/legend/PoXtAutoValueLegendEditor.h"

// Edits a non-linear value legend (PoNonLinearValueLegend3): the value legend
// sections, and "Non Linear Values", a head without elements: the legend has
// nothing of its own to edit.
class PoXtNonLinearValueLegend3Editor : public PoXtAutoValueLegendEditor {
 public:
  explicit PoXtNonLinearValueLegend3Editor(HWND parent = nullptr, const char* name = nullptr,
                                           SbBool buildInsideParent = TRUE);
  ~PoXtNonLinearValueLegend3Editor() override = default;

  void setNonLinearValueLegend3Filter(uint32_t show, uint32_t hide);
  void getNonLinearValueLegend3Filter(uint32_t& show, uint32_t& hide) const;

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtNonLinearValueLegend3Editor"; }
  const char* getDefaultTitle() const override { return "PoXtNonLinearValueLegend3Editor"; }
  const char* getDefaultIconTitle() const override { return "PoXtNonLinearValueLegend3Editor"; }

  PO_XT_NON_LINEAR_VALUE_LEGEND_MEMBERS;
};
