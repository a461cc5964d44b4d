// The Quenlo GUI runtime for applications: windows and controls built from
// templates, the event contract, modal windows, properties, drawing and the
// library routines. An application includes this header only.
//
// Each area has its own header, included here in the order of the guide in
// docs/ (one page per area):
#pragma once

#include <windows.h>
#include <commctrl.h>

// Start-up: the values an application defines (docs/startup.md).
#include "runtime/startup/application_start.h"
// The template record, the kinds and the codes of its fields (docs/templates.md).
#include "runtime/base/window_object.h"
// Checking a template, by the compiler or before creation (docs/templates.md).
#include "runtime/base/template_check.h"
// Creating windows, and modal windows (docs/windows.md).
#include "runtime/templates/create_window.h"
#include "runtime/winproc/modal.h"
// The event contract and the runtime's messages (docs/events.md).
#include "runtime/base/application.h"
#include "runtime/base/messages.h"
// Units of positions and sizes (docs/templates.md).
#include "runtime/base/units.h"
// Properties: reading and setting them at run time (docs/properties.md).
#include "runtime/properties/properties.h"
#include "runtime/properties/readers.h"
// Drawing and the visual styles (docs/drawing.md).
#include "runtime/painting/picture_drawing.h"
#include "runtime/painting/visual_styles.h"
// The library (docs/library.md).
#include "runtime/base/memory.h"
#include "runtime/base/text_conversions.h"
#include "runtime/library/files.h"
#include "runtime/library/list_boxes.h"
#include "runtime/library/registry.h"
#include "runtime/library/strings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/library/window_routines.h"
