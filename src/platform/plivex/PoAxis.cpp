// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoAxis.h"

#include <cstdint>

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisDrawing.h"

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

namespace {

// An enumerated field of two choices and DEPEND as a flag: true for the value
// yes, false for no, dependValue for DEPEND (or a value out of the table).
bool isChosen(const SoSFEnum& field, int yes, int no, bool dependValue) {
  return field.getValue() == yes || (field.getValue() != no && dependValue);
}

bool isOn(const SoSFEnum& field, bool dependValue) {
  return isChosen(field, enumValue(kVisibility, "ON"), enumValue(kVisibility, "OFF"), dependValue);
}

// A text path, DEPEND (or a value out of the table) giving dependValue.
int pathOf(const SoSFEnum& field, int dependValue) {
  const int path = field.getValue();
  return path >= 0 && path < enumValue(kTextPath, "DEPEND") ? path : dependValue;
}

}  // namespace

detail::TextStyle PoAxis::textStyle(const SoSFString& name, const SoSFFloat& size) const {
  const SbString& font = name.getValue();
  return {font.isEmpty() ? miscTextAttr_.getFontName() : font, size.getValue()};
}

int PoAxis::gradTextPath(detail::AxisOrientation orientation) const {
  return pathOf(gradPath, detail::kDependValues[static_cast<std::size_t>(orientation)].gradPath);
}

SoNode* PoAxis::buildGeometry() {
  detail::AxisShape shape;
  describe(shape);
  const auto row = static_cast<std::size_t>(shape.orientation);
  const detail::DependValues& depend = detail::kDependValues[row];
  detail::AxisLook look;
  look.grad = {isOn(gradVisibility, depend.gradVisible), gradTextPath(shape.orientation),
               textStyle(gradFontName, gradFontSize), gradDistAxis.getValue()};
  look.gradAbove = isChosen(gradPosition, enumValue(kGradPosition, "ABOVE"),
                            enumValue(kGradPosition, "BELOW"), depend.gradAbove);
  if (gradStringVisibility.getValue()) look.gradSuffix = gradString.getValue().str();
  look.marginFixed = marginType.getValue() == enumValue(kMarginType, "FIXED");
  look.marginStart = marginStart.getValue();
  look.marginEnd = marginEnd.getValue();
  look.title = {isOn(titleVisibility, depend.titleVisible), pathOf(titlePath, depend.titlePath),
                textStyle(titleFontName, titleFontSize), titleDistAxis.getValue()};
  look.titleAtEnd = isChosen(titlePosition, enumValue(kTitlePosition, "END"),
                             enumValue(kTitlePosition, "MIDDLE"), depend.titleAtEnd);
  look.titleText = titleString.getValue().str();
  look.grid = isOn(gridVisibility, depend.grid);
  look.gridGradSide = gridLengthGradSide.getValue();
  look.gridOtherSide = gridLengthGradOtherSide.getValue();
  look.arrow = isOn(arrowVisibility, depend.arrow);
  look.arrowHeight = arrowHeight.getValue();
  look.arrowLength = arrowLength.getValue();
  look.ticks = isOn(tickVisibility, depend.ticks);
  look.tickPosition = tickPosition.getValue();
  look.tickMainLength = tickMainLength.getValue();
  look.tickSubLength = tickSubLength.getValue();
  look.subTicksByPeriod = tickSubDef.getValue() == enumValue(kTickSubDef, "PERIOD_MAIN");
  look.tickNumOrPeriod = tickNumOrPeriod.getValue();
  look.tickFirstGrad = tickFirstGrad.getValue();
  look.tickLastGrad = tickLastGrad.getValue();
  look.reverse = isChosen(reverseFlag, enumValue(kReverseFlag, "REVERSE"),
                          enumValue(kReverseFlag, "NO_REVERSE"), depend.reverse);
  look.lineSpacing = miscTextAttr_.getLineSpacing();
  return detail::drawAxis(shape, look);
}
