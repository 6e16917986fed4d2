#pragma once

#include "platform/plivex/PbDateFormatMapping.h"
#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"

// An axis parallel to X or Y graduated with the dates between two dates. It is
// drawn from 0 to 1 along its direction, at coordinate on the other axis, with
// a main tick at each end: at the start date and at the end date.
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

  void addAxisLine(std::vector<SbVec3f>& segmentEnds) const override;
  std::vector<Tick> mainTicks() const override;

 private:
  PbDateFormatMapping dateFormatMapping_;
};
