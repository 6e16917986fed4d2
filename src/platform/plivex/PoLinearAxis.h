// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PbNumericDisplayFormat.h"
#include "platform/plivex/PoCartesianAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// A cartesian axis graduated at even steps.
class PoLinearAxis : public PoCartesianAxis {
  SO_NODE_HEADER(PoLinearAxis, PoCartesianAxis);

 public:
  SoSFFloat step;                // between two graduations; 0: chosen from the axis's length
  SoSFEnum gradFit;              // FIT, UNFIT
  SoSFEnum multFactorPosition;   // START, END, EXTR, GRAD
  SoSFFloat multFactorDistAxis;  // distance of the multiplication factor from the axis

  PoLinearAxis();

  // The node's own format; valid while the node lives.
  const PbNumericDisplayFormat* getFormat() const { return &format_; }
  // Copies format's content into the node's format (nullptr: the default
  // format) and tells the node's auditors that the node changed.
  void setFormat(const PbNumericDisplayFormat* format) { setAttribute(format_, format); }

 protected:
  ~PoLinearAxis() override;

  // Numbers every step (a round step when it is 0), written with the format.
  void graduate(plivex::detail::AxisShape& shape, float from, float to) const override;

 private:
  PbNumericDisplayFormat format_;
};
