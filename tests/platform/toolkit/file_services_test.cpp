#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTimer>
#include <array>

#include "platform/toolkit/file_services.h"
#include "tests/platform/toolkit/toolkit_test_support.h"
#include "tests/support/temp_run_directory.h"

namespace toolkittest {
namespace {

TEST(DialogFilterTest, TranslatesDescriptionAndPatternPairs) {
  const std::array<std::pair<const char*, const char*>, 5> cases{{
      {"PNG.JPG.ICO|*.png;*.jpg;*.ico", "PNG.JPG.ICO (*.png *.jpg *.ico)"},
      {"图片|*.png|全部|*.*", "图片 (*.png);;全部 (*.*)"},
      {"A|*.a;;*.b", "A (*.a *.b)"},
      {"only a description", ""},
      {"", ""},
  }};
  for (const auto& [filter, expected] : cases) {
    EXPECT_EQ(platform::toolkit::ToDialogFilter(filter).toStdString(), expected) << filter;
  }
}

class FileServicesTest : public ToolkitTest {
 protected:
  void SetUp() override { Load(); }
  void TearDown() override {
    platform::Application::SetFileChooser(nullptr);
    platform::Application::SetLinkOpener(nullptr);
  }
};

TEST_F(FileServicesTest, CommonDialogAsksTheChooserInPlace) {
  std::vector<platform::FileDialogRequest> asked;
  std::optional<std::string> answer = "/tmp/a.png";
  platform::Application::SetFileChooser([&](const platform::FileDialogRequest& request) {
    asked.push_back(request);
    return answer;
  });
  const platform::FileDialogRequest request{0, "/home", "图片|*.png"};
  EXPECT_EQ(window_->OpenCommonDialog(kDialog, request), answer);
  answer.reset();
  EXPECT_EQ(window_->OpenCommonDialog(kDialog, request), std::nullopt);
  EXPECT_EQ(window_->OpenCommonDialog(kButton, request), std::nullopt) << "not a dialog";
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].initialFolder, "/home");
  EXPECT_EQ(asked[0].filter, "图片|*.png");
}

TEST_F(FileServicesTest, FileDialogShowsTheFolderAndFilterAndAnswersTheChoice) {
  testsupport::TempRunDirectory folder;
  const QString file = QString::fromStdString(folder.path()) + "/素材.png";
  QFile(file).open(QIODevice::WriteOnly);

  struct Seen {
    QStringList filters;
    QString directory;
  } seen;
  for (const bool confirm : {false, true}) {
    QTimer::singleShot(0, [&, confirm] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      seen = {dialog->nameFilters(), dialog->directory().absolutePath()};
      if (!confirm) return dialog->reject();
      dialog->selectFile(file);
      static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = window_->OpenCommonDialog(kDialog, {0, folder.path(), "图片|*.png;*.ico"});
    EXPECT_EQ(seen.filters, QStringList{"图片 (*.png *.ico)"});
    EXPECT_EQ(seen.directory, QDir(QString::fromStdString(folder.path())).absolutePath());
    if (confirm) {
      EXPECT_EQ(chosen, file.toStdString());
    } else {
      EXPECT_EQ(chosen, std::nullopt);
    }
  }
}

TEST_F(FileServicesTest, BrowserAddressGoesToTheLinkOpener) {
  std::vector<std::string> opened;
  platform::Application::SetLinkOpener([&](const std::string& link) { opened.push_back(link); });
  window_->SetAddress(kBrowser, "mqqapi://card/show?uin=1");
  window_->SetAddress(kLabel, "https://example.org");  // not a browser box
  EXPECT_EQ(opened, std::vector<std::string>{"mqqapi://card/show?uin=1"});
  EXPECT_FALSE(window_->Visible(kBrowser));
}

}  // namespace
}  // namespace toolkittest
