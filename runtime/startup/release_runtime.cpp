// ReleaseRuntime: everything the runtime holds, released in a fixed order.
#include "runtime/startup/startup.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

#include <string.h>

static void TerminateTemplateThreads() {
    if (!ThreadTable) return;
    for (int i = 0; i < (int)MaxThreads && ThreadTable[i].Thread; ++i) {
        DWORD code = 0;
        GetExitCodeThread(ThreadTable[i].Thread, &code);
        TerminateThread(ThreadTable[i].Thread, code);
        CloseHandle(ThreadTable[i].Thread);
    }
    FreeBlock(ThreadTable);
    ThreadTable = nullptr;
    ThreadCount = 0;
}

static void DestroyHiddenListBoxes() {
    if (!HiddenListBoxes) return;
    // A count byte, then the handles, not aligned.
    for (uint32_t offset = 1; offset + sizeof(HWND) <= HiddenListBoxesBytes;
         offset += sizeof(HWND)) {
        HWND list;
        memcpy(&list, HiddenListBoxes + offset, sizeof list);
        if (!list) break;
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        DestroyWindow(list);
    }
}

static void DestroySharedCursor(HCURSOR *cursor) {
    if (*cursor && OsLevel >= OsNt && !DestroyIcon(*cursor)) DestroyCursor(*cursor);
    *cursor = nullptr;
}

void ReleaseRuntime() {
    TerminateTemplateThreads();
    DestroyHiddenListBoxes();

    FreeBlock(ObjectTable);
    ObjectTable = nullptr;
    ObjectTableUsed = 0;
    ObjectTableCapacity = 0;
    ForgetCachedObjects();

    if (WorkBlock) VirtualFree(WorkBlock, 0, MEM_RELEASE);
    WorkBlock = nullptr;
    ConversionBuffer = nullptr;
    HiddenListBoxes = nullptr;
    ServicePackText = nullptr;
    TemplateList = nullptr;
    ScratchText = nullptr;
    if (ErrorTrap) ErrorTrap->Message = nullptr;

    if (AppTextBlock) VirtualFree(AppTextBlock, 0, MEM_RELEASE);
    AppTextBlock = nullptr;
    if (App) {
        App->CommandLine = nullptr;
        App->Path = nullptr;
        App->ExeName = nullptr;
        App->Title = nullptr;
    }

    DestroySharedCursor(&ArrowCursor);
    DestroySharedCursor(&WaitCursor);

    if (App) UnregisterRuntimeClasses();
}

void DestroyMainWindowAndRelease() {
    if (App && App->MainWindow) DestroyWindow(App->MainWindow);
    ReleaseRuntime();
}
