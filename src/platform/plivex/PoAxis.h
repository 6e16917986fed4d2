#pragma once

#include <vector>

#include "platform/plivex/PbMiscTextAttr.h"
#include "platform/plivex/PoBase.h"
#include "platform/scenar/fields/SoSFields.h"

// What every axis has: graduations, margins, a title, a grid, an arrow and
// ticks. Not creatable. The value names of the enumerated fields are in
// PoAxisEnums.h.
//
// An axis draws its line and its main ticks as line segments; the rest of
// what its fields describe (texts, grid, arrow) is not drawn.
class PoAxis : public PoBase {
  SO_NODE_HEADER(PoAxis, PoBase);

 public:
  SoSFEnum gradVisibility;  // OFF, ON, DEPEND
  SoSFEnum gradPosition;    // ABOVE, BELOW, DEPEND
  SoSFEnum gradPath;        // RIGHT, LEFT, UP, DOWN, DEPEND
  SoSFString gradFontName;
  SoSFFloat gradFontSize;
  SoSFFloat gradDistAxis;
  SoSFBool gradStringVisibility;
  SoSFString gradString;
  SoSFEnum marginType;  // RELATIVE, FIXED
  SoSFFloat marginStart;
  SoSFFloat marginEnd;
  SoSFEnum titleVisibility;  // OFF, ON, DEPEND
  SoSFEnum titlePosition;    // MIDDLE, END, DEPEND
  SoSFEnum titlePath;        // RIGHT, LEFT, UP, DOWN, DEPEND
  SoSFString titleFontName;
  SoSFFloat titleFontSize;
  SoSFFloat titleDistAxis;
  SoSFString titleString;
  SoSFEnum gridVisibility;  // OFF, ON, DEPEND
  SoSFFloat gridLengthGradSide;
  SoSFFloat gridLengthGradOtherSide;
  SoSFEnum arrowVisibility;  // OFF, ON, DEPEND
  SoSFFloat arrowHeight;
  SoSFFloat arrowLength;
  SoSFEnum tickVisibility;  // OFF, ON, DEPEND
  SoSFEnum tickPosition;    // GRAD_SIDE, GRAD_OTHER_SIDE, ACROSS_AXIS
  SoSFFloat tickMainLength;
  SoSFFloat tickSubLength;
  SoSFEnum tickSubDef;  // NUM_SUB, PERIOD_MAIN
  SoSFUShort tickNumOrPeriod;
  SoSFUShort tickFirstGrad;
  SoSFUShort tickLastGrad;
  SoSFEnum reverseFlag;  // NO_REVERSE, REVERSE, DEPEND

  // The node's own attribute; valid while the node lives.
  const PbMiscTextAttr* getMiscTextAttr() const { return &miscTextAttr_; }
  // Copies attr's content into the node's attribute (nullptr: the default
  // attribute) and tells the node's auditors that the node changed.
  void setMiscTextAttr(const PbMiscTextAttr* attr) { setAttribute(miscTextAttr_, attr); }

 protected:
  PoAxis();
  ~PoAxis() override;

  // A main tick: its place on the axis's line and the direction, of unit
  // length, it stands out in on the graduations' side.
  struct Tick {
    SbVec3f at;
    SbVec3f outward;
  };

  // The line and, unless tickVisibility is OFF, the main ticks: tickMainLength
  // long, on the side tickPosition names.
  SoNode* buildGeometry() override;
  // The axis's line as segments, each a pair of points.
  virtual void addAxisLine(std::vector<SbVec3f>& segmentEnds) const = 0;
  virtual std::vector<Tick> mainTicks() const = 0;

 private:
  PbMiscTextAttr miscTextAttr_;
};
