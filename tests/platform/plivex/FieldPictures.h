// SPDX-License-Identifier: Apache-2.0
#pragma once

// Field changes seen in pictures: nodes set up from settings written as in a
// scene file, tables of changes in the same words, and the check that a
// change shows and that undoing it draws the first picture again.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "PlivexTestSupport.h"
#include "PlotPicture.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/files/SoOutput.h"
#include "platform/scenar/vrml/SoToVRML2Action.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"

// Sets fields from "name value; name value" (values as a scene file writes
// them); a name the node lacks or a value it cannot read fails the test.
inline void applySettings(SoNode* node, std::string_view settings) {
  while (!settings.empty()) {
    const std::size_t end = std::min(settings.find(';'), settings.size());
    std::string_view setting = settings.substr(0, end);
    settings.remove_prefix(std::min(end + 1, settings.size()));
    while (!setting.empty() && setting.front() == ' ') setting.remove_prefix(1);
    if (setting.empty()) continue;
    const std::size_t space = std::min(setting.find(' '), setting.size());
    const std::string name(setting.substr(0, space));
    SoField* field = node->getField(SbName(name.c_str()));
    ASSERT_TRUE(field) << name;
    EXPECT_TRUE(field->set(std::string(setting.substr(space)).c_str())) << setting;
  }
}

// A node of type, given setup (settings as above) and drawn moved by shift
// ("x y z"), must draw differently once field reads value.
struct FieldChange {
  std::string type;
  std::string field;
  std::string value;
  std::string setup;
  std::string shift = "0 0 0";
};

inline std::ostream& operator<<(std::ostream& out, const FieldChange& c) {
  return out << c.type << "." << c.field << " = " << c.value << " after " << c.setup;
}

inline std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Takes the first word off text.
inline std::string_view firstWord(std::string_view& text) {
  const std::size_t space = std::min(text.find(' '), text.size());
  const std::string_view word = text.substr(0, space);
  text = trimmed(text.substr(space));
  return word;
}

// The changes of a table: lines "field value | setup | shift" (the last two
// optional), each made on every type of the heading above it, a line
// "type type ...:"; blank lines are skipped.
inline std::vector<FieldChange> fieldChanges(std::string_view table) {
  std::vector<FieldChange> changes;
  std::vector<std::string_view> types;
  while (!table.empty()) {
    const std::size_t end = std::min(table.find('\n'), table.size());
    std::string_view line = trimmed(table.substr(0, end));
    table.remove_prefix(std::min(end + 1, table.size()));
    if (line.empty()) continue;
    if (line.back() == ':') {
      line.remove_suffix(1);
      for (types.clear(); !line.empty();) types.push_back(firstWord(line));
      continue;
    }
    std::string_view columns[3];
    for (std::string_view& column : columns) {
      const std::size_t bar = std::min(line.find('|'), line.size());
      column = trimmed(line.substr(0, bar));
      line.remove_prefix(std::min(bar + 1, line.size()));
    }
    const std::string field(firstWord(columns[0]));
    if (types.empty()) ADD_FAILURE() << "no type heading above " << field;
    for (std::string_view type : types) {
      changes.push_back(
          {std::string(type), field, std::string(columns[0]), std::string(columns[1])});
      if (!columns[2].empty()) changes.back().shift = columns[2];
    }
  }
  return changes;
}

// The VRML 2.0 file scene converts to.
inline std::string worldOf(SoNode* scene) {
  SoToVRML2Action convert;
  convert.apply(scene);
  SoOutput out;
  SoWriteAction write(&out);
  write.apply(convert.getVRML2SceneGraph());
  return out.getBuffer();
}

// Checks that change(true) shows in the picture of scene and in the world it
// converts to, and that change(false) draws the first picture and world again.
template <typename Change>
void expectChangeShowsAndUndoes(SoNode* scene, int side, Change change) {
  const std::vector<unsigned char> before = plotPicture(scene, side);
  const std::string world = worldOf(scene);
  ASSERT_FALSE(before.empty());
  change(true);
  EXPECT_NE(plotPicture(scene, side), before) << "the new value shows";
  EXPECT_NE(worldOf(scene), world) << "the new value shows in the world";
  change(false);
  EXPECT_EQ(plotPicture(scene, side), before) << "the old value draws the same picture";
  EXPECT_EQ(worldOf(scene), world) << "the old value converts to the same world";
}

// The same for setting a field of node, in scene, to the change's value and
// then back to its old value.
inline void expectFieldChangeShows(SoNode* scene, SoNode* node, const FieldChange& change,
                                   int side = 200) {
  SoField* field = node->getField(SbName(change.field.c_str()));
  ASSERT_TRUE(field) << change.field;
  SbString old;
  field->get(old);
  expectChangeShowsAndUndoes(scene, side, [&](bool changed) {
    ASSERT_TRUE(field->set(changed ? change.value.c_str() : old.getString())) << change.value;
  });
}
