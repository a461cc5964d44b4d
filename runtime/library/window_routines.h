// Window and message routines for applications. Ending a modal window and
// processing waiting messages belong to the window machinery, which uses
// them itself; this header offers them with the rest of the library.
#pragma once

#include <windows.h>

#include "runtime/base/repaint.h"
#include "runtime/winproc/message_runs.h"
