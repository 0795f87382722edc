#pragma once

// The developers' community group that the status strip's link button invites the user to.
// Both values are configuration of this build: change the number here and the caption,
// tooltip and link all follow.

#include <string>
#include <string_view>

namespace app {

inline constexpr std::string_view kCommunityGroupNumber = "123456789";

// A link of the messenger's own scheme; the system hands it to the messenger, which shows the
// group's invitation.
inline std::string CommunityInvitationLink() {
  return "mqqapi://card/show_pslcard?src_type=internal&version=1&uin=" +
         std::string(kCommunityGroupNumber) + "&card_type=group&source=qrcode";
}

}  // namespace app
