#pragma once

// The program's life: the start routine, the program-wide objects, the main window's created
// and will-be-destroyed events, and the exit routine.

#include "platform/toolkit/window.h"

namespace app {

// Runs the program; answers 0 when the main window has closed.
int StartRoutine(int argc, char** argv);

void InitProgramObjects();
void OnProgramExit();
void OnMainWindowCreated(platform::Window& window);
void OnMainWindowDestroying(platform::Window& window);

// The main window while it exists (the drop callback reaches it through this); null otherwise.
platform::Window* MainWindow();

}  // namespace app
