#pragma once

#include <string>

namespace platform {

// The folder of the program file without a trailing separator. BRELVANE_HOME replaces it;
// when the program's folder cannot be written, $XDG_DATA_HOME/brelvane (by default
// ~/.local/share/brelvane) is used. Computed on every call.
std::string RunDirectory();

// The user's desktop folder, ending in "/".
std::string DesktopFolder();

}  // namespace platform
