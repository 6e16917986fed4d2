// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PoPolarAxis.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"

// A radial axis graduated at powers of ten.
class PoPolarLogAxis : public PoPolarAxis {
  SO_NODE_HEADER(PoPolarLogAxis, PoPolarAxis);

 public:
  SoMFUShort decadeList;   // the decades to label when decadeListDef is NON_AUTO
  SoSFEnum decadeListDef;  // AUTO, NON_AUTO
  SoSFEnum tenPowerRep;    // POWER_10, DECIMAL, DEPEND
  SoSFEnum decadeRep;      // NONE, AS_TEN_POWER, DECIMAL, DIGIT, DEPEND
  SoSFString decadeFontName;
  SoSFFloat decadeFontSize;

  PoPolarLogAxis();

 protected:
  ~PoPolarLogAxis() override;

  // The values are powers of ten: a main graduation at every decade, the
  // whole values, and sub graduations within the decades.
  plivex::detail::Graduations graduate(double from, double to) const override;
};
