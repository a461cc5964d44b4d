// The runtime's shared string buffer as the library routines use it.
#pragma once

#include "runtime/base/runtime_state.h"

// Capacity of ScratchText in characters of either text form.
enum : int { ScratchTextChars = 260 };

template <class Ch> Ch *ScratchTextAs() {
    return (Ch *)ScratchText;
}
