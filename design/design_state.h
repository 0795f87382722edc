#pragma once

// The one program-wide design record: the imported material and the three rendered pictures.
// The layer's own settings (size, colours, opacities) live in the window's controls.

#include <cstdint>
#include <string>

#include "imaging/image_object.h"
#include "platform/runtime/bytes.h"

namespace design {

// Where the material is drawn on the layer; any value is allowed.
struct MaterialRect {
  std::int32_t width = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t height = 0;
};

// The PNG file of one rendered state; empty when rendering failed.
using StatePicture = platform::Bytes;

struct DesignState {
  MaterialRect materialRect;
  imaging::ImageObject materialImage;
  StatePicture normalPicture;
  StatePicture litPicture;
  StatePicture pressedPicture;
  std::string materialPathStem;
  std::string materialExtension;
  std::string materialName;
  platform::Bytes materialFileBytes;
};

// The record lives from InitProgramObjects to OnProgramExit; tests may reset it.
DesignState& Design();
void CreateDesignState();
void DestroyDesignState();

StatePicture& PictureOf(DesignState& design, int stateIndex);

}  // namespace design
