#pragma once

// The window toolkit's Window on Qt widgets: one widget per control, named after it, kept in
// the window's control order.

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit/control_layout.h"
#include "platform/toolkit/window.h"

namespace platform::toolkit {

class DropRelay;

class QtWindow : public Window {
 public:
  explicit QtWindow(const WindowLayout& layout);
  ~QtWindow() override;

  // Program life, driven by the application.
  void RaiseCreated();
  void Show();
  bool Closed() const { return closed_; }
  // Runs once the window has closed (after Destroying and after every handler was let go).
  void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }
  // Closes the window as the user would: Destroying runs first.
  void Close();

  QWidget* TopLevel() const;
  QWidget* WidgetOf(std::string_view control) const;

  std::string Name() const override;
  void Connect(std::string_view control, ControlEvent event, Handler handler) override;
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  std::string Tooltip(std::string_view control) const override;
  bool Ticked(std::string_view control) const override;
  void SetTicked(std::string_view control, bool ticked) override;
  std::uint32_t Colour(std::string_view control) const override;
  void SetColour(std::string_view control, std::uint32_t colour) override;
  std::uint32_t FillColour(std::string_view control) const override;
  void SetFillColour(std::string_view control, std::uint32_t colour) override;
  std::uint32_t BackgroundColour(std::string_view control) const override;
  void SetBackgroundColour(std::string_view control, std::uint32_t colour) override;
  int Left(std::string_view control) const override;
  int Top(std::string_view control) const override;
  int Width(std::string_view control) const override;
  int Height(std::string_view control) const override;
  void SetWidth(std::string_view control, int width) override;
  void SetHeight(std::string_view control, int height) override;
  bool Visible(std::string_view control) const override;
  void SetPicture(std::string_view control, PictureSlot slot, const Bytes& png) override;
  Bytes Picture(std::string_view control, PictureSlot slot) const override;
  void ClearArea(std::string_view canvas, int x, int y, int width, int height) override;
  void BeginDrag(std::string_view canvas) override;
  std::vector<std::string> FindControlsOfKind(std::string_view kind) const override;
  std::optional<std::string> OpenCommonDialog(std::string_view dialog,
                                              const FileDialogRequest& request) override;
  void SetAddress(std::string_view browser, std::string_view address) override;
  void AcceptFiles(bool accept) override;
  void InstallDropFilter(DropFilter filter) override;
  void RemoveDropFilter() override;

 private:
  static constexpr int kEventCount = static_cast<int>(ControlEvent::LeftButtonDown) + 1;

  struct Control {
    std::string name;
    std::string kind;
    QPointer<QWidget> widget;  // null for the controls without a window of their own
    QRect place;               // theirs
    std::array<std::vector<Handler>, kEventCount> handlers;
  };

  const Control* Find(std::string_view name) const;
  Control* Find(std::string_view name);
  template <typename WidgetType>
  WidgetType* As(std::string_view name) const;
  void Raise(std::size_t control, ControlEvent event);
  void ApplyTabOrder(const std::vector<std::string>& order);
  void OnCloseRequested();

  std::vector<Control> controls_;  // the window itself first, then the window's control order
  std::map<std::string, std::size_t, std::less<>> indexByName_;
  std::unique_ptr<QWidget> topLevel_;
  std::unique_ptr<DropRelay> dropRelay_;
  std::function<void()> onClosed_;
  bool closing_ = false;  // Destroying is running or has run
  bool closed_ = false;   // no handler runs any more
};

}  // namespace platform::toolkit
