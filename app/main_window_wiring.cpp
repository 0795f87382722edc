#include "app/main_window_wiring.h"

#include "app/main_window_layout.h"
#include "app/program.h"
#include "app/status_strip.h"
#include "design/alignment.h"
#include "design/button_state.h"
#include "design/export.h"
#include "design/layer_style.h"
#include "design/material_geometry.h"
#include "design/material_import.h"

namespace app {

void WireMainWindow(platform::Window& window) {
  using platform::ControlEvent;
  platform::Window* w = &window;

  window.Connect(kMainWindow, ControlEvent::Created, [w] { OnMainWindowCreated(*w); });
  window.Connect(kMainWindow, ControlEvent::Destroying, [w] { OnMainWindowDestroying(*w); });

  window.Connect(design::kBackdropColourPicker, ControlEvent::ColourChanged,
                 [w] { design::OnBackdropColourChanged(*w); });
  window.Connect(design::kUnifiedLayerColourPicker, ControlEvent::ColourChanged,
                 [w] { design::OnUnifiedLayerColourChanged(*w); });
  window.Connect(design::kLayerWidthBox, ControlEvent::LostFocus,
                 [w] { design::OnLayerWidthLostFocus(*w); });
  window.Connect(design::kLayerHeightBox, ControlEvent::LostFocus,
                 [w] { design::OnLayerHeightLostFocus(*w); });

  for (const design::ButtonStateControls& row : design::kButtonStates) {
    const design::ButtonState state = row.state;
    window.Connect(row.colourPicker, ControlEvent::ColourChanged,
                   [w, state] { design::OnStateColourChanged(*w, state); });
    window.Connect(row.inheritBox, ControlEvent::Clicked,
                   [w, state] { design::OnStateInheritClicked(*w, state); });
    window.Connect(row.opacityBox, ControlEvent::LostFocus,
                   [w, state] { design::OnStateOpacityLostFocus(*w, state); });
  }

  for (const design::MaterialBox& box : design::kMaterialBoxes) {
    window.Connect(box.box, ControlEvent::GotFocus,
                   [w, &box] { design::OnMaterialBoxGotFocus(*w, box); });
    window.Connect(box.box, ControlEvent::LostFocus,
                   [w, &box] { design::OnMaterialBoxLostFocus(*w, box); });
  }
  window.Connect(design::kNormalCanvas, ControlEvent::LeftButtonDown,
                 [w] { design::OnNormalCanvasLeftButtonDown(*w); });

  for (const design::AlignmentCommand& command : design::kAlignmentCommands) {
    window.Connect(command.button, ControlEvent::Clicked,
                   [w, &command] { design::Align(*w, command); });
  }

  window.Connect(design::kImportButton, ControlEvent::Clicked,
                 [w] { design::OnImportMaterialClicked(*w); });
  window.Connect(design::kDeleteButton, ControlEvent::Clicked,
                 [w] { design::OnDeleteMaterialClicked(*w); });
  window.Connect(design::kExportButton, ControlEvent::Clicked,
                 [w] { design::OnExportClicked(*w); });

  window.Connect(kCommunityLinkButton, ControlEvent::Clicked, [w] { OnCommunityLinkClicked(*w); });
}

}  // namespace app
