// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/vrml/SoVRMLConversionSettings.h"

class SoNode;
class SoSeparator;
class SoVRMLGroup;

// The worker of the VRML 2.0 pass: turns an intermediate scene graph of the
// toolkit's classes (what SoConvertGuts makes) into VRML 2.0 nodes, keeping
// the traversal state as it goes (SoCallbackAction):
//
//   group, separator   a Group, holding what the children convert to
//   transform,         a Transform with the node's translation, rotation,
//   translation        scale and centre, holding what converts after the
//                      node up to the end of its separator: a transform
//                      met inside a group (not a separator) holds on after
//                      the group, in a Transform of its own
//   face set,          a Shape: an IndexedFaceSet or IndexedLineSet through a
//   line set           Coordinate of the current coordinates, faces of fewer
//                      than three and lines of fewer than two points left
//                      out, and an Appearance with a Material of the current
//                      colour and transparency (clamped to [0, 1]): the
//                      diffuse colour of lit faces; the emissive colour,
//                      over black, of lines and of faces under the light
//                      model BASE_COLOR, which VRML does not light
//   cube               a Shape with a closed IndexedFaceSet of six faces
//   text               a Shape with a Text of its strings (invalid UTF-8
//                      made U+FFFD) and a FontStyle of the current font's
//                      size, the text's spacing and justification, and the
//                      family its name suggests ("TYPEWRITER" for Mono,
//                      Courier, Typewriter; "SERIF" for Serif without Sans;
//                      else "SANS"); its colour emissive, as for lines
//   anything else      nothing of its own; its part of the traversal (a
//                      node kit's parts, a property node's state) counts
//
// What stands for a named group, transform or shape bears its name.
//
// With the setting shareNodes, a separator met again with the state it
// inherited when first met (the coordinates, the clamped colour and
// transparency, the light model, the font's name and size) is the Group
// made then, added again; its children are not traversed again, nor is
// groupConverted called for the groups below it. Its transforms are inside
// the Group: the matrix it inherits does not count.
//
// The settings decide the world's WorldInfo and NavigationInfo, the faces'
// solid and creaseAngle, and whether nodes are shared.
class SoConvertGutsVRML2 {
 public:
  SoConvertGutsVRML2() = default;
  virtual ~SoConvertGutsVRML2() = default;
  SoConvertGutsVRML2(const SoConvertGutsVRML2&) = delete;
  SoConvertGutsVRML2& operator=(const SoConvertGutsVRML2&) = delete;

  void setSettings(const SoVRMLConversionSettings& settings) { settings_ = settings; }
  const SoVRMLConversionSettings& getSettings() const { return settings_; }

  // The VRML 2.0 graph of root, unreferenced: a Group whose first two
  // children are a WorldInfo and a NavigationInfo made from the settings,
  // followed by what root's children convert to. A nullptr root gives the
  // two alone.
  SoVRMLGroup* convertScenarToVRML2(SoSeparator* root);

 protected:
  // Called for every Group the conversion makes, with the node it stands
  // for (root's Group included); nothing by default.
  virtual void groupConverted(const SoNode* from, SoVRMLGroup* to);

 private:
  class Builder;
  SoVRMLConversionSettings settings_;
};
