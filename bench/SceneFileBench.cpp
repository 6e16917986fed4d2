// SPDX-License-Identifier: Apache-2.0
// Writes and reads scene files of 10,000 and 100,000 nodes (about 5 MB and
// 50 MB) and reports, per node, the time and the peak of memory each takes.
// The scene is a separator of plots, each a named separator holding a
// transform, a material (every tenth plot uses the first plot's), the
// coordinates of a curve and a line set through them.
//
// Memory is counted by this program's operator new and delete: the bytes the
// C library hands out for them (malloc_usable_size), live at once. The peak
// of a write or read is the most live above what was live when it began; the
// read's includes the file's text, which the input holds. After the table it
// prints, per node, the time and peak of the largest scene over the
// smallest's (a cost linear in the nodes keeps them near 1) and the read's
// peak over the file's size.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <new>
#include <string>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/files/SoOutput.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoMaterial.h"
#include "platform/scenar/nodes/SoTransform.h"

namespace {

std::size_t liveBytes = 0;
std::size_t peakBytes = 0;

void* allocate(std::size_t size) {
  void* memory = std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  liveBytes += malloc_usable_size(memory);
  peakBytes = std::max(peakBytes, liveBytes);
  return memory;
}

void release(void* memory) noexcept {
  if (!memory) return;
  liveBytes -= malloc_usable_size(memory);
  std::free(memory);
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* memory) noexcept { release(memory); }
void operator delete[](void* memory) noexcept { release(memory); }
void operator delete(void* memory, std::size_t) noexcept { release(memory); }
void operator delete[](void* memory, std::size_t) noexcept { release(memory); }

namespace {

// The nodes of a plot, and the points of its curve: about 500 bytes of text
// a node.
constexpr int kNodesPerPlot = 5;
constexpr int kPoints = 90;

SoSeparator* makePlot(int index, SoMaterial*& shared) {
  auto* plot = new SoSeparator;
  plot->setName(SbName(("plot" + std::to_string(index)).c_str()));
  auto* place = new SoTransform;
  place->translation.setValue(float(index % 100), float(index / 100), 0);
  plot->addChild(place);
  if (!shared || index % 10 != 0) {
    auto* material = new SoMaterial;
    material->diffuseColor.setValue(SbColor(0.8f, 0.1f, float(index % 7) / 7.0f));
    if (!shared) {
      shared = material;
      material->setName("red");
    }
    plot->addChild(material);
  } else {
    plot->addChild(shared);
  }
  auto* curve = new SoCoordinate3;
  for (int i = 0; i < kPoints; ++i)
    curve->point.set1Value(i, SbVec3f(float(i) / float(kPoints - 1),
                                      0.5f + 0.5f * std::sin(float(i + index) * 0.3927f), 0.0f));
  plot->addChild(curve);
  auto* line = new SoLineSet;
  line->numVertices.setValue(kPoints);
  plot->addChild(line);
  return plot;
}

// A scene of about nodes nodes, referenced.
SoSeparator* makeScene(int nodes) {
  auto* root = new SoSeparator;
  root->ref();
  SoMaterial* shared = nullptr;
  for (int i = 0; i < nodes / kNodesPerPlot; ++i) root->addChild(makePlot(i, shared));
  return root;
}

// The fastest time and the lowest peak of a write or read, per node.
struct Cost {
  double seconds = 1e300;
  double bytes = 1e300;
  std::size_t fileBytes = 0;
};
std::map<std::string, std::map<int, Cost>> costs;

using Clock = std::chrono::steady_clock;

// Runs what, measured, and records its cost per node under name.
template <typename What>
void measure(benchmark::State& state, const char* name, int nodes, What what) {
  Cost& cost = costs[name][nodes];
  const std::size_t before = liveBytes;
  peakBytes = liveBytes;
  const Clock::time_point start = Clock::now();
  cost.fileBytes = what();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  cost.seconds = std::min(cost.seconds, seconds / nodes);
  cost.bytes = std::min(cost.bytes, double(peakBytes - before) / nodes);
  state.counters["us_per_node"] = cost.seconds * 1e6;
  state.counters["peak_per_node"] = cost.bytes;
  state.counters["file_MB"] = double(cost.fileBytes) / 1e6;
}

std::string pathFor(int nodes) {
  return (std::filesystem::temp_directory_path() /
          ("scene_file_bench_" + std::to_string(nodes) + ".scn"))
      .string();
}

void write(benchmark::State& state) {
  const int nodes = static_cast<int>(state.range(0));
  SoSeparator* scene = makeScene(nodes);
  const std::string path = pathFor(nodes);
  for (auto _ : state)
    measure(state, "write", nodes, [&] {
      SoOutput out;
      if (!out.openFile(path.c_str())) state.SkipWithError("cannot write the scene file");
      SoWriteAction(&out).apply(scene);
      out.closeFile();
      return std::filesystem::file_size(path);
    });
  scene->unref();
}

void read(benchmark::State& state) {
  const int nodes = static_cast<int>(state.range(0));
  const std::string path = pathFor(nodes);
  if (!std::filesystem::exists(path)) {
    SoSeparator* scene = makeScene(nodes);
    SoOutput out;
    out.openFile(path.c_str());
    SoWriteAction(&out).apply(scene);
    out.closeFile();
    scene->unref();
  }
  for (auto _ : state) {
    SoSeparator* read = nullptr;
    measure(state, "read", nodes, [&] {
      SoInput in;
      if (in.openFile(path.c_str())) read = SoDB::readAll(&in);
      if (read) read->ref();
      return std::filesystem::file_size(path);
    });
    if (!read) state.SkipWithError("cannot read the scene file");
    if (read) read->unref();
  }
}

}  // namespace

BENCHMARK(write)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(read)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  SoDB::init();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  for (const auto& [name, sizes] : costs) {
    if (sizes.size() < 2) continue;
    const auto& [fewest, small] = *sizes.begin();
    const auto& [most, large] = *sizes.rbegin();
    std::printf("%s, per node, %d nodes over %d: time %.2f, peak %.2f\n", name.c_str(), most,
                fewest, large.seconds / small.seconds, large.bytes / small.bytes);
  }
  if (const auto found = costs.find("read"); found != costs.end())
    for (const auto& [nodes, cost] : found->second)
      std::printf("read, %d nodes: peak %.2f times the file's %.1f MB\n", nodes,
                  cost.bytes * nodes / double(cost.fileBytes), double(cost.fileBytes) / 1e6);
  for (const int nodes : {10'000, 100'000}) std::filesystem::remove(pathFor(nodes));
  return 0;
}
