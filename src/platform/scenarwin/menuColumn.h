// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <vector>

#include "platform/scenar/basic/SbString.h"

class PoXtDialog;
class PoXtElementData;
class PoXtSectionToggleData;
class SoNode;

// Makes the element of one element bit; its identifier is elementBit | groupBits.
using PoXtCreateElementFn = PoXtElementData* (*)(int32_t elementBit, int32_t groupBits);
// Shows a field of node in element.
using PoXtUpdateElementFn = void (*)(SoNode* node, PoXtElementData* element);

// One section of a dialog: an optional head that folds it, then one element per
// selected bit of its element mask, made and refreshed through tables indexed
// by bit position. The section keeps track of its own entries; the first index
// handed to destroy, fold, unfold and changeToggleAspect must be the dialog
// index of its first entry.
class menuColumn {
 public:
  void setDialog(PoXtDialog* dialog) { dialog_ = dialog; }
  PoXtDialog* getDialog() const { return dialog_; }
  void setToggleName(const SbString& name) { toggleName_ = name; }
  const SbString& getToggleName() const { return toggleName_; }
  // Tables of count entries indexed by bit position; null entries make nothing.
  void setCreationArray(const PoXtCreateElementFn* table, int count);
  void setUpdateArray(const PoXtUpdateElementFn* table, int count);

  // Keeps node and shows it in every element the section holds.
  void setData(SoNode* node);
  SoNode* getData() const { return node_; }

  // Inserts at dialog index first the head, when withToggle is set, then in
  // rising bit order one element per bit of elementMask set in showMask and
  // clear in hideMask, each shown from the kept node. Sets built and elementCount.
  void build(int first, uint32_t showMask, uint32_t hideMask);
  // Removes and deletes every entry of the section.
  void destroy(int first);
  void fold(int first);
  void unfold(int first);
  // Adds or removes the head to match withToggle and sets its folded look.
  void changeToggleAspect(int first);

  int withToggle = 0;
  int withoutToggle = 0;
  int unfolded = 0;
  int built = 0;
  uint32_t elementMask = 0;
  int elementCount = 0;  // dialog entries the section holds, head included
  int firstIndex = 0;
  int32_t groupBits = 0;

 private:
  struct Member {
    int position;
    PoXtElementData* element;  // owned by the dialog
  };
  // The dialog index of the section's first entry, checked against first.
  int locate(int first) const;
  void setFolded(int at, bool folded);

  PoXtDialog* dialog_ = nullptr;
  SbString toggleName_;
  const PoXtCreateElementFn* create_ = nullptr;
  int createCount_ = 0;
  const PoXtUpdateElementFn* update_ = nullptr;
  int updateCount_ = 0;
  SoNode* node_ = nullptr;
  PoXtSectionToggleData* head_ = nullptr;  // owned by the dialog
  std::vector<Member> members_;
};
