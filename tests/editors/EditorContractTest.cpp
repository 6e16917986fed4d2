// SPDX-License-Identifier: Apache-2.0
// The contract every editor keeps whatever node it edits, run over every kind
// of the module's registry of editor kinds: an editor joins with its row there.

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <type_traits>

#include "EditorTestSupport.h"
#include "editors/PoXtEditorKinds.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/SoWinComponent.h"

void PrintTo(const PoXtEditorKind& kind, std::ostream* out) { *out << kind.name; }

namespace {

// The editor of a kind, made by the kind's factory on a fresh node of its
// class and shown, with a count of its change callbacks. Its operations are
// those both editor families have.
class KindHarness {
 public:
  explicit KindHarness(const PoXtEditorKind& kind) : levels(kind.levels) {
    PoBase::initClasses();
    node_ = static_cast<SoNode*>(kind.nodeType().createInstance());
    node_->ref();
    editor_ = kind.make(*node_, nullptr, "contract");
    visit([this](auto& editor) {
      listen(editor, this);
      editor.show();
    });
  }
  ~KindHarness() {
    editor_.reset();
    node_->unref();
  }
  KindHarness(const KindHarness&) = delete;
  KindHarness& operator=(const KindHarness&) = delete;

  SoWinComponent& editor() const { return *editor_; }
  SoNode& node() const { return *node_; }
  PoXtDialog& dialog() const {
    return visit([](auto& editor) -> PoXtDialog& {
      return *(editor.*&Exposed<Family<decltype(editor)>>::dialog);
    });
  }
  SoNode& workingCopy() const {
    return visit([](auto& editor) -> SoNode& {
      return *(editor.*&Exposed<Family<decltype(editor)>>::workingCopy);
    });
  }
  int getUpdateFrequency() const {
    return visit([](auto& editor) { return static_cast<int>(editor.getUpdateFrequency()); });
  }
  void setUpdateFrequency(int frequency) {
    visit([frequency](auto& editor) {
      editor.setUpdateFrequency(
          static_cast<typename Family<decltype(editor)>::UpdateFrequency>(frequency));
    });
  }
  int getPresentation() const {
    return visit([](auto& editor) { return static_cast<int>(editor.getPresentation()); });
  }
  void setPresentation(int presentation) {
    visit([presentation](auto& editor) {
      editor.setPresentation(
          static_cast<typename Family<decltype(editor)>::Presentation>(presentation));
    });
  }

  std::span<const PoXtFilterLevel> levels;
  int changes = 0;

 private:
  // The family base of an editor visit hands over; Exposed<Family> opens the
  // members it keeps to itself, as a user's window sees them.
  template <typename Editor>
  using Family = std::remove_reference_t<Editor>;

  // Calls f with the editor as the base of its family.
  template <typename F>
  std::invoke_result_t<F, PoXtAxisEditor&> visit(F&& f) const {
    if (auto* axis = dynamic_cast<PoXtAxisEditor*>(editor_.get())) return f(*axis);
    return f(dynamic_cast<PoXtLegendEditor&>(*editor_));
  }
  template <typename Changed>
  static void countChange(void* self, Changed*) {
    ++static_cast<KindHarness*>(self)->changes;
  }
  static void listen(PoXtAxisEditor& editor, KindHarness* self) {
    editor.addAxisChangedCallback(countChange<PoAxis>, self);
  }
  static void listen(PoXtLegendEditor& editor, KindHarness* self) {
    editor.addLegendChangedCallback(countChange<PoLegend>, self);
  }

