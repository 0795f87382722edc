#include "settings/settings_file.h"

#include "platform/runtime/run_directory.h"

namespace settings {

std::string SettingsFilePath() { return platform::RunDirectory() + "/data/setsoft.ini"; }

}  // namespace settings
