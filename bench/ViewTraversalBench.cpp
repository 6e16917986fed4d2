// Renders a scene of 10,000 views against the same scene with plain callback
// nodes in their place, and reports how much the views' narrowing costs.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/scenar/Scenar.h"
#include "views/PoBaseView.h"
#include "views/PoView.h"

namespace {

constexpr int kViews = 10000;

void doNothing(void*, SoAction*) {}

// kViews separators, each a view (or a callback node) then a cube, the views
// tiled over the window.
SoSeparator* makeScene(bool views) {
  auto* root = new SoSeparator;
  root->ref();
  for (int i = 0; i < kViews; ++i) {
    auto* frame = new SoSeparator;
    if (views) {
      auto* view = new PoView;
      view->viewportOrigin.setValue(static_cast<float>(i % 100) / 100,
                                    static_cast<float>(i / 100) / 100);
      view->viewportSize.setValue(0.01f, 0.01f);
      frame->addChild(view);
    } else {
      auto* callback = new SoCallback;
      callback->setCallback(doNothing);
      frame->addChild(callback);
    }
    frame->addChild(new SoCube);
    root->addChild(frame);
  }
  return root;
}

void renderScene(benchmark::State& state, bool views) {
  SoDB::init();
  PoBaseView::initClasses();
  SoSeparator* root = makeScene(views);
  SoGLRenderAction render(SbViewportRegion(1000, 1000));
  render.setRenderLogEnabled(false);
  render.apply(root);
  for (auto _ : state) render.apply(root);
  root->unref();
}

void BM_RenderViews(benchmark::State& state) { renderScene(state, true); }
void BM_RenderCallbacks(benchmark::State& state) { renderScene(state, false); }
BENCHMARK(BM_RenderViews)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderCallbacks)->Unit(benchmark::kMillisecond);

// Prints the usual table, then the ratio of the two renders.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    auto views = times_.find("BM_RenderViews");
    auto callbacks = times_.find("BM_RenderCallbacks");
    if (views != times_.end() && callbacks != times_.end() && callbacks->second > 0)
      std::printf("views / plain callbacks: %.2f\n", views->second / callbacks->second);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
