// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the editor tests share: access to an editor's dialog and sections, a
// fixture with an attached node and a change counter, and dialog helpers.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editors/framework/PoXtAxisEditor.h"
#include "editors/framework/PoXtLegendEditor.h"
#include "platform/plivex/PbNumericDisplayFormat.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoBase.h"
#include "platform/plivex/PoLegend.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/PoXtElementData.h"
#include "platform/scenarwin/menuColumn.h"

// Opens an editor's protected members to the tests.
template <typename Editor>
class Exposed : public Editor {
 public:
  using Editor::dialog;
  using Editor::Editor;
  using Editor::sectionCount;
  using Editor::sections;
  using Editor::workingCopy;
  PoXtDialog* getDialog() const { return this->dialog; }
};

// The dialog index of the n-th element (0-based) with this label, -1 if none.
inline int indexOf(const PoXtDialog* dialog, const char* label, int n = 0) {
  for (int i = 0; i < dialog->getNum(); ++i)
    if (dialog->get1Value(i)->getLabel() == label && n-- == 0) return i;
  return -1;
}

inline int indexOfId(const PoXtDialog* dialog, int32_t id) {
  for (int i = 0; i < dialog->getNum(); ++i)
    if (dialog->get1Value(i)->getID() == id) return i;
  return -1;
}

template <typename T>
T* elementAt(const PoXtDialog* dialog, int index) {
  return dynamic_cast<T*>(dialog->get1Value(index));
}

// The (min, max) limits of the real slider at index.
inline std::pair<float, float> limitsAt(const PoXtDialog* dialog, int index) {
  float min = 0, max = 0;
  elementAt<PoXtRealSliderData>(dialog, index)->getLimit(min, max);
  return {min, max};
}

// The labels of the section heads in dialog order.
inline std::vector<std::string> sectionHeads(const PoXtDialog* dialog) {
  std::vector<std::string> heads;
  for (int i = 0; i < dialog->getNum(); ++i)
    if (dynamic_cast<PoXtSectionToggleData*>(dialog->get1Value(i)))
      heads.push_back(dialog->get1Value(i)->getLabel().getString());
  return heads;
}

// How many elements of a group the dialog holds.
inline int groupCount(const PoXtDialog* dialog, int code) {
  int count = 0;
  for (int i = 0; i < dialog->getNum(); ++i) {
    int32_t id = dialog->get1Value(i)->getID();
    if (id >= 0 && ((id >> 27) & 0xf) == code) ++count;
  }
  return count;
}

// Every section's first index is the number of entries before it, and every
// entry it holds is its head or an element of its group and mask.
template <typename Editor>
void expectSectionsConsistent(const Exposed<Editor>& editor) {
  int index = 0;
  for (int s = 0; s < editor.sectionCount; ++s) {
    const menuColumn& section = editor.sections[s];
    EXPECT_EQ(section.firstIndex, index) << "section " << s;
    for (int i = index; i < index + section.elementCount; ++i) {
      const PoXtElementData* e = editor.dialog->get1Value(i);
      ASSERT_NE(e, nullptr) << "section " << s;
      if (dynamic_cast<const PoXtSectionToggleData*>(e)) {
        EXPECT_EQ(i, index) << "a head stands first in section " << s;
        continue;
      }
      EXPECT_EQ(e->getID() & 0x78000000, section.groupBits) << "section " << s << " entry " << i;
      EXPECT_NE(e->getID() & 0x07ffffff & section.elementMask, 0u) << "section " << s;
    }
    index += section.elementCount;
  }
  int accept = editor.dialog->getNum() > 0 &&
                       editor.dialog->get1Value(editor.dialog->getNum() - 1)->getID() == -3
                   ? 1
                   : 0;
  EXPECT_EQ(index + accept, editor.dialog->getNum());
}

// Does what a user does to an element, then tells the dialog.
inline void userSetSlider(PoXtDialog* dialog, int index, float value) {
  elementAt<PoXtRealSliderData>(dialog, index)->setValue(value);
  dialog->userChanged(index);
}
inline void userSetText(PoXtDialog* dialog, int index, const char* text) {
  elementAt<PoXtEditTextData>(dialog, index)->setString(text);
  dialog->userChanged(index);
}
inline void userChoose(PoXtDialog* dialog, int index, int item) {
  elementAt<PoXtChoiceButtonData>(dialog, index)->setSelectedItem(item);
  dialog->userChanged(index);
}
inline void userToggle(PoXtDialog* dialog, int index, int state) {
  elementAt<PoXtToggleButtonData>(dialog, index)->setState(state);
  dialog->userChanged(index);
}

// An editor of type Editor with a node of type Node attached, and a count of
// the change callbacks with the last node they were given. TearDown checks that
// every toolkit object made during the test is gone again.
template <typename Editor, typename Node>
class EditorFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { PoBase::initClasses(); }

  void SetUp() override {
    liveAtStart = SoBase::getLiveCount();
    editor = new Exposed<Editor>();
    node = new Node;
    node->ref();
    editor->attach(node);
    listen(*editor, this);
    editor->show();
  }

  void TearDown() override {
    delete editor;
    node->unref();
    EXPECT_EQ(SoBase::getLiveCount(), liveAtStart) << "references do not balance";
  }

  template <typename Changed>
  static void countChange(void* self, Changed* node) {
    auto* fixture = static_cast<EditorFixture*>(self);
    ++fixture->changes;
    fixture->lastChanged = node;
  }
  // Each editor family tells of its changes through callbacks of its own name.
  static void listen(PoXtAxisEditor& editor, EditorFixture* self) {
    editor.addAxisChangedCallback(countChange<PoAxis>, self);
  }
  static void listen(PoXtLegendEditor& editor, EditorFixture* self) {
    editor.addLegendChangedCallback(countChange<PoLegend>, self);
  }

  PoXtDialog* dialog() const { return editor->dialog; }
  Node* workingCopy() const { return static_cast<Node*>(editor->workingCopy); }

  // For a level that carries the node's numeric display format behind its
  // "Format :" button: pressing the button writes no field and runs the
  // callbacks once with the working copy; attaching another node hands its
  // format to the working copy, and Accept hands the working copy's to the node.
  void expectFormatButtonCarriesTheFormat() {
    SbString before;
    node->get(before);
    dialog()->userChanged(indexOf(dialog(), "Format :"));
    SbString after;
    node->get(after);
    EXPECT_EQ(before, after);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(lastChanged, workingCopy());

    PbNumericDisplayFormat format = *node->getFormat();
    format.setNumDigits(format.getNumDigits() + 3);
    const SoRef other(new Node);
    other->setFormat(&format);
    editor->attach(other.get());
    EXPECT_EQ(*workingCopy()->getFormat(), format);

    editor->setUpdateFrequency(Editor::AFTER_ACCEPT);
    editor->attach(node);
    EXPECT_NE(*workingCopy()->getFormat(), format);
    workingCopy()->setFormat(&format);
    dialog()->userChanged(indexOfId(dialog(), -3));
    EXPECT_EQ(*node->getFormat(), format) << "Accept hands the format on";
  }

  long liveAtStart = 0;
  Exposed<Editor>* editor = nullptr;
  Node* node = nullptr;
  int changes = 0;
  SoNode* lastChanged = nullptr;
};
