// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodekits/SoSubKit.h"
#include "platform/scenar/nodes/SoGetView.h"
#include "platform/scenarwin/Win32.h"

class SoAction;
class SoWinRenderArea;
class SoWinViewer;

/// The abstract node kit behind every view: a sub-scene with its own camera in a
/// rectangle of the window, given in normalized window coordinates by
/// "viewportOrigin" and "viewportSize". Each concrete view has a callback part
/// ahead of its camera and scene whose callback, catchActionCB, narrows every
/// traversal to the rectangle. Mouse presses in a viewer are routed to the view
/// under the pointer by viewingEventCB.
class PoBaseView : public SoBaseKit, public SoGetView {
  SO_KIT_ABSTRACT_HEADER(PoBaseView, SoBaseKit);

 public:
  /// Registers the module's node and action classes, and unregisters them, in order.
  static void initClasses();
  static void exitClasses();

  SbBool getViewportIsEnabled() const override { return 1; }
  const SbVec2f getViewportOrigin() const override { return viewportOrigin.getValue(); }
  const SbVec2f getViewportSize() const override { return viewportSize.getValue(); }
  /// Whether the normalized point lies in the view's rectangle, edges included.
  SbBool isPointWithinViewport(float x, float y) const;

  /// Whether the view takes part in the routing of mouse presses; not a field.
  void sensitiveOnEvents(int on) { sensitive = on; }
  int isSensitiveOnEvents() const { return sensitive; }

  /// The event callback to install on a viewer, with the viewer as user data:
  /// a button press in viewing mode hands the camera of the view under the
  /// pointer to the viewer. Returns 0 always, so the viewer goes on with the
  /// message itself.
  static SbBool viewingEventCB(void* viewer, MSG* message);
  /// The last sensitive view in traversal order that contains the window point
  /// (pixels, y counted from the top); nullptr if none.
  static PoBaseView* getView(SoWinRenderArea* area, int x, int y);
  /// Gives the viewer this view's camera, making it if needed.
  void setCamera(SoWinViewer* viewer);

  /// The kit's traversal, with the rectangle read ahead for the callback part.
  void doAction(SoAction* action) override;

  /// Copies the base kit, the camera kit, the rectangle and the sensitivity; the
  /// callback part stays the view's own, hooked to it.
  PoBaseView(const PoBaseView& other);
  PoBaseView& operator=(const PoBaseView& other);

 protected:
  PoBaseView();
  ~PoBaseView() override;

  /// The window point (pixels, y from the top) in normalized coordinates.
  static void normalizeMousePoint(SoWinRenderArea* area, int x, int y, float& nx, float& ny);
  /// Narrows the traversal state of action to the view's rectangle.
  static void catchActionCB(void* view, SoAction* action);
  void setDefaultOnNonWritingFields() override;

  /// Makes the callback part if needed and hooks it to catchActionCB with this
  /// view; concrete views call it once their parts are registered.
  void hookCallbackPart();
  /// What the copy constructor and the assignment copy. A concrete view's copy
  /// constructor calls it again once it has registered its parts, so that the
  /// part fields copied before they were parts are linked as parts.
  void copyView(const PoBaseView& other);
  /// Copies a field's value and whether it holds its default, so that a
  /// default stays unwritten.
  static void copyViewField(SoField& to, const SoField& from);

 public:
  /// Part fields are registered by the concrete views.
  SoSFNode cameraKit;
  SoSFVec2f viewportOrigin;
  SoSFVec2f viewportSize;
  SoSFNode catchActionCallback;

  // These two are process-wide and unguarded: views are traversed in the GUI
  // thread only (README, "Threads").
  /// Portion of the full view volume the current render traversal draws.
  static SbVec4f m_vvPortion;
  /// Pixel size of the logical viewport captured by the first view of a render.
  static SbVec2s m_currentLogicalViewportSize;

 private:
  /// The class set-up of both constructors.
  void setUpInstance();

  int sensitive = 0;
};
