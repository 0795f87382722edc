#pragma once

// What the desktop offers the shell helpers: showing a file in its folder, and the message
// filter that other desktops need for drops from lower-privileged senders.

#include <cstdint>
#include <string>

namespace platform {

// Asks the desktop's file manager to show the item selected in its folder (the freedesktop
// FileManager1 "ShowItems" call on the session bus, answered within about two seconds). When
// there is no session bus or no file manager answers, opens the folder that holds the item with
// the system's handler. True when either opened something.
bool ShowItemInFolder(const std::string& path);

// Drops reach the window here without any message filter, so this does nothing.
void ChangeMessageFilter(std::uint32_t message, std::uint32_t action);

}  // namespace platform
