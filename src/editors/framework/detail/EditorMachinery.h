#pragma once

// What every editor class level does the same way, axis and legend editors
// alike: installing and filtering sections, keeping each section's first index
// right, handling an element change of one group, moving the elements into the
// working copy, presentations and the "Accept" button. Each level calls these
// with its own data; the editor bases hand in their shared members as a view.

#include <cstdint>
#include <span>

#include "editors/framework/PoXtElementFilter.h"
#include "editors/framework/detail/ElementTable.h"
#include "platform/scenarwin/PoXtDialog.h"

class SoCallbackList;
class SoNodeSensor;

namespace plivexwin::detail {

// Values of the nested Presentation and UpdateFrequency enumerations.
constexpr int kFolded = 0;
constexpr int kUnfolded = 1;
constexpr int kWithoutToggles = 2;
constexpr int kContinuous = 0;
constexpr int kAfterAccept = 1;
// The identifier of the "Accept" button.
constexpr int32_t kAcceptId = -3;

// The members an editor base shares with its class levels.
struct EditorView {
  PoXtDialog* dialog;
  menuColumn* sections;
  int sectionCount;
  int presentation;
  int updateFrequency;
  SoNode* workingCopy;
  SoNode* attachedNode;
  SoNodeSensor* sensor;
  SoCallbackList* changeCallbacks;
  void* changeData;  // the working copy as the change callbacks take it
  bool visible;      // whether the component is shown
};

// Detaches the node sensor for the writes the editor makes to the attached node,
// so that the editor does not hear its own changes, and attaches it again after
// them if it was attached before. A hidden editor's sensor thus stays detached:
// the editor goes on ignoring the node until it is shown, and then catches up.
class WriteWithoutEcho {
 public:
  explicit WriteWithoutEcho(const EditorView& editor);
  ~WriteWithoutEcho();
  WriteWithoutEcho(const WriteWithoutEcho&) = delete;
  WriteWithoutEcho& operator=(const WriteWithoutEcho&) = delete;

 private:
  SoNodeSensor* sensor_;
  SoNode* node_;
  bool following_;
};

// One section: the label of its head, its group, the group's bits it holds and
// whether its installer gives it a head (toggled) or not (plain).
struct SectionLayout {
  const SbString* label;
  const ElementGroup* group;
  uint32_t mask;
  bool toggled;
};

// Sets the head label, the group's tables and the aspect flags for presentation.
void installSection(menuColumn& section, const SectionLayout& layout, int presentation);

// Applies (show, hide) to the sections firstSection to firstSection + layouts.size() - 1
// unless the shown set equals the stored one and the sections were built; then
// stores the pair. Every section's first index is kept equal to the number of
// dialog entries before it.
void applyFilter(const EditorView& editor, int firstSection, std::span<const SectionLayout> layouts,
                 PoXtElementFilter& stored, int& built, uint32_t show, uint32_t hide);

// The value-changed callback of one group: writes the changed element into the
// working copy and, with the sensor detached, into the attached node, then runs
// the change callbacks with the working copy. Other groups, framework elements,
// after-accept mode and a missing working copy are ignored.
void elementChanged(const EditorView& editor, const PoXtDialogDataCB* record,
                    const ElementGroup& group);

// Writes every element of group, in dialog order, into the working copy.
void updateFromElements(const EditorView& editor, const ElementGroup& group);

// Gives every section with a head the look of presentation.
void applyPresentation(const EditorView& editor, int presentation);

// Adds or removes the "Accept" button and acceptCallback for the new frequency.
// Returns true when the working copy should now go into the attached node:
// switching to continuous with a node attached and the editor shown. A hidden
// editor's working copy does not follow the node, so writing it would undo the
// node's own changes.
bool switchUpdateFrequency(const EditorView& editor, int frequency, PoXtDialogCB* acceptCallback,
                           void* userData);

// Shows the working copy in every section.
void refreshSections(const EditorView& editor);

// Copies fields from one node to another, in table order.
void copyFields(SoNode* to, SoNode* from, std::span<const CopyFieldFn> fields);

}  // namespace plivexwin::detail
