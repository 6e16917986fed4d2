// SPDX-License-Identifier: Apache-2.0
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <future>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

#include "CommandTestSupport.h"
#include "platform/scenar/basic/SoBase.h"
#include "plivexwin/DemoScene.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/serve/EditorServer.h"
#include "plivexwin/serve/GuiQueue.h"
#include "plivexwin/serve/HttpFront.h"
#include "plivexwin/serve/Json.h"
#include "plivexwin/serve/ServeCommand.h"

namespace {

using namespace plivexwin;

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The demo's scene served on a free port, the test's worker thread acting as
// the module's thread.
class ServeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("plivexwin-serve-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    path_ = (folder_ / "demo.scn").string();
    std::ofstream(path_) << cli::demoScene();
    live_ = SoBase::getLiveCount();
    std::string error;
    std::unique_ptr<cli::SceneFile> scene = cli::SceneFile::read(path_, error);
    ASSERT_TRUE(scene) << error;
    server_ = std::make_unique<serve::EditorServer>(std::move(scene));
    front_ = std::make_unique<serve::HttpFront>(*server_, queue_, kToken);
    ASSERT_TRUE(front_->bind("127.0.0.1", 0, error)) << error;
    front_->start();
    gui_ = std::thread([this] { queue_.run(); });
    client_ = std::make_unique<httplib::Client>("127.0.0.1", front_->port());
  }
  void TearDown() override {
    stopServing();
    front_.reset();  // it refers to the server
    server_.reset();
    EXPECT_EQ(SoBase::getLiveCount(), live_);
    std::filesystem::remove_all(folder_);
  }
  // Ends the module's thread, after which the test may look at the server.
  void stopServing() {
    queue_.stop();
    if (gui_.joinable()) gui_.join();
    if (front_) front_->stop();
  }

  httplib::Result post(const std::string& path, const std::string& body) {
    return client_->Post((path + "?token=" + kToken).c_str(), body, "application/json");
  }
  httplib::Result get(const std::string& path, const std::string& query = "") {
    return client_->Get((path + "?token=" + kToken + query).c_str());
  }
  // Opens a panel on the node named name: its number.
  int open(const std::string& name) {
    const auto reply = post("/api/open", R"({"node":")" + name + "\"}");
    EXPECT_EQ(reply->status, 200) << reply->body;
    return std::stoi(reply->body.substr(reply->body.find(':') + 1));
  }
  std::string panelHtml(int panel) {
    const auto reply = get("/api/panel", "&panel=" + std::to_string(panel));
    EXPECT_EQ(reply->status, 200);
    std::string error;
    const auto answer = serve::JsonObject::parse(reply->body, error);
    return answer ? answer->get("html").value_or("") : error;
  }
  // The index of the first element of panel whose control matches pattern.
  int indexOf(int panel, const std::string& pattern) {
    std::smatch match;
    const std::string html = panelHtml(panel);
    EXPECT_TRUE(std::regex_search(html, match, std::regex(pattern))) << pattern;
    return match.empty() ? -1 : std::stoi(match[1]);
  }
  int set(int panel, int index, const std::string& value) {
    return post("/api/set", "{\"panel\":" + std::to_string(panel) + ",\"index\":" +
                                std::to_string(index) + ",\"value\":\"" + value + "\"}")
        ->status;
  }
  int save() { return post("/api/save", "{}")->status; }

  static constexpr const char* kToken = "0123456789abcdef0123456789abcdef";
  std::filesystem::path folder_;
  std::string path_;
  serve::GuiQueue queue_;
  std::unique_ptr<serve::EditorServer> server_;
  std::unique_ptr<serve::HttpFront> front_;
  std::thread gui_;
  std::unique_ptr<httplib::Client> client_;
  long live_ = 0;
};

// An axis panel's "Step :" (real) and "Numeric Or Period :" (integer) sliders
// and its title text.
const std::string kStep = R"re(Step :</span><input type="range"[^>]*data-index="(\d+)")re";
const std::string kPeriod =
    R"re(Numeric Or Period :</span><input type="range"[^>]*step="1"[^>]*data-index="(\d+)")re";
const std::string kTitle =
    R"re(String :</span><input type="text" data-index="(\d+)"[^>]*value="time)re";

