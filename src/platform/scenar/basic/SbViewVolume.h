// SPDX-License-Identifier: Apache-2.0
#pragma once

// The volume a camera sees: an orthographic box or a perspective frustum.
//
// Conventions:
// - The camera has its own frame: it sits at the projection point and looks
//   down its -Z axis with +Y up and +X to the right. A new volume's frame is
//   the world frame (camera at the origin looking down world -Z);
//   rotateCamera and translateCamera then move the frame.
// - The near plane lies at distance getNearDist() in front of the camera, the
//   far plane getDepth() beyond it. On the near plane the volume spans the
//   camera-frame rectangle [left, right] x [bottom, top]; a perspective
//   frustum's edges run from the camera through that rectangle, an
//   orthographic box's edges run parallel to the viewing direction.
// - Normalized coordinates run from (0, 0) at the lower-left to (1, 1) at the
//   upper-right of that rectangle; the third normalized coordinate of
//   projectToScreen is 0 on the near plane and 1 on the far plane.
// - Matrices follow SbMatrix (row vectors): getMatrix() = affine * proj maps a
//   world point to clip coordinates, the OpenGL projection with x, y and z in
//   [-1, 1] after the w divide.
// A zero-sized rectangle or depth yields zero entries in the projection, never
// a division by zero.

#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/basic/SbRotation.h"

class SbViewVolume {
 public:
  enum ProjectionType { ORTHOGRAPHIC = 0, PERSPECTIVE = 1 };

  // The box ortho(-1, 1, -1, 1, 1, 10).
  SbViewVolume() = default;

  // Resets to a box with the camera at the origin of the world frame.
  void ortho(float left, float right, float bottom, float top, float nearDist, float farDist);
  // Resets to a symmetric frustum with the camera at the origin of the world
  // frame: fovy the full vertical angle in radians, aspect width over height.
  void perspective(float fovy, float aspect, float nearDist, float farDist);

  ProjectionType getProjectionType() const { return type_; }
  const SbVec3f& getProjectionPoint() const { return eye_; }
  // The viewing direction (the camera's -Z), of unit length.
  SbVec3f getProjectionDirection() const { return -zAxis_; }
  // The camera's +Y, of unit length.
  const SbVec3f& getViewUp() const { return yAxis_; }
  // Extent of the near-plane rectangle.
  float getWidth() const { return right_ - left_; }
  float getHeight() const { return top_ - bottom_; }
  // Distance from the near to the far plane.
  float getDepth() const { return far_ - near_; }
  float getNearDist() const { return near_; }

  // affine: world to camera frame; proj: camera frame to clip coordinates.
  void getMatrices(SbMatrix& affine, SbMatrix& proj) const;
  // affine * proj.
  SbMatrix getMatrix() const;
  // The world to camera-frame transform alone.
  SbMatrix getCameraSpaceMatrix() const;

  // Turns the camera about the projection point: its frame axes are rotated by r.
  void rotateCamera(const SbRotation& r);
  // Moves the camera by the world-space offset.
  void translateCamera(const SbVec3f& offset);

  // The world-space segment through a normalized point: from the near plane
  // to the far plane.
  void projectPointToLine(const SbVec2f& normalizedPoint, SbVec3f& nearPoint,
                          SbVec3f& farPoint) const;
  // Normalized coordinates of a world point (see the conventions above). With
  // a perspective volume a point in the camera plane has no image; it then gets
  // the undivided value.
  void projectToScreen(const SbVec3f& world, SbVec3f& normalized) const;

  // The part of the volume seen through the normalized sub-rectangle of the
  // near plane: same camera, same depth range, a smaller (for perspective,
  // generally off-axis) near-plane rectangle. Values outside [0, 1] widen the
  // volume.
  SbViewVolume narrow(float left, float bottom, float right, float top) const;
  // The same with the x and y bounds of the box (z ignored). An empty box
  // leaves the volume unchanged.
  SbViewVolume narrow(const SbBox3f& box) const;

  friend bool operator==(const SbViewVolume& a, const SbViewVolume& b) = default;

 private:
  void resetFrame();
  SbVec3f toWorld(const SbVec3f& camera) const;
  SbVec3f toCamera(const SbVec3f& world) const;

  ProjectionType type_ = ORTHOGRAPHIC;
  SbVec3f eye_;
  SbVec3f xAxis_{1.0f, 0.0f, 0.0f};
  SbVec3f yAxis_{0.0f, 1.0f, 0.0f};
  SbVec3f zAxis_{0.0f, 0.0f, 1.0f};
  float left_ = -1.0f;
  float right_ = 1.0f;
  float bottom_ = -1.0f;
  float top_ = 1.0f;
  float near_ = 1.0f;
  float far_ = 10.0f;
};