  SoNode* node_ = nullptr;  // one reference
  std::unique_ptr<SoWinComponent> editor_;
};

// The values both editor families give their nested enumerations.
enum : int { kContinuous = 0, kAfterAccept = 1 };
enum : int { kFolded = 0, kUnfolded = 1, kWithoutToggles = 2 };

// Every field of node in the scene-file syntax, one "name value" line each.
std::string fieldsOf(const SoNode& node) {
  std::string text;
  const SoFieldData* fields = node.getFieldData();
  for (int i = 0; i < fields->getNumFields(); ++i) {
    SbString value;
    fields->getField(&node, i)->get(value);
    text += std::string(fields->getFieldName(i).getString()) + " " + value.str() + "\n";
  }
  return text;
}

// The node's first field of type Field.
template <typename Field>
Field& firstField(SoNode& node) {
  const SoFieldData* fields = node.getFieldData();
  for (int i = 0; i < fields->getNumFields(); ++i)
    if (auto* field = dynamic_cast<Field*>(fields->getField(&node, i))) return *field;
  throw std::logic_error("the node has no field of that type");
}

int countOf(const PoXtDialog& dialog, int32_t id) {
  int count = 0;
  for (int i = 0; i < dialog.getNum(); ++i) count += dialog.get1Value(i)->getID() == id;
  return count;
}

int headsOf(const PoXtDialog& dialog) {
  int heads = 0;
  for (int i = 0; i < dialog.getNum(); ++i)
    heads += dynamic_cast<const PoXtSectionToggleData*>(dialog.get1Value(i)) != nullptr;
  return heads;
}

class EditorContractTest : public ::testing::TestWithParam<PoXtEditorKind> {
 protected:
  void TearDown() override {
    harness.reset();
    EXPECT_EQ(SoBase::getLiveCount(), liveAtStart) << "references do not balance";
  }

  PoXtDialog& dialog() const { return harness->dialog(); }
  SoNode& node() const { return harness->node(); }
  SoNode& workingCopy() const { return harness->workingCopy(); }

  // Moves the first real slider of the dialog as a user would.
  void moveASlider() {
    for (int i = 0; i < dialog().getNum(); ++i) {
      auto* slider = dynamic_cast<PoXtRealSliderData*>(dialog().get1Value(i));
      if (!slider) continue;
      float min, max;
      slider->getLimit(min, max);
      slider->setValue(slider->getValue() == max ? min : max);
      dialog().userChanged(i);
      return;
    }
    FAIL() << "the dialog has no real slider";
  }

  // The change reached the node and the working copy alike, and was told once.
  void expectOneChangeApplied(const std::string& before) {
    EXPECT_NE(fieldsOf(node()), before);
    EXPECT_EQ(fieldsOf(node()), fieldsOf(workingCopy()));
    EXPECT_EQ(harness->changes, 1);
  }

  void pressAccept() {
    ASSERT_EQ(dialog().get1Value(dialog().getNum() - 1)->getID(), -3);
    dialog().userChanged(dialog().getNum() - 1);
  }

