// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PbDateFormatMapping.h"
#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"

// An axis parallel to X or Y graduated with the dates between two dates. It is
// drawn from 0 to 1 along its direction, at coordinate on the other axis, the
// start date at 0 and the end date at 1. Dates are written "D-MM-YY" (see
// the README); the graduations come every round period (timesPeriod, when it
// names one), written with the formats of gradRep, else the date format
// mapping's, in the names of language.
class PoTimeAxis : public PoAxis {
  SO_NODE_HEADER(PoTimeAxis, PoAxis);

 public:
  SoSFString startDate;
  SoSFString endDate;
  SoSFFloat coordinate;  // of the axis's line on the other coordinate axis
  SoSFEnum type;         // X, Y
  SoSFEnum language;     // ENGLISH, FRANCAIS, DEUTCH, ESPANOL
  SoSFEnum gradFit;      // FIT, UNFIT
  SoMFString gradRep;
  SoSFString timesPeriod;

  PoTimeAxis();

  // The node's own mapping; valid while the node lives.
  const PbDateFormatMapping* getDateFormatMapping() const { return &dateFormatMapping_; }
  // Copies mapping's content into the node's mapping (nullptr: an empty
  // mapping) and tells the node's auditors that the node changed.
  void setDateFormatMapping(const PbDateFormatMapping* mapping) {
    setAttribute(dateFormatMapping_, mapping);
  }

 protected:
  ~PoTimeAxis() override;

  void describe(plivex::detail::AxisShape& shape) const override;

 private:
  PbDateFormatMapping dateFormatMapping_;
};
