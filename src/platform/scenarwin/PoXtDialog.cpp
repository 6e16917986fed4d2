// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/PoXtDialog.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "platform/scenar/basic/TextReader.h"

PoXtDialog::PoXtDialog(HWND parent, const char* name, SbBool, int numElements,
                       PoXtElementData** elements)
    : window_(std::make_unique<SoWinWindow>()) {
  window_->parent = parent;
  window_->className = "PoXtDialog";
  window_->title = name;
  for (int i = 0; elements && i < numElements; ++i)
    if (elements[i]) elements_.emplace_back(elements[i]);
}

PoXtDialog::~PoXtDialog() {
  for (PoXtElementData* element : elements_) delete element;
}

void PoXtDialog::show() { window_->visible = true; }

void PoXtDialog::hide() { window_->visible = false; }

PoXtElementData* const* PoXtDialog::getValues(int& num) const {
  num = getNum();
  return elements_.data();
}

PoXtElementData* PoXtDialog::get1Value(int index) const {
  if (index < 0 || index >= getNum()) return nullptr;
  return elements_[static_cast<std::size_t>(index)];
}

void PoXtDialog::insert1Value(int index, PoXtElementData* element) {
  if (!element) return;
  index = std::clamp(index, 0, getNum());
  elements_.emplace(elements_.begin() + index, element);
}

void PoXtDialog::delete1Value(int index) {
  if (index < 0 || index >= getNum()) return;
  PoXtElementData* element = elements_[static_cast<std::size_t>(index)];
  elements_.erase(elements_.begin() + index);
  delete element;
}

void PoXtDialog::addValueChangedCallback(PoXtDialogCB* function, void* userData) {
  callbacks_.addCallback(function, userData);
}

void PoXtDialog::removeValueChangedCallback(PoXtDialogCB* function, void* userData) {
  callbacks_.removeCallback(function, userData);
}

SbBool PoXtDialog::userChanged(int elementIndex) {
  PoXtElementData* element = get1Value(elementIndex);
  if (!element) return FALSE;
  if (auto* head = dynamic_cast<PoXtSectionToggleData*>(element))
    setSectionFolded(elementIndex, !head->isSectionFolded());
  // A callback may add or remove callbacks: the list runs those of the moment
  // that are still registered when their turn comes.
  PoXtDialogDataCB data{this, elementIndex};
  callbacks_.invokeCallbacks(&data);
  return TRUE;
}

void PoXtDialog::setSectionFolded(int toggleIndex, bool folded) {
  auto* head = dynamic_cast<PoXtSectionToggleData*>(get1Value(toggleIndex));
  if (!head) return;
  head->setSectionFolded(folded);
  int last = std::min(getNum() - 1, toggleIndex + head->getMemberCount());
  for (int i = toggleIndex + 1; i <= last; ++i) get1Value(i)->setFolded(folded);
}

void PoXtDialog::print(std::ostream& out) const {
  for (int i = 0; i < getNum(); ++i) {
    const PoXtElementData* e = get1Value(i);
    char id[16];
    if (e->getID() < 0)
      std::snprintf(id, sizeof id, "%d", static_cast<int>(e->getID()));
    else
      std::snprintf(id, sizeof id, "0x%08x", static_cast<unsigned>(e->getID()));
    std::string line;
    char index[16];
    std::snprintf(index, sizeof index, "%3d", i);
    line += index;
    line += "  ";
    line += id;
    line += "  ";
    line += e->getKindName();
    line += "  ";
    scenar::appendQuoted(line, e->getLabel().str());
    line += "  ";
    e->printValue(line);
    if (e->isFolded()) line += "  (folded)";
    out << line << '\n';
  }
}
