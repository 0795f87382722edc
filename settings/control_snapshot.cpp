#include "settings/control_snapshot.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/profile.h"
#include "platform/runtime/text.h"
#include "shell/file_system.h"

namespace settings {
namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr const char* kLineBreakEscape = "><br><";
constexpr const char* kQuote = "\"";
constexpr const char* kQuoteEscape = "#引号";

// One kind of control in the snapshot: its kind name (also the section) and how a control's
// state becomes a value and back.
struct SnapshotKind {
  const char* kind;
  std::string (*read)(const platform::Window&, const std::string& control);
  void (*apply)(platform::Window&, const std::string& control, const std::string& value);
};

const SnapshotKind kCheckBoxes{
    platform::kind::kCheckBox,
    [](const platform::Window& window, const std::string& control) {
      return platform::BoolToText(window.Ticked(control));
    },
    [](platform::Window& window, const std::string& control, const std::string& value) {
      window.SetTicked(control, value != platform::BoolToText(false));
    }};

const SnapshotKind kEditBoxes{
    platform::kind::kEditBox,
    [](const platform::Window& window, const std::string& control) {
      return EscapeEditText(window.Text(control));
    },
    [](platform::Window& window, const std::string& control, const std::string& value) {
      window.SetText(control, UnescapeEditText(value));
    }};

void MakeSurePath(std::string& settingsPath) {
  if (settingsPath.empty()) settingsPath = shell::EnsureDataDirectory();
}

int Restore(platform::Window& window, std::string& settingsPath, const SnapshotKind& kind) {
  MakeSurePath(settingsPath);
  const std::vector<std::string> controls = window.FindControlsOfKind(kind.kind);
  for (const std::string& control : controls) {
    const std::string value = platform::ReadProfileString(settingsPath, kind.kind, control, "");
    if (!value.empty()) kind.apply(window, control, value);
  }
  return static_cast<int>(controls.size());
}

int Save(platform::Window& window, std::string& settingsPath, std::string_view exclusions,
         const SnapshotKind& kind) {
  MakeSurePath(settingsPath);
  const std::vector<std::string> controls = window.FindControlsOfKind(kind.kind);
  for (const std::string& control : controls) {
    if (IsNotExcluded(exclusions, control)) {
      platform::WriteProfileString(settingsPath, kind.kind, control, kind.read(window, control));
    }
  }
  return static_cast<int>(controls.size());
}

}  // namespace

std::string EscapeEditText(std::string_view text) {
  return platform::ReplaceAll(platform::ReplaceAll(text, kLineBreak, kLineBreakEscape), kQuote,
                              kQuoteEscape);
}

std::string UnescapeEditText(std::string_view value) {
  return platform::ReplaceAll(platform::ReplaceAll(value, kLineBreakEscape, kLineBreak),
                              kQuoteEscape, kQuote);
}

bool IsNotExcluded(std::string_view exclusions, std::string_view name) {
  for (const std::string& excluded : platform::Split(exclusions, "|")) {
    if (excluded == name) return false;
  }
  return true;
}

int RestoreCheckBoxStates(platform::Window& window, std::string& settingsPath) {
  return Restore(window, settingsPath, kCheckBoxes);
}

int RestoreEditBoxTexts(platform::Window& window, std::string& settingsPath) {
  return Restore(window, settingsPath, kEditBoxes);
}

int SaveCheckBoxStates(platform::Window& window, std::string& settingsPath,
                       std::string_view exclusions) {
  return Save(window, settingsPath, exclusions, kCheckBoxes);
}

int SaveEditBoxTexts(platform::Window& window, std::string& settingsPath,
                     std::string_view exclusions) {
  return Save(window, settingsPath, exclusions, kEditBoxes);
}

}  // namespace settings
