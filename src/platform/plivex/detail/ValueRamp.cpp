// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/ValueRamp.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "platform/plivex/PbNumericDisplayFormat.h"
#include "platform/plivex/detail/PlotText.h"

namespace plivex::detail {

namespace {

constexpr SbColor kRampStops[] = {{0, 0, 1}, {0, 1, 1}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}};
constexpr int kLevelCount = static_cast<int>(std::size(kNonLinearLevels));
// LINEAR_VALUES labels at most this many values.
constexpr int kMaxLinearLabels = 6;

// The indexes [begin, end) of the values a selection keeps out of count; at
// least one.
struct Kept {
  int begin;
  int end;
};

Kept keptOf(int count, const ValueSelection& selection) {
  const int begin = std::clamp(selection.first, 1, count) - 1;
  const int end = count - (std::clamp(selection.last, 1, count) - 1);
  return {begin, std::max(end, begin + 1)};
}

int periodOf(const ValueSelection& selection) { return std::max(selection.period, 1); }

// Whether the index-th value is one of every stride-th kept ones.
bool labelled(int index, const Kept& kept, int stride) {
  return (index - kept.begin) % stride == 0;
}

float placeOf(int index, int count) {
  return count > 1 ? static_cast<float>(index) / static_cast<float>(count - 1) : 0.0f;
}

std::string number(double value) { return formatNumber(value, PbNumericDisplayFormat()); }

std::string joined(const std::string& prefix, const std::string& text) {
  return prefix.empty() ? text : prefix + " " + text;
}

// A box for each value the selection keeps out of count, placed on the ramp;
// label(box, index, kept) writes its texts.
template <typename Label>
std::vector<ValueBox> keptBoxes(int count, const ValueSelection& selection, Label label) {
  const Kept kept = keptOf(count, selection);
  std::vector<ValueBox> boxes;
  for (int i = kept.begin; i < kept.end; ++i) {
    ValueBox& box = boxes.emplace_back();
    box.rampAt = placeOf(i, count);
    label(box, i, kept);
  }
  return boxes;
}

}  // namespace

SbColor rampColor(float t) {
  if (!(t > 0)) return kRampStops[0];
  const float along = std::min(t, 1.0f) * static_cast<float>(std::size(kRampStops) - 1);
  const int stop = std::min(static_cast<int>(along), static_cast<int>(std::size(kRampStops)) - 2);
  const float part = along - static_cast<float>(stop);
  const SbColor& from = kRampStops[stop];
  const SbColor& to = kRampStops[stop + 1];
  return {from[0] + (to[0] - from[0]) * part, from[1] + (to[1] - from[1]) * part,
          from[2] + (to[2] - from[2]) * part};
}

std::vector<ValueBox> linearValueBoxes(int distribution, const ValueSelection& selection) {
  return keptBoxes(kLinearValueCount, selection, [&](ValueBox& box, int i, const Kept& kept) {
    int stride = periodOf(selection);
    if (distribution == 1)
      stride =
          std::max(stride, (kept.end - kept.begin + kMaxLinearLabels - 3) / (kMaxLinearLabels - 1));
    const bool shown =
        distribution == 2 ? i == kept.begin || i == kept.end - 1 : labelled(i, kept, stride);
    if (shown) box.label = number(i / 10.0);
  });
}

std::vector<ValueBox> intervalValueBoxes(const std::string& less, const std::string& greater,
                                         const std::string& separator,
                                         const ValueSelection& selection) {
  return keptBoxes(kLevelCount + 1, selection, [&](ValueBox& box, int i, const Kept& kept) {
    if (!labelled(i, kept, periodOf(selection))) return;
    if (i == 0)
      box.label = joined(less, number(kNonLinearLevels[0]));
    else if (i == kLevelCount)
      box.label = joined(greater, number(kNonLinearLevels[kLevelCount - 1]));
    else
      box.label = number(kNonLinearLevels[i - 1]) + separator + number(kNonLinearLevels[i]);
  });
}

std::vector<ValueBox> boundaryValueBoxes(const ValueSelection& selection) {
  return keptBoxes(kLevelCount - 1, selection, [&](ValueBox& box, int i, const Kept& kept) {
    // Each boundary is written once: the lower one of every box, and the
    // upper one of the last.
    if (labelled(i, kept, periodOf(selection))) box.lowerLabel = number(kNonLinearLevels[i]);
    if (i == kept.end - 1 && labelled(i + 1, kept, periodOf(selection)))
      box.upperLabel = number(kNonLinearLevels[i + 1]);
  });
}

std::vector<ValueBox> levelValueBoxes(const ValueSelection& selection) {
  return keptBoxes(kLevelCount, selection, [&](ValueBox& box, int i, const Kept& kept) {
    if (labelled(i, kept, periodOf(selection))) box.label = number(kNonLinearLevels[i]);
  });
}

}  // namespace plivex::detail
