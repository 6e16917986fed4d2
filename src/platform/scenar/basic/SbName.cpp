// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbName.h"

#include <cctype>
#include <unordered_set>

namespace {

struct NameTable {
  std::unordered_set<std::string> names;
};

NameTable& table() {
  static NameTable* instance = new NameTable;  // lives until exit: names outlive statics
  return *instance;
}

}  // namespace

SbName::SbName(const char* text) {
  NameTable& names = table();
  text_ = &*names.names.insert(text ? text : "").first;
}

bool SbName::isIdentStartChar(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool SbName::isIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
