// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>

#include "platform/scenar/fields/SoSFields.h"
#include "views/PoBaseView.h"

class SoFieldSensor;
class SoInput;
class SoSensor;

/// The full view: in its rectangle it draws an optional background, its own
/// camera and scene, and an optional border over them. Its parts below the
/// kit's own:
///
/// ```
///   topSep                  separator that keeps the view's state to itself
///     catchActionCallback   narrows every traversal to the rectangle
///     backgroundSep
///       backgroundApp       appearance of the background (not lit)
///       background          rebuilt from isBackgroundVisible
///     sceneSep
///       cameraKit           the view's camera
///       scene               the application's sub-scene
///     borderSep             annotation: drawn over what came before
///       borderApp           appearance of the border
///       border              rebuilt from isBorderVisible
/// ```
///
/// A scene file holds the view's rectangle, visibility flags, camera kit, scene
/// and the two appearance parts; the rest is made again when it is read.
class PoSceneView : public PoBaseView {
  SO_KIT_HEADER(PoSceneView, PoBaseView);

 public:
  PoSceneView();
  /// The copy draws its own background and border, with its own parts and
  /// callback, in its own rectangle: it takes the original's rectangle,
  /// sensitivity, visibility flags and the nodes of "cameraKit", "scene",
  /// "backgroundApp" and "borderApp".
  PoSceneView(const PoSceneView& other);
  PoSceneView& operator=(const PoSceneView& other);

  /// Part fields; "cameraKit" and "catchActionCallback" are the base view's.
  SoSFNode topSep;
  SoSFNode backgroundSep;
  SoSFNode backgroundApp;
  SoSFNode background;
  SoSFNode sceneSep;
  SoSFNode scene;
  SoSFNode borderSep;
  SoSFNode borderApp;
  SoSFNode border;

  SoSFBool isBackgroundVisible;
  SoSFBool isBorderVisible;

 protected:
  ~PoSceneView() override;
  void setDefaultOnNonWritingFields() override;

 private:
  /// The class set-up of both constructors.
  void setUpInstance();
  void copySceneView(const PoSceneView& other);
  void attachSensors();

  /// Rebuild the "border" and "background" parts from the visibility flags.
  void drawBorder();
  void drawBackground();
  /// Rebuilds the part of the sensor that fired, both without a sensor;
  /// nothing in render-unit mode.
  static void fieldSensorCB(void* view, SoSensor* sensor);

  SbBool readInstance(SoInput* in, unsigned short flags) override;
  /// Returns 1 after taking the connections down, 0 after setting them up, and
  /// onOff when nothing had to change.
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

  std::unique_ptr<SoFieldSensor> backgroundSensor;
  std::unique_ptr<SoFieldSensor> borderSensor;
};
