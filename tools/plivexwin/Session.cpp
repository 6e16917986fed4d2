// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/Session.h"

#include <istream>
#include <optional>
#include <ostream>
#include <utility>

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/SoWinComponent.h"
#include "plivexwin/EditorHarness.h"
#include "plivexwin/ElementValue.h"
#include "plivexwin/FieldValue.h"
#include "plivexwin/InputLines.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/TextParsing.h"

namespace plivexwin::cli {

struct Session::Command {
  std::string_view name;
  // Runs the command on the rest of its line; false, with the message of the
  // session's error line in error, when it cannot.
  bool (Session::*run)(std::string_view args, std::string& error);
  std::string_view arguments;  // none: nothing may follow the name
  std::string_view help;       // lines after the first are indented under it
};

namespace {

// A command that cannot run: false, with message in error.
bool fail(std::string& error, std::string message) {
  error = std::move(message);
  return false;
}

std::string quote(std::string_view text) { return "'" + std::string(text) + "'"; }

// Takes the next word of args; nothing, with the reason in error, when the
// line has no more.
std::optional<std::string_view> requireWord(std::string_view& args, std::string_view what,
                                            std::string& error) {
  std::string_view word = takeWord(args);
  if (word.empty()) {
    error = "missing " + std::string(what);
    return std::nullopt;
  }
  return word;
}

bool requireEnd(std::string_view args, std::string& error) {
  std::string_view extra = takeWord(args);
  return extra.empty() || fail(error, "unexpected " + quote(extra) + " at the end of the line");
}

std::string indexed(int index) { return "element " + std::to_string(index); }

// A word an enumerated setting takes, and the value it stands for.
template <typename Value>
struct Choice {
  std::string_view word;
  Value value;
};

// "a, b or c"
template <typename Item, typename Word>
std::string listWords(std::span<const Item> items, Word word) {
  std::string list;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) list += i + 1 == items.size() ? " or " : ", ";
    list += word(items[i]);
  }
  return list;
}

// The value of the one word args holds; nothing, with the reason in error,
// when it holds no word, more than one, or a word no choice has.
template <typename Value, std::size_t N>
std::optional<Value> chooseWord(std::string_view args, std::string_view what,
                                const Choice<Value> (&choices)[N], std::string& error) {
  std::string known = listWords(std::span<const Choice<Value>>(choices),
                                [](const Choice<Value>& choice) { return choice.word; });
  std::string_view word = takeWord(args);
  if (word.empty()) {
    error = "missing " + std::string(what) + " (" + known + ")";
    return std::nullopt;
  }
  if (!requireEnd(args, error)) return std::nullopt;
  for (const Choice<Value>& choice : choices)
    if (choice.word == word) return choice.value;
  error = "unknown " + std::string(what) + " " + quote(word) + "; use " + known;
  return std::nullopt;
}

std::optional<uint32_t> requireMask(std::string_view& args, std::string_view what,
                                    std::string& error) {
  const std::optional<std::string_view> word = requireWord(args, what, error);
  if (!word) return std::nullopt;
  std::optional<uint32_t> mask = parseMask(*word);
  if (!mask) error = quote(*word) + " is not a 32-bit mask (decimal or 0x hexadecimal)";
  return mask;
}

// Replaces line breaks so that a message stays on its error line.
std::string oneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

