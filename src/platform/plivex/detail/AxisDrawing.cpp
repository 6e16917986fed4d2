// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/AxisDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

#include "platform/plivex/detail/AxisMarks.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoMaterial.h"

namespace plivex::detail {

namespace {

const SbColor kGridColor(0.78f, 0.78f, 0.78f);

// The angle of a text path: RIGHT along the plane's x, UP and DOWN turned a
// quarter turn either way, LEFT a half turn (upside down, reading leftward).
float pathAngle(int path) {
  constexpr float kPi = std::numbers::pi_v<float>;
  if (path == enumValue(kTextPath, "UP")) return kPi / 2;
  if (path == enumValue(kTextPath, "DOWN")) return -kPi / 2;
  if (path == enumValue(kTextPath, "LEFT")) return kPi;
  return 0;
}

// Where a block of text goes: its box lies beyond `at` in the direction out,
// its middle on `at` across out; along shifts it so that the box starts
// (alongAlign 1) or ends (-1) at `at` in that direction, or stays centred (0).
struct TextPlace {
  SbVec3f at;
  SbVec3f out;
  SbVec3f along;
  float alongAlign = 0;
};

// Adds the lines of a text block, each centred in the block's width, in the
// style at angle; returns how far its box reaches along out from `at`, 0 if
// nothing shows.
float addTextBlock(SoGroup* into, const TextPlace& place, float angle, const TextStyle& style,
                   const std::vector<std::string_view>& lines, float lineSpacing) {
  if (lines.empty() || !isFinite(place.at)) return 0;
  const float ascent = textAscent(style), descent = textDescent(style);
  const float step =
      std::isfinite(style.size * lineSpacing) ? style.size * lineSpacing : style.size;
  std::vector<float> widths;
  for (std::string_view line : lines) widths.push_back(textWidth(style, line));
  const float width = *std::max_element(widths.begin(), widths.end());
  const float extra = lines.size() > 1 ? step * static_cast<float>(lines.size() - 1) : 0;
  const float halfX = width / 2, halfY = (ascent + descent + extra) / 2;
  const SbVec3f x(std::cos(angle), std::sin(angle), 0), y(-x[1], x[0], 0);
  const auto reach = [&](const SbVec3f& direction) {
    return std::fabs(dot(direction, x)) * halfX + std::fabs(dot(direction, y)) * halfY;
  };
  const float depth = reach(place.out);
  const SbVec3f centre =
      place.at + place.out * depth + place.along * (reach(place.along) * place.alongAlign);
  // The first line's base line starts the box's half width and the middle of
  // its height away from the centre.
  const SbVec3f first = centre - x * halfX - y * ((ascent - descent - extra) / 2);
  bool shown = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SbVec3f origin = first + x * ((width - widths[i]) / 2);
    if (i > 0) origin -= y * (step * static_cast<float>(i));
    if (!isFinite(origin)) continue;
    if (SoNode* text = textNode(origin, angle, style, lines[i], HAlign::Left, VAlign::Baseline)) {
      into->addChild(text);
      shown = true;
    }
  }
  return shown && std::isfinite(depth) ? 2 * depth : 0;
}

std::vector<std::string_view> linesOf(const Graduation& graduation) {
  std::vector<std::string_view> lines{graduation.text};
  lines.insert(lines.end(), graduation.moreLines.begin(), graduation.moreLines.end());
  return lines;
}

// One segment from `at` along direction, from `from` to `to` times it.
void addStroke(std::vector<SbVec3f>& ends, const SbVec3f& at, const SbVec3f& direction, float from,
               float to) {
  ends.push_back(at + direction * from);
  ends.push_back(at + direction * to);
}

class AxisPainter {
 public:
  AxisPainter(const AxisShape& shape, const AxisLook& look)
      : shape_(shape),
        look_(look),
        path_(shape.path),
        side_(look.gradAbove ? 1.0f : -1.0f),
        marks_(axisMarks(shape.graduations, look,
                         shape.multFactorPosition == enumValue(kMultFactorPosition, "GRAD"))) {
    const double length = path_.arcLength();
    const auto margin = [&](float value) {
      const double t = look.marginFixed ? (length > 0 ? value / length : 0) : value;
      return std::isfinite(t) && t > 0 ? t : 0.0;
    };
    lineFrom_ = -margin(look.marginStart);
    lineTo_ = 1 + margin(look.marginEnd);
  }

  SoNode* draw() {
    auto* root = new SoSeparator;
    if (!shape_.plane.isSceneXY()) root->addChild(shape_.plane.transform());
    addLines(root);
    if (look_.grid) addGrid(root);
    if (look_.arrow) addArrow(root);
    addTexts(root);
    return root;
  }

 private:
  // The graduations' side at t.
  SbVec3f outAt(double t) const { return path_.aboveAt(t) * side_; }

  void addLines(SoGroup* root) const {
    std::vector<SbVec3f> ends;
    const int pieces = path_.piecesBetween(lineFrom_, lineTo_);
    for (int i = 0; i < pieces; ++i) {
      ends.push_back(path_.pointAt(lineFrom_ + (lineTo_ - lineFrom_) * i / pieces));
      ends.push_back(path_.pointAt(lineFrom_ + (lineTo_ - lineFrom_) * (i + 1) / pieces));
    }
    if (look_.ticks) {
      for (const Graduation& graduation : marks_.main)
        addTick(ends, graduation.t, look_.tickMainLength);
      for (double t : marks_.subTicks) addTick(ends, t, look_.tickSubLength);
    }
    addSegments(root, ends);
  }