TEST_F(ServeTest, aClickOnEachDemoAxisAndLegendOpensItsEditor) {
  const auto page = get("/");
  ASSERT_EQ(page->status, 200);
  EXPECT_NE(page->body.find(R"(<img id="picture")"), std::string::npos);
  const auto picture = get("/api/picture.png", "&width=300&height=300");
  ASSERT_EQ(picture->status, 200);
  EXPECT_EQ(picture->body.substr(1, 3), "PNG");
  struct Click {
    int x, y;
    const char* heading;
  };
  // Pixels of the demo's 800 x 800 picture: a line, a text or a box each.
  const Click clicks[] = {
      {220, 303, "PoXtLinearAxisEditor \u2014 linearX"},
      {220, 336, "PoXtLinearAxisEditor \u2014 linearX"},  // its title
      {104, 200, "PoXtLinearAxisEditor \u2014 linearY"},
      {280, 93, "PoXtItemLegendEditor \u2014 curveLegend"},
      {600, 318, "PoXtLogAxisEditor \u2014 decadesX"},
      {505, 150, "PoXtLinearAxisEditor \u2014 valuesY"},
      {209, 580, "PoXtPolarLinAxisEditor \u2014 radius"},
      {157, 708, "PoXtAngularAxisEditor \u2014 angles"},
      {330, 600, "PoXtLinearValueLegendEditor \u2014 valueLegend"},
      {600, 704, "PoXtTimeAxisEditor \u2014 days"},
      {504, 600, "PoXtGenAxisEditor \u2014 events"},
  };
  for (const Click& click : clicks) {
    const auto reply = post("/api/click", "{\"x\":" + std::to_string(click.x) +
                                              ",\"y\":" + std::to_string(click.y) +
                                              ",\"width\":800,\"height\":800}");
    ASSERT_EQ(reply->status, 200) << click.heading;
    EXPECT_NE(reply->body.find(std::string("<h2>") + click.heading + "</h2>"), std::string::npos)
        << click.heading;
    EXPECT_NE(reply->body.find("data-index=\\\"0\\\""), std::string::npos);
  }
  // Inside a plot but on nothing; a scene's corner outside every plot.
  for (const char* empty : {R"({"x":150,"y":650,"width":800,"height":800})",
                            R"({"x":400,"y":400,"width":800,"height":800})"})
    EXPECT_EQ(post("/api/click", empty)->status, 404) << empty;
}

TEST_F(ServeTest, changesEveryKindOfElementAndSavesThem) {
  const int panel = open("linearX");
  const int step = indexOf(panel, kStep);
  const int title = indexOf(panel, kTitle);
  const int period = indexOf(panel, kPeriod);
  const int toggle = indexOf(panel, R"re(type="checkbox" data-index="(\d+)")re");
  // "String Visibility :" shows the field, FALSE: state 1, "Off", not ticked.
  EXPECT_NE(panelHtml(panel).find(R"(data-off="Off"><span>Off</span>)"), std::string::npos);
  const int choice = indexOf(panel, R"re(<select data-index="(\d+)")re");
  const int section = indexOf(panel, R"re(class="section" data-index="(\d+)")re");
  EXPECT_EQ(set(panel, step, "0.25"), 200);
  EXPECT_EQ(set(panel, period, "3"), 200);
  EXPECT_EQ(set(panel, title, "seconds"), 200);
  EXPECT_EQ(set(panel, toggle, "0"), 200);
  EXPECT_EQ(set(panel, choice, "1"), 200);
  EXPECT_EQ(post("/api/press", "{\"panel\":" + std::to_string(panel) +
                                   ",\"index\":" + std::to_string(section) + "}")
                ->status,
            200);
  EXPECT_NE(panelHtml(panel).find(R"(aria-expanded="false")"), std::string::npos);
  ASSERT_EQ(save(), 200);
  const std::string saved = readFile(path_);
  EXPECT_NE(saved.find("step 0.25"), std::string::npos);
  EXPECT_NE(saved.find("tickNumOrPeriod 3"), std::string::npos);
  EXPECT_NE(saved.find("\"seconds\""), std::string::npos);
  std::string error;
  EXPECT_TRUE(cli::SceneFile::read(path_, error)) << error;
  stopServing();
  EXPECT_FALSE(server_->hasUnsavedChanges());
}

