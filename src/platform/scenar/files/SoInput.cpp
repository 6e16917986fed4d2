// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/files/SoInput.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unordered_set>

#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/nodes/SoNode.h"

namespace {

constexpr const char* kBufferName = "<buffer>";

bool isPunctuation(char c) {
  return c == '"' || c == '[' || c == ']' || c == '{' || c == '}' || c == ',';
}

bool endsWord(char c) {
  return std::isspace(static_cast<unsigned char>(c)) || c == '#' || isPunctuation(c);
}

std::string typeNameOf(const SoNode* node) { return node->getTypeId().getName().getString(); }

using scenar::quoteInput;

std::string systemReason(const char* what, int error) {
  return std::string(what) + ": " + std::strerror(error);
}

// How many bytes file holds from where it is on, when it can seek; -1 when
// it cannot tell.
long long bytesLeft(std::FILE* file) {
  const long here = std::ftell(file);
  if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
  const long end = std::ftell(file);
  if (std::fseek(file, here, SEEK_SET) != 0 || end < here) return -1;
  return end - here;
}

// Reads what is left of file into text; the reason when that fails or the
// file holds more than mostBytes, else empty. Once a file proved readable by
// a full first chunk, one that can seek tells its size: one that is too large
// is refused at once, and the text of any other is allocated once, at its
// size, instead of growing.
std::string readRest(std::FILE* file, std::uintmax_t mostBytes, std::string& text) {
  const std::string tooLarge = "holds more than " + std::to_string(mostBytes) + " bytes";
  char chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (got > mostBytes - text.size()) return tooLarge;
    if (text.empty() && got == sizeof chunk) {
      const long long left = bytesLeft(file);
      if (left > 0 && static_cast<std::uintmax_t>(left) > mostBytes - got) return tooLarge;
      if (left > 0) text.reserve(got + static_cast<std::size_t>(left));
    }
    text.append(chunk, got);
  }
  const int error = errno;
  return std::ferror(file) ? systemReason("cannot read file", error) : std::string();
}

std::uint64_t saturatingSum(std::uint64_t a, std::uint64_t b) {
  return b > UINT64_MAX - a ? UINT64_MAX : a + b;
}

}  // namespace

SoInput::SoInput() : TextReader(std::string_view()), fileName_(kBufferName) {}

SoInput::~SoInput() { closeFile(); }

SoInput* SoInput::fromReader(scenar::TextReader& reader) { return dynamic_cast<SoInput*>(&reader); }

void SoInput::closeFile() {
  names_.clear();
  std::vector<SoNode*> held;
  held.swap(held_);
  for (SoNode* node : held) node->unref();
  buffer_.clear();
  static_cast<TextReader&>(*this) = TextReader(std::string_view());
  fileName_ = kBufferName;
  headerChecked_ = false;
  failed_ = false;
  errorMessage_.makeEmpty();
  depth_ = 0;
  expansion_ = 0;
  defExpansions_.clear();
}

void SoInput::restart(std::string text, SbString fileName) {
  closeFile();
  buffer_ = std::move(text);
  fileName_ = std::move(fileName);
  static_cast<TextReader&>(*this) = TextReader(buffer_);
}

void SoInput::setBuffer(std::string_view text) { restart(std::string(text), kBufferName); }

SbBool SoInput::openFile(const char* path) {
  std::FILE* file = std::fopen(path ? path : "", "rb");
  if (!file) {
    const int error = errno;
    return fail(path, systemReason("cannot open file", error));
  }
  const SbBool ok = setFilePointer(file, path);
  std::fclose(file);
  return ok;
}

SbBool SoInput::setFilePointer(std::FILE* file, const char* path, std::uintmax_t mostBytes) {
  std::string text;
  const std::string reason = file ? readRest(file, mostBytes, text) : "no file to read";
  if (!reason.empty()) return fail(path, reason);
  restart(std::move(text), path ? path : "");
  return TRUE;
}

SbBool SoInput::fail(const char* path, const std::string& reason) {
  restart(std::string(), path ? path : "");
  failed_ = true;
  errorMessage_ = scenar::escapeControls(fileName_.str()) + ": " + reason;
  setError(reason);
  return FALSE;
}

SbBool SoInput::isValidFile() const {
  const std::string_view header = getHeader();
  const std::string_view text = buffer_;
  if (text.substr(0, header.size()) != header) return FALSE;
  const std::string_view after = text.substr(header.size());
  return after.empty() || after[0] == '\n' || after.substr(0, 2) == "\r\n";
}

bool SoInput::checkHeader() {
  if (headerChecked_) return true;
  if (!isValidFile()) return reportError("not a Scenar V1.0 ascii file");
  headerChecked_ = true;  // the header line itself reads as a comment
  return true;
}

SbBool SoInput::reportError(const std::string& reason) {
  if (!failed_) {
    failed_ = true;
    errorMessage_ =
        scenar::escapeControls(fileName_.str()) + ":" + std::to_string(line()) + ": " + reason;
    setError(reason);
  }
  return FALSE;
}

bool SoInput::isValidDefName(std::string_view name) {
  return isIdentifier(name) && name != "DEF" && name != "USE" && name != "NULL";
}

bool SoInput::isIdentifier(std::string_view word) {
  if (word.empty() || !SbName::isIdentStartChar(word[0])) return false;
  for (char c : word)
    if (!SbName::isIdentChar(c)) return false;
  return true;
}

SbName SoInput::nameOf(std::string_view word) {
  return isIdentifier(word) ? SbName(std::string(word).c_str()) : SbName();
}

void SoInput::addReference(const SbName& name, SoNode* node) {
  if (!node) return;
  node->ref();
  held_.push_back(node);
  names_[name.getString()] = node;
}

