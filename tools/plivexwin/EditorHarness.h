#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

class PoXtAxisEditor;
class PoXtDialog;
class SoNode;

namespace plivexwin::cli {

// An editor opened for a session, with a fresh node of its kind attached and
// the editor shown. Owns both; the node is released after the editor.
class EditorHarness {
 public:
  virtual ~EditorHarness() = default;

  virtual PoXtAxisEditor& editor() const = 0;
  virtual PoXtDialog& dialog() const = 0;
  virtual SoNode& node() const = 0;

  // The names of the editor's filter levels, outermost class level first.
  virtual std::span<const std::string_view> filterLevels() const = 0;
  // Sets the filter of the named level; false when the editor has no such level.
  virtual bool setFilter(std::string_view level, uint32_t show, uint32_t hide) = 0;
};

// A kind of editor `edit` opens.
struct EditorKind {
  std::string_view name;
  std::string_view summary;
  std::span<const std::string_view> filterLevels;
  std::unique_ptr<EditorHarness> (*open)();
};

std::span<const EditorKind> editorKinds();
// Initialises the node classes and opens an editor of kind; nullptr for an
// unknown kind.
std::unique_ptr<EditorHarness> openEditor(std::string_view kind);

}  // namespace plivexwin::cli
