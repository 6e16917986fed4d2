#include "plivexwin/Session.h"

#include <istream>
#include <ostream>
#include <stdexcept>

#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/SoWinComponent.h"
#include "plivexwin/EditorHarness.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/TextParsing.h"

namespace plivexwin::cli {

struct Session::Command {
  std::string_view name;
  void (Session::*run)(std::string_view args);
  std::string_view arguments;
  std::string_view help;  // lines after the first are indented under it
};

namespace {

// A command that cannot run; its message becomes the session's error line.
class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& message) { throw CommandError(message); }

std::string quote(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string_view requireWord(std::string_view& args, std::string_view what) {
  std::string_view word = takeWord(args);
  if (word.empty()) fail("missing " + std::string(what));
  return word;
}

void requireEnd(std::string_view args) {
  std::string_view extra = takeWord(args);
  if (!extra.empty()) fail("unexpected " + quote(extra) + " at the end of the line");
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

template <typename Value, std::size_t N>
Value chooseWord(std::string_view args, std::string_view what, const Choice<Value> (&choices)[N]) {
  std::string known = listWords(std::span<const Choice<Value>>(choices),
                                [](const Choice<Value>& choice) { return choice.word; });
  std::string_view word = takeWord(args);
  if (word.empty()) fail("missing " + std::string(what) + " (" + known + ")");
  requireEnd(args);
  for (const Choice<Value>& choice : choices)
    if (choice.word == word) return choice.value;
  fail("unknown " + std::string(what) + " " + quote(word) + "; use " + known);
}

uint32_t requireMask(std::string_view& args, std::string_view what) {
  std::string_view word = requireWord(args, what);
  std::optional<uint32_t> mask = parseMask(word);
  if (!mask) fail(quote(word) + " is not a 32-bit mask (decimal or 0x hexadecimal)");
  return *mask;
}

// Choices, sliders and toggles: the elements whose value a user picks.
bool holdsPickedValue(const PoXtElementData& element) {
  return dynamic_cast<const PoXtChoiceButtonData*>(&element) ||
         dynamic_cast<const PoXtRealSliderData*>(&element) ||
         dynamic_cast<const PoXtIntSliderData*>(&element) ||
         dynamic_cast<const PoXtToggleButtonData*>(&element);
}

// Gives the element the value word names, as a user can pick it.
void setPickedValue(PoXtElementData& element, std::string_view word) {
  if (auto* choice = dynamic_cast<PoXtChoiceButtonData*>(&element)) {
    std::optional<int> item = parseInt(word);
    if (!item) fail(quote(word) + " is not an item index");
    if (*item < 0 || *item >= choice->getNumItems())
      fail("no item " + std::string(word) + " (items 0 to " +
           std::to_string(choice->getNumItems() - 1) + ")");
    choice->setSelectedItem(*item);
  } else if (auto* real = dynamic_cast<PoXtRealSliderData*>(&element)) {
    std::optional<float> value = parseReal(word);
    if (!value) fail(quote(word) + " is not a number");
    float min, max;
    real->getLimit(min, max);
    if (*value < min || *value > max)
      fail(std::string(word) + " is outside the slider's limits [" + formatNumber(min) + ", " +
           formatNumber(max) + "]");
    real->setValue(*value);
  } else if (auto* integer = dynamic_cast<PoXtIntSliderData*>(&element)) {
    std::optional<int> value = parseInt(word);
    if (!value) fail(quote(word) + " is not an integer");
    int min, max;
    integer->getLimit(min, max);
    if (*value < min || *value > max)
      fail(std::string(word) + " is outside the slider's limits [" + std::to_string(min) + ", " +
           std::to_string(max) + "]");
    integer->setValue(*value);
  } else if (auto* toggle = dynamic_cast<PoXtToggleButtonData*>(&element)) {
    if (word != "0" && word != "1") fail(quote(word) + " is not 0 or 1");
    toggle->setState(word == "1");
  }
}

// Replaces line breaks so that a message stays on its error line.
std::string oneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

bool isPressable(const PoXtElementData& element) {
  return dynamic_cast<const PoXtTriggerButtonData*>(&element) ||
         dynamic_cast<const PoXtSectionToggleData*>(&element);
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
  while (std::getline(in_, line))
    if (!execute(line)) break;
  out_.flush();
  return failed_ ? 1 : 0;
}

bool Session::execute(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::string_view content = trimBlanks(line);
  if (content.empty() || content.front() == '#') return true;
  out_ << "> " << line << '\n';

  std::string_view args = line;
  std::string_view name = takeWord(args);
  try {
    const Command* found = nullptr;
    for (const Command& command : commands())
      if (command.name == name) found = &command;
    if (!found) fail("unknown command " + quote(name));
    (this->*found->run)(args);
  } catch (const CommandError& error) {
    out_ << "error: " << error.what() << '\n';
    failed_ = true;
  }
  return !ended_;
}

int Session::elementIndex(std::string_view word) const {
  std::optional<int> index = parseInt(word);
  if (!index) fail(quote(word) + " is not an element index");
  if (!harness_.dialog().get1Value(*index)) fail("no element at index " + std::string(word));
  return *index;
}

void Session::show(std::string_view args) {
  requireEnd(args);
  harness_.dialog().print(out_);
}

void Session::printNode(std::string_view args) {
  requireEnd(args);
  const SoNode& node = harness_.node();
  const SoFieldData* fields = node.getFieldData();
  for (int i = 0; fields && i < fields->getNumFields(); ++i) {
    SbString value;
    fields->getField(&node, i)->get(value);
    out_ << fields->getFieldName(i).getString() << ' ' << value.str() << '\n';
  }
}

void Session::set(std::string_view args) {
  int index = elementIndex(requireWord(args, "element index"));
  PoXtElementData& element = *harness_.dialog().get1Value(index);
  if (auto* text = dynamic_cast<PoXtEditTextData*>(&element)) {
    // args starts with the blank after INDEX; all after that blank is the text.
    if (args.empty()) fail("missing text");
    std::string value(args.substr(1));
    if (int limit = text->getNumCharToRead(); limit >= 0 && value.size() > std::size_t(limit))
      value.resize(std::size_t(limit));
    text->setString(SbString(std::move(value)));
  } else if (holdsPickedValue(element)) {
    std::string_view word = requireWord(args, "value");
    requireEnd(args);
    setPickedValue(element, word);
  } else {
    std::string cannot =
        indexed(index) + " is a " + element.getKindName() + ", which cannot be set";
    fail(isPressable(element) ? cannot + "; use 'press'" : cannot);
  }
  harness_.dialog().userChanged(index);
}

void Session::press(std::string_view args) {
  int index = elementIndex(requireWord(args, "element index"));
  requireEnd(args);
  const PoXtElementData& element = *harness_.dialog().get1Value(index);
  if (!isPressable(element))
    fail(indexed(index) + " is a " + element.getKindName() +
         ", which cannot be pressed; use 'set'");
  harness_.dialog().userChanged(index);
}

void Session::frequency(std::string_view args) {
  static constexpr Choice<EditorHarness::UpdateFrequency> kFrequencies[] = {
      {"continuous", EditorHarness::CONTINUOUS},
      {"after-accept", EditorHarness::AFTER_ACCEPT},
  };
  harness_.setUpdateFrequency(chooseWord(args, "frequency", kFrequencies));
}

void Session::presentation(std::string_view args) {
  static constexpr Choice<EditorHarness::Presentation> kPresentations[] = {
      {"folded", EditorHarness::FOLDED},
      {"unfolded", EditorHarness::UNFOLDED},
      {"without-toggles", EditorHarness::WITHOUT_TOGGLES},
  };
  harness_.setPresentation(chooseWord(args, "presentation", kPresentations));
}

void Session::filter(std::string_view args) {
  std::string_view name = requireWord(args, "filter level");
  const FilterLevel* level = harness_.findLevel(name);
  if (!level) {
    std::string known =
        listWords(harness_.filterLevels(), [](const FilterLevel& each) { return each.name; });
    fail("unknown filter level " + quote(name) + "; use " + known);
  }
  uint32_t show = requireMask(args, "show mask");
  uint32_t hide = requireMask(args, "hide mask");
  requireEnd(args);
  level->set(harness_.editor(), show, hide);
}

void Session::app(std::string_view args) {
  std::string_view name = requireWord(args, "field name");
  SoNode& node = harness_.node();
  const SoFieldData* fields = node.getFieldData();
  const std::string wanted(name);
  SoField* field = nullptr;
  for (int i = 0; fields && i < fields->getNumFields() && !field; ++i)
    if (fields->getFieldName(i) == wanted.c_str()) field = fields->getField(&node, i);
  if (!field) fail("the node has no field " + quote(name));
  std::string value(trimBlanks(args));
  if (value.empty()) fail("missing value for field " + quote(name));
  SbString reason;
  if (!field->set(value.c_str(), &reason)) {
    std::string message = "bad value for field " + quote(name);
    if (!reason.isEmpty()) message += ": " + oneLine(reason.str());
    fail(message);
  }
}

void Session::hide(std::string_view args) {
  requireEnd(args);
  harness_.editor().hide();
}

void Session::showEditor(std::string_view args) {
  requireEnd(args);
  harness_.editor().show();
}

void Session::help(std::string_view args) {
  requireEnd(args);
  out_ << commandHelp();
}

void Session::quit(std::string_view args) {
  requireEnd(args);
  ended_ = true;
}

void Session::save(std::string_view args) {
  std::string path(trimBlanks(args));
  if (path.empty()) {
    if (!scene_) fail("missing PATH: the node comes from no file");
    path = scene_->getPath();
  }
  std::string error;
  SoNode* node = &harness_.node();
  const bool written =
      scene_ ? scene_->write(path, error) : SceneFile::writeNodes(std::span(&node, 1), path, error);
  if (!written) fail(oneLine(error));
  out_ << "wrote " << path << '\n';
}

}  // namespace plivexwin::cli
