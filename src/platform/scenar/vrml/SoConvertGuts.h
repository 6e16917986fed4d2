// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SoType.h"

class SoGroup;
class SoNode;
class SoSeparator;
class SoToVRMLAction;

// The worker of the first conversion pass (SoToVRMLAction). As the action's
// traversal meets each node, the worker adds what stands for the node to an
// intermediate scene graph made of the toolkit's basic classes alone, which
// the VRML 2.0 pass (SoConvertGutsVRML2) turns into VRML 2.0 nodes:
//
//   group, separator      a group, a separator, holding what the children
//                         convert to; an annotation is a separator
//   node kit              a group holding what its parts convert to
//   transform, translation, coordinates, face set, line set, material,
//   light model, cube, font, text
//                         a copy
//   pick style, callback  nothing; they still act on the traversal (a
//   node, camera          callback node calls its function with the action);
//                         a camera is left out as the world is seen through
//                         the browser's own viewpoint
//   any other class       an empty group, its content left alone, unless
//                         its library registered a converter for it
//
// Beside the paths of a path apply, groups and shapes add nothing, while
// property nodes are still copied: they act on what the paths lead to.
// What stands for a node (a group, a copy, an empty group) bears its name.
//
// With the setting shareNodes, a separator met again in a node apply (or
// below the paths of a path apply) stands for what it stood for the first
// time: the separator made then, added again, its children not traversed
// again. What a separator holds does not depend on where it is met, unless
// a node in it was converted by a converter that is not the toolkit's own
// (a library's may depend on the state, or be called for every meeting) or
// a callback node calls its function in it: such a separator, and those
// around it, are converted at each meeting. No separator is shared while
// the action has callbacks of its own: they would miss what is not
// traversed again.
//
// A library has the conversion know its node classes by registering their
// converters with setClassConverter when it sets them up; a subclass gives
// classes their converter in its own workers (setConverter). A worker serves
// one conversion at a time.
class SoConvertGuts {
 public:
  using Converter = void (*)(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node);

  SoConvertGuts();
  virtual ~SoConvertGuts();
  SoConvertGuts(const SoConvertGuts&) = delete;
  SoConvertGuts& operator=(const SoConvertGuts&) = delete;

  // Makes every worker made from now on convert nodes of type, and of the
  // types below it that have no converter of their own, with converter; a
  // bad type changes nothing. It replaces the toolkit's own converter for
  // type; a worker's setConverter replaces it in turn.
  static void setClassConverter(SoType type, Converter converter);

  // Starts a conversion into root, which the caller holds for its length.
  virtual void beginConversion(SoSeparator* root);
  void endConversion();
  // Adds to the group being filled what stands for node, which action's
  // traversal has met; nothing outside a conversion.
  void convert(SoToVRMLAction* action, SoNode* node);

  // The converters above, for libraries and subclasses to reuse.
  static void convertToGroup(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node);
  static void convertToSeparator(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node);
  static void convertToCopy(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node);
  static void convertToNothing(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node);
  static void convertToEmptyGroup(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node);

 protected:
  // Nodes of type, and of the types below it that have no converter of their
  // own, convert with converter; a bad type changes nothing.
  void setConverter(SoType type, Converter converter);

  // Adds node, unreferenced, to the group being filled.
  void addToOutput(SoNode* node);
  // Adds group, unreferenced, to the group being filled and fills it with
  // what node's own part of the traversal (its children, its parts)
  // converts to. Beside an applied path it only traverses node, releasing
  // group, and returns FALSE.
  SbBool convertInto(SoGroup* group, SoToVRMLAction* action, SoNode* node);

  // Whether the node being traversed lies beside the paths action follows.
  static bool isOffPath(const SoToVRMLAction* action);

 private:
  Converter findConverter(SoType type) const;
  // Whether what node converts to may depend on where it is met.
  static bool dependsOnMeeting(Converter converter, const SoNode* node);
  // Whether a separator met where action stands may be shared.
  static bool mayShare(const SoToVRMLAction* action);

  std::vector<std::pair<int, Converter>> converters_;  // by type key
  std::vector<SoGroup*> output_;                       // the groups being filled, innermost last
  // The separators made, by the node they stand for; the output holds them.
  std::unordered_map<const SoNode*, SoSeparator*> separators_;
  int unshareable_ = 0;  // nodes met whose conversion depends on the meeting
};
