// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/basic/SbString.h"
#include "platform/scenar/basic/SbViewportRegion.h"

// A traversal that keeps the state the shapes are drawn with (coordinates,
// model matrix, diffuse colour and transparency, light model, pick style,
// font) and calls functions before and after the nodes of chosen types,
// which read that state where the traversal stands. Conversions are built on it.
//
// Each node met runs its pre callbacks, then its own part of the traversal
// (its callback virtual: what a group does to its children, a property node
// to the state), then its post callbacks.
class SoCallbackAction : public SoAction {
  SO_ACTION_HEADER(SoCallbackAction);

 public:
  // What a callback tells the traversal: go on; stop the whole traversal;
  // or (before a node) leave the node out: neither the node's own part nor
  // its post callbacks run.
  enum Response { CONTINUE, ABORT, PRUNE };
  using Callback = Response(void* userData, SoCallbackAction* action, const SoNode* node);

  // With a default viewport region, which cameras and views read.
  SoCallbackAction() = default;
  explicit SoCallbackAction(const SbViewportRegion& region) : region_(region) {}

  void setViewportRegion(const SbViewportRegion& region) { region_ = region; }
  const SbViewportRegion& getViewportRegion() const { return region_; }

  // Calls callback with userData before (pre) or after (post) every node of
  // type or a type derived from it; a node's callbacks run in the order they
  // were added, up to the first that does not answer CONTINUE.
  void addPreCallback(SoType type, Callback* callback, void* userData);
  void addPostCallback(SoType type, Callback* callback, void* userData);
  // Whether any function was added, before or after nodes.
  bool hasCallbacks() const { return !pre_.empty() || !post_.empty(); }

  // The state where the traversal stands.
  const SbMatrix& getModelMatrix();
  int getNumCoordinates();
  // nullptr when there are no coordinates.
  const SbVec3f* getCoordinates();
  const SbColor& getDiffuseColor();
  float getTransparency();
  int getLightModel();  // SoLightModel::Model
  int getPickStyle();   // SoPickStyle::Style
  const SbString& getFontName();
  float getFontSize();

 protected:
  // The node's own part of the traversal, between its callbacks: its
  // callback virtual.
  virtual void traverseNode(SoNode* node);
  void beginTraversal(SoNode* node) override;

 private:
  struct Entry {
    SoType type;
    Callback* callback;
    void* userData;
  };
  static void callbackMethod(SoAction* action, SoNode* node);
  Response runCallbacks(const std::vector<Entry>& entries, SoNode* node);

  SbViewportRegion region_;
  std::vector<Entry> pre_;
  std::vector<Entry> post_;
};
