#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tests/platform/toolkit/toolkit_test_support.h"

namespace toolkittest {
namespace {

using Paths = std::vector<std::string>;

class DropTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Load();
    window_->AcceptFiles(true);
    window_->InstallDropFilter([this](const Paths& paths) { received_.push_back(paths); });
  }

  // Drags the data over the widget and drops it there; answers whether the drop was taken.
  bool Drop(QWidget* widget, QMimeData* data) {
    const QPoint centre = widget->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &enter);
    QDropEvent drop(centre, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
    drop.setAccepted(false);
    QApplication::sendEvent(widget, &drop);
    return drop.isAccepted();
  }

  static QMimeData* Urls(const QList<QUrl>& urls) {
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
  }

  std::vector<Paths> received_;
};

TEST_F(DropTest, LocalFilesDroppedAnywhereReachTheFilterInOrder) {
  struct Case {
    const char* description;
    const char* target;  // null: the window itself
    QList<QUrl> urls;
    std::optional<Paths> expected;
  };
  const QUrl first = QUrl::fromLocalFile("/tmp/图标 1.png");
  const QUrl second = QUrl::fromLocalFile("/tmp/b.ico");
  const QUrl remote("https://example.org/c.png");
  const std::array<Case, 5> cases{{
      {"on an edit box", kDigits, {first, second}, Paths{"/tmp/图标 1.png", "/tmp/b.ico"}},
      {"on a canvas", kCanvas, {second, first}, Paths{"/tmp/b.ico", "/tmp/图标 1.png"}},
      {"on the window", nullptr, {first}, Paths{"/tmp/图标 1.png"}},
      {"remote links are left out", kButton, {remote, second}, Paths{"/tmp/b.ico"}},
      {"remote links alone are no drop", kCanvas, {remote}, std::nullopt},
  }};
  for (const Case& c : cases) {
    received_.clear();
    std::unique_ptr<QMimeData> data(Urls(c.urls));
    const bool taken = Drop(c.target ? Widget(c.target) : TopLevel(), data.get());
    EXPECT_EQ(taken, c.expected.has_value()) << c.description;
    if (c.expected) {
      EXPECT_EQ(received_, std::vector<Paths>{*c.expected}) << c.description;
    } else {
      EXPECT_TRUE(received_.empty()) << c.description;
    }
  }
}

TEST_F(DropTest, TextDropsDoNotReachTheFilter) {
  QMimeData text;
  text.setText("/tmp/a.png");
  Drop(Widget(kCanvas), &text);
  Drop(TopLevel(), &text);
  EXPECT_TRUE(received_.empty());
}

TEST_F(DropTest, NoControlTakesDropsItself) {
  // The system delivers a drag to the innermost widget that accepts drops; so that every drop
  // reaches the window, none of the controls may accept them.
  for (QWidget* child : TopLevel()->findChildren<QWidget*>()) {
    EXPECT_FALSE(child->acceptDrops()) << child->objectName().toStdString();
  }
  EXPECT_TRUE(TopLevel()->acceptDrops());
}

TEST_F(DropTest, NothingArrivesWhenFilesAreRefusedOrTheFilterIsRemoved) {
  std::unique_ptr<QMimeData> data(Urls({QUrl::fromLocalFile("/tmp/a.png")}));
  window_->AcceptFiles(false);
  EXPECT_FALSE(Drop(Widget(kDigits), data.get()));
  window_->AcceptFiles(true);
  window_->RemoveDropFilter();
  Drop(TopLevel(), data.get());
  EXPECT_TRUE(received_.empty());
}

}  // namespace
}  // namespace toolkittest
