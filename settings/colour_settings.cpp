#include "settings/colour_settings.h"

#include <cstdint>
#include <string>

#include "platform/runtime/conversions.h"
#include "platform/runtime/profile.h"
#include "settings/settings_file.h"

namespace settings {

void LoadColours(platform::Window& window) {
  for (const ColourSetting& setting : kColourSettings) {
    const std::string text = platform::ReadProfileString(SettingsFilePath(), kColourSection,
                                                         setting.picker, setting.defaultValue);
    window.SetColour(setting.picker, static_cast<std::uint32_t>(platform::TextToInt(text)));
  }
}

void SaveColours(platform::Window& window) {
  for (const ColourSetting& setting : kColourSettings) {
    // Written as the signed decimal of the 32-bit colour value.
    const auto colour = static_cast<std::int32_t>(window.Colour(setting.picker));
    platform::WriteProfileString(SettingsFilePath(), kColourSection, setting.picker,
                                 platform::IntToText(colour));
  }
}

}  // namespace settings
