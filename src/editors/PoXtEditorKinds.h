// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/scenar/basic/SoType.h"
#include "platform/scenarwin/Win32.h"

class SoNode;
class SoWinComponent;

/// A class level's element filter, named as programs name it ("text",
/// "linear"), with the setter and getter of the editors that have it. Given an
/// editor without that level, set does nothing and get gives (0, 0).
struct PoXtFilterLevel {
  std::string_view name;
  void (*set)(SoWinComponent& editor, uint32_t show, uint32_t hide);
  void (*get)(const SoWinComponent& editor, uint32_t& show, uint32_t& hide);
};

/// A concrete editor kind: its name as programs name it ("linear"), the class
/// of the nodes it edits, its editor's filter levels, outermost class level
/// first, and the factory of its editor. make(node, parent, name) makes the
/// editor, as its constructor does with parent and name, and attaches node; it
/// gives nullptr for a node not exactly of the kind's class (a subclass has
/// fields the editor would not copy). The node classes must be initialised.
struct PoXtEditorKind {
  std::string_view name;
  SoType (*nodeType)();
  std::unique_ptr<SoWinComponent> (*make)(SoNode& node, HWND parent, const char* name);
  std::span<const PoXtFilterLevel> levels;
};

/// The module's concrete editor kinds, one for each editor class applications
/// make, in a fixed order: the axis editors, then the legend editors.
class PoXtEditorKinds {
 public:
  static std::span<const PoXtEditorKind> all();
  /// The kind named name; nullptr when none is.
  static const PoXtEditorKind* named(std::string_view name);
  /// The kind that edits nodes of exactly type; nullptr when none does.
  static const PoXtEditorKind* editing(SoType type);
};
