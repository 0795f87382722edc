#pragma once

// Hands local files dropped anywhere on a window to one callback. It watches the window and
// every control in it, so that a drop over a control that would take it (or a drop delivered
// to a control directly) reaches the callback just the same.

#include <QMimeData>
#include <QObject>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/toolkit/window.h"

namespace platform::toolkit {

class DropRelay : public QObject {
 public:
  DropRelay(QWidget* window, Window::DropFilter filter);
  ~DropRelay() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  Window::DropFilter filter_;
};

// The local file paths of dropped data, in the order given; empty when it holds none.
std::vector<std::string> LocalFilePaths(const QMimeData* data);

}  // namespace platform::toolkit