std::span<const Session::Command> Session::commands() {
  static const Command kCommands[] = {
      {"show", &Session::show, "",
       "print the dialog, one element a line: index, identifier, kind,\n"
       "label, value, and \"(folded)\" for an element closed in its section"},
      {"node", &Session::printNode, "",
       "print every field of the attached node, one \"name value\" line each,\n"
       "in the scene-file syntax"},
      {"set", &Session::set, "INDEX VALUE",
       "change the element at INDEX as a user would; VALUE by kind:\n"
       "  choice       the index of an item, from 0\n"
       "  real-slider  a number within the slider's limits\n"
       "  int-slider   an integer within the slider's limits\n"
       "  text         the rest of the line after INDEX and one blank, blanks\n"
       "               kept, cut to the number of characters the element reads\n"
       "  toggle       0 or 1"},
      {"press", &Session::press, "INDEX",
       "press the button at INDEX (\"Accept\" included), or fold or unfold\n"
       "the section whose head is at INDEX"},
      {"frequency", &Session::frequency, "continuous|after-accept",
       "apply each change at once, or only when \"Accept\" is pressed"},
      {"presentation", &Session::presentation, "folded|unfolded|without-toggles",
       "set how the sections show"},
      {"filter", &Session::filter, "LEVEL SHOW HIDE",
       "set the filter of one class level (see the kinds); SHOW and HIDE are\n"
       "unsigned 32-bit masks, decimal or hexadecimal with 0x"},
      {"app", &Session::app, "FIELD VALUE",
       "set a field of the attached node as the application would, VALUE in\n"
       "the scene-file syntax (app step 4, app gradFontName \"Times\")"},
      {"hide", &Session::hide, "", "hide the editor"},
      {"showeditor", &Session::showEditor, "", "show the editor again"},
      {"save", &Session::save, "[PATH]",
       "write the scene the node came from: to its file, or to PATH (the rest\n"
       "of the line); in a session on a fresh node, write the node alone to\n"
       "PATH. A failed write leaves the file it would replace as it was"},
      {"help", &Session::help, "", "print this list of commands"},
      {"quit", &Session::quit, "", "end the session"},
  };
  return kCommands;
}

std::string Session::commandHelp() {
  const std::string indent(6, ' ');
  std::string text;
  for (const Command& command : commands()) {
    text += "  " + std::string(command.name);
    if (!command.arguments.empty()) text += " " + std::string(command.arguments);
    text += '\n';
    text += indent;
    for (char c : command.help) {
      text += c;
      if (c == '\n') text += indent;
    }
    text += '\n';
  }
  return text;
}

Session::Session(EditorHarness& harness, std::istream& in, std::ostream& out,
                 const SceneFile* scene)
    : harness_(harness), in_(in), out_(out), scene_(scene) {}

int Session::run() {
  harness_.dialog().print(out_);
  std::string line;
  LineRead read;
  while ((read = readLine(in_, line, inputError_)) == LineRead::Line)
    if (!execute(line)) break;
  out_.flush();
  return failed_ || read == LineRead::Failed ? 1 : 0;
}

bool Session::execute(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::string_view content = trimBlanks(line);
  if (content.empty() || content.front() == '#') return true;
  out_ << "> " << line << '\n';

  std::string_view args = line;
  std::string_view name = takeWord(args);
  std::string error;
  if (!runCommand(name, args, error)) {
    out_ << "error: " << error << '\n';
    failed_ = true;
  }
  return !ended_;
}

bool Session::runCommand(std::string_view name, std::string_view args, std::string& error) {
  for (const Command& command : commands())
    if (command.name == name)
      return (!command.arguments.empty() || requireEnd(args, error)) &&
             (this->*command.run)(args, error);
  return fail(error, "unknown command " + quote(name));
}

std::optional<int> Session::elementIndex(std::string_view& args, std::string& error) const {
  const std::optional<std::string_view> word = requireWord(args, "element index", error);
  if (!word) return std::nullopt;
  const std::optional<int> index = parseInt(*word);
  if (!index) {
    error = quote(*word) + " is not an element index";
    return std::nullopt;
  }
  if (!harness_.dialog().get1Value(*index)) {
    error = "no element at index " + std::string(*word);
    return std::nullopt;
  }
  return index;
}

bool Session::show(std::string_view, std::string&) {
  harness_.dialog().print(out_);
  return true;
}

bool Session::printNode(std::string_view, std::string&) {
  const SoNode& node = harness_.node();
  const SoFieldData* fields = node.getFieldData();
  for (int i = 0; fields && i < fields->getNumFields(); ++i) {
    SbString value;
    fields->getField(&node, i)->get(value);
    out_ << fields->getFieldName(i).getString() << ' ' << value.str() << '\n';
  }
  return true;
}

