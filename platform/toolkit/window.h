#pragma once

// The window toolkit as the rest of the system sees it: controls reached by name, properties
// read and written as plain values, events delivered to handlers without arguments. No toolkit
// type crosses this interface.
//
// Unknown control names are harmless: reads answer an empty or zero value, writes do nothing.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/bytes.h"
#include "platform/toolkit/control_layout.h"

namespace platform {

enum class ControlEvent {
  Created,     // the window: all controls exist
  Destroying,  // the window: will be destroyed; every control can still be read
  Clicked,     // buttons, picture buttons, super buttons, check boxes (after the tick changed)
  GotFocus,
  LostFocus,
  ColourChanged,  // colour pickers: only when the user picks
  LeftButtonDown  // canvases
};

// The pictures a control carries.
enum class PictureSlot {
  Background,  // canvas
  Normal,      // picture button, super button
  Lit,         // picture button, super button: shown while the mouse is over it
  Pressed,     // picture button
  Disabled     // super button
};

// What the common dialog is asked; the answer is the chosen path, or nothing when cancelled.
struct FileDialogRequest {
  int kind = 0;  // 0: open a file
  std::string initialFolder;
  std::string filter;  // "description|patterns"
};
using FileChooser = std::function<std::optional<std::string>(const FileDialogRequest&)>;
using LinkOpener = std::function<void(const std::string& address)>;

class Window {
 public:
  using Handler = std::function<void()>;

  virtual ~Window() = default;

  virtual std::string Name() const = 0;

  // Wires an event of a control (or of the window, by its own name) to a handler.
  virtual void Connect(std::string_view control, ControlEvent event, Handler handler) = 0;

  // Edit-box text; caption of a label, button, super button, check box or group box.
  virtual std::string Text(std::string_view control) const = 0;
  virtual void SetText(std::string_view control, std::string_view text) = 0;
  virtual std::string Tooltip(std::string_view control) const = 0;

  virtual bool Ticked(std::string_view control) const = 0;
  virtual void SetTicked(std::string_view control, bool ticked) = 0;  // raises nothing

  // Colour picker's current colour, 0x00BBGGRR; setting it raises nothing.
  virtual std::uint32_t Colour(std::string_view control) const = 0;
  virtual void SetColour(std::string_view control, std::uint32_t colour) = 0;

  virtual std::uint32_t FillColour(std::string_view control) const = 0;  // shape box
  virtual void SetFillColour(std::string_view control, std::uint32_t colour) = 0;
  virtual std::uint32_t BackgroundColour(std::string_view control) const = 0;  // group box
  virtual void SetBackgroundColour(std::string_view control, std::uint32_t colour) = 0;

  // Place inside the container, and size, in pixels.
  virtual int Left(std::string_view control) const = 0;
  virtual int Top(std::string_view control) const = 0;
  virtual int Width(std::string_view control) const = 0;
  virtual int Height(std::string_view control) const = 0;
  virtual void SetWidth(std::string_view control, int width) = 0;
  virtual void SetHeight(std::string_view control, int height) = 0;
  virtual bool Visible(std::string_view control) const = 0;

  // Pictures as encoded bytes; a control keeps exactly the bytes it was given, and reading
  // gives them back. Empty bytes show no picture.
  virtual void SetPicture(std::string_view control, PictureSlot slot, const Bytes& png) = 0;
  virtual Bytes Picture(std::string_view control, PictureSlot slot) const = 0;

  // Canvas: repaint a rectangle from the background picture.
  virtual void ClearArea(std::string_view canvas, int x, int y, int width, int height) = 0;
  // Canvas: the user moves it with the mouse inside its parent until the button is released.
  virtual void BeginDrag(std::string_view canvas) = 0;

  // The names of all controls of a kind, in the window's control order.
  virtual std::vector<std::string> FindControlsOfKind(std::string_view kind) const = 0;

  // Common dialog: answers the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> OpenCommonDialog(std::string_view dialog,
                                                      const FileDialogRequest& request) = 0;
  // Browser box: setting its address opens the link with the system's handler for its scheme.
  virtual void SetAddress(std::string_view browser, std::string_view address) = 0;

  // Dropped files. While files are accepted, a drop of local files anywhere on the window
  // (over any control) goes to the drop filter with the paths in the order given, and counts
  // as finished and consumed; drops of anything else are ignored. Other events are untouched.
  using DropFilter = std::function<void(const std::vector<std::string>& paths)>;
  virtual void AcceptFiles(bool accept) = 0;
  virtual void InstallDropFilter(DropFilter filter) = 0;
  virtual void RemoveDropFilter() = 0;
};

// Pictures loaded by the toolkit to be measured. Accepts PNG, JPEG, GIF, BMP/DIB, ICO, CUR
// and PCX content, detected from the bytes; answers 0 for anything else.
int LoadPicture(const Bytes& bytes);
int PictureWidth(int picture);
int PictureHeight(int picture);

}  // namespace platform
