#include "platform/toolkit/qt_access.h"

#include "platform/toolkit/qt_window.h"

namespace platform {

QWidget* WidgetOf(Window& window, std::string_view name) {
  auto* qtWindow = dynamic_cast<toolkit::QtWindow*>(&window);
  return qtWindow ? qtWindow->WidgetOf(name) : nullptr;
}

QWidget* TopLevelOf(Window& window) {
  auto* qtWindow = dynamic_cast<toolkit::QtWindow*>(&window);
  return qtWindow ? qtWindow->TopLevel() : nullptr;
}

}  // namespace platform
