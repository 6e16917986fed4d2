// SPDX-License-Identifier: Apache-2.0
// Renders the demo's scene offscreen into a sink that drops the rows: a
// 1920x1080 picture whole, and a 7680x4320 one in 4 x 4 tiles of the same
// size, texts and legends included. The floor first: the least a 1920x1080
// picture costs (its buffer cleared and filled once, see floorSeconds); the
// whole render reports its time over the floor's ("whole/floor"). Each reports megapixels drawn per
// second
// ("Mpixels/s") and the glyphs rasterized per timed render ("glyphs/render":
// 0, as one untimed render of the same size caches them first); the tiled one
// also its time per pixel over the whole one's ("tiled/whole"): below 1 where
// the work that does not grow with the pixels (traversal, geometry) weighs
// more than cutting the picture into tiles and handing its rows over a band at
// a time.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/gl/Text.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/rendering/SoOffscreenRenderer.h"
#include "plivexwin/DemoScene.h"
#include "plivexwin/SceneFile.h"

namespace {

using plivexwin::cli::SceneFile;
using Clock = std::chrono::steady_clock;

std::unique_ptr<SceneFile> demo;
// Seconds per pixel of the whole render, once it ran.
double wholeSecondsPerPixel = 0;

// Renders the demo once with renderer; false when the renderer refuses.
bool renderOnce(SoOffscreenRenderer& renderer) {
  unsigned char seen = 0;
  const bool rendered = renderer.render(demo->getRoot(), [&seen](int, const unsigned char* rgba) {
    seen ^= rgba[0];
    return true;
  });
  benchmark::DoNotOptimize(seen);
  return rendered;
}

SoOffscreenRenderer rendererOf(int width, int height, int columns, int rows) {
  SoOffscreenRenderer renderer{SbViewportRegion(short(width), short(height))};
  renderer.setTiles(columns, rows);
  return renderer;
}

// Renders the picture once untimed, its glyphs then cached, and over and
// over timed; its time per pixel.
double measure(benchmark::State& state, SoOffscreenRenderer& renderer) {
  const SbVec2s size = renderer.getViewportRegion().getWindowSize();
  const double pixels = double(size[0]) * size[1];
  renderOnce(renderer);
  const long rasterized = glstandin::glyphCacheStats().rasterized;
  const Clock::time_point start = Clock::now();
  for (auto _ : state)
    if (!renderOnce(renderer)) state.SkipWithError("the renderer refused the picture");
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  state.counters["Mpixels/s"] =
      benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["glyphs/render"] =
      double(glstandin::glyphCacheStats().rasterized - rasterized) / double(state.iterations());
  return seconds / (double(state.iterations()) * pixels);
}

// What a picture of this size costs at the least: its buffer (RGBA and depth)
// cleared and filled once with one flat-coloured rectangle, as tight loops.
double floorSeconds(benchmark::State* state) {
  constexpr std::size_t kPixels = std::size_t{1920} * 1080;
  static std::vector<std::uint32_t> color(kPixels);
  static std::vector<float> depth(kPixels);
  const auto once = [] {
    std::fill(color.begin(), color.end(), 0xff000000u);
    std::fill(depth.begin(), depth.end(), 1.0f);
    std::fill(color.begin(), color.end(), 0xff3366ccu);
    benchmark::DoNotOptimize(color.data());
    benchmark::DoNotOptimize(depth.data());
    benchmark::ClobberMemory();
  };
  once();
  const Clock::time_point start = Clock::now();
  long runs = 0;
  if (state) {
    for (auto _ : *state) once();
    runs = long(state->iterations());
  } else {
    for (; runs < 20; ++runs) once();
  }
  return std::chrono::duration<double>(Clock::now() - start).count() / double(runs);
}

double floorSecondsPerRender = 0;

void floorOnly(benchmark::State& state) { floorSecondsPerRender = floorSeconds(&state); }

void whole(benchmark::State& state) {
  if (floorSecondsPerRender == 0) floorSecondsPerRender = floorSeconds(nullptr);
  SoOffscreenRenderer renderer = rendererOf(1920, 1080, 1, 1);
  wholeSecondsPerPixel = measure(state, renderer);
  state.counters["whole/floor"] = wholeSecondsPerPixel * 1920.0 * 1080.0 / floorSecondsPerRender;
}

void tiled(benchmark::State& state) {
  if (wholeSecondsPerPixel == 0) {  // run alone: time the whole picture here
    SoOffscreenRenderer renderer = rendererOf(1920, 1080, 1, 1);
    const Clock::time_point start = Clock::now();
    renderOnce(renderer);
    wholeSecondsPerPixel =
        std::chrono::duration<double>(Clock::now() - start).count() / (1920.0 * 1080.0);
  }
  SoOffscreenRenderer renderer = rendererOf(7680, 4320, 4, 4);
  const double secondsPerPixel = measure(state, renderer);
  state.counters["tiled/whole"] = secondsPerPixel / wholeSecondsPerPixel;
}

}  // namespace

BENCHMARK(floorOnly)->Name("render/1920x1080/floor")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(whole)->Name("render/1920x1080/whole")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(tiled)->Name("render/7680x4320/4x4_tiles")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  std::string error;
  demo = SceneFile::readText(plivexwin::cli::demoScene(), error);
  if (!demo) {
    std::fprintf(stderr, "render_bench: the demo's scene: %s\n", error.c_str());
    return 1;
  }
  // The plots build their geometry in their first render: not timed.
  SoOffscreenRenderer warmUp = rendererOf(64, 64, 1, 1);
  renderOnce(warmUp);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  demo.reset();
  return 0;
}
