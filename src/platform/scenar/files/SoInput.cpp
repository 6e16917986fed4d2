#include "platform/scenar/files/SoInput.h"

#include <cctype>
#include <cstdio>
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
}

void SoInput::restart(std::string text, SbString fileName) {
  closeFile();
  buffer_ = std::move(text);
  fileName_ = std::move(fileName);
  static_cast<TextReader&>(*this) = TextReader(buffer_);
}

void SoInput::setBuffer(std::string_view text) { restart(std::string(text), kBufferName); }

SbBool SoInput::openFile(const char* path) {
  const std::string name = path ? path : "";
  std::string text;
  bool ok = false;
  if (std::FILE* file = name.empty() ? nullptr : std::fopen(name.c_str(), "rb")) {
    char chunk[16384];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    ok = !std::ferror(file);
    std::fclose(file);
  }
  restart(ok ? std::move(text) : std::string(), name);
  if (!ok) {
    failed_ = true;
    errorMessage_ = name + ": cannot open file";
    setError("cannot open file");
  }
  return ok ? TRUE : FALSE;
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
    errorMessage_ = fileName_.str() + ":" + std::to_string(line()) + ": " + reason;
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
  for (SoNode* node : released) node->unref();
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
    return TRUE;
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
  }
  made->unrefNoDelete();
  node = made;
  return TRUE;
}
