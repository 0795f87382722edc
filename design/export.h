#pragma once

// Writing the three state pictures into the export folder.

#include <string>

#include "platform/toolkit/window.h"

namespace design {

inline constexpr const char* kExportButton = "按钮_素材_导出";
inline constexpr const char* kOpenAfterExportBox = "选择框_导出后打开所在目录";
inline constexpr const char* kExportFolderName = "导出图片";
// The status-strip label that tells the user which files could not be written.
inline constexpr const char* kExportResultLabel = "透明标签_导出结果";

// The run directory followed by the export folder's name.
std::string ExportFolder();

void OnExportClicked(platform::Window& window);

}  // namespace design
