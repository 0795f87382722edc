#pragma once

// The real main window that the benchmarks render into, made once by the benchmark program.

#include "platform/toolkit/window.h"

namespace bench {

// Registers the rendering cases against the window; it must outlive the benchmark run.
void RegisterRenderBenchmarks(platform::Window& window);

}  // namespace bench
