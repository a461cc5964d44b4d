// Thread entries of templates: a thread started in place of a window and
// kept in the ThreadTable until shutdown.
#include "runtime/templates/control_parts.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"

#include <string.h>

static int ThreadPriorityFor(int code) {
    switch (code) {
    case 1: return THREAD_PRIORITY_ABOVE_NORMAL;
    case 2: return THREAD_PRIORITY_NORMAL;
    case 3: return THREAD_PRIORITY_IDLE;
    case 4: return THREAD_PRIORITY_BELOW_NORMAL;
    case 5: return THREAD_PRIORITY_LOWEST;
    default: return THREAD_PRIORITY_HIGHEST;
    }
}

void StartTemplateThread(HWND ownerWindow, WindowObject *object) {
    // A thread without a start routine would fault at once.
    if (!ThreadTable || ThreadCount >= (int)MaxThreads || !object->EventProcedure) return;
    ThreadRecord *record = &ThreadTable[ThreadCount];
    record->Window = ownerWindow;
    record->Id = object->Id;
    record->Thread = CreateThread(
        nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(object->EventProcedure),
        object->ThreadParameter, object->StartSuspended ? CREATE_SUSPENDED : 0, &record->ThreadId);
    object->ThreadParameter = nullptr;
    object->StartSuspended = 0;
    if (!record->Thread) {
        // Shutdown stops at the first record without a thread.
        memset(record, 0, sizeof *record);
        return;
    }
    SetThreadPriority(record->Thread, ThreadPriorityFor(object->ThreadPriority));
    object->ThreadPriority = 0;
    ++ThreadCount;
}