TEST_F(ServeTest, sectionsFoldUnfoldOrLoseTheirToggles) {
  const int panel = open("linearX");
  const auto count = [](const std::string& html, const std::string& part) {
    int n = 0;
    for (auto at = html.find(part); at != std::string::npos; at = html.find(part, at + 1)) ++n;
    return n;
  };
  const int sections = count(panelHtml(panel), R"(class="section")");
  ASSERT_GT(sections, 1);
  struct Look {
    std::string presentation;
    int toggles, open;  // section toggles shown, of which open
    bool rowsHidden;
  };
  const Look looks[] = {{"folded", sections, 0, true},
                        {"without-toggles", 0, 0, false},
                        {"unfolded", sections, sections, false}};
  for (const Look& look : looks) {
    ASSERT_EQ(post("/api/presentation", "{\"panel\":" + std::to_string(panel) + ",\"value\":\"" +
                                            look.presentation + "\"}")
                  ->status,
              200);
    const std::string html = panelHtml(panel);
    EXPECT_EQ(count(html, "value=\"" + look.presentation + "\" selected"), 1) << look.presentation;
    EXPECT_EQ(count(html, R"(class="section")"), look.toggles) << look.presentation;
    EXPECT_EQ(count(html, R"(aria-expanded="true")"), look.open) << look.presentation;
    EXPECT_EQ(html.find(" hidden>") != std::string::npos, look.rowsHidden) << look.presentation;
    EXPECT_EQ(indexOf(panel, R"re(data-index="(\d+)")re"), 0) << "indices follow the dialog";
  }
}

