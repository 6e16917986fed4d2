// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PbMiscTextAttr.h"
#include "platform/plivex/PoBase.h"
#include "platform/scenar/fields/SoSFields.h"

namespace plivex::detail {
enum class AxisOrientation : int;
struct AxisShape;
struct Graduations;
struct TextStyle;
}  // namespace plivex::detail

// What every axis has: graduations, margins, a title, a grid, an arrow and
// ticks. Not creatable. The value names of the enumerated fields are in
// PoAxisEnums.h.
//
// Every kind draws through the same code: the kind says where its line runs,
// in which plane, and what its graduations are; the fields here say how the
// line, ticks, texts, grid and arrow look (README.md in this folder has the
// table of what each field draws, and what DEPEND stands for).
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

  // The line, ticks, grid, arrow and texts of the axis.
  SoNode* buildGeometry() override;
  // What the kind draws: its path, plane and orientation, its graduations and,
  // for the kinds that have one, the place of the multiplication factor.
  virtual void describe(plivex::detail::AxisShape& shape) const = 0;
  // The style of a text drawn in the font named by name (the miscellaneous
  // text attribute's font when it is empty) at size.
  plivex::detail::TextStyle textStyle(const SoSFString& name, const SoSFFloat& size) const;
  // The path of the graduation texts (a value of kTextPath but DEPEND) on an
  // axis of that orientation.
  int gradTextPath(plivex::detail::AxisOrientation orientation) const;

 private:
  PbMiscTextAttr miscTextAttr_;
};
