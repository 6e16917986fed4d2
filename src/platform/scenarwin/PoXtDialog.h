// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <memory>
#include <vector>

#include "platform/scenar/sensors/SoCallbackList.h"
#include "platform/scenarwin/PoXtElementData.h"
#include "platform/scenarwin/Win32.h"

class PoXtDialog;

// What a value-changed callback learns: which dialog, which element.
struct PoXtDialogDataCB {
  PoXtDialog* dialog;
  int elementIndex;
};
using PoXtDialogCB = void(void* userData, PoXtDialogDataCB* data);

// A window holding a column of element descriptions, which it owns. After each
// user change every value-changed callback runs with the element's index.
class PoXtDialog {
 public:
  // Takes ownership of the numElements elements given.
  explicit PoXtDialog(HWND parent = nullptr, const char* name = nullptr,
                      SbBool buildInsideParent = FALSE, int numElements = 0,
                      PoXtElementData** elements = nullptr);
  ~PoXtDialog();
  PoXtDialog(const PoXtDialog&) = delete;
  PoXtDialog& operator=(const PoXtDialog&) = delete;

  void show();
  void hide();
  SbBool isVisible() const { return window_->visible; }
  HWND getWidget() const { return window_.get(); }
  HWND getParent() const { return window_->parent; }
  // With TRUE the window takes the size its elements need.
  void windowResizeByXtElement(SbBool on) { resizeByElements_ = on; }
  SbBool isWindowResizedByXtElement() const { return resizeByElements_; }

  int getNum() const { return static_cast<int>(elements_.size()); }
  // The elements in order; num receives their count.
  PoXtElementData* const* getValues(int& num) const;
  // nullptr when index is outside the dialog.
  PoXtElementData* get1Value(int index) const;
  // Inserts element at index (clamped to the ends); the dialog owns it.
  void insert1Value(int index, PoXtElementData* element);
  // Removes and deletes the element at index.
  void delete1Value(int index);

  void addValueChangedCallback(PoXtDialogCB* function, void* userData = nullptr);
  void removeValueChangedCallback(PoXtDialogCB* function, void* userData = nullptr);

  // Does what a user's change of the element at elementIndex does: a section
  // head opens or closes its section; then every value-changed callback runs
  // with {dialog, elementIndex}. FALSE for an index outside the dialog.
  SbBool userChanged(int elementIndex);

  // Opens or closes the section whose head stands at toggleIndex.
  void setSectionFolded(int toggleIndex, bool folded);

  // One line per element: index, identifier, kind, label, value, and
  // "(folded)" for an element closed in its section.
  void print(std::ostream& out) const;

 private:
  std::unique_ptr<SoWinWindow> window_;
  SbBool resizeByElements_ = FALSE;
  std::vector<PoXtElementData*> elements_;  // owned
  SoCallbackList callbacks_;
};