TEST_F(ServeTest, afterAcceptWaitsForAcceptAndPanelsOnOneNodeFollowEachOther) {
  const int first = open("linearX"), second = open("linearX");
  const int step = indexOf(first, kStep);
  ASSERT_EQ(
      post("/api/frequency", "{\"panel\":" + std::to_string(first) + ",\"value\":\"after-accept\"}")
          ->status,
      200);
  EXPECT_EQ(set(first, step, "0.5"), 200);
  EXPECT_EQ(panelHtml(second).find(R"(value="0.5" data-index)"), std::string::npos);
  const int accept = indexOf(first, R"re(<button type="button" data-index="(\d+)">Accept<)re");
  EXPECT_EQ(post("/api/press", "{\"panel\":" + std::to_string(first) +
                                   ",\"index\":" + std::to_string(accept) + "}")
                ->status,
            200);
  // The node changed; the second panel learnt it through its editor's sensor.
  EXPECT_NE(panelHtml(second).find(R"(value="0.5" data-index)"), std::string::npos);
  // So does a change the application makes, seen by both panels and the event stream.
  std::atomic<bool> heard = false;
  std::thread listener([&] {
    httplib::Client stream("127.0.0.1", front_->port());
    stream.Get((std::string("/api/events?token=") + kToken).c_str(),
               [&](const char* data, std::size_t size) {
                 const std::string chunk(data, size);
                 heard = chunk.starts_with("data: ") && chunk != "data: 2\n\n";
                 return !heard;
               });
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(post("/api/app", R"({"node":"linearX","field":"step","value":"0.125"})")->status, 200);
  listener.join();
  EXPECT_TRUE(heard);
  for (int panel : {first, second})
    EXPECT_NE(panelHtml(panel).find(R"(value="0.125" data-index)"), std::string::npos);
}

TEST_F(ServeTest, refusesRequestsWithoutTheToken) {
  for (const char* path : {"/", "/api/nodes", "/api/picture.png", "/api/save?token=wrong"}) {
    const auto reply = client_->Get(path);
    EXPECT_EQ(reply->status, 403) << path;
    EXPECT_EQ(reply->body.find("<html"), std::string::npos);
  }
  const std::string before = readFile(path_);
  EXPECT_EQ(client_->Post("/api/save", "{}", "application/json")->status, 403);
  EXPECT_EQ(readFile(path_), before);
}

TEST_F(ServeTest, malformedEditsGet400AndLeaveTheSceneAsItWas) {
  const int panel = open("linearX");
  const std::string p = std::to_string(panel);
  const int step = indexOf(panel, kStep), title = indexOf(panel, kTitle);
  const std::string period = std::to_string(indexOf(panel, kPeriod));
  const int choice = indexOf(panel, R"re(<select data-index="(\d+)")re");
  struct Bad {
    const char* path;
    std::string body;
  };
  const Bad bads[] = {
      {"/api/set", "{\"panel\":" + p + ",\"index\":"},
      {"/api/set", "[1, 2]"},
      {"/api/open", R"({"node":"noSuchNode"})"},
      {"/api/app", R"({"node":"noSuchNode","field":"step","value":"1"})"},
      {"/api/app", R"({"node":"linearX","field":"step","value":"one"})"},
      {"/api/set", "{\"panel\":99,\"index\":0,\"value\":\"1\"}"},
      {"/api/set", "{\"panel\":" + p + ",\"index\":100000,\"value\":\"1\"}"},
      {"/api/set", "{\"panel\":" + p + ",\"index\":-1,\"value\":\"1\"}"},
      {"/api/set", "{\"panel\":" + p + ",\"index\":" + std::to_string(step) + ",\"value\":\"7\"}"},
      {"/api/set",
       "{\"panel\":" + p + ",\"index\":" + std::to_string(step) + ",\"value\":\"nan\"}"},
      {"/api/set", "{\"panel\":" + p + ",\"index\":" + period + ",\"value\":\"11\"}"},
      {"/api/set", "{\"panel\":" + p + ",\"index\":" + period + ",\"value\":\"2.5\"}"},
      {"/api/set",
       "{\"panel\":" + p + ",\"index\":" + std::to_string(choice) + ",\"value\":\"99\"}"},
      {"/api/set", "{\"panel\":" + p + ",\"index\":" + std::to_string(title) + ",\"value\":\"" +
                       std::string(81, 'x') + "\"}"},
      {"/api/frequency", "{\"panel\":" + p + ",\"value\":\"sometimes\"}"},
      {"/api/presentation", "{\"panel\":" + p + ",\"value\":\"half\"}"},
  };
  for (const Bad& bad : bads) {
    const auto reply = post(bad.path, bad.body);
    EXPECT_EQ(reply->status, 400) << bad.path << " " << bad.body;
    EXPECT_EQ(reply->body.find('\n'), reply->body.size() - 1) << "one line: " << reply->body;
  }
  EXPECT_EQ(post("/api/set", std::string(70 * 1024, ' '))->status, 413);
  stopServing();
  EXPECT_FALSE(server_->hasUnsavedChanges());
}

// `plivexwin serve` run as the program runs it. Its failures come before it
// serves; one that serves after all is stopped by a SIGTERM after a few
// seconds, which its signal thread takes, and then returns 0.
class ServeCommandTest : public CommandTest {
 protected:
  int serve(std::vector<std::string> words) {
    sigset_t term, before;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &term, &before);  // for the command's thread to take
    std::istringstream in;
    const cli::Console console{in, out, err};
    auto run = std::async(std::launch::async, [&] {
      return cli::runCommand(serve::defineServe, argsOf(words), console);
    });
    if (run.wait_for(std::chrono::seconds(5)) == std::future_status::timeout)
      kill(getpid(), SIGTERM);
    const int status = run.get();
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return status;
  }
};

TEST_F(ServeCommandTest, anUnreadableFileOrAPortInUseIsOneLineAndStatus1) {
  // A port listened on by a socket that would share it, as another server's may.
  const int held = socket(AF_INET, SOCK_STREAM, 0);
  const int yes = 1;
  setsockopt(held, SOL_SOCKET, SO_REUSEPORT, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(bind(held, reinterpret_cast<sockaddr*>(&address), size), 0);
  ASSERT_EQ(listen(held, 1), 0);
  ASSERT_EQ(getsockname(held, reinterpret_cast<sockaddr*>(&address), &size), 0);
  const std::string demo = (folder / "demo.scn").string();
  std::ofstream(demo) << cli::demoScene();
  std::ofstream(folder / "bad.scn") << "#Scenar V1.0 ascii\nPoLinearAxis {";
  const std::vector<std::string> failures[] = {
      {(folder / "missing.scn").string()},
      {folder.string()},
      {(folder / "bad.scn").string()},
      {demo, "--port", std::to_string(ntohs(address.sin_port))},
  };
  for (std::vector<std::string> words : failures) {
    const std::string what = words.back();
    EXPECT_EQ(serve(std::move(words)), 1) << what;
    EXPECT_EQ(out.str(), "") << what;
    const std::string said = err.str();
    EXPECT_TRUE(said.starts_with("plivexwin: ")) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  }
  close(held);
}

}  // namespace
