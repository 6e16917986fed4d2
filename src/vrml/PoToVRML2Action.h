// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/vrml/SoToVRML2Action.h"

class SoEnabledElementsList;

/// Converts a scene of plotting nodes and scene views to a VRML 2.0 scene
/// graph in which every scene view keeps its place on the screen.
///
/// A node apply runs the toolkit's conversion with Plivex's workers (plotting
/// nodes keep the geometry they have while it runs) and wraps what it makes in
/// a Collision group with collide FALSE, the result root. Unless the action
/// has callbacks of its own, the conversion leaves each view's parts alone
/// (and so meets no view inside another). Then, for each scene view met, in
/// traversal order, the Group that stands for the view is emptied
/// and filled again with the view's "scene", converted on its own, seen
/// through the view's camera (an orthographic camera as the perspective one
/// that sees the same height at its focal distance) and placed at the view's
/// rectangle. Each view follows the browser's viewer:
///
/// ```
///   Group
///     ProximitySensor P   everywhere (size: the largest float), centred on the viewer
///     Transform F         translation and rotation routed from P: the viewer's frame
///       Transform T       the rectangle's offset from the window's centre, scale (s, s, 1)
///         Transform M     the camera's viewing matrix
///           Group K       the view's scene
///         Shape           the view's background, when it shows one
///         Shape           the view's border, when it shows one
/// ```
///
/// With setFirstSceneViewSensitive(1) the first view met is instead the part
/// of the world the user moves through: its Group holds a Viewpoint made from
/// the camera (position, orientation and height angle, each where it does not
/// hold its default) and a Transform of offset t and scale (s, s, s) holding K
/// and the background and border.
/// The offset is t = H * (centre of the rectangle - (0.5, 0.5)), H the height
/// the camera sees at its focal distance, and s the smaller side of the
/// rectangle.
///
/// A scene view's background and border (PoSceneView) cover what its camera,
/// taken to see at the distance d the height H * d / (focal distance) and as
/// much across, sees of the view's rectangle: its area at the camera's far
/// distance (kept from 1.5 to 100 focal distances), in the colour of
/// "backgroundApp", unlit, and its edges a hundredth nearer in the colour of
/// "borderApp". The camera of a following view is the viewer, and that of the
/// navigable view its viewpoint: both show the rectangle where the view was.
///
/// A view whose camera kit holds no camera or whose "scene" part is empty, and
/// a view whose numbers would put no finite, positive values into the world (a
/// focal distance or height angle that is not positive, a rectangle without
/// area), is left as an empty Group.
///
/// Path and path-list applies are the toolkit's VRML 2.0 conversion with
/// Plivex's workers: the views are converted as they are met, not rebuilt.
///
/// The class's lists of enabled elements and methods are chained to those of
/// SoToVRML2Action and live from initClass to exitClass; no action may outlive
/// exitClass. The class registers no method of its own. Conversions run in the
/// GUI thread, one at a time: Plivex's rebuild block is process-wide (README,
/// "Threads").
class PoToVRML2Action : public SoToVRML2Action {
 public:
  /// Registers the class, "PoToVRML2Action", and its parent classes when they
  /// are not; running it again does nothing.
  static void initClass();
  /// Unregisters the class and deletes its lists.
  static void exitClass();

  static SoType getClassTypeId() { return classTypeId; }
  SoType getTypeId() const override { return classTypeId; }

  /// Makes method the traversal method of the nodes of nodeType for this class.
  static void addMethod(SoType nodeType, SoActionMethod method);
  /// Enables the element of elementType for this class; a bad type (an
  /// element class not set up) posts the debug error "SO_ENABLE_ELEMENT" and
  /// enables nothing.
  static void enableElement(SoType elementType, int stackIndex);

  const SoEnabledElementsList& getEnabledElements() const override;
  SoActionMethodList* getActionMethods() override;

  PoToVRML2Action();
  /// A copy, or an assignment, takes the conversion settings and the
  /// first-view flag, never a result.
  PoToVRML2Action(const PoToVRML2Action& other);
  PoToVRML2Action& operator=(const PoToVRML2Action& other);
  ~PoToVRML2Action() override;

  void apply(SoNode* node) override;
  void apply(SoPath* path) override;
  void apply(const SoPathList& paths, SbBool obeysRules = FALSE) override;

  /// Non-zero: the first scene view becomes the navigable part of the world.
  void setFirstSceneViewSensitive(int flag) { firstSceneViewSensitive = flag; }
  int isFirstSceneViewSensitive() const { return firstSceneViewSensitive; }

 protected:
  /// A new PoConvertGuts, which leaves views empty while a node apply
  /// rebuilds them.
  SoConvertGuts* getNewConvertGuts() const override;

 private:
  /// Rebuilds the Group of the recorded view at index; see the class comment.
  void rebuildSceneView(int index);

  static SoType classTypeId;
  static int classTypeIdIsSet;
  static SoEnabledElementsList* enabledElements;
  static SoActionMethodList* methods;

  int firstSceneViewSensitive = 0;
  bool rebuildsViews_ = false;  // during a node apply without callbacks
};
