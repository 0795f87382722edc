#include "platform/runtime/run_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string WithoutTrailingSlashes(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (home.empty()) {
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) home = entry->pw_dir;
  }
  return home.empty() ? "/" : home;
}

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path().string();
}

// An installed copy's folder is not the user's to write; settings and exports then go to the
// user's data folder instead of being lost silently.
std::string DataFolder() {
  std::string dataHome = Environment("XDG_DATA_HOME");
  // Relative values are invalid by the base-directory rules and are ignored.
  if (dataHome.empty() || dataHome.front() != '/') dataHome = HomeFolder() + "/.local/share";
  const std::string folder = WithoutTrailingSlashes(dataHome) + "/brelvane";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

}  // namespace

std::string RunDirectory() {
  if (const std::string home = Environment("BRELVANE_HOME"); !home.empty()) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(home, error);
    return WithoutTrailingSlashes(error ? home : absolute.string());
  }
  const std::string program = ProgramFolder();
  if (!program.empty() && ::access(program.c_str(), W_OK) == 0)
    return WithoutTrailingSlashes(program);
  return DataFolder();
}

std::string DesktopFolder() {
  std::string desktop =
      QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
  // Qt names ~/Desktop even where no such folder exists; a dialog opened there would fail.
  std::error_code error;
  if (desktop.empty() || !std::filesystem::is_directory(desktop, error)) desktop = HomeFolder();
  desktop = WithoutTrailingSlashes(desktop);
  return desktop == "/" ? desktop : desktop + "/";
}

}  // namespace platform
