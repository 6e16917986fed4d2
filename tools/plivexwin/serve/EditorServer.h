// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "plivexwin/serve/ChangeSignal.h"
#include "plivexwin/serve/ScenePicker.h"

class SoNode;

namespace plivexwin::cli {
class EditorHarness;
class SceneFile;
}  // namespace plivexwin::cli

namespace plivexwin::serve {

class JsonObject;

// A request the page makes, as the HTTP front hands it over.
struct ApiRequest {
  std::string method;                         // "GET", "POST"
  std::string path;                           // "/api/set"
  std::map<std::string, std::string> params;  // the query's
  std::string body;
};

// What the server answers.
struct ApiReply {
  int status = 200;
  std::string type = "application/json";
  std::string body;
  std::string filename;  // for a download: the name it is saved under
};

// The live editor behind the page: the scene being served, its picture, and
// the editor panels the pages opened on its axes and legends. Used from the
// module's thread only. Every change (an element, a field set as the
// application would, a save) counts in changes(), which the pages watch.
class EditorServer {
 public:
  explicit EditorServer(std::unique_ptr<cli::SceneFile> scene);
  ~EditorServer();
  EditorServer(const EditorServer&) = delete;
  EditorServer& operator=(const EditorServer&) = delete;

  // Answers a request under /api/; a malformed one gets 400 with a one-line
  // reason and changes nothing.
  ApiReply handle(const ApiRequest& request);

  ChangeSignal& changes() { return changes_; }
  // Whether the scene differs from the file it was read from or last saved to.
  bool hasUnsavedChanges() const;
  const std::string& path() const;

 private:
  struct Panel;
  struct Route;
  using Handler = ApiReply (EditorServer::*)(const ApiRequest&, const JsonObject&);

  ApiReply nodes(const ApiRequest&, const JsonObject&);
  ApiReply picture(const ApiRequest&, const JsonObject&);
  ApiReply world(const ApiRequest&, const JsonObject&);
  ApiReply panel(const ApiRequest&, const JsonObject&);
  ApiReply click(const ApiRequest&, const JsonObject&);
  ApiReply open(const ApiRequest&, const JsonObject&);
  ApiReply set(const ApiRequest&, const JsonObject&);
  ApiReply press(const ApiRequest&, const JsonObject&);
  ApiReply frequency(const ApiRequest&, const JsonObject&);
  ApiReply presentation(const ApiRequest&, const JsonObject&);
  ApiReply close(const ApiRequest&, const JsonObject&);
  ApiReply app(const ApiRequest&, const JsonObject&);
  ApiReply save(const ApiRequest&, const JsonObject&);

  // Opens a panel on node: its JSON, or 400 when no editor edits it.
  ApiReply openPanel(SoNode& node);
  ApiReply panelJson(int id) const;
  // The panel a body names; nullptr, with the 400 in reply, when none.
  Panel* panelOf(const JsonObject& body, ApiReply& reply);
  // The element index a body names in panel's dialog.
  std::optional<int> elementOf(const Panel& panel, const JsonObject& body, ApiReply& reply) const;
  // The scene written as its file holds it.
  std::string sceneText() const;

  std::unique_ptr<cli::SceneFile> scene_;
  ScenePicker picker_;
  std::map<int, std::unique_ptr<Panel>> panels_;
  int nextPanel_ = 1;
  std::string savedText_;
  ChangeSignal changes_;
};

}  // namespace plivexwin::serve