  // On the graduations' side, the other, or across the line.
  void addTick(std::vector<SbVec3f>& ends, double t, float length) const {
    if (look_.tickPosition == enumValue(kTickPosition, "GRAD_OTHER_SIDE"))
      addStroke(ends, path_.pointAt(t), outAt(t), 0, -length);
    else if (look_.tickPosition == enumValue(kTickPosition, "ACROSS_AXIS"))
      addStroke(ends, path_.pointAt(t), outAt(t), -length / 2, length / 2);
    else
      addStroke(ends, path_.pointAt(t), outAt(t), 0, length);
  }

  void addGrid(SoGroup* root) const {
    std::vector<SbVec3f> ends;
    for (const Graduation& graduation : marks_.main)
      addStroke(ends, path_.pointAt(graduation.t), outAt(graduation.t), look_.gridGradSide,
                -look_.gridOtherSide);
    auto* grid = new SoSeparator;
    auto* material = new SoMaterial;
    material->diffuseColor.setValue(kGridColor);
    grid->addChild(material);
    addSegments(grid, ends);
    root->addChild(grid);
  }

  // A triangle from the line's end: its base arrowHeight wide across the
  // line, its tip arrowLength beyond the end.
  void addArrow(SoGroup* root) const {
    const SbVec3f end = path_.pointAt(lineTo_), across = path_.aboveAt(lineTo_);
    const std::vector<SbVec3f> corners = {end + across * (look_.arrowHeight / 2),
                                          end + path_.tangentAt(lineTo_) * look_.arrowLength,
                                          end - across * (look_.arrowHeight / 2)};
    if (!std::all_of(corners.begin(), corners.end(), isFinite)) return;
    auto* arrow = new SoSeparator;
    addTriangles(arrow, corners);
    root->addChild(arrow);
  }

  void addTexts(SoGroup* root) const {
    // How far from the line the graduation texts reach, which the title keeps clear of.
    float reach = 0;
    if (look_.grad.visible) {
      const float angle = pathAngle(look_.grad.path);
      const auto addGraduation = [&](const Graduation& graduation, const TextStyle& style) {
        const TextPlace place{
            path_.pointAt(graduation.t) + outAt(graduation.t) * look_.grad.distAxis,
            outAt(graduation.t), path_.tangentAt(graduation.t), 0};
        const float depth =
            addTextBlock(root, place, angle, style, linesOf(graduation), look_.lineSpacing);
        if (depth > 0) reach = std::max(reach, look_.grad.distAxis + depth);
      };
      for (const Graduation& graduation : marks_.main) addGraduation(graduation, look_.grad.style);
      for (const Graduation& graduation : marks_.subTexts)
        addGraduation(graduation, shape_.graduations.subStyle);
      addMultFactor(root, angle);
    }
    if (look_.title.visible) addTitle(root, reach);
  }

  // START and END: beside the line's start or end, on the graduations' side;
  // EXTR: on the line's prolongation past its end (and the arrow).
  void addMultFactor(SoGroup* root, float angle) const {
    const int position = shape_.multFactorPosition;
    const std::string& factor = shape_.graduations.multFactor;
    if (factor.empty() || position == enumValue(kMultFactorPosition, "GRAD")) return;
    const float distance = shape_.multFactorDistAxis;
    TextPlace place;
    if (position == enumValue(kMultFactorPosition, "START")) {
      place = {path_.pointAt(lineFrom_) + outAt(lineFrom_) * distance, outAt(lineFrom_),
               -path_.tangentAt(lineFrom_), 1};
    } else if (position == enumValue(kMultFactorPosition, "EXTR")) {
      const float past = distance + (look_.arrow ? std::max(look_.arrowLength, 0.0f) : 0);
      place = {path_.pointAt(lineTo_) + path_.tangentAt(lineTo_) * past, path_.tangentAt(lineTo_),
               outAt(lineTo_), 0};
    } else {
      place = {path_.pointAt(lineTo_) + outAt(lineTo_) * distance, outAt(lineTo_),
               path_.tangentAt(lineTo_), 1};
    }
    addTextBlock(root, place, angle, look_.grad.style, {factor}, 1);
  }

  // MIDDLE: centred on the line; END: ending where the line ends. On the
  // graduations' side, titleDistAxis from the line or a quarter em of the
  // graduations' font past their texts, whichever is farther.
  void addTitle(SoGroup* root, float reach) const {
    const float clear = reach > 0 ? reach + look_.grad.style.size / 4 : 0;
    const float distance = std::max(look_.title.distAxis, clear);
    const double t = look_.titleAtEnd ? lineTo_ : (lineFrom_ + lineTo_) / 2;
    const TextPlace place{path_.pointAt(t) + outAt(t) * distance, outAt(t), path_.tangentAt(t),
                          look_.titleAtEnd ? -1.0f : 0.0f};
    addTextBlock(root, place, pathAngle(look_.title.path), look_.title.style, {look_.titleText}, 1);
  }

  const AxisShape& shape_;
  const AxisLook& look_;
  const AxisPath& path_;
  const float side_;
  const AxisMarks marks_;
  double lineFrom_ = 0;
  double lineTo_ = 1;
};

}  // namespace

SoNode* drawAxis(const AxisShape& shape, const AxisLook& look) {
  if (!shape.path.isFinite()) return nullptr;
  return AxisPainter(shape, look).draw();
}

}  // namespace plivex::detail
