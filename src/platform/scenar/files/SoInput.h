// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbName.h"
#include "platform/scenar/basic/SbString.h"
#include "platform/scenar/basic/TextReader.h"

class SoDB;
class SoNode;

// Reads scene files: a header line "#Scenar V1.0 ascii", then nodes written as
//
//   [DEF name] TypeName { fieldName value ... [child nodes] }
//
// or "USE name" for a node DEF'd earlier in the same input, or NULL where a
// node-valued field holds none. A DEF name is bound once its node is complete,
// so a node cannot USE itself or an ancestor and what is read has no cycles.
// The text comes from a file or a buffer and is held in memory; field values
// are read by the fields themselves, so an SoInput can be handed to
// SoField::read.
//
// What a text may ask of a traversal is bounded: nodes nest at most kMaxDepth
// deep, and a text expands to at most getMaxExpansion() nodes (kMaxExpansion
// by default), counted as a traversal of what is read visits them: a node is
// 1 plus what its children, parts and nodes in fields expand to, a USE counts
// what its node expands to each time, and the top-level nodes of a text add
// up. A few bytes of DEF/USE that double a group per level would otherwise
// make every traversal run for ages. Counting is memoised per DEF'd node, so
// it takes time in proportion to the text.
//
// The first error stops the reading for good: it is kept as "file:LINE: reason"
// and every later read fails with it until a new text is set. Nodes made by a
// read that fails are released before the read returns.
class SoInput : public scenar::TextReader {
 public:
  // Nodes nest at most this deep, so that a hostile file cannot exhaust the stack.
  static constexpr int kMaxDepth = 1000;
  // The most nodes a text expands to by default.
  static constexpr std::uint64_t kMaxExpansion = 10'000'000;

  SoInput();
  ~SoInput() override;
  SoInput(const SoInput&) = delete;
  SoInput& operator=(const SoInput&) = delete;

  // The first line every scene file starts with.
  static const char* getHeader() { return "#Scenar V1.0 ascii"; }

  // Reads from the file at path from now on. FALSE, with the reason in
  // getErrorMessage ("PATH: cannot open file: No such file or directory"),
  // when it cannot be read.
  SbBool openFile(const char* path);
  // Reads what is left of file, open for reading, from now on: the whole of
  // it at once, the file staying its owner's to close. path names it in
  // messages. FALSE, with the reason in getErrorMessage, when reading fails
  // or the file holds more than mostBytes.
  SbBool setFilePointer(std::FILE* file, const char* path,
                        std::uintmax_t mostBytes = std::numeric_limits<std::uintmax_t>::max());
  // Reads from a copy of text from now on.
  void setBuffer(std::string_view text);
  // Forgets the text, the DEF'd names (releasing their references) and the error.
  void closeFile();
  // The path opened, or "<buffer>"; error messages start with it, control
  // bytes escaped (scenar::escapeControls) so that they stay one line.
  const SbString& getFileName() const { return fileName_; }
  // Whether the text starts with the header line.
  SbBool isValidFile() const;

  // The DEF table. A name refers to the node last added under it; the table
  // holds a reference on every node added until the input is closed.
  void addReference(const SbName& name, SoNode* node);
  SoNode* findReference(const SbName& name) const;

  // Reads one node, a USE or NULL. A new node comes back without references
  // (but for the DEF table's when DEF'd); NULL gives nullptr. The header is
  // checked by the first read.
  SbBool readNode(SoNode*& node);
  // The same for a node whose first word (DEF, USE, NULL or the type name) has
  // been read already, as groups do to tell children from field names.
  SbBool readNode(const std::string& firstWord, SoNode*& node);

  // For readInstance overrides: reads the value of the field named fieldName of
  // node. FALSE with the error set when the node has no such field or the value
  // is bad.
  SbBool readField(SoNode* node, const std::string& fieldName);
  // For readInstance overrides: reads the next word of a node body into word,
  // or fails with "expected <what> in <type>, found ..." when none comes next.
  SbBool readBodyWord(std::string& word, const SoNode* node, const char* what);

  // Records an error at the current line unless one is recorded already (the
  // first, innermost error is the one told). Always FALSE.
  SbBool reportError(const std::string& reason);
  SbBool hasError() const { return failed_; }
  // "file:LINE: reason", lower case; empty while no read failed.
  const SbString& getErrorMessage() const { return errorMessage_; }
  // Nesting of the nodes being read now; 0 between reads.
  int getDepth() const { return depth_; }
  // The bound on what a text expands to; it stays for every later text.
  void setMaxExpansion(std::uint64_t most) { maxExpansion_ = most; }
  std::uint64_t getMaxExpansion() const { return maxExpansion_; }
  // What the nodes read from the text so far expand to.
  std::uint64_t getExpansion() const { return expansion_; }

  // The input that reader is, or nullptr when reader is a plain TextReader.
  static SoInput* fromReader(scenar::TextReader& reader);

  // Whether name may follow DEF: an identifier other than DEF, USE and NULL.
  static bool isValidDefName(std::string_view name);
  // Whether word is a letter or '_', then letters, digits and '_'.
  static bool isIdentifier(std::string_view word);
  // The name a word read stands for, as a type, field or DEF name: the word when
  // it is an identifier, else the empty name, which none of them has (a word
  // with a NUL would otherwise be cut short to a name that exists).
  static SbName nameOf(std::string_view word);

 private:
  friend class SoDB;

  void restart(std::string text, SbString fileName);
  bool checkHeader();
  // Releases the references the DEF table took since it held mark of them: a
  // failed top-level read drops what it made.
  void releaseSince(std::size_t mark);
  // What comes next, for messages: "end of file" or the next token in quotes.
  std::string describeNext();
  bool expectWord(std::string& word, const std::string& what);
  SbBool readNodeBody(const std::string& firstWord, SoNode*& node);
  SbBool fail(const char* path, const std::string& reason);
  // Counts nodes more visits of the text so far; FALSE with the error set
  // when that passes the bound.
  bool addExpansion(std::uint64_t nodes);
  // What node, read or USE'd, expands to; 1 for a node the DEF table was handed.
  std::uint64_t expansionOf(const SoNode* node) const;

  std::string buffer_;
  SbString fileName_;
  bool headerChecked_ = false;
  bool failed_ = false;
  SbString errorMessage_;
  int depth_ = 0;
  std::unordered_map<std::string, SoNode*> names_;
  std::vector<SoNode*> held_;  // one reference each, in the order added
  std::uint64_t maxExpansion_ = kMaxExpansion;
  // Every node begun counts 1, every USE what its node expands to: what a
  // node expands to is the growth of this count while it is read.
  std::uint64_t expansion_ = 0;
  std::unordered_map<const SoNode*, std::uint64_t> defExpansions_;  // of DEF'd nodes read
};
