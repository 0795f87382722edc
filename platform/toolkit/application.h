#pragma once

// Program life on the toolkit: the start notice, loading a window from its description, the
// message loop, and the exit routine.

#include <functional>
#include <memory>

#include "platform/toolkit/control_layout.h"
#include "platform/toolkit/window.h"

namespace platform {

class Application {
 public:
  // The start notice: the toolkit is up once this returns.
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Creates the window and every control of the description, lets wire() connect the event
  // handlers, raises the window's Created event and shows the window; returns it.
  std::unique_ptr<Window> LoadWindow(const WindowLayout& layout,
                                     const std::function<void(Window&)>& wire);

  // Runs the message loop until the window has closed. Closing raises the window's Destroying
  // event while every control can still be read; no handler runs after it.
  int RunUntilClosed(Window& window);

  // Registers the exit routine, run once after the message loop has returned.
  void SetExitRoutine(std::function<void()> routine);

  // Replaces the common file dialog and the link opener (tests use these).
  static void SetFileChooser(FileChooser chooser);
  static void SetLinkOpener(LinkOpener opener);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
