#pragma once

// The snapshot of every check box's ticked state and every edit box's text, kept in the
// settings file under the controls' own names. The routines find the controls by kind, so
// they need no list of what to save.

#include <string>
#include <string_view>

#include "platform/toolkit/window.h"

namespace settings {

// An empty settings path is replaced, in the caller's variable, by EnsureDataDirectory()'s
// answer. Each answers the number of controls of its kind.
int RestoreCheckBoxStates(platform::Window& window, std::string& settingsPath);
int RestoreEditBoxTexts(platform::Window& window, std::string& settingsPath);
int SaveCheckBoxStates(platform::Window& window, std::string& settingsPath,
                       std::string_view exclusions);
int SaveEditBoxTexts(platform::Window& window, std::string& settingsPath,
                     std::string_view exclusions);

// True unless the name is one of the "|"-separated names of the list (whole, case-sensitive).
bool IsNotExcluded(std::string_view exclusions, std::string_view name);

// The escapes of edit-box texts in the settings file.
std::string EscapeEditText(std::string_view text);
std::string UnescapeEditText(std::string_view value);

}  // namespace settings
