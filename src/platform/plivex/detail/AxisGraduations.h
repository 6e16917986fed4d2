// SPDX-License-Identifier: Apache-2.0
#pragma once

// The graduations of the axis kinds: where each stands along the axis and
// what it reads, from the kind's own fields.

#include <string>
#include <string_view>
#include <vector>

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/PlotText.h"

class PbNumericDisplayFormat;

namespace plivex::detail {

struct Graduation {
  double t = 0;  // along the axis, as AxisPath places it
  std::string text;
  std::vector<std::string> moreLines;  // lines written under the text
};

struct Graduations {
  std::vector<Graduation> main;  // from the axis's start to its end
  // Sub graduations of the kind's own (a logarithmic axis's 2 to 9 in each
  // decade), written in subStyle; when hasOwnSubs is false the drawing makes
  // sub-ticks between the main graduations itself.
  std::vector<Graduation> sub;
  bool hasOwnSubs = false;
  TextStyle subStyle;
  // The power of ten factored out of the texts, as "×10³"; empty when none.
  std::string multFactor;
};

// "10" with exponent written in superscript digits: "10³", "10⁻²".
std::string tenPower(double exponent);

// Values from lo to hi (either order) every step; a step that is not positive
// and finite, or would give more than kMaxTicks values, is replaced by a
// round one: 1, 2 or 5 times a power of ten, for 5 to 11 values. fit puts the
// values at multiples of the step, else they start at lo.
std::vector<double> evenValues(double lo, double hi, double step, bool fit);
// The same in degrees, a round step being 1, 2, 5, 10, 15, 30, 45 or 90
// degrees for at most 13 values.
std::vector<double> evenDegrees(double lo, double hi, double step, bool fit);

// A linear scale from lo to hi: evenValues written with format; a power of
// ten is factored out when the largest value is at least 10⁴ or below 10⁻².
Graduations linearGraduations(double lo, double hi, double step, bool fit,
                              const PbNumericDisplayFormat& format);
// Angles from lo to hi degrees: evenDegrees written from 0 to 360 with a
// degree sign; a graduation a whole turn from the first is left out.
Graduations angleGraduations(double lo, double hi, double step, bool fit);
// One graduation per text, spread evenly from one end to the other.
Graduations listGraduations(const std::vector<std::string>& texts);

// How a logarithmic scale writes its graduations: the values of its
// enumerated fields (PoAxisEnums.h), the in-decade values decadeList gives
// and the style of the in-decade texts.
struct DecadeOptions {
  int tenPowerRep = 2;
  int decadeRep = 4;
  bool listed = false;        // decadeListDef NON_AUTO
  std::vector<int> inDecade;  // the listed values from 2 to 9
  TextStyle decadeStyle;
};
// A logarithmic scale whose coordinates lo to hi are powers of ten: a main
// graduation at each whole exponent, written "10³" (tenPowerRep POWER_10 or
// DEPEND) or "1000" (DECIMAL, the lowest power of ten factored out when one
// is beyond 10⁴ or below 10⁻³), and sub graduations at 2 to 9 times each
// power of ten (or the values listed), written "2×10³", "2000", "2" or not at
// all (decadeRep AS_TEN_POWER, DECIMAL, DIGIT, NONE or DEPEND).
Graduations logGraduations(double lo, double hi, const DecadeOptions& options);

// Reads a logarithmic axis's decade fields (its kind's or the polar one's).
template <typename LogAxis>
DecadeOptions decadeOptionsOf(const LogAxis& axis, const TextStyle& decadeStyle) {
  DecadeOptions options;
  options.tenPowerRep = axis.tenPowerRep.getValue();
  options.decadeRep = axis.decadeRep.getValue();
  options.listed = axis.decadeListDef.getValue() == enumValue(kDecadeListDef, "NON_AUTO");
  for (int i = 0; i < axis.decadeList.getNum(); ++i)
    if (axis.decadeList[i] >= 2 && axis.decadeList[i] <= 9)
      options.inDecade.push_back(axis.decadeList[i]);
  options.decadeStyle = decadeStyle;
  return options;
}

}  // namespace plivex::detail
