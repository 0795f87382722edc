#include "app/status_strip.h"

#include "app/community_link.h"

namespace app {

void ShowVersion(platform::Window& window) { window.SetText(kVersionLabel, kVersionText); }

void OnCommunityLinkClicked(platform::Window& window) {
  window.SetAddress(kCommunityBrowser, CommunityInvitationLink());
}

}  // namespace app
