// The index of the runtime window procedure's message table: the header of
// every area whose handlers stand in its rows. Each handler takes the
// message whole and reads the parameters it needs from it.
#pragma once

#include "runtime/winproc/binding.h"
#include "runtime/winproc/closing.h"
#include "runtime/winproc/command_routing.h"
#include "runtime/winproc/control_state.h"
#include "runtime/winproc/creation_messages.h"
#include "runtime/winproc/cursor_messages.h"
#include "runtime/winproc/destruction.h"
#include "runtime/winproc/keyboard.h"
#include "runtime/winproc/layout_messages.h"
#include "runtime/winproc/mouse_messages.h"
#include "runtime/winproc/paint_requests.h"
#include "runtime/winproc/text_caching.h"
#include "runtime/winproc/window_state.h"
