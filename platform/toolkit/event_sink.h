#pragma once

#include <functional>

#include "platform/toolkit/window.h"

namespace platform::toolkit {

// How a control's widget reports an event of its own to the window that holds it.
using EventSink = std::function<void(ControlEvent)>;

}  // namespace platform::toolkit
