// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/plivex/PbMiscTextAttr.h"
#include "platform/plivex/PoBase.h"
#include "platform/scenar/fields/SoSFields.h"

namespace plivex::detail {
struct LegendEntry;
}

// What every legend has: a title, the aspect of its values, margins and the
// layout of its items in columns. Not creatable. The value names of the
// enumerated fields are in PoLegendEnums.h.
//
// Every kind draws the same way: its boxes in the rectangle between its
// corners, inside the margins, beside the title; the kinds say which boxes.
class PoLegend : public PoBase {
  SO_NODE_HEADER(PoLegend, PoBase);

 public:
  SoSFEnum titleVisibility;  // OFF, ON
  SoSFEnum titlePosition;    // BOTTOM, TOP, RIGHT, LEFT
  SoSFEnum titlePath;        // RIGHT, LEFT, UP, DOWN
  SoSFFloat titleFontSize;
  SoSFString titleFontName;
  SoSFString titleString;
  SoSFEnum valueVisibility;  // OFF, ON
  SoSFEnum valuePosition;    // BOTTOM, TOP, RIGHT, LEFT
  SoSFString valueFontName;
  SoSFBool valueAddStringVisibility;
  SoSFString valueAddString;
  SoSFEnum marginType;  // RELATIVE, FIXED
  SoSFFloat marginLeft;
  SoSFFloat marginRight;
  SoSFFloat marginBottom;
  SoSFFloat marginTop;
  SoSFEnum incrementType;  // VERTICAL, HORIZONTAL
  SoSFUShort numColumns;
  SoSFFloat boxRatio;  // width over height of an item's box

  // The node's own attribute; valid while the node lives.
  const PbMiscTextAttr* getMiscTextAttr() const { return &miscTextAttr_; }
  // Copies attr's content into the node's attribute (nullptr: the default
  // attribute) and tells the node's auditors that the node changed.
  void setMiscTextAttr(const PbMiscTextAttr* attr) { setAttribute(miscTextAttr_, attr); }

 protected:
  PoLegend();
  ~PoLegend() override;

  SoNode* buildGeometry() override;
  // Two opposite corners of the legend's rectangle; false when it has none.
  virtual bool getCorners(SbVec2f& corner, SbVec2f& oppositeCorner) const;
  // Appends the legend's boxes in the order they are laid out; the layout
  // draws the first detail::kMaxLegendEntries of them.
  virtual void appendEntries(std::vector<plivex::detail::LegendEntry>& entries) const;

 private:
  PbMiscTextAttr miscTextAttr_;
};
