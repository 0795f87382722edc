// The benchmark program: the toolkit headless, the real main window made as the start routine
// makes it, then the cases. Settings and exports go to a run directory of its own.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_layout.h"
#include "app/main_window_wiring.h"
#include "app/program.h"
#include "bench/render_bench.h"
#include "imaging/imaging.h"
#include "platform/toolkit/application.h"
#include "platform/toolkit/qt_access.h"

namespace {

// Medians of several runs unless the command line asks otherwise; later flags win.
constexpr const char* kDefaultFlags[] = {"--benchmark_repetitions=10",
                                         "--benchmark_report_aggregates_only=true"};

std::string MakeRunDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "brelvane-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  setenv("BRELVANE_HOME", pattern.c_str(), 1);
  return pattern;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string ownRunDirectory = std::getenv("BRELVANE_HOME") ? "" : MakeRunDirectory();

  std::vector<char*> args{argv[0]};
  for (const char* flag : kDefaultFlags) args.push_back(const_cast<char*>(flag));
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

  int exitCode = 0;
  {
    platform::Application application(count, args.data());
    app::InitProgramObjects();
    application.SetExitRoutine(&app::OnProgramExit);
    imaging::StartImaging();
    std::unique_ptr<platform::Window> window =
        application.LoadWindow(app::MainWindowLayout(), &app::WireMainWindow);
    bench::RegisterRenderBenchmarks(*window);
    if (benchmark::RunSpecifiedBenchmarks() == 0) exitCode = 1;
    benchmark::Shutdown();
    platform::TopLevelOf(*window)->close();
    application.RunUntilClosed(*window);
  }
  if (!ownRunDirectory.empty()) std::filesystem::remove_all(ownRunDirectory);
  return exitCode;
}
