#pragma once

// The seven alignment commands: one table, one procedure.

#include <array>
#include <cstdint>
#include <optional>

#include "platform/toolkit/window.h"

namespace design {

// How a command places one coordinate, given the layer extent L and the material extent m.
enum class Placement { Unchanged, Start, End, Centre };

struct AlignmentCommand {
  const char* button;
  Placement x;
  Placement y;
};

inline constexpr std::array<AlignmentCommand, 7> kAlignmentCommands{{
    {"图形按钮_左对齐", Placement::Start, Placement::Unchanged},
    {"图形按钮_右对齐", Placement::End, Placement::Unchanged},
    {"图形按钮_上对齐", Placement::Unchanged, Placement::Start},
    {"图形按钮_下对齐", Placement::Unchanged, Placement::End},
    {"图形按钮_水平居中", Placement::Centre, Placement::Unchanged},
    {"图形按钮_垂直居中", Placement::Unchanged, Placement::Centre},
    {"图形按钮_双向居中", Placement::Centre, Placement::Centre},
}};

// The new coordinate, or nothing when the command leaves it.
std::optional<std::int32_t> Place(Placement placement, std::int32_t layerExtent,
                                  std::int32_t materialExtent);

void Align(platform::Window& window, const AlignmentCommand& command);

}  // namespace design
