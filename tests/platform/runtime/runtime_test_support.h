#pragma once

// Small file helpers for the run-time tests: raw bytes in and out, folder listings, and a
// child process that runs without the powers of the user running the tests.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace runtimetest {

// "[颜色选择器]\r\n颜色选择器_统一_幕布=中文值\r\n" as a Windows copy of the program wrote it:
// in GB18030, which is not valid UTF-8.
inline constexpr std::string_view kGb18030Settings =
    "[\xD1\xD5\xC9\xAB\xD1\xA1\xD4\xF1\xC6\xF7]\r\n"
    "\xD1\xD5\xC9\xAB\xD1\xA1\xD4\xF1\xC6\xF7_\xCD\xB3\xD2\xBB_\xC4\xBB\xB2\xBC="
    "\xD6\xD0\xCE\xC4\xD6\xB5\r\n";

void WriteRaw(const std::string& path, std::string_view bytes);
std::string ReadRaw(const std::string& path);
// The names in a folder, sorted, hidden ones included.
std::vector<std::string> FolderNames(const std::string& folder);

// Runs body in a child process and answers its result (or -1 when it did not finish). When
// the tests run as root, the child runs as the unprivileged user "nobody", so that folder
// permissions apply to it; otherwise it runs as the same user.
int RunUnprivileged(const std::function<int()>& body);
bool RunningAsRoot();

}  // namespace runtimetest