bool Session::set(std::string_view args, std::string& error) {
  const std::optional<int> index = elementIndex(args, error);
  if (!index) return false;
  PoXtElementData& element = *harness_.dialog().get1Value(*index);
  std::string_view value;
  if (dynamic_cast<PoXtEditTextData*>(&element)) {
    // args starts with the blank after INDEX; all after that blank is the text.
    if (args.empty()) return fail(error, "missing text");
    value = args.substr(1);
  } else if (holdsPickedValue(element)) {
    const std::optional<std::string_view> word = requireWord(args, "value", error);
    if (!word || !requireEnd(args, error)) return false;
    value = *word;
  } else {
    std::string cannot =
        indexed(*index) + " is a " + element.getKindName() + ", which cannot be set";
    return fail(error, isPressable(element) ? cannot + "; use 'press'" : cannot);
  }
  if (!setElementValue(element, value, error)) return false;
  harness_.dialog().userChanged(*index);
  return true;
}

bool Session::press(std::string_view args, std::string& error) {
  const std::optional<int> index = elementIndex(args, error);
  if (!index || !requireEnd(args, error)) return false;
  const PoXtElementData& element = *harness_.dialog().get1Value(*index);
  if (!isPressable(element))
    return fail(error, indexed(*index) + " is a " + element.getKindName() +
                           ", which cannot be pressed; use 'set'");
  harness_.dialog().userChanged(*index);
  return true;
}

bool Session::frequency(std::string_view args, std::string& error) {
  static constexpr Choice<EditorHarness::UpdateFrequency> kFrequencies[] = {
      {"continuous", EditorHarness::CONTINUOUS},
      {"after-accept", EditorHarness::AFTER_ACCEPT},
  };
  const auto frequency = chooseWord(args, "frequency", kFrequencies, error);
  if (frequency) harness_.setUpdateFrequency(*frequency);
  return frequency.has_value();
}

bool Session::presentation(std::string_view args, std::string& error) {
  static constexpr Choice<EditorHarness::Presentation> kPresentations[] = {
      {"folded", EditorHarness::FOLDED},
      {"unfolded", EditorHarness::UNFOLDED},
      {"without-toggles", EditorHarness::WITHOUT_TOGGLES},
  };
  const auto presentation = chooseWord(args, "presentation", kPresentations, error);
  if (presentation) harness_.setPresentation(*presentation);
  return presentation.has_value();
}

bool Session::filter(std::string_view args, std::string& error) {
  const std::optional<std::string_view> name = requireWord(args, "filter level", error);
  if (!name) return false;
  const FilterLevel* level = harness_.findLevel(*name);
  if (!level) {
    std::string known =
        listWords(harness_.filterLevels(), [](const FilterLevel& each) { return each.name; });
    return fail(error, "unknown filter level " + quote(*name) + "; use " + known);
  }
  const std::optional<uint32_t> show = requireMask(args, "show mask", error);
  if (!show) return false;
  const std::optional<uint32_t> hide = requireMask(args, "hide mask", error);
  if (!hide || !requireEnd(args, error)) return false;
  level->set(harness_.editor(), *show, *hide);
  return true;
}

bool Session::app(std::string_view args, std::string& error) {
  const std::optional<std::string_view> name = requireWord(args, "field name", error);
  return name && setNodeField(harness_.node(), *name, args, error);
}

bool Session::hide(std::string_view, std::string&) {
  harness_.editor().hide();
  return true;
}

bool Session::showEditor(std::string_view, std::string&) {
  harness_.editor().show();
  return true;
}

bool Session::help(std::string_view, std::string&) {
  out_ << commandHelp();
  return true;
}

bool Session::quit(std::string_view, std::string&) {
  ended_ = true;
  return true;
}

bool Session::save(std::string_view args, std::string& error) {
  std::string path(trimBlanks(args));
  if (path.empty()) {
    if (!scene_) return fail(error, "missing PATH: the node comes from no file");
    path = scene_->getPath();
  }
  SoNode* node = &harness_.node();
  const bool written =
      scene_ ? scene_->write(path, error) : SceneFile::writeNodes(std::span(&node, 1), path, error);
  if (!written) return fail(error, oneLine(error));
  out_ << "wrote " << scenar::escapeControls(path) << '\n';
  return true;
}

}  // namespace plivexwin::cli
