// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PoCartesianAxis.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"

// A cartesian axis graduated at powers of ten.
class PoLogAxis : public PoCartesianAxis {
  SO_NODE_HEADER(PoLogAxis, PoCartesianAxis);

 public:
  SoMFUShort decadeList;   // the decades to label when decadeListDef is NON_AUTO
  SoSFEnum decadeListDef;  // AUTO, NON_AUTO
  SoSFEnum tenPowerRep;    // POWER_10, DECIMAL, DEPEND
  SoSFEnum decadeRep;      // NONE, AS_TEN_POWER, DECIMAL, DIGIT, DEPEND
  SoSFString decadeFontName;
  SoSFFloat decadeFontSize;
  SoSFEnum multFactorPosition;  // START, END, EXTR, GRAD
  SoSFFloat multFactorDistAxis;

  PoLogAxis();

 protected:
  ~PoLogAxis() override;

  // The coordinates are powers of ten: a main graduation at every decade, the
  // whole coordinates, and sub graduations within the decades.
  void graduate(plivex::detail::AxisShape& shape, float from, float to) const override;
};
