// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <utility>

#include "editors/framework/PoXtAxisEditor.h"
#include "editors/framework/PoXtLegendEditor.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoLegend.h"
#include "plivexwin/EditorHarness.h"

namespace plivexwin::cli {

// The dialog and working copy an editor of the family Family keeps to itself,
// read as a user's window would show them.
template <typename Family>
struct EditorInternals : Family {
  static PoXtDialog& dialogOf(Family& editor) { return *(editor.*&EditorInternals::dialog); }
  static SoNode& workingCopyOf(Family& editor) { return *(editor.*&EditorInternals::workingCopy); }
};

// The harness of the editors of a family (PoXtAxisEditor editing a PoAxis,
// PoXtLegendEditor editing a PoLegend), made by the kind's factory.
template <typename Family, typename Node>
class EditorHarnessOf final : public EditorHarness {
 public:
  EditorHarnessOf(std::unique_ptr<SoWinComponent> component, Family& editor, SoNode& node,
                  std::span<const FilterLevel> levels)
      : levels_(levels), node_(node), component_(std::move(component)), editor_(editor) {
    node_.ref();
    listen(editor_, this);
    editor_.show();
  }
  ~EditorHarnessOf() override {
    component_.reset();
    node_.unref();
  }
  EditorHarnessOf(const EditorHarnessOf&) = delete;
  EditorHarnessOf& operator=(const EditorHarnessOf&) = delete;

  SoWinComponent& editor() const override { return *component_; }
  PoXtDialog& dialog() const override { return EditorInternals<Family>::dialogOf(editor_); }
  SoNode& node() const override { return node_; }
  SoNode& workingCopy() const override { return EditorInternals<Family>::workingCopyOf(editor_); }
  int changes() const override { return changes_; }

  UpdateFrequency getUpdateFrequency() const override {
    return static_cast<UpdateFrequency>(editor_.getUpdateFrequency());
  }
  void setUpdateFrequency(UpdateFrequency frequency) override {
    editor_.setUpdateFrequency(static_cast<typename Family::UpdateFrequency>(frequency));
  }
  Presentation getPresentation() const override {
    return static_cast<Presentation>(editor_.getPresentation());
  }
  void setPresentation(Presentation presentation) override {
    editor_.setPresentation(static_cast<typename Family::Presentation>(presentation));
  }
  std::span<const FilterLevel> filterLevels() const override { return levels_; }

 private:
  static void countChange(void* self, Node*) { ++static_cast<EditorHarnessOf*>(self)->changes_; }
  // Each editor family tells of its changes through callbacks of its own name.
  static void listen(PoXtAxisEditor& editor, EditorHarnessOf* self) {
    editor.addAxisChangedCallback(countChange, self);
  }
  static void listen(PoXtLegendEditor& editor, EditorHarnessOf* self) {
    editor.addLegendChangedCallback(countChange, self);
  }

  std::span<const FilterLevel> levels_;
  SoNode& node_;  // one reference
  std::unique_ptr<SoWinComponent> component_;
  Family& editor_;  // the component
  int changes_ = 0;
};

}  // namespace plivexwin::cli
