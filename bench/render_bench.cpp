// The cost of a render on every edit: the three state pictures (or one) drawn, encoded,
// stored and handed to all their previews, at the default layer size and at large ones.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/render_bench.h"
#include "design/button_state.h"
#include "design/design_state.h"
#include "design/layer_style.h"
#include "design/renderer.h"
#include "imaging/drawing_surface.h"
#include "imaging/image_object.h"
#include "imaging/solid_brush.h"

namespace bench {
namespace {

constexpr int kMaterialSide = 48;

// A material like an icon: a square with a translucent square inside.
platform::Bytes MakeMaterial() {
  imaging::ImageObject bitmap;
  imaging::DrawingSurface surface;
  imaging::SolidBrush brush;
  bitmap.CreateBitmap(kMaterialSide, kMaterialSide);
  surface.CreateFromImage(bitmap);
  brush.CreateSolidFill(0xFF3366CC);
  surface.FillRectangleI(brush, 0, 0, kMaterialSide, kMaterialSide);
  brush.SetSolidFillColor(0x80FFFFFF);
  surface.FillRectangleI(brush, kMaterialSide / 4, kMaterialSide / 4, kMaterialSide / 2,
                         kMaterialSide / 2);
  return bitmap.SaveToBytes(std::string(imaging::kPngFormat));
}

// Sizes the layer as the user would and puts the material in its middle.
void UseLayer(platform::Window& window, int width, int height) {
  window.SetText(design::kLayerWidthBox, std::to_string(width));
  window.SetText(design::kLayerHeightBox, std::to_string(height));
  design::ApplyLayerWidth(window);
  design::ApplyLayerHeight(window);
  design::DesignState& design = design::Design();
  if (!design.materialImage.BitmapHandle()) design.materialImage.LoadFromBytes(MakeMaterial());
  design.materialRect = {kMaterialSide, (width - kMaterialSide) / 2, (height - kMaterialSide) / 2,
                         kMaterialSide};
}

using Render = void (*)(platform::Window&);

void RunRender(benchmark::State& state, platform::Window* window, Render render, int pictures) {
  const auto width = static_cast<int>(state.range(0));
  const auto height = static_cast<int>(state.range(1));
  UseLayer(*window, width, height);
  // Every edit makes new pictures: new opacities each time keep the previews from finding
  // the pictures among those they decoded before. Only the render is timed.
  int turn = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const design::ButtonStateControls& row : design::kButtonStates) {
      window->SetText(row.opacityBox, std::to_string(255 - turn++ % 64));
    }
    state.ResumeTiming();
    render(*window);
  }
  if (design::Design().normalPicture.empty()) {
    state.SkipWithError("no picture was made");
    return;
  }
  state.SetItemsProcessed(state.iterations() * pictures * std::int64_t{width} * height);
  state.counters["png_bytes"] = static_cast<double>(design::Design().normalPicture.size());
}

struct Case {
  const char* name;
  Render render;
  int pictures;
  std::array<int, 2> layer;
};

constexpr std::array<Case, 4> kCases{{
    {"RenderAllStates", &design::RenderAllStates, 3, {200, 100}},
    {"RenderAllStates", &design::RenderAllStates, 3, {1000, 500}},
    {"RenderAllStates", &design::RenderAllStates, 3, {2000, 1000}},
    {"RenderState", &design::RenderNormal, 1, {200, 100}},
}};

}  // namespace

void RegisterRenderBenchmarks(platform::Window& window) {
  for (const Case& c : kCases) {
    benchmark::RegisterBenchmark(c.name, &RunRender, &window, c.render, c.pictures)
        ->Args({c.layer[0], c.layer[1]})
        ->ArgNames({"width", "height"})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        // Other work on a shared machine only ever adds time: the fastest run shows the cost.
        ->ComputeStatistics("min", [](const std::vector<double>& runs) {
          return *std::min_element(runs.begin(), runs.end());
        });
  }
}

}  // namespace bench
