// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoTimeAxis.h"

#include <algorithm>
#include <string>

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisDrawing.h"
#include "platform/plivex/detail/DateGraduations.h"

SO_NODE_SOURCE(PoTimeAxis)

using namespace plivex;

void PoTimeAxis::initClass() { SO_NODE_INIT_CLASS(PoTimeAxis, "PoTimeAxis"); }

PoTimeAxis::PoTimeAxis() {
  SO_NODE_CONSTRUCTOR(PoTimeAxis);
  SO_NODE_ADD_FIELD(startDate, ("1-01-70"));
  SO_NODE_ADD_FIELD(endDate, ("2-01-70"));
  SO_NODE_ADD_FIELD(coordinate, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(type, kTimeAxisType, "X");
  PO_NODE_ADD_ENUM_FIELD(language, kLanguage, "ENGLISH");
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
  SO_NODE_ADD_EMPTY_FIELD(gradRep);
  SO_NODE_ADD_FIELD(timesPeriod, (""));
}

PoTimeAxis::~PoTimeAxis() = default;

void PoTimeAxis::describe(detail::AxisShape& shape) const {
  const bool alongY = type.getValue() == enumValue(kTimeAxisType, "Y");
  shape.path.origin =
      alongY ? SbVec3f(coordinate.getValue(), 0, 0) : SbVec3f(0, coordinate.getValue(), 0);
  shape.path.along = alongY ? SbVec3f(0, 1, 0) : SbVec3f(1, 0, 0);
  shape.path.above = alongY ? SbVec3f(1, 0, 0) : SbVec3f(0, 1, 0);
  shape.orientation = alongY ? detail::AxisOrientation::Y : detail::AxisOrientation::X;

  detail::TimeOptions options;
  options.fit = gradFit.getValue() != enumValue(kGradFit, "UNFIT");
  options.language = language.getValue();
  options.period = timesPeriod.getValue().str();
  options.mapping = &dateFormatMapping_;
  for (int i = 0; i < gradRep.getNum() && i < 4; ++i) options.lines.push_back(gradRep[i].str());
  // The texts take their width along the axis when they run along it, else
  // their height.
  const int path = gradTextPath(shape.orientation);
  const bool runAlong =
      (path == enumValue(kTextPath, "RIGHT") || path == enumValue(kTextPath, "LEFT")) != alongY;
  const detail::TextStyle style = textStyle(gradFontName, gradFontSize);
  const float spacing = getMiscTextAttr()->getLineSpacing();
  options.room = [style, runAlong, spacing](const detail::Graduation& graduation) {
    const double lines = 1.0 + graduation.moreLines.size();
    if (!runAlong)
      return detail::textAscent(style) + detail::textDescent(style) +
             (lines - 1) * style.size * spacing;
    double width = detail::textWidth(style, graduation.text);
    for (const std::string& line : graduation.moreLines)
      width = std::max<double>(width, detail::textWidth(style, line));
    return width;
  };
  shape.graduations =
      detail::timeGraduations(startDate.getValue().str(), endDate.getValue().str(), options);
}
