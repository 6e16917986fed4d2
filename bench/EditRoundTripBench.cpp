// SPDX-License-Identifier: Apache-2.0
// The round trip of one edit in `plivexwin serve`: a request sets the demo's
// linearX "Step :" slider through the server, the change runs through the
// dialog's callbacks to the node, and the page's 800 x 800 picture is drawn
// again and PNG-encoded, as the page then asks for it. No HTTP: what the
// module's thread does per edit. Its time is that of one round trip, in
// milliseconds; the aim is 30 ms or less.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "plivexwin/DemoScene.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/serve/EditorServer.h"

namespace {

using namespace plivexwin;

void editRoundTrip(benchmark::State& state) {
  std::string error;
  std::unique_ptr<cli::SceneFile> scene = cli::SceneFile::readText(cli::demoScene(), error);
  if (!scene) return state.SkipWithError(error.c_str());
  serve::EditorServer server(std::move(scene));
  const serve::ApiReply opened = server.handle({"POST", "/api/open", {}, R"({"node":"linearX"})"});
  const std::string html = opened.body;
  const auto at = html.find("Step :");
  const auto index = html.find("data-index=\\\"", at);
  if (opened.status != 200 || at == std::string::npos || index == std::string::npos)
    return state.SkipWithError("no Step slider");
  const std::string step = html.substr(index + 13, html.find('\\', index + 13) - index - 13);
  const serve::ApiRequest picture{
      "GET", "/api/picture.png", {{"width", "800"}, {"height", "800"}}, ""};
  int round = 0;
  for (auto _ : state) {
    const std::string value = (++round % 2) ? "0.25" : "0.2";
    const serve::ApiReply set =
        server.handle({"POST",
                       "/api/set",
                       {},
                       R"({"panel":1,"index":)" + step + R"(,"value":")" + value + "\"}"});
    const serve::ApiReply png = server.handle(picture);
    if (set.status != 200 || png.status != 200) return state.SkipWithError("the edit failed");
    benchmark::DoNotOptimize(png.body.data());
  }
}
BENCHMARK(editRoundTrip)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
