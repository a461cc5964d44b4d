// The main window's run and what follows it: the message loop until the quit
// message, and the release of everything the runtime holds.
#include "runtime/startup/startup.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/templates/template_list.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <string.h>

// RunMainWindow: the main window's life, from creation to the quit message.
enum { AcceleratorResource = 104 };

int WINAPI RunMainWindow(HINSTANCE, HINSTANCE, void *, int) {
    MSG msg = {};
    const WindowTemplate **slot = RegisterTemplate();
    if (slot) *slot = MainWindowTemplate;
    TemplateCreation created = {0, false};
    if (!MainWindowTemplate)
        OutputDebugStringW(L"RunMainWindow: the application names no main window template\n");
    else if (!MainWindowTemplate->IsMainWindow)
        // Closing it would not end the program: it is not made.
        ReportTemplateProblem(L"RunMainWindow", MainWindowTemplate,
                              {0, TemplateMainEntryNotMain, 0, 0});
    else
        created = CreateWindowFromTemplate(MainWindowTemplate, nullptr, 0, nullptr);
    // A main window that could not be made ends the program with a code
    // that says so; one that the application's EventProcedure refused, having
    // told the user why, ends it as the application chose, with 0.
    if (created.Result == 0 && !created.WindowExisted) msg.wParam = NoMainWindowExitCode;
    if (created.Result != 0) {
        App->Accelerators = LoadAcceleratorsAW(App->Instance, AcceleratorResource);
        // A result of 0 is the quit message, a negative one an error.
        while (GetMessageAW(&msg) > 0) {
            if (TranslateAcceleratorAW(App->MainWindow, App->Accelerators, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageAW(&msg);
        }
        // A quit posted by the application itself can end the loop while the
        // main window is still open; it goes now, while the runtime it needs
        // is still there. Its own quit message changes nothing: the code is
        // that of the quit that ended the loop.
        if (App->MainWindow && IsWindow(App->MainWindow)) DestroyWindow(App->MainWindow);
    }
    ReleaseRuntime();
    if (App->Accelerators) DestroyAcceleratorTable(App->Accelerators);
    App->Accelerators = nullptr;
    return (int)msg.wParam;
}

// ReleaseRuntime: everything the runtime holds, released in a fixed order.
static void TerminateTemplateThreads() {
    if (!ThreadTable) return;
    for (int i = 0; i < (int)MaxThreads && ThreadTable[i].Thread; ++i) {
        // The thread running this release (a template thread whose crash is
        // being reported) must live on to end the process.
        if (ThreadTable[i].ThreadId != GetCurrentThreadId()) {
            DWORD code = 0;
            GetExitCodeThread(ThreadTable[i].Thread, &code);
            // A thread still running would keep STILL_ACTIVE as its exit
            // code and look as if it ran on; it ends with 0.
            if (code == STILL_ACTIVE) code = 0;
            TerminateThread(ThreadTable[i].Thread, code);
        }
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
