// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/AxisMarks.h"

#include <algorithm>

#include "platform/plivex/detail/AxisGeometry.h"

namespace plivex::detail {

namespace {

// Sub-ticks every `each` between the marked graduations, and on toward the
// ends of the graduated range at the spacing of the interval next to them.
void addEvenSubTicks(const std::vector<Graduation>& marked, int each, bool toTheEnds,
                     std::vector<double>& ticks) {
  if (marked.size() < 2 || each <= 0) return;
  for (std::size_t i = 0; i + 1 < marked.size(); ++i)
    for (int k = 1; k <= each; ++k)
      ticks.push_back(marked[i].t + (marked[i + 1].t - marked[i].t) * k / (each + 1));
  if (!toTheEnds) return;
  const double before = (marked[1].t - marked[0].t) / (each + 1);
  const double after = (marked.back().t - marked[marked.size() - 2].t) / (each + 1);
  const auto inRange = [](double t) { return t >= -1e-9 && t <= 1 + 1e-9; };
  for (int k = 1; k <= each && inRange(marked.front().t - k * before); ++k)
    ticks.push_back(marked.front().t - k * before);
  for (int k = 1; k <= each && inRange(marked.back().t + k * after); ++k)
    ticks.push_back(marked.back().t + k * after);
}

}  // namespace

AxisMarks axisMarks(const Graduations& graduations, const AxisLook& look, bool factorInText) {
  AxisMarks marks;
  const int count = static_cast<int>(graduations.main.size());
  const int first = std::max(look.tickFirstGrad, 1) - 1;
  const int last = count - std::max(look.tickLastGrad, 1);
  const bool trimmed = first > 0 || last < count - 1;
  const int period = look.subTicksByPeriod ? std::max(look.tickNumOrPeriod, 1) : 1;
  std::vector<Graduation> kept;
  for (int i = first; i <= last; ++i) {
    const Graduation& graduation = graduations.main[static_cast<std::size_t>(i)];
    kept.push_back(graduation);
    if ((i - first) % period == 0)
      marks.main.push_back(graduation);
    else
      marks.subTicks.push_back(graduation.t);
  }
  if (factorInText && !marks.main.empty()) marks.main.back().text += graduations.multFactor;
  for (Graduation& graduation : marks.main) graduation.text += look.gradSuffix;

  const bool numbered = !look.subTicksByPeriod;
  if (graduations.hasOwnSubs) {
    const auto [low, high] =
        std::minmax(kept.empty() ? 0.0 : kept.front().t, kept.empty() ? 0.0 : kept.back().t);
    for (const Graduation& sub : graduations.sub) {
      if (trimmed && (sub.t < low - 1e-9 || sub.t > high + 1e-9)) continue;
      if (!numbered || look.tickNumOrPeriod > 0) marks.subTicks.push_back(sub.t);
      if (!sub.text.empty()) marks.subTexts.push_back(sub);
    }
  } else if (numbered) {
    // At most kMaxTicks sub-ticks in all, the two ends' included.
    const int intervals = static_cast<int>(kept.size()) + 1;
    addEvenSubTicks(kept, std::min(look.tickNumOrPeriod, kMaxTicks / intervals), !trimmed,
                    marks.subTicks);
  }

  if (look.reverse) {
    for (Graduation& graduation : marks.main) graduation.t = 1 - graduation.t;
    for (Graduation& graduation : marks.subTexts) graduation.t = 1 - graduation.t;
    for (double& t : marks.subTicks) t = 1 - t;
  }
  return marks;
}

}  // namespace plivex::detail
