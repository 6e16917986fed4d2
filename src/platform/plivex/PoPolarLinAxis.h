// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PbNumericDisplayFormat.h"
#include "platform/plivex/PoPolarAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// A radial axis graduated at even steps.
class PoPolarLinAxis : public PoPolarAxis {
  SO_NODE_HEADER(PoPolarLinAxis, PoPolarAxis);

 public:
  SoSFFloat step;    // between two graduations; 0: chosen from the axis's length
  SoSFEnum gradFit;  // FIT, UNFIT

  PoPolarLinAxis();

  // The node's own format; valid while the node lives.
  const PbNumericDisplayFormat* getFormat() const { return &format_; }
  // Copies format's content into the node's format (nullptr: the default
  // format) and tells the node's auditors that the node changed.
  void setFormat(const PbNumericDisplayFormat* format) { setAttribute(format_, format); }

 protected:
  ~PoPolarLinAxis() override;

  // Numbers every step (a round step when it is 0), written with the format.
  plivex::detail::Graduations graduate(double from, double to) const override;

 private:
  PbNumericDisplayFormat format_;
};
