#pragma once

// Builds the widget of one control from its description.

#include <QWidget>

#include "platform/toolkit/control_layout.h"
#include "platform/toolkit/event_sink.h"

namespace platform::toolkit {

// Whether the kind has a widget at all (the common dialog and the browser box have none).
bool HasWidget(const std::string& kind);

// The control's widget inside parent, named, placed, with its caption, state and pictures,
// reporting its events to raise; null for an unknown kind or one without a widget.
QWidget* CreateControlWidget(const ControlLayout& layout, QWidget* parent, const EventSink& raise);

}  // namespace platform::toolkit
