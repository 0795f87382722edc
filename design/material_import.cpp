#include "design/material_import.h"

#include "design/design_state.h"
#include "design/material_geometry.h"
#include "design/renderer.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/run_directory.h"
#include "platform/runtime/text.h"

namespace design {
namespace {

// Half the free room, truncated toward zero; computed wide so no extent can overflow.
std::int32_t Centred(std::int32_t layerExtent, std::int32_t materialExtent) {
  return static_cast<std::int32_t>((static_cast<std::int64_t>(layerExtent) - materialExtent) / 2);
}

void PlaceFromBoxes(platform::Window& window, MaterialRect& rect) {
  rect.width = platform::TextToInt(window.Text(kMaterialWidthBox));
  rect.height = platform::TextToInt(window.Text(kMaterialHeightBox));
  rect.x = platform::TextToInt(window.Text(kMaterialXBox));
  rect.y = platform::TextToInt(window.Text(kMaterialYBox));
}

void PlaceAtCentre(platform::Window& window, MaterialRect& rect, int picture) {
  rect.width = platform::PictureWidth(picture);
  rect.height = platform::PictureHeight(picture);
  window.SetText(kMaterialWidthBox, platform::IntToText(rect.width));
  window.SetText(kMaterialHeightBox, platform::IntToText(rect.height));
  rect.x = Centred(window.Width(kNormalCanvas), rect.width);
  rect.y = Centred(window.Height(kNormalCanvas), rect.height);
  window.SetText(kMaterialXBox, platform::IntToText(rect.x));
  window.SetText(kMaterialYBox, platform::IntToText(rect.y));
}

}  // namespace

MaterialPathPieces SplitMaterialPath(std::string_view path) {
  const std::int32_t dot = platform::FindLast(path, ".");
  const std::int32_t slash = platform::FindLast(path, "/");
  return {platform::Left(path, dot - 1), platform::Right(path, platform::Length(path) - dot),
          platform::Middle(path, slash + 1, dot - slash - 1)};
}

void LoadMaterial(platform::Window& window, std::string_view path) {
  DesignState& design = Design();
  MaterialPathPieces pieces = SplitMaterialPath(path);
  design.materialPathStem = std::move(pieces.stem);
  design.materialExtension = std::move(pieces.extension);
  design.materialName = std::move(pieces.name);
  design.materialFileBytes = platform::ReadWholeFile(std::string(path));

  ClearMaterialArea(window);
  const int picture = platform::LoadPicture(design.materialFileBytes);
  if (window.Ticked(kLockBox)) {
    PlaceFromBoxes(window, design.materialRect);
  } else {
    PlaceAtCentre(window, design.materialRect, picture);
  }
  design.materialImage.LoadFromBytes(design.materialFileBytes, false);
  RenderAllStates(window);
}

void OnImportMaterialClicked(platform::Window& window) {
  const platform::FileDialogRequest request{0, platform::DesktopFolder(), kMaterialFilter};
  if (const std::optional<std::string> chosen = window.OpenCommonDialog(kMaterialDialog, request)) {
    LoadMaterial(window, *chosen);
  }
}

void OnMaterialDropped(platform::Window& window, const char* path) {
  const std::string copy = path ? path : "";
  LoadMaterial(window, copy);
}

void OnDeleteMaterialClicked(platform::Window& window) {
  // A failed load leaves the image empty; the names stay for the next export.
  Design().materialImage.LoadFromBytes({}, false);
  RenderAllStates(window);
}

}  // namespace design
