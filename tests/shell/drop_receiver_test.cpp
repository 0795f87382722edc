#include "shell/drop_receiver.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/shell/fake_version_facts.h"
#include "tests/shell/fake_window.h"

namespace {

using shelltest::FakeWindow;

// Records every dropped path and every message-filter change; restores the platform's
// functions afterwards.
class DropReceiverTest : public testing::Test {
 protected:
  DropReceiverTest() {
    shell::SetMessageFilterFunction([this](std::uint32_t message, std::uint32_t action) {
      filterChanges.emplace_back(message, action);
    });
  }
  ~DropReceiverTest() override {
    shell::SetMessageFilterFunction(nullptr);
    shell::SetVersionFactsSource(nullptr);
  }

  shell::DropReceiver::DropCallback Recorder() {
    return [this](const char* path) { received.emplace_back(path); };
  }

  FakeWindow window;
  std::vector<std::string> received;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> filterChanges;
};

TEST_F(DropReceiverTest, HandsEachPathToTheCallbackInOrder) {
  shell::DropReceiver receiver;
  receiver.Register(&window, Recorder());
  EXPECT_TRUE(window.accepting);

  const std::vector<std::string> paths{"/a/一.png", "/b/two.ico", "/c/three.gif"};
  window.Drop(paths);
  EXPECT_EQ(received, paths);

  received.clear();
  window.Drop({});
  EXPECT_TRUE(received.empty());
}

TEST_F(DropReceiverTest, CutsLongPathsAndReusesOneBuffer) {
  shell::DropReceiver receiver;
  std::vector<const char*> buffers;
  receiver.Register(&window, [&](const char* path) {
    received.emplace_back(path);
    buffers.push_back(path);
  });
  const std::string longPath = "/" + std::string(1499, 'x');
  window.Drop({longPath, "/short.png"});
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0], longPath.substr(0, 999));
  EXPECT_EQ(received[1], "/short.png");
  EXPECT_EQ(buffers[0], buffers[1]);
}

TEST_F(DropReceiverTest, UnregisterStopsDropsAndIsSafeTwice) {
  shell::DropReceiver receiver;
  receiver.Register(&window, Recorder());
  receiver.Unregister();
  EXPECT_FALSE(window.accepting);
  EXPECT_FALSE(window.filter);
  window.accepting = true;  // even if something else turns drops back on
  window.Drop({"/a.png"});
  receiver.Unregister();
  EXPECT_TRUE(received.empty());
}

TEST_F(DropReceiverTest, DestructionLetsGoOfTheWindow) {
  {
    shell::DropReceiver receiver;
    receiver.Register(&window, Recorder());
  }
  EXPECT_FALSE(window.accepting);
  EXPECT_FALSE(window.filter);
  { shell::DropReceiver neverRegistered; }
  {
    shell::DropReceiver nullWindow;
    nullWindow.Register(nullptr, Recorder());
  }
  EXPECT_TRUE(received.empty());
}

TEST_F(DropReceiverTest, RegisteringAgainLeavesThePreviousWindow) {
  FakeWindow other;
  shell::DropReceiver receiver;
  receiver.Register(&window, Recorder());
  receiver.Register(&other, Recorder());
  EXPECT_FALSE(window.accepting);
  EXPECT_FALSE(window.filter);
  other.Drop({"/b.png"});
  EXPECT_EQ(received, std::vector<std::string>{"/b.png"});
}

struct FilterCase {
  const char* what;
  std::uint32_t major;
  std::uint32_t minor;
  std::uint8_t productType;
  std::uint16_t architecture;
  bool expectChanges;
};

TEST_F(DropReceiverTest, OpensTheMessageFilterExceptOnWindowsXp) {
  const std::vector<std::pair<std::uint32_t, std::uint32_t>> kThreeChanges{
      {0x0233, 1}, {0x004A, 1}, {0x0049, 1}};
  const std::array kCases{
      FilterCase{"this platform: no name", 0, 0, 0, 0, true},
      FilterCase{"Windows 10", 10, 0, 1, 9, true},
      FilterCase{"Windows XP", 5, 1, 1, 0, false},
      FilterCase{"Windows XP Professional x64 Edition", 5, 2, 1, 9, false},
      FilterCase{"Windows Server 2003", 5, 2, 3, 0, true},
  };
  for (const FilterCase& c : kCases) {
    if (c.major != 0) {
      auto facts = std::make_shared<shelltest::FakeVersionFacts>();
      facts->trueNumbers = {c.major, c.minor, 0};
      facts->record->productType = c.productType;
      facts->architecture = c.architecture;
      facts->productInfoType = 48;
      shell::SetVersionFactsSource(facts);
    } else {
      shell::SetVersionFactsSource(nullptr);
    }
    filterChanges.clear();
    shell::DropReceiver receiver;
    receiver.Register(&window, Recorder());
    if (c.expectChanges) {
      EXPECT_EQ(filterChanges, kThreeChanges) << c.what;
    } else {
      EXPECT_TRUE(filterChanges.empty()) << c.what;
    }
  }
}

}  // namespace
