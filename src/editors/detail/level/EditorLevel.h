// SPDX-License-Identifier: Apache-2.0
#pragma once

// A class level of an editor as constant data: its element groups, each with
// its rows, sections and default filter; the fields it copies, in order; and
// the level above it. A level header defines its description and checks it:
//
//   inline const SbString kLinearLabel("Linear");
//   constexpr LevelGroup kLinearGroups[] = {groupInOneSection<kLinearRows, kLinearLabel>(4)};
//   constexpr EditorLevel kLinearAxisLevel{&kCartesianAxisLevel, kLinearGroups, kLinearCopied,
//                                          makeNode<PoLinearAxis>};
//   static_assert(isWellFormed(kLinearAxisLevel));
//
// Section labels are strings made at load time, one each, beside the rows that
// use them. The descriptions themselves are constants of each file that
// includes them (not inline): the checks compare their addresses, which a
// sanitizing compiler cannot fold for a weak symbol.

#include <cstdint>
#include <span>

#include "editors/detail/level/ElementTable.h"
#include "editors/framework/PoXtElementFilter.h"
#include "platform/scenar/basic/SbString.h"

namespace plivexwin {

// A section of a group: the label of its head, the group's element bits it
// holds, and whether it has a head that folds it (toggled) or none (plain).
struct SectionRow {
  const SbString* label;
  uint32_t mask;
  bool toggled;
};

// An element group of a level, the sections that show it in dialog order, and
// the filter a new editor applies to it.
struct LevelGroup {
  ElementGroup elements;
  std::span<const SectionRow> sections;
  PoXtElementFilter defaultFilter;
};

struct EditorLevel {
  const EditorLevel* parent;
  std::span<const LevelGroup> groups;
  std::span<const CopyFieldFn> copied;
  // Set on a concrete level: makes its working copy, a node of the edited class.
  SoNode* (*makeWorkingCopy)() = nullptr;

  constexpr int sectionCount() const {
    int count = 0;
    for (const LevelGroup& group : groups) count += static_cast<int>(group.sections.size());
    return count;
  }
};

template <typename Node>
SoNode* makeNode() {
  return new Node;
}

// The usual group of a class level: one section, labelled Label, that holds
// every row and shows them all by default; toggled unless Toggled is false.
template <const auto& Rows, const SbString& Label, bool Toggled>
struct OneSection {
  static constexpr uint32_t kMask = (1u << std::size(Rows)) - 1;
  static constexpr SectionRow kSections[] = {{&Label, kMask, Toggled}};
};
template <const auto& Rows, const SbString& Label, bool Toggled = true>
constexpr LevelGroup groupInOneSection(int code) {
  using Section = OneSection<Rows, Label, Toggled>;
  return {makeGroup<Rows>(code), Section::kSections, {Section::kMask, 0}};
}
// The same group in a plain section: no head, whatever the presentation.
template <const auto& Rows, const SbString& Label>
constexpr LevelGroup groupInOnePlainSection(int code) {
  return groupInOneSection<Rows, Label, false>(code);
}

// The sections of a group are disjoint, hold every row of the group and lie
// inside its default filter; the group code fits the identifier.
constexpr bool sectionsCoverTheGroup(const LevelGroup& group) {
  if (group.elements.code < 1 || group.elements.code > kGroupCodeMask) return false;
  uint32_t held = 0;
  for (const SectionRow& section : group.sections) {
    if (section.mask & held) return false;
    held |= section.mask;
  }
  const uint32_t rows = (1u << group.elements.count) - 1;
  return held == rows && (held & ~group.defaultFilter.show) == 0;
}

// No two groups of a level and the levels above it share a code.
constexpr bool codesUniqueAlongTheChain(const EditorLevel& level) {
  for (const EditorLevel* a = &level; a; a = a->parent)
    for (const LevelGroup& one : a->groups)
      for (const EditorLevel* b = a; b; b = b->parent)
        for (const LevelGroup& other : b->groups)
          if (&one != &other && one.elements.code == other.elements.code) return false;
  return true;
}

constexpr bool isWellFormed(const EditorLevel& level) {
  for (const LevelGroup& group : level.groups)
    if (!sectionsCoverTheGroup(group)) return false;
  return codesUniqueAlongTheChain(level);
}

}  // namespace plivexwin
