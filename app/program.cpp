#include "app/program.h"

#include <memory>
#include <string>

#include "app/main_window_layout.h"
#include "app/main_window_wiring.h"
#include "app/status_strip.h"
#include "design/design_state.h"
#include "design/export.h"
#include "design/layer_style.h"
#include "design/material_import.h"
#include "design/renderer.h"
#include "imaging/imaging.h"
#include "platform/toolkit/application.h"
#include "settings/colour_settings.h"
#include "settings/control_snapshot.h"
#include "shell/drop_receiver.h"
#include "shell/file_system.h"

namespace app {
namespace {

std::unique_ptr<shell::DropReceiver> g_dropReceiver;
platform::Window* g_mainWindow = nullptr;

void OnMaterialFileDropped(const char* path) {
  if (g_mainWindow) design::OnMaterialDropped(*g_mainWindow, path);
}

// The module initialisers: the imaging library must be started before the window loads.
void RunModuleInitialisers() { imaging::StartImaging(); }

}  // namespace

platform::Window* MainWindow() { return g_mainWindow; }

void InitProgramObjects() {
  design::CreateDesignState();
  g_dropReceiver = std::make_unique<shell::DropReceiver>();
}

void OnProgramExit() {
  // The library is still started here (it was started twice and stopped once), so the
  // material image can still be disposed of.
  design::Design().materialImage.Dispose();
  design::DestroyDesignState();
  g_dropReceiver.reset();
}

void OnMainWindowCreated(platform::Window& window) {
  g_mainWindow = &window;
  imaging::StartImaging();
  ShowVersion(window);
  shell::EnsureDirectory(design::ExportFolder());
  g_dropReceiver->Register(&window, &OnMaterialFileDropped);

  std::string settingsPath;
  settings::RestoreCheckBoxStates(window, settingsPath);
  settings::RestoreEditBoxTexts(window, settingsPath);
  settings::LoadColours(window);

  design::PaintBackdrop(window);
  design::ApplyLayerWidth(window);
  design::ApplyLayerHeight(window);
  design::RenderAllStates(window);
}

void OnMainWindowDestroying(platform::Window& window) {
  std::string settingsPath;
  settings::SaveCheckBoxStates(window, settingsPath, "");
  settings::SaveEditBoxTexts(window, settingsPath, "");
  settings::SaveColours(window);
  imaging::StopImaging();
  g_mainWindow = nullptr;
}

int StartRoutine(int argc, char** argv) {
  platform::Application application(argc, argv);
  InitProgramObjects();
  application.SetExitRoutine(&OnProgramExit);
  RunModuleInitialisers();
  {
    std::unique_ptr<platform::Window> window =
        application.LoadWindow(MainWindowLayout(), &WireMainWindow);
    application.RunUntilClosed(*window);
  }
  return 0;
}

}  // namespace app
