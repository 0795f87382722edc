#include "platform/toolkit/drop_relay.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace platform::toolkit {

std::vector<std::string> LocalFilePaths(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

DropRelay::DropRelay(QWidget* window, Window::DropFilter filter)
    : window_(window), filter_(std::move(filter)) {
  window_->installEventFilter(this);
  for (QWidget* child : window_->findChildren<QWidget*>()) child->installEventFilter(this);
}

DropRelay::~DropRelay() {
  window_->removeEventFilter(this);
  for (QWidget* child : window_->findChildren<QWidget*>()) child->removeEventFilter(this);
}

bool DropRelay::eventFilter(QObject*, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
    return false;
  }
  if (!window_->acceptDrops()) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const std::vector<std::string> paths = LocalFilePaths(drop->mimeData());
  if (paths.empty()) return false;
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) {
    // The filter may replace or remove this relay while it runs: call a copy.
    const auto filter = filter_;
    filter(paths);
  }
  return true;
}

}  // namespace platform::toolkit
