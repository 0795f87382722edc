#pragma once

#include <string>

namespace settings {

// The settings file: the run directory followed by "/data/setsoft.ini", built anew each time.
std::string SettingsFilePath();

}  // namespace settings
