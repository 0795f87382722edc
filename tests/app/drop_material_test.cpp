#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <filesystem>

#include <gtest/gtest.h>

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/material_geometry.h"
#include "design/material_import.h"
#include "tests/support/main_window_fixture.h"

namespace app {
namespace {

class DropMaterialTest : public testsupport::MainWindowTest {
 protected:
  void DropFiles(const char* control, const QList<QUrl>& urls) {
    QWidget* target = widget(control);
    QMimeData data;
    data.setUrls(urls);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
  }

  std::string Picture(const char* name, int side) {
    return testsupport::WriteFile(runDirectory(), name,
                                  testsupport::MakePicture(side, side, 0xFF0000FF));
  }
};

TEST_F(DropMaterialTest, TheLastOfSeveralDroppedFilesStaysAsTheMaterialWhereverItIsDropped) {
  window().SetTicked(design::kLockBox, false);
  const std::string first = Picture("first.png", 10);
  const std::string second = Picture("second.png", 20);
  const std::string third = Picture("第三.png", 30);
  for (const char* target : {design::kMaterialXBox, design::kNormalCanvas, "按钮_素材_导出"}) {
    DropFiles(target, {QUrl::fromLocalFile(QString::fromStdString(first)),
                       QUrl::fromLocalFile(QString::fromStdString(second)),
                       QUrl::fromLocalFile(QString::fromStdString(third))});
    const design::DesignState& design = design::Design();
    EXPECT_EQ(design.materialName, "第三") << target;
    EXPECT_EQ(design.materialImage.GetWidth(), 30) << target;
    EXPECT_EQ(window().Text(design::kMaterialWidthBox), "30") << target;
    // The drop became no text in the edit box it landed on.
    EXPECT_EQ(window().Text(design::kMaterialXBox), "85") << target;
  }
}

TEST_F(DropMaterialTest, DroppedTextAndWebLinksLoadNothing) {
  QMimeData text;
  text.setText("/tmp/some.png");
  QWidget* box = widget(design::kMaterialXBox);
  QDragEnterEvent enter(box->rect().center(), Qt::CopyAction, &text, Qt::LeftButton, {});
  QApplication::sendEvent(box, &enter);
  QDropEvent drop(box->rect().center(), Qt::CopyAction, &text, Qt::LeftButton, {});
  QApplication::sendEvent(box, &drop);
  DropFiles(design::kNormalCanvas, {QUrl("https://example.org/icon.png")});
  EXPECT_TRUE(design::Design().materialPathStem.empty());
  EXPECT_EQ(window().Text(design::kMaterialXBox), "200");
}

}  // namespace
}  // namespace app
