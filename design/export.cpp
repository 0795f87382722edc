#include "design/export.h"

#include <vector>

#include "design/button_state.h"
#include "design/design_state.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/date_time.h"
#include "platform/runtime/files.h"
#include "platform/runtime/run_directory.h"
#include "platform/runtime/text.h"
#include "shell/file_system.h"

namespace design {
namespace {

std::string DateTimeName() {
  const platform::LocalDateTime now = platform::CurrentLocalDateTime();
  using platform::IntToText;
  return IntToText(now.year) + "-" + IntToText(now.month) + "-" + IntToText(now.day) + "_" +
         IntToText(now.hour) + "-" + IntToText(now.minute) + "-" + IntToText(now.second);
}

std::string FileNameOf(const std::string& path) {
  return platform::Middle(path, platform::FindLast(path, "/") + 1, platform::Length(path));
}

std::string FailureMessage(const std::vector<std::string>& failedPaths) {
  if (failedPaths.empty()) return "";
  std::string names;
  for (const std::string& path : failedPaths) {
    if (!names.empty()) names += "、";
    names += FileNameOf(path);
  }
  return "导出失败，无法写入: " + names;
}

}  // namespace

std::string ExportFolder() { return platform::RunDirectory() + "/" + kExportFolderName; }

void OnExportClicked(platform::Window& window) {
  DesignState& design = Design();
  const std::string folder = ExportFolder() + "/";
  if (!design.materialPathStem.empty() && !design.materialExtension.empty()) {
    design.materialPathStem = folder + design.materialName;
  } else {
    design.materialPathStem = folder + DateTimeName();
    design.materialExtension = "png";
  }

  // The folder is made again if it went away while the program ran.
  shell::EnsureDirectory(folder);
  std::vector<std::string> failed;
  for (const ButtonStateControls& row : kButtonStates) {
    const std::string path = design.materialPathStem + row.exportSuffix + design.materialExtension;
    if (!platform::WriteWholeFile(path, PictureOf(design, static_cast<int>(row.state)))) {
      failed.push_back(path);
    }
  }
  window.SetText(kExportResultLabel, FailureMessage(failed));

  if (window.Ticked(kOpenAfterExportBox)) {
    shell::OpenFolderAndSelect(design.materialPathStem + ControlsOf(ButtonState::Normal).exportSuffix +
                               design.materialExtension);
  }
}

}  // namespace design
