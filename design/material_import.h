#pragma once

// Bringing a material file in (file dialog or drop) and taking it out again.

#include <string>
#include <string_view>

#include "platform/toolkit/window.h"

namespace design {

inline constexpr const char* kImportButton = "按钮_素材_导入";
inline constexpr const char* kDeleteButton = "按钮_素材_删除";
inline constexpr const char* kMaterialDialog = "通用对话框1";
inline constexpr const char* kLockBox = "选择框_锁定宽高XY";
inline constexpr const char* kMaterialFilter =
    "PNG.JPG.GIF.BMP.DIB.ICO.CUR|*.png;*.jpg;*.gif;*.bmp;*.dib;*.ico;*.cur";

// The pieces of a material path that the export names its files after.
struct MaterialPathPieces {
  std::string stem;       // up to, not including, the last "."
  std::string extension;  // after the last "."
  std::string name;       // between the last "/" and the last "."
};
MaterialPathPieces SplitMaterialPath(std::string_view path);

void LoadMaterial(platform::Window& window, std::string_view path);
void OnImportMaterialClicked(platform::Window& window);
void OnMaterialDropped(platform::Window& window, const char* path);
void OnDeleteMaterialClicked(platform::Window& window);

}  // namespace design
