#include <QAbstractButton>
#include <QTest>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/community_link.h"
#include "app/main_window_layout.h"
#include "app/main_window_wiring.h"
#include "app/program.h"
#include "platform/toolkit/application.h"
#include "platform/toolkit/qt_access.h"
#include "tests/support/temp_run_directory.h"

namespace {

int g_argc = 1;
char g_programName[] = "app_tests";
char* g_argv[] = {g_programName, nullptr};

// The main window as the program runs it, in a run directory of its own.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app::InitProgramObjects();
    window_ = application_.LoadWindow(app::MainWindowLayout(), &app::WireMainWindow);
  }

  void TearDown() override {
    platform::Application::SetLinkOpener(nullptr);
    // As the program ends: the window closes, the exit routine runs, the window goes.
    platform::TopLevelOf(*window_)->close();
    app::OnProgramExit();
    window_.reset();
  }

  // Everything a user can see of every control.
  std::vector<std::string> Snapshot() const {
    std::vector<std::string> state;
    for (const platform::ControlLayout& control : app::MainWindowLayout().controls) {
      const std::string_view name = control.name;
      state.push_back(
          control.name + "|" + window_->Text(name) + "|" + std::to_string(window_->Ticked(name)) +
          "|" + std::to_string(window_->Colour(name)) + "|" +
          std::to_string(window_->Visible(name)) + "|" + std::to_string(window_->Left(name)) + "," +
          std::to_string(window_->Top(name)) + "," + std::to_string(window_->Width(name)) + "," +
          std::to_string(window_->Height(name)));
    }
    return state;
  }

  testsupport::TempRunDirectory runDirectory_;
  platform::Application application_{g_argc, g_argv};
  std::unique_ptr<platform::Window> window_;
};

TEST_F(MainWindowTest, FirstStartKeepsTheInitialStatesAndShowsTheVersion) {
  for (const std::string& box : window_->FindControlsOfKind(platform::kind::kCheckBox)) {
    EXPECT_TRUE(window_->Ticked(box)) << box;
  }
  const std::vector<std::pair<const char*, const char*>> texts{
      {"编辑框_统一_图层宽", "200"},     {"编辑框_统一_图层高", "100"},
      {"编辑框_素材_宽", "200"},         {"编辑框_素材_高", "100"},
      {"编辑框_素材_x", "200"},          {"编辑框_素材_y", "100"},
      {"编辑框_普通图片_透明度", "255"}, {"编辑框_点燃图片_透明度", "160"},
      {"编辑框_按下图片_透明度", "110"},
  };
  for (const auto& [box, text] : texts) EXPECT_EQ(window_->Text(box), text) << box;
  EXPECT_EQ(window_->Text("透明标签_版本"), "042201");
}

TEST_F(MainWindowTest, CommunityLinkOpensTheInvitationAndChangesNothing) {
  std::vector<std::string> opened;
  platform::Application::SetLinkOpener([&](const std::string& link) { opened.push_back(link); });
  const std::vector<std::string> before = Snapshot();

  QTest::mouseClick(platform::WidgetOf(*window_, "超级按钮_加QQ群"), Qt::LeftButton);

  EXPECT_EQ(opened, std::vector<std::string>{app::CommunityInvitationLink()});
  EXPECT_NE(app::CommunityInvitationLink().find(app::kCommunityGroupNumber), std::string::npos);
  EXPECT_EQ(Snapshot(), before);
}

}  // namespace
