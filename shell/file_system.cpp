#include "shell/file_system.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/runtime/run_directory.h"
#include "platform/toolkit/desktop_services.h"

namespace shell {
namespace {

ShowItemInFolderFunction& ShowItem() {
  static ShowItemInFolderFunction show;
  return show;
}

// The desktop's file managers have no request to start renaming, so the item is only shown.
bool ShowWithDesktop(const std::string& path, bool /*startRename*/) {
  return platform::ShowItemInFolder(path);
}

}  // namespace

void SetShowItemInFolder(ShowItemInFolderFunction show) { ShowItem() = std::move(show); }

bool OpenFolderAndSelect(const std::string& path, bool startRename) {
  if (!PathExists(path)) return false;
  const ShowItemInFolderFunction& show = ShowItem();
  return show ? show(path, startRename) : ShowWithDesktop(path, startRename);
}

bool PathExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool EnsureDirectory(const std::string& path) {
  // The whole text is a folder path whether or not it ends in "/"; the empty text is the root.
  std::string_view text = path;
  while (text.size() > 1 && text.back() == '/') text.remove_suffix(1);
  const std::filesystem::path folder = text.empty() ? std::string_view("/") : text;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error);
}

std::string EnsureDataDirectory() {
  const std::string runDirectory = platform::RunDirectory();
  const std::string dataFolder = runDirectory + "/data";
  if (!IsDirectory(dataFolder)) EnsureDirectory(dataFolder);
  return runDirectory + "/data/setsoft.ini";
}

}  // namespace shell
