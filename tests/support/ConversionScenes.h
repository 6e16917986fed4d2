// SPDX-License-Identifier: Apache-2.0
#pragma once

// Toolkit scenes the conversion tests convert: one of every class the
// conversion knows, and one of transforms in groups, separators and kits.

#include <cstdint>

#include "platform/scenar/Scenar.h"

inline SoCube* makeCube(float width, float height, float depth) {
  auto* node = new SoCube;
  node->width = width;
  node->height = height;
  node->depth = depth;
  return node;
}

inline SoMaterial* makeMaterial(const SbColor& color) {
  auto* node = new SoMaterial;
  node->diffuseColor.setValue(color);
  return node;
}

// Under a separator: a camera, a pick style and a callback node (counting
// its calls into *calls), a red half-clear material, five coordinates, a
// face set of runs 3 and 2, a line set of runs 2, 1 and 2, a separator
// holding the light model BASE_COLOR and a cube 2 by 4 by -6, an empty
// annotation, an appearance kit whose material is blue, a unit cube, last.
inline SoSeparator* makeEveryClassScene(SoNode* last, int* calls) {
  auto* root = new SoSeparator;
  root->addChild(new SoPerspectiveCamera);
  root->addChild(new SoPickStyle);
  auto* callback = new SoCallback;
  callback->setCallback([](void* count, SoAction*) { ++*static_cast<int*>(count); }, calls);
  root->addChild(callback);
  auto* red = makeMaterial(SbColor(1, 0, 0));
  red->transparency.setValue(0.5f);
  root->addChild(red);
  auto* points = new SoCoordinate3;
  const SbVec3f five[5] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 2, 0}, {3, 3, 0}};
  points->point.setValues(0, 5, five);
  root->addChild(points);
  auto* faces = new SoFaceSet;
  const int32_t faceRuns[2] = {3, 2};
  faces->numVertices.setValues(0, 2, faceRuns);
  root->addChild(faces);
  auto* lines = new SoLineSet;
  const int32_t lineRuns[3] = {2, 1, 2};
  lines->numVertices.setValues(0, 3, lineRuns);
  root->addChild(lines);
  auto* unlit = new SoSeparator;
  auto* baseColor = new SoLightModel;
  baseColor->model = SoLightModel::BASE_COLOR;
  unlit->addChild(baseColor);
  unlit->addChild(makeCube(2, 4, -6));
  root->addChild(unlit);
  root->addChild(new SoAnnotation);
  auto* kit = new SoAppearanceKit;
  kit->set("material", "diffuseColor 0 0 1");
  root->addChild(kit);
  root->addChild(makeCube(1, 1, 1));
  root->addChild(last);
  return root;
}

// Five unit cubes under a separator: after a translation and a turning,
// scaling transform about a centre inside a group, which holds on after the
// group; after the group; after a separator keeping a translation to itself;
// after a camera kit's transform and a translation in a group in a group.
inline SoSeparator* makeTransformScene() {
  auto* root = new SoSeparator;
  auto* move = new SoTranslation;
  move->translation.setValue(1, 0, 0);
  root->addChild(move);
  auto* group = new SoGroup;
  auto* turn = new SoTransform;
  turn->rotation.setValue(SbRotation(SbVec3f(0, 0, 1), 0.5f));
  turn->scaleFactor.setValue(2, 3, -1);
  turn->center.setValue(0, 1, 0);
  group->addChild(turn);
  group->addChild(makeCube(1, 1, 1));
  root->addChild(group);
  root->addChild(makeCube(1, 1, 1));
  auto* inner = new SoSeparator;
  auto* up = new SoTranslation;
  up->translation.setValue(0, 5, 0);
  inner->addChild(up);
  inner->addChild(makeCube(1, 1, 1));
  root->addChild(inner);
  auto* cameraKit = new SoCameraKit;
  cameraKit->set("transform", "translation 0 0 -7");
  root->addChild(cameraKit);
  auto* nested = new SoGroup;
  auto* innerGroup = new SoGroup;
  auto* far = new SoTranslation;
  far->translation.setValue(0, 0, 9);
  innerGroup->addChild(far);
  nested->addChild(innerGroup);
  nested->addChild(makeCube(1, 1, 1));
  root->addChild(nested);
  root->addChild(makeCube(1, 1, 1));
  return root;
}