  long liveAtStart = SoBase::getLiveCount();
  std::unique_ptr<KindHarness> harness = std::make_unique<KindHarness>(GetParam());
};

TEST_P(EditorContractTest, freshEditorIsContinuousUnfoldedAndShowsItsNode) {
  EXPECT_EQ(harness->getUpdateFrequency(), kContinuous);
  EXPECT_EQ(harness->getPresentation(), kUnfolded);
  EXPECT_EQ(countOf(dialog(), -3), 0) << "no Accept button";
  EXPECT_EQ(fieldsOf(workingCopy()), fieldsOf(node()));
  for (const PoXtFilterLevel& level : harness->levels) {
    uint32_t show, hide;
    level.get(harness->editor(), show, hide);
    if ((show & ~hide) != 0) continue;
    // Showing nothing is right only for a level without elements.
    const int whole = dialog().getNum();
    level.set(harness->editor(), ~0u, 0);
    EXPECT_EQ(dialog().getNum(), whole) << level.name << " shows its elements";
    level.set(harness->editor(), show, hide);
  }
}

TEST_P(EditorContractTest, continuousChangeReachesWorkingCopyAndNodeAtOnce) {
  const std::string before = fieldsOf(node());
  moveASlider();
  expectOneChangeApplied(before);
}

TEST_P(EditorContractTest, afterAcceptHoldsChangesUntilAccept) {
  harness->setUpdateFrequency(kAfterAccept);
  harness->setUpdateFrequency(kAfterAccept);
  EXPECT_EQ(countOf(dialog(), -3), 1);
  const std::string before = fieldsOf(node());
  moveASlider();
  EXPECT_EQ(fieldsOf(node()), before);
  EXPECT_EQ(fieldsOf(workingCopy()), before);
  EXPECT_EQ(harness->changes, 0);

  pressAccept();
  expectOneChangeApplied(before);
}

TEST_P(EditorContractTest, switchToContinuousWritesTheWholeWorkingCopyAndShowsIt) {
  harness->setUpdateFrequency(kAfterAccept);
  // The application changes several fields of the working copy the callbacks hand out.
  const SoFieldData* fields = workingCopy().getFieldData();
  for (int i = 0; i < fields->getNumFields(); ++i) {
    SoField* field = fields->getField(&workingCopy(), i);
    if (auto* real = dynamic_cast<SoSFFloat*>(field)) real->setValue(real->getValue() + 0.5f);
    if (auto* text = dynamic_cast<SoSFString*>(field))
      text->setValue(SbString(text->getValue().str() + "x"));
  }
  const std::string edited = fieldsOf(workingCopy());

  harness->setUpdateFrequency(kContinuous);
  EXPECT_EQ(countOf(dialog(), -3), 0);
  EXPECT_EQ(fieldsOf(node()), edited);
  EXPECT_EQ(fieldsOf(workingCopy()), edited);
  // The dialog shows the working copy: accepting it changes nothing.
  harness->setUpdateFrequency(kAfterAccept);
  pressAccept();
  EXPECT_EQ(fieldsOf(node()), edited);
}

TEST_P(EditorContractTest, nodeChangesComeBackUnlessHidden) {
  SoSFFloat& field = firstField<SoSFFloat>(node());
  field.setValue(field.getValue() + 0.25f);
  EXPECT_EQ(fieldsOf(workingCopy()), fieldsOf(node()));

  harness->editor().hide();
  field.setValue(field.getValue() + 0.25f);
  EXPECT_NE(fieldsOf(workingCopy()), fieldsOf(node())) << "a hidden editor does not follow";
  harness->editor().show();
  EXPECT_EQ(fieldsOf(workingCopy()), fieldsOf(node())) << "shown again, it catches up";

  harness->setUpdateFrequency(kAfterAccept);
  const std::string shown = fieldsOf(node());
  pressAccept();
  EXPECT_EQ(fieldsOf(node()), shown) << "the dialog showed the node";
}

TEST_P(EditorContractTest, everyFilterLevelHidesItsElementsAndIgnoresTheSameShownSet) {
  const int whole = dialog().getNum();
  for (const PoXtFilterLevel& level : harness->levels) {
    uint32_t show, hide;
    level.get(harness->editor(), show, hide);
    level.set(harness->editor(), show, show);
    if ((show & ~hide) != 0) {
      EXPECT_LT(dialog().getNum(), whole) << level.name;
    }
    const int hidden = dialog().getNum();
    level.set(harness->editor(), 0, 0);  // shows nothing either: no change at all
    uint32_t storedShow, storedHide;
    level.get(harness->editor(), storedShow, storedHide);
    EXPECT_EQ(storedShow, show) << level.name;
    EXPECT_EQ(storedHide, show) << level.name;
    EXPECT_EQ(dialog().getNum(), hidden) << level.name;
    level.set(harness->editor(), show, hide);
    EXPECT_EQ(dialog().getNum(), whole) << level.name;
  }
}

TEST_P(EditorContractTest, presentationsChangeOnlyTheHeads) {
  const int whole = dialog().getNum();
  const int heads = headsOf(dialog());
  ASSERT_GT(heads, 0);
  harness->setPresentation(kFolded);
  EXPECT_EQ(dialog().getNum(), whole);
  harness->setPresentation(kWithoutToggles);
  EXPECT_EQ(dialog().getNum(), whole - heads);
  harness->setPresentation(kUnfolded);
  EXPECT_EQ(dialog().getNum(), whole);
  EXPECT_EQ(headsOf(dialog()), heads);
}

TEST_P(EditorContractTest, anyStoredFrequencyOrPresentationStaysDefined) {
  const int whole = dialog().getNum();
  harness->setUpdateFrequency(5);
  EXPECT_EQ(harness->getUpdateFrequency(), 5);
  harness->setPresentation(5);
  EXPECT_EQ(harness->getPresentation(), 5);
  EXPECT_EQ(dialog().getNum(), whole);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EditorContractTest,
                         ::testing::ValuesIn(PoXtEditorKinds::all().begin(),
                                             PoXtEditorKinds::all().end()),
                         [](const ::testing::TestParamInfo<PoXtEditorKind>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
