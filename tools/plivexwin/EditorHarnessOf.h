#pragma once

#include <memory>

#include "editors/framework/PoXtAxisEditor.h"
#include "editors/framework/PoXtLegendEditor.h"
#include "editors/framework/level/Conversions.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoLegend.h"
#include "plivexwin/EditorHarness.h"

namespace plivexwin::cli {

// The filter level named name, set and read through a class level's setter and getter.
template <auto Set, auto Get>
constexpr FilterLevel filterLevel(std::string_view name) {
  using Level = typename plivexwin::MemberOf<decltype(Set)>::Class;
  return {name,
          [](SoWinComponent& editor, uint32_t show, uint32_t hide) {
            (static_cast<Level&>(editor).*Set)(show, hide);
          },
          [](const SoWinComponent& editor, uint32_t& show, uint32_t& hide) {
            (static_cast<const Level&>(editor).*Get)(show, hide);
          }};
}

// The harness of every editor kind: an Editor named "plivexwin", without
// parent, editing a Node. The node classes must be initialised.
template <typename Editor, typename Node>
class EditorHarnessOf final : public EditorHarness {
 public:
  EditorHarnessOf(std::span<const FilterLevel> levels, Node* node)
      : levels_(levels), node_(node), editor_(std::make_unique<Scripted>(nullptr, "plivexwin")) {
    node_->ref();
    editor_->attach(node_);
    listen(*editor_, this);
    editor_->show();
  }
  ~EditorHarnessOf() override {
    editor_.reset();
    node_->unref();
  }
  EditorHarnessOf(const EditorHarnessOf&) = delete;
  EditorHarnessOf& operator=(const EditorHarnessOf&) = delete;

  // The editor of a node of exactly the class Node: a node of a subclass
  // has fields the editor would not copy.
  static std::unique_ptr<EditorHarness> open(std::span<const FilterLevel> levels, SoNode* node) {
    if (!node) return std::make_unique<EditorHarnessOf>(levels, new Node);
    if (node->getTypeId() != Node::getClassTypeId()) return nullptr;
    return std::make_unique<EditorHarnessOf>(levels, static_cast<Node*>(node));
  }

  SoWinComponent& editor() const override { return *editor_; }
  PoXtDialog& dialog() const override { return *editor_->dialog; }
  SoNode& node() const override { return *node_; }
  SoNode& workingCopy() const override { return *editor_->workingCopy; }
  int changes() const override { return changes_; }

  UpdateFrequency getUpdateFrequency() const override {
    return static_cast<UpdateFrequency>(editor_->getUpdateFrequency());
  }
  void setUpdateFrequency(UpdateFrequency frequency) override {
    editor_->setUpdateFrequency(static_cast<typename Editor::UpdateFrequency>(frequency));
  }
  Presentation getPresentation() const override {
    return static_cast<Presentation>(editor_->getPresentation());
  }
  void setPresentation(Presentation presentation) override {
    editor_->setPresentation(static_cast<typename Editor::Presentation>(presentation));
  }
  std::span<const FilterLevel> filterLevels() const override { return levels_; }

 private:
  // The editor with its dialog and working copy in reach, as a user's window would have them.
  class Scripted : public Editor {
   public:
    using Editor::dialog;
    using Editor::Editor;
    using Editor::workingCopy;
  };

  template <typename Changed>
  static void countChange(void* self, Changed*) {
    ++static_cast<EditorHarnessOf*>(self)->changes_;
  }
  // Each editor family tells of its changes through callbacks of its own name.
  static void listen(PoXtAxisEditor& editor, EditorHarnessOf* self) {
    editor.addAxisChangedCallback(countChange<PoAxis>, self);
  }
  static void listen(PoXtLegendEditor& editor, EditorHarnessOf* self) {
    editor.addLegendChangedCallback(countChange<PoLegend>, self);
  }

  std::span<const FilterLevel> levels_;
  Node* node_;  // one reference
  std::unique_ptr<Scripted> editor_;
  int changes_ = 0;
};

}  // namespace plivexwin::cli
