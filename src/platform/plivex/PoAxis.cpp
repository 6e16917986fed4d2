#include "platform/plivex/PoAxis.h"

#include <cstdint>

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisGeometry.h"

SO_NODE_SOURCE(PoAxis)

using namespace plivex;

void PoAxis::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(PoAxis, "PoAxis"); }

PoAxis::PoAxis() {
  SO_NODE_CONSTRUCTOR(PoAxis);
  PO_NODE_ADD_ENUM_FIELD(gradVisibility, kVisibility, "DEPEND");
  PO_NODE_ADD_ENUM_FIELD(gradPosition, kGradPosition, "DEPEND");
  PO_NODE_ADD_ENUM_FIELD(gradPath, kTextPath, "DEPEND");
  SO_NODE_ADD_FIELD(gradFontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(gradFontSize, (0.04f));
  SO_NODE_ADD_FIELD(gradDistAxis, (0.02f));
  SO_NODE_ADD_FIELD(gradStringVisibility, (FALSE));
  SO_NODE_ADD_FIELD(gradString, (""));
  PO_NODE_ADD_ENUM_FIELD(marginType, kMarginType, "RELATIVE");
  SO_NODE_ADD_FIELD(marginStart, (0.0f));
  SO_NODE_ADD_FIELD(marginEnd, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(titleVisibility, kVisibility, "DEPEND");
  PO_NODE_ADD_ENUM_FIELD(titlePosition, kTitlePosition, "DEPEND");
  PO_NODE_ADD_ENUM_FIELD(titlePath, kTextPath, "DEPEND");
  SO_NODE_ADD_FIELD(titleFontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(titleFontSize, (0.05f));
  SO_NODE_ADD_FIELD(titleDistAxis, (0.08f));
  SO_NODE_ADD_FIELD(titleString, (""));
  PO_NODE_ADD_ENUM_FIELD(gridVisibility, kVisibility, "DEPEND");
  SO_NODE_ADD_FIELD(gridLengthGradSide, (0.0f));
  SO_NODE_ADD_FIELD(gridLengthGradOtherSide, (1.0f));
  PO_NODE_ADD_ENUM_FIELD(arrowVisibility, kVisibility, "DEPEND");
  SO_NODE_ADD_FIELD(arrowHeight, (0.02f));
  SO_NODE_ADD_FIELD(arrowLength, (0.05f));
  PO_NODE_ADD_ENUM_FIELD(tickVisibility, kVisibility, "DEPEND");
  PO_NODE_ADD_ENUM_FIELD(tickPosition, kTickPosition, "GRAD_SIDE");
  SO_NODE_ADD_FIELD(tickMainLength, (0.02f));
  SO_NODE_ADD_FIELD(tickSubLength, (0.01f));
  PO_NODE_ADD_ENUM_FIELD(tickSubDef, kTickSubDef, "NUM_SUB");
  SO_NODE_ADD_FIELD(tickNumOrPeriod, (uint16_t{1}));
  SO_NODE_ADD_FIELD(tickFirstGrad, (uint16_t{1}));
  SO_NODE_ADD_FIELD(tickLastGrad, (uint16_t{1}));
  PO_NODE_ADD_ENUM_FIELD(reverseFlag, kReverseFlag, "DEPEND");
}

PoAxis::~PoAxis() = default;

SoNode* PoAxis::buildGeometry() {
  std::vector<SbVec3f> segmentEnds;
  addAxisLine(segmentEnds);
  if (tickVisibility.getValue() != enumValue(kVisibility, "OFF")) {
    const float length = tickMainLength.getValue();
    // From the line outward, inward, or across it.
    float from = 0, to = length;
    if (tickPosition.getValue() == enumValue(kTickPosition, "GRAD_OTHER_SIDE"))
      from = 0, to = -length;
    else if (tickPosition.getValue() == enumValue(kTickPosition, "ACROSS_AXIS"))
      from = -length / 2, to = length / 2;
    for (const Tick& tick : mainTicks()) {
      segmentEnds.push_back(tick.at + tick.outward * from);
      segmentEnds.push_back(tick.at + tick.outward * to);
    }
  }
  return detail::segmentsOf(segmentEnds);
}
