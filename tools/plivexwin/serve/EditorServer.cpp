// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/EditorServer.h"

#include <utility>

#include "editors/PoXtEditorKinds.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/files/SoOutput.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "plivexwin/ConvertCommand.h"
#include "plivexwin/EditorHarness.h"
#include "plivexwin/ElementValue.h"
#include "plivexwin/FieldValue.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/TextParsing.h"
#include "plivexwin/serve/Json.h"
#include "plivexwin/serve/PanelHtml.h"
#include "plivexwin/serve/PictureBytes.h"
#include "plivexwin/serve/SceneNodes.h"

namespace plivexwin::serve {

namespace {

using cli::EditorHarness;
using cli::parseInt;

// The most panels open at once, over all pages.
constexpr int kMostPanels = 64;
// The largest side of a picture the page asks for.
constexpr int kLargestSide = 4096;

ApiReply json(std::string body) { return {200, "application/json", std::move(body), {}}; }
ApiReply refused(int status, std::string reason) {
  return {status, "text/plain; charset=utf-8", std::move(reason) + "\n", {}};
}
ApiReply bad(std::string reason) { return refused(400, std::move(reason)); }

std::string nameOf(const SoNode& node) { return node.getName().getString(); }

// A whole number a request gives, within [least, most].
std::optional<int> intIn(const std::optional<std::string>& text, int least, int most) {
  const std::optional<int> value = text ? parseInt(*text) : std::nullopt;
  if (!value || *value < least || *value > most) return std::nullopt;
  return value;
}

std::optional<std::string> param(const ApiRequest& request, const std::string& name) {
  const auto at = request.params.find(name);
  if (at == request.params.end()) return std::nullopt;
  return at->second;
}

}  // namespace

struct EditorServer::Panel {
  std::unique_ptr<EditorHarness> harness;
  std::string editorClass;
  std::string nodeName;
};

struct EditorServer::Route {
  std::string_view method;
  std::string_view path;
  Handler handler;
  bool changes;  // a success changes the scene or a panel
};

EditorServer::EditorServer(std::unique_ptr<cli::SceneFile> scene)
    : scene_(std::move(scene)), picker_(scene_->getRoot()), savedText_(sceneText()) {}

// Panels go before the scene whose nodes they hold.
EditorServer::~EditorServer() { panels_.clear(); }

const std::string& EditorServer::path() const { return scene_->getPath(); }

std::string EditorServer::sceneText() const {
  SoGroup* root = scene_->getRoot();
  std::vector<SoNode*> nodes;
  for (int i = 0; i < root->getNumChildren(); ++i) nodes.push_back(root->getChild(i));
  SoOutput out;
  out.setBuffer();
  SoWriteAction(&out).applyToTopLevel(nodes);
  return out.getBuffer();
}

bool EditorServer::hasUnsavedChanges() const { return sceneText() != savedText_; }

ApiReply EditorServer::handle(const ApiRequest& request) {
  static constexpr Route kRoutes[] = {
      {"GET", "/api/nodes", &EditorServer::nodes, false},
      {"GET", "/api/picture.png", &EditorServer::picture, false},
      {"GET", "/api/world.wrl", &EditorServer::world, false},
      {"GET", "/api/panel", &EditorServer::panel, false},
      {"POST", "/api/click", &EditorServer::click, false},
      {"POST", "/api/open", &EditorServer::open, false},
      {"POST", "/api/set", &EditorServer::set, true},
      {"POST", "/api/press", &EditorServer::press, true},
      {"POST", "/api/frequency", &EditorServer::frequency, true},
      {"POST", "/api/presentation", &EditorServer::presentation, true},
      {"POST", "/api/close", &EditorServer::close, false},
      {"POST", "/api/app", &EditorServer::app, true},
      {"POST", "/api/save", &EditorServer::save, true},
  };
  for (const Route& route : kRoutes) {
    if (route.path != request.path) continue;
    if (route.method != request.method) return refused(405, "use " + std::string(route.method));
    std::string error;
    const std::optional<JsonObject> body =
        JsonObject::parse(request.method == "POST" ? request.body : "{}", error);
    if (!body) return bad(error);
    ApiReply reply = (this->*route.handler)(request, *body);
    if (route.changes && reply.status == 200) changes_.changed();
    return reply;
  }
  return refused(404, "no such request");
}

ApiReply EditorServer::nodes(const ApiRequest&, const JsonObject&) {
  std::string body = "[";
  for (SoNode* node : editableNodes(scene_->getRoot())) {
    if (node->getName().getLength() == 0) continue;  // a list entry needs a name to open by
    const PoXtEditorKind* kind = PoXtEditorKinds::editing(node->getTypeId());
    if (body.size() > 1) body += ',';
    body += "{\"name\":" + jsonString(nameOf(*node)) +
            ",\"editor\":" + jsonString(cli::editorClassOf(*kind)) + "}";
  }
  return json(body + "]");
}

ApiReply EditorServer::picture(const ApiRequest& request, const JsonObject&) {
  const std::optional<int> width = intIn(param(request, "width").value_or("800"), 1, kLargestSide);
  const std::optional<int> height = intIn(
      param(request, "height").value_or(param(request, "width").value_or("800")), 1, kLargestSide);
  if (!width || !height)
    return bad("the picture takes a width and height of 1 to " + std::to_string(kLargestSide));
  // The page's picture is drawn again after every change, and encoded for
  // speed; a download is a file kept, encoded as `render` writes it.
  const bool download = param(request, "download").has_value();
  ApiReply reply{200, "image/png", {}, download ? "picture.png" : ""};
  std::string error;
  if (!renderPng(scene_->getRoot(), *width, *height, reply.body, error,
                 download ? cli::PngEncoding::Compact : cli::PngEncoding::Quick))
    return refused(500, error);
  return reply;
}

ApiReply EditorServer::world(const ApiRequest&, const JsonObject&) {
  const SoRef<SoVRMLGroup> group = cli::worldOf(scene_->getRoot(), false);
  SoNode* world = group.get();
  SoOutput out;
  out.setBuffer();
  SoWriteAction(&out).applyToTopLevel(std::span(&world, 1));
  return {200, "model/vrml", out.getBuffer(), "world.wrl"};
}

ApiReply EditorServer::panel(const ApiRequest& request, const JsonObject&) {
  const std::optional<int> id = intIn(param(request, "panel"), 1, nextPanel_ - 1);
  if (!id || !panels_.count(*id)) return bad("no such panel");
  return panelJson(*id);
}

ApiReply EditorServer::panelJson(int id) const {
  const Panel& panel = *panels_.at(id);
  const EditorHarness& harness = *panel.harness;
  const PanelHeading heading{id, panel.editorClass, panel.nodeName,
                             harness.getUpdateFrequency() == EditorHarness::AFTER_ACCEPT,
                             harness.getPresentation()};
  return json("{\"panel\":" + std::to_string(id) + ",\"editor\":" + jsonString(panel.editorClass) +
              ",\"node\":" + jsonString(panel.nodeName) +
              ",\"html\":" + jsonString(panelHtml(heading, harness.dialog())) + "}");
}

ApiReply EditorServer::openPanel(SoNode& node) {
  const PoXtEditorKind* kind = PoXtEditorKinds::editing(node.getTypeId());
  if (!kind) return bad("no editor edits a " + std::string(node.getTypeId().getName().getString()));
  if (panels_.size() >= std::size_t(kMostPanels))
    return refused(429, "too many panels open; close some");
  auto panel = std::make_unique<Panel>();
  panel->harness = cli::openEditorOn(node);
  if (!panel->harness) return bad("the node's editor cannot be opened");
  panel->editorClass = cli::editorClassOf(*kind);
  panel->nodeName = nameOf(node);
  const int id = nextPanel_++;
  panels_.emplace(id, std::move(panel));
  return panelJson(id);
}

ApiReply EditorServer::click(const ApiRequest&, const JsonObject& body) {
  const std::optional<int> width = intIn(body.get("width"), 1, kLargestSide);
  const std::optional<int> height = intIn(body.get("height"), 1, kLargestSide);
  if (!width || !height) return bad("the click needs the picture's width and height");
  const std::optional<int> x = intIn(body.get("x"), 0, *width - 1);
  const std::optional<int> y = intIn(body.get("y"), 0, *height - 1);
  if (!x || !y) return bad("the click needs x and y inside the picture");
  SoNode* node = picker_.pick(*width, *height, *x, *y);
  if (!node) return refused(404, "no axis or legend there");
  return openPanel(*node);
}

ApiReply EditorServer::open(const ApiRequest&, const JsonObject& body) {
  const std::optional<std::string> name = body.get("node");
  SoNode* node = name ? scene_->findNode(*name) : nullptr;
  if (!node) return bad("no node named " + jsonString(name.value_or("")));
  return openPanel(*node);
}

EditorServer::Panel* EditorServer::panelOf(const JsonObject& body, ApiReply& reply) {
  const std::optional<int> id = intIn(body.get("panel"), 1, nextPanel_ - 1);
  if (id && panels_.count(*id)) return panels_.at(*id).get();
  reply = bad("no such panel");
  return nullptr;
}

std::optional<int> EditorServer::elementOf(const Panel& panel, const JsonObject& body,
                                           ApiReply& reply) const {
  const std::optional<int> index =
      intIn(body.get("index"), 0, panel.harness->dialog().getNum() - 1);
  if (!index) reply = bad("no element at that index");
  return index;
}

ApiReply EditorServer::set(const ApiRequest&, const JsonObject& body) {
  ApiReply reply;
  Panel* panel = panelOf(body, reply);
  const std::optional<int> index = panel ? elementOf(*panel, body, reply) : std::nullopt;
  if (!index) return reply;
  const std::optional<std::string> value = body.get("value");
  if (!value) return bad("missing value");
  PoXtDialog& dialog = panel->harness->dialog();
  // The page's text boxes read no more than the element does: a longer text
  // comes from elsewhere, and is refused rather than cut.
  if (auto* text = dynamic_cast<const PoXtEditTextData*>(dialog.get1Value(*index));
      text && text->getNumCharToRead() >= 0 &&
      value->size() > std::size_t(text->getNumCharToRead()))
    return bad("element " + std::to_string(*index) + " reads at most " +
               std::to_string(text->getNumCharToRead()) + " characters");
  std::string error;
  if (!cli::setElementValue(*dialog.get1Value(*index), *value, error))
    return bad("element " + std::to_string(*index) + ": " + error);
  dialog.userChanged(*index);
  return json("{}");
}

ApiReply EditorServer::press(const ApiRequest&, const JsonObject& body) {
  ApiReply reply;
  Panel* panel = panelOf(body, reply);
  const std::optional<int> index = panel ? elementOf(*panel, body, reply) : std::nullopt;
  if (!index) return reply;
  PoXtDialog& dialog = panel->harness->dialog();
  if (!cli::isPressable(*dialog.get1Value(*index)))
    return bad("element " + std::to_string(*index) + " is a " +
               dialog.get1Value(*index)->getKindName() + ", which cannot be pressed");
  dialog.userChanged(*index);
  return json("{}");
}

ApiReply EditorServer::frequency(const ApiRequest&, const JsonObject& body) {
  ApiReply reply;
  Panel* panel = panelOf(body, reply);
  if (!panel) return reply;
  const std::optional<std::string> value = body.get("value");
  if (value == "continuous")
    panel->harness->setUpdateFrequency(EditorHarness::CONTINUOUS);
  else if (value == "after-accept")
    panel->harness->setUpdateFrequency(EditorHarness::AFTER_ACCEPT);
  else
    return bad("the frequency is continuous or after-accept");
  return json("{}");
}

ApiReply EditorServer::presentation(const ApiRequest&, const JsonObject& body) {
  static constexpr std::pair<std::string_view, EditorHarness::Presentation> kWords[] = {
      {"folded", EditorHarness::FOLDED},
      {"unfolded", EditorHarness::UNFOLDED},
      {"without-toggles", EditorHarness::WITHOUT_TOGGLES}};
  ApiReply reply;
  Panel* panel = panelOf(body, reply);
  if (!panel) return reply;
  const std::string value = body.get("value").value_or("");
  for (const auto& [word, presentation] : kWords)
    if (word == value) {
      panel->harness->setPresentation(presentation);
      return json("{}");
    }
  return bad("the presentation is folded, unfolded or without-toggles");
}

ApiReply EditorServer::close(const ApiRequest&, const JsonObject& body) {
  ApiReply reply;
  if (!panelOf(body, reply)) return reply;
  panels_.erase(*intIn(body.get("panel"), 1, nextPanel_ - 1));
  return json("{}");
}

ApiReply EditorServer::app(const ApiRequest&, const JsonObject& body) {
  const std::optional<std::string> name = body.get("node");
  SoNode* node = name ? scene_->findNode(*name) : nullptr;
  if (!node) return bad("no node named " + jsonString(name.value_or("")));
  const std::optional<std::string> field = body.get("field"), value = body.get("value");
  if (!field || !value) return bad("missing field or value");
  std::string error;
  if (!cli::setNodeField(*node, *field, *value, error)) return bad(error);
  return json("{}");
}

ApiReply EditorServer::save(const ApiRequest&, const JsonObject&) {
  std::string error;
  if (!scene_->write(scene_->getPath(), error)) return refused(500, error);
  savedText_ = sceneText();
  return json("{\"saved\":" + jsonString(scene_->getPath()) + "}");
}

}  // namespace plivexwin::serve
