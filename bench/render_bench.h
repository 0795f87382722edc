#pragma once

// The rendering cases, run against the real main window that the benchmark program makes.

#include "platform/toolkit/window.h"

namespace bench {

// Registers the rendering cases against the window; it must outlive the benchmark run.
void RegisterRenderBenchmarks(platform::Window& window);

}  // namespace bench
