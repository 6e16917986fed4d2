// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/EditorHarness.h"

#include "platform/plivex/PoBase.h"
#include "plivexwin/EditorHarnessOf.h"

namespace plivexwin::cli {

namespace {

// The kind's editor on node, in the harness of its family.
std::unique_ptr<EditorHarness> open(const EditorKind& kind, SoNode& node) {
  std::unique_ptr<SoWinComponent> editor = kind.make(node, nullptr, "plivexwin");
  if (auto* axis = dynamic_cast<PoXtAxisEditor*>(editor.get()))
    return std::make_unique<EditorHarnessOf<PoXtAxisEditor, PoAxis>>(std::move(editor), *axis, node,
                                                                     kind.levels);
  if (auto* legend = dynamic_cast<PoXtLegendEditor*>(editor.get()))
    return std::make_unique<EditorHarnessOf<PoXtLegendEditor, PoLegend>>(std::move(editor), *legend,
                                                                         node, kind.levels);
  return nullptr;
}

}  // namespace

const FilterLevel* EditorHarness::findLevel(std::string_view name) const {
  for (const FilterLevel& level : filterLevels())
    if (level.name == name) return &level;
  return nullptr;
}

std::span<const EditorKind> editorKinds() { return PoXtEditorKinds::all(); }

// An editor bears the name of the node class it edits with PoXt in place of Po
// and Editor appended.
std::string editorClassOf(const EditorKind& kind) {
  PoBase::initClasses();
  return "PoXt" + std::string(kind.nodeType().getName().getString()).substr(2) + "Editor";
}

std::string summaryOf(const EditorKind& kind) {
  return editorClassOf(kind) + " editing a " + kind.nodeType().getName().getString();
}

std::unique_ptr<EditorHarness> openEditor(std::string_view name) {
  const EditorKind* kind = PoXtEditorKinds::named(name);
  if (!kind) return nullptr;
  PoBase::initClasses();
  auto* node = static_cast<SoNode*>(kind->nodeType().createInstance());
  if (!node) return nullptr;
  // Held for the opening, so that a harness that is not made frees the node.
  node->ref();
  std::unique_ptr<EditorHarness> harness = open(*kind, *node);
  node->unref();
  return harness;
}

std::unique_ptr<EditorHarness> openEditorOn(SoNode& node) {
  const EditorKind* kind = PoXtEditorKinds::editing(node.getTypeId());
  return kind ? open(*kind, node) : nullptr;
}

}  // namespace plivexwin::cli
