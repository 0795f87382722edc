#pragma once

// A window that only takes part in drops: it remembers whether files are accepted and which
// drop filter is installed, and lets a test drop paths on it. Every other call is inert.

#include <string>
#include <vector>

#include "platform/toolkit/window.h"

namespace shelltest {

class FakeWindow final : public platform::Window {
 public:
  bool accepting = false;
  DropFilter filter;

  // Delivers a drop the way the toolkit does: only while files are accepted and a filter is set.
  void Drop(const std::vector<std::string>& paths) {
    if (accepting && filter) filter(paths);
  }

  void AcceptFiles(bool accept) override { accepting = accept; }
  void InstallDropFilter(DropFilter f) override { filter = std::move(f); }
  void RemoveDropFilter() override { filter = nullptr; }

  std::string Name() const override { return "fake"; }
  void Connect(std::string_view, platform::ControlEvent, Handler) override {}
  std::string Text(std::string_view) const override { return {}; }
  void SetText(std::string_view, std::string_view) override {}
  std::string Tooltip(std::string_view) const override { return {}; }
  bool Ticked(std::string_view) const override { return false; }
  void SetTicked(std::string_view, bool) override {}
  std::uint32_t Colour(std::string_view) const override { return 0; }
  void SetColour(std::string_view, std::uint32_t) override {}
  std::uint32_t FillColour(std::string_view) const override { return 0; }
  void SetFillColour(std::string_view, std::uint32_t) override {}
  std::uint32_t BackgroundColour(std::string_view) const override { return 0; }
  void SetBackgroundColour(std::string_view, std::uint32_t) override {}
  int Left(std::string_view) const override { return 0; }
  int Top(std::string_view) const override { return 0; }
  int Width(std::string_view) const override { return 0; }
  int Height(std::string_view) const override { return 0; }
  void SetWidth(std::string_view, int) override {}
  void SetHeight(std::string_view, int) override {}
  bool Visible(std::string_view) const override { return false; }
  void SetPicture(std::string_view, platform::PictureSlot, const platform::Bytes&) override {}
  platform::Bytes Picture(std::string_view, platform::PictureSlot) const override { return {}; }
  void ClearArea(std::string_view, int, int, int, int) override {}
  void BeginDrag(std::string_view) override {}
  std::vector<std::string> FindControlsOfKind(std::string_view) const override { return {}; }
  std::optional<std::string> OpenCommonDialog(std::string_view,
                                              const platform::FileDialogRequest&) override {
    return std::nullopt;
  }
  void SetAddress(std::string_view, std::string_view) override {}
};

}  // namespace shelltest
