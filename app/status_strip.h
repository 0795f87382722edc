#pragma once

// The strip along the bottom of the main window: the version and the community link.

#include "platform/toolkit/window.h"

namespace app {

inline constexpr const char* kStatusStrip = "外形框_状态条";
inline constexpr const char* kVersionCaptionLabel = "透明标签4";
inline constexpr const char* kVersionLabel = "透明标签_版本";
inline constexpr const char* kCommunityLinkButton = "超级按钮_加QQ群";
inline constexpr const char* kCommunityBrowser = "超文本浏览框1";

// The version label's text before the window is created, and the version it then shows.
inline constexpr const char* kInitialVersionText = "022601";
inline constexpr const char* kVersionText = "042201";

void ShowVersion(platform::Window& window);

// Hands the invitation link to the hidden browser box, which opens it with the system's
// handler for the messenger's scheme. Nothing in the window changes.
void OnCommunityLinkClicked(platform::Window& window);

}  // namespace app
