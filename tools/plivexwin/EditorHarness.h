// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "editors/PoXtEditorKinds.h"

class PoXtDialog;
class SoNode;
class SoWinComponent;

namespace plivexwin::cli {

// The kinds of editor `edit` opens and their class levels' filters: the
// module's registry of editor kinds.
using EditorKind = PoXtEditorKind;
using FilterLevel = PoXtFilterLevel;

// An editor opened for a session, with a node of its kind attached (a fresh
// one, or one of a scene) and the editor shown. Owns the editor and a
// reference on the node, released after the editor. The same for axis and
// legend editors.
class EditorHarness {
 public:
  // The values both editor families give their nested enumerations.
  enum UpdateFrequency : int { CONTINUOUS = 0, AFTER_ACCEPT = 1 };
  enum Presentation : int { FOLDED = 0, UNFOLDED = 1, WITHOUT_TOGGLES = 2 };

  virtual ~EditorHarness() = default;

  virtual SoWinComponent& editor() const = 0;  // show, hide, isVisible
  virtual PoXtDialog& dialog() const = 0;
  virtual SoNode& node() const = 0;
  virtual SoNode& workingCopy() const = 0;
  // How many times the editor has run its change callbacks.
  virtual int changes() const = 0;

  virtual UpdateFrequency getUpdateFrequency() const = 0;
  virtual void setUpdateFrequency(UpdateFrequency frequency) = 0;
  virtual Presentation getPresentation() const = 0;
  virtual void setPresentation(Presentation presentation) = 0;

  // The editor's filter levels, outermost class level first.
  virtual std::span<const FilterLevel> filterLevels() const = 0;
  // The level named name, nullptr when the editor has none.
  const FilterLevel* findLevel(std::string_view name) const;
};

std::span<const EditorKind> editorKinds();
// The class of the editor a kind opens: "PoXtLinearAxisEditor".
std::string editorClassOf(const EditorKind& kind);
// What a kind opens: "PoXtLinearAxisEditor editing a PoLinearAxis".
std::string summaryOf(const EditorKind& kind);
// Initialises the node classes and opens an editor of kind; nullptr for an
// unknown kind.
std::unique_ptr<EditorHarness> openEditor(std::string_view kind);
// Opens the editor of the kind that edits node's class; nullptr when no kind does.
std::unique_ptr<EditorHarness> openEditorOn(SoNode& node);

}  // namespace plivexwin::cli