SoNode* SoInput::findReference(const SbName& name) const {
  auto found = names_.find(name.getString());
  return found == names_.end() ? nullptr : found->second;
}

void SoInput::releaseSince(std::size_t mark) {
  if (mark >= held_.size()) return;
  std::vector<SoNode*> released(held_.begin() + static_cast<std::ptrdiff_t>(mark), held_.end());
  held_.resize(mark);
  const std::unordered_set<SoNode*> gone(released.begin(), released.end());
  std::erase_if(names_, [&](const auto& entry) { return gone.count(entry.second) > 0; });
  for (SoNode* node : released) defExpansions_.erase(node);
  for (SoNode* node : released) node->unref();
}

bool SoInput::addExpansion(std::uint64_t nodes) {
  expansion_ = saturatingSum(expansion_, nodes);
  if (expansion_ <= maxExpansion_) return true;
  return reportError("the scene expands to more than " + std::to_string(maxExpansion_) + " nodes");
}

std::uint64_t SoInput::expansionOf(const SoNode* node) const {
  const auto found = defExpansions_.find(node);
  return found == defExpansions_.end() ? 1 : found->second;
}

std::string SoInput::describeNext() {
  if (atEnd()) return "end of file";
  const std::string_view text = rest();
  // One byte past the quoted length is enough for quoteInput to tell it was cut.
  std::size_t length = isPunctuation(text[0]) ? 1 : 0;
  while (length < text.size() && length <= scenar::kQuotedLength && !endsWord(text[length]))
    ++length;
  return quoteInput(text.substr(0, length));
}

bool SoInput::expectWord(std::string& word, const std::string& what) {
  if (atEnd() || isPunctuation(peek()))
    return reportError("expected " + what + ", found " + describeNext());
  return readWord(word);
}

SbBool SoInput::readBodyWord(std::string& word, const SoNode* node, const char* what) {
  if (atEnd() || isPunctuation(peek()))
    return reportError(std::string("expected ") + what + " or '}' in " + typeNameOf(node) +
                       ", found " + describeNext());
  return readWord(word) ? TRUE : FALSE;
}

SbBool SoInput::readField(SoNode* node, const std::string& fieldName) {
  if (failed_) return FALSE;
  SoField* field = node->getField(nameOf(fieldName));
  if (!field) return reportError("no field " + quoteInput(fieldName) + " in " + typeNameOf(node));
  if (!field->read(*this)) return reportError("field " + quoteInput(fieldName) + ": " + error());
  return failed_ ? FALSE : TRUE;
}

SbBool SoInput::readNode(SoNode*& node) {
  node = nullptr;
  if (failed_ || !checkHeader()) return FALSE;
  std::string word;
  if (!expectWord(word, "a node")) return FALSE;
  return readNode(word, node);
}

SbBool SoInput::readNode(const std::string& firstWord, SoNode*& node) {
  node = nullptr;
  if (failed_ || !checkHeader()) return FALSE;
  const bool outermost = depth_ == 0;
  const std::size_t mark = held_.size();
  if (readNodeBody(firstWord, node)) return TRUE;
  node = nullptr;
  if (outermost) releaseSince(mark);
  return FALSE;
}

SbBool SoInput::readNodeBody(const std::string& firstWord, SoNode*& node) {
  if (firstWord == "NULL") return TRUE;
  if (firstWord == "USE") {
    std::string name;
    if (!expectWord(name, "a name after USE")) return FALSE;
    node = findReference(nameOf(name));
    if (!node) return reportError("USE of undefined name " + quoteInput(name));
    return addExpansion(expansionOf(node)) ? TRUE : FALSE;
  }

  std::string typeName = firstWord;
  std::string defName;
  if (firstWord == "DEF") {
    if (!expectWord(defName, "a name after DEF")) return FALSE;
    if (!isValidDefName(defName)) return reportError("invalid DEF name " + quoteInput(defName));
    if (!expectWord(typeName, "a node type after DEF " + quoteInput(defName))) return FALSE;
  }
  if (depth_ >= kMaxDepth)
    return reportError("nesting deeper than " + std::to_string(kMaxDepth) + " levels");

  const SoType type = SoType::fromName(nameOf(typeName));
  if (type.isBad()) return reportError("unknown node type " + quoteInput(typeName));
  if (!type.isDerivedFrom(SoNode::getClassTypeId()))
    return reportError(quoteInput(typeName) + " is not a node type");
  if (!type.canCreateInstance()) return reportError(quoteInput(typeName) + " cannot be created");

  const int openLine = line();
  if (!consume('{'))
    return reportError("expected '{' after " + typeName + ", found " + describeNext());
  const std::uint64_t before = expansion_;
  if (!addExpansion(1)) return FALSE;
  auto* made = static_cast<SoNode*>(type.createInstance());
  if (!made) return reportError(quoteInput(typeName) + " cannot be created");
  made->ref();

  ++depth_;
  bool ok = made->readInstance(this, 0) && !failed_;
  --depth_;
  if (!ok) {
    reportError("cannot read " + typeName);  // for a readInstance that did not tell why
  } else if (!consume('}')) {
    ok = false;
    if (atEnd())
      reportError("missing '}' for " + typeName + " opened on line " + std::to_string(openLine));
    else
      reportError("expected '}' to close " + typeName + ", found " + describeNext());
  }
  if (!ok) {
    made->unref();
    return FALSE;
  }
  if (!defName.empty()) {
    // Registered once the body is complete: a node cannot USE itself or an
    // ancestor, so what is read is never a cycle.
    made->setName(SbName(defName.c_str()));
    addReference(SbName(defName.c_str()), made);
    defExpansions_[made] = expansion_ - before;
  }
  made->unrefNoDelete();
  node = made;
  return TRUE;
}
