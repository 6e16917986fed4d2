// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/LegendSymbols.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <span>

namespace plivex::detail {

namespace {

// The lengths of the drawn and skipped stretches of each pattern, repeated
// along the line; an empty list draws it whole.
const std::vector<float> kPatterns[] = {
    {}, {0.16f, 0.08f}, {0.03f, 0.07f}, {0.16f, 0.06f, 0.03f, 0.06f}, {0.3f, 0.06f}};

// Closed outlines and crossing strokes within [-0.5, 0.5]².
constexpr SbVec2f kPlus[] = {{-0.5f, 0}, {0.5f, 0}, {0, -0.5f}, {0, 0.5f}};
constexpr SbVec2f kCross[] = {{-0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}, {0.5f, -0.5f}};
constexpr SbVec2f kSquare[] = {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}};
constexpr SbVec2f kDiamond[] = {{0, -0.5f}, {0.5f, 0}, {0, 0.5f}, {-0.5f, 0}};
constexpr SbVec2f kTriangle[] = {{-0.5f, -0.43f}, {0.5f, -0.43f}, {0, 0.43f}};

enum class Kind { Strokes, Outline, Circle };

// name, kind, points, second strokes (the star's cross)
struct MarkerRow {
  std::string_view name;
  Kind kind;
  std::span<const SbVec2f> points;
  std::span<const SbVec2f> more;
};

constexpr MarkerRow kMarkers[] = {
    {"+", Kind::Strokes, kPlus, {}},
    {"plus", Kind::Strokes, kPlus, {}},
    {"x", Kind::Strokes, kCross, {}},
    {"cross", Kind::Strokes, kCross, {}},
    {"*", Kind::Strokes, kPlus, kCross},
    {"star", Kind::Strokes, kPlus, kCross},
    {"o", Kind::Circle, {}, {}},
    {"circle", Kind::Circle, {}, {}},
    {"square", Kind::Outline, kSquare, {}},
    {"diamond", Kind::Outline, kDiamond, {}},
    {"triangle", Kind::Outline, kTriangle, {}},
};

void appendOutline(std::vector<SbVec2f>& segments, std::span<const SbVec2f> corners) {
  for (std::size_t i = 0; i < corners.size(); ++i) {
    segments.push_back(corners[i]);
    segments.push_back(corners[(i + 1) % corners.size()]);
  }
}

std::vector<SbVec2f> circle() {
  constexpr int kSides = 16;
  std::vector<SbVec2f> corners;
  for (int i = 0; i < kSides; ++i) {
    const float angle = 2 * std::numbers::pi_v<float> * static_cast<float>(i) / kSides;
    corners.emplace_back(0.5f * std::cos(angle), 0.5f * std::sin(angle));
  }
  std::vector<SbVec2f> segments;
  appendOutline(segments, corners);
  return segments;
}

}  // namespace

std::vector<SbVec2f> linePattern(int pattern) {
  const int count = static_cast<int>(std::size(kPatterns));
  const std::vector<float>& lengths = kPatterns[((pattern % count) + count) % count];
  if (lengths.empty()) return {{0, 1}};
  std::vector<SbVec2f> stretches;
  float at = 0;
  for (std::size_t i = 0; at < 1; i = (i + 1) % lengths.size()) {
    if (i % 2 == 0) stretches.emplace_back(at, std::min(at + lengths[i], 1.0f));
    at += lengths[i];
  }
  return stretches;
}

std::vector<SbVec2f> markerSegments(std::string_view shape) {
  const MarkerRow* row = &kMarkers[0];
  for (const MarkerRow& candidate : kMarkers)
    if (candidate.name == shape) row = &candidate;
  if (row->kind == Kind::Circle) return circle();
  std::vector<SbVec2f> segments;
  if (row->kind == Kind::Outline) {
    appendOutline(segments, row->points);
    return segments;
  }
  segments.assign(row->points.begin(), row->points.end());
  segments.insert(segments.end(), row->more.begin(), row->more.end());
  return segments;
}

}  // namespace plivex::detail
