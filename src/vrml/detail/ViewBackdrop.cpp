// SPDX-License-Identifier: Apache-2.0
#include "vrml/detail/ViewBackdrop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/scenar/actions/SoDiffuseColorElement.h"
#include "platform/scenar/nodes/SoMaterial.h"
#include "platform/scenar/vrml/SoVRMLAppearance.h"
#include "platform/scenar/vrml/SoVRMLCoordinate.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"
#include "platform/scenar/vrml/SoVRMLIndexedFaceSet.h"
#include "platform/scenar/vrml/SoVRMLIndexedLineSet.h"
#include "platform/scenar/vrml/SoVRMLIndexedShape.h"
#include "platform/scenar/vrml/SoVRMLMaterial.h"
#include "platform/scenar/vrml/SoVRMLShape.h"
#include "views/PoSceneView.h"

namespace plivexwin::detail {

namespace {

// The border's distance from the camera over the background's: nearer, so
// that it shows over the background's edge.
constexpr double kBorderAhead = 0.99;

constexpr int32_t kFace[] = {0, 1, 2, 3, -1};
constexpr int32_t kOutline[] = {0, 1, 2, 3, 0, -1};

float unitClamped(float value) { return value > 0.0f ? std::fmin(value, 1.0f) : 0.0f; }

// The corners of the view's rectangle as the camera sees them at distance,
// counterclockwise from the lower left, in the frame of toGroup; false when
// one is not finite.
bool cornersAt(const ViewWindow& window, double distance, const SbMatrix& toGroup,
               std::array<SbVec3f, 4>& corners) {
  const double perUnit = window.height * distance / window.focal;
  const SbVec2f end = window.origin + window.size;
  const SbVec2f at[4] = {
      window.origin, {end[0], window.origin[1]}, end, {window.origin[0], end[1]}};
  for (int i = 0; i < 4; ++i) {
    const SbVec3f seen(static_cast<float>(perUnit * (at[i][0] - 0.5)),
                       static_cast<float>(perUnit * (at[i][1] - 0.5)),
                       static_cast<float>(-distance));
    toGroup.multVecMatrix(seen, corners[static_cast<std::size_t>(i)]);
    for (int axis = 0; axis < 3; ++axis)
      if (!std::isfinite(corners[static_cast<std::size_t>(i)][axis])) return false;
  }
  return true;
}

// An unlit appearance of the first colour and transparency of the material
// of view's appearance part partName; without one, those in force where no
// material sets them.
SoVRMLAppearance* unlitAppearanceOf(PoSceneView& view, const char* partName) {
  SbColor color = scenar::detail::DiffuseColorValue{}.color;
  float transparency = 0.0f;
  const std::string materialName = std::string(partName) + ".material";
  if (const auto* from = dynamic_cast<SoMaterial*>(view.getPart(materialName.c_str(), FALSE))) {
    if (from->diffuseColor.getNum() > 0) color = from->diffuseColor[0];
    if (from->transparency.getNum() > 0) transparency = from->transparency[0];
  }
  auto* material = new SoVRMLMaterial;
  material->diffuseColor = SbColor(0, 0, 0);
  material->emissiveColor =
      SbColor(unitClamped(color[0]), unitClamped(color[1]), unitClamped(color[2]));
  if (unitClamped(transparency) != 0.0f) material->transparency = unitClamped(transparency);
  auto* appearance = new SoVRMLAppearance;
  appearance->material = material;
  return appearance;
}

// Adds to group a shape of set through corners as indices say.
template <std::size_t N>
void addShape(SoVRMLGroup* group, const std::array<SbVec3f, 4>& corners,
              const int32_t (&indices)[N], SoVRMLAppearance* appearance, SoVRMLIndexedShape* set) {
  auto* coordinate = new SoVRMLCoordinate;
  coordinate->point.setValues(0, 4, corners.data());
  set->coord = coordinate;
  set->coordIndex.setValues(0, static_cast<int>(N), indices);
  auto* shape = new SoVRMLShape;
  shape->appearance = appearance;
  shape->geometry = set;
  group->addChild(shape);
}

}  // namespace

double backdropDepth(float farDistance, double focal) {
  const double nearest = 1.5 * focal;
  if (!(farDistance > nearest)) return nearest;
  return std::min(double(farDistance), 100.0 * focal);
}

void addBackdrop(PoSceneView& view, const ViewWindow& window, double depth, const SbMatrix& toGroup,
                 SoVRMLGroup* group) {
  std::array<SbVec3f, 4> corners;
  if (view.isBackgroundVisible.getValue() && cornersAt(window, depth, toGroup, corners)) {
    auto* faces = new SoVRMLIndexedFaceSet;
    faces->solid = FALSE;
    addShape(group, corners, kFace, unlitAppearanceOf(view, "backgroundApp"), faces);
  }
  if (view.isBorderVisible.getValue() && cornersAt(window, depth * kBorderAhead, toGroup, corners))
    addShape(group, corners, kOutline, unlitAppearanceOf(view, "borderApp"),
             new SoVRMLIndexedLineSet);
}

}  // namespace plivexwin::detail
