// System information routines: the Windows version, 64-bit systems and
// rights, the processor, controls by identifier and the environment's output
// pane.
#include "runtime/library/sysinfo.h"
#include "runtime/base/kinds.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <cpuid.h>
#include <string.h>

// The Windows version, 64-bit systems and processes, and elevation.
// Windows XP: the first level that can run on a 64-bit system.
enum { FirstLevelWith64Bit = OsXp };

static void CopyServicePack(char *target) {
    CopyTextBounded(target, ServicePackText, ServicePackTextBytes);
}
static void CopyServicePack(wchar_t *target) {
    AnsiToWideWhole(ServicePackText, target, ServicePackTextBytes);
}

template <class Ch> static int GetOsVersionT(Ch *servicePack) {
    if (servicePack) {
        if (ServicePackText)
            CopyServicePack(servicePack);
        else
            servicePack[0] = 0;
    }
    return OsLevel;
}

int GetOsVersionA(char *servicePack) {
    return GetOsVersionT(servicePack);
}
int GetOsVersionW(wchar_t *servicePack) {
    return GetOsVersionT(servicePack);
}
int GetOsVersion(void *servicePack) {
    return UnicodeFlag ? GetOsVersionW((wchar_t *)servicePack) : GetOsVersionA((char *)servicePack);
}

typedef void(WINAPI *NativeSystemInfoQuery)(SYSTEM_INFO *);
typedef BOOL(WINAPI *Wow64Query)(HANDLE, BOOL *);

int Is64BitSystem() {
    if (OsLevel < FirstLevelWith64Bit) return 0;
    HMODULE kernel = LoadLibraryA("kernel32.dll");
    if (!kernel) return 0;
    int result = 0;
    NativeSystemInfoQuery query =
        (NativeSystemInfoQuery)GetProcAddress(kernel, "GetNativeSystemInfo");
    if (query) {
        SYSTEM_INFO info = {};
        query(&info);
        result = info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ? 1 : 0;
    }
    FreeLibrary(kernel);
    return result;
}

int IsWow64(HANDLE process) {
    if (OsLevel < FirstLevelWith64Bit) return 0;
    HMODULE kernel = LoadLibraryA("kernel32.dll");
    if (!kernel) return 0;
    BOOL wow64 = FALSE;
    Wow64Query query = (Wow64Query)GetProcAddress(kernel, "IsWow64Process");
    if (query && !query(process, &wow64)) wow64 = FALSE;
    FreeLibrary(kernel);
    return wow64 ? 1 : 0;
}

int IsProcessElevated() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return 0;
    TOKEN_ELEVATION elevation = {};
    DWORD bytes = 0;
    if (!GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &bytes))
        elevation.TokenIsElevated = 0;
    CloseHandle(token);
    return (int)elevation.TokenIsElevated;
}

// GetProcessorInfo: the processor's vendor, signature and feature flags.
int GetProcessorInfo(ProcessorInfo *info) {
    if (!info) return 0;
    unsigned highest, ebx, ecx, edx;
    __cpuid(0, highest, ebx, ecx, edx);
    if (highest == 0) return 0;
    // The vendor text comes in EBX, EDX, ECX order.
    memcpy(info->Vendor, &ebx, 4);
    memcpy(info->Vendor + 4, &edx, 4);
    memcpy(info->Vendor + 8, &ecx, 4);
    info->Vendor[12] = 0;
    unsigned signature;
    __cpuid(1, signature, ebx, ecx, edx);
    info->Stepping = signature & 0xF;
    info->Model = (signature >> 4) & 0xF;
    info->Family = (signature >> 8) & 0xF;
    info->ProcessorType = (signature >> 12) & 0x3;
    info->Signature = signature;
    info->StandardFeatures = edx;
    info->AdditionalFeatures = ecx;
    return 1;
}

// GetControlHandle: a control of a window found by its identifier.
static HANDLE FindControl(HWND window, int index) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const WindowObject *object = ObjectFromHandle(child);
        if (!object) continue;
        if (object->Index == index)
            return object->Kind == KindImageListHolder ? (HANDLE)object->ImageList
                                                       : (HANDLE)object->Handle;
        if (!IsContainerKind(object->Kind)) continue;
        HANDLE found = FindControl(child, index);
        if (found) return found;
    }
    return nullptr;
}

static HANDLE FindThread(HWND window, int id) {
    for (int i = 0; ThreadTable && i < (int)MaxThreads && ThreadTable[i].Window; ++i)
        if (ThreadTable[i].Window == window && ThreadTable[i].Id == id)
            return ThreadTable[i].Thread;
    return nullptr;
}

// The object of that index among those the window's template made, in
// template order, containers searched as they come.
static const WindowObject *FindInObjects(const WindowObject *container, int index) {
    for (WindowObject **child = container->Children; child && *child; ++child) {
        const WindowObject *object = *child;
        if (object->Index == index) return object;
        if (!IsContainerKind(object->Kind)) continue;
        const WindowObject *found = FindInObjects(object, index);
        if (found) return found;
    }
    return nullptr;
}

HANDLE GetControlHandle(HWND window, int id) {
    const WindowObject *object = ObjectFromHandle(window);
    if (!object) return nullptr;
    if (object->Kind >= KindLabel) {
        window = object->ParentHandle;
        object = ObjectFromHandle(window);
    }
    const int index = ControlIndex(id);
    if (index < 0) return nullptr;
    // The window's own objects answer without asking the system for every
    // child window; a control found there counts when it is still bound to
    // its window and that window is still inside this one. Anything else
    // (a control moved elsewhere, one not made from the template) is looked
    // for among the child windows.
    const WindowObject *control = object ? FindInObjects(object, index) : nullptr;
    if (control && control->Handle && ObjectFromHandle(control->Handle) == control &&
        IsChild(window, control->Handle))
        return control->Kind == KindImageListHolder ? (HANDLE)control->ImageList
                                                    : (HANDLE)control->Handle;
    HANDLE found = FindControl(window, index);
    return found ? found : FindThread(window, id);
}

// PrintToIdeOutput: a line of text into the output pane of a Quenlo
// environment that is debugging this process.
// Asked with the process identifier, an environment answers with its
// output pane when it debugs that process, else 0.
enum : UINT { QueryOutputPane = WM_USER + 0x41D, ShowOutputPane = WM_USER + 0x41F };

// The next environment window of the class after the one last tried whose
// output pane belongs to this process; the pane in *pane.
static HWND NextDebuggingEnvironment(const wchar_t *className, HWND *pane) {
    for (HWND environment = nullptr;;) {
        environment = FindWindowExW(nullptr, environment, className, nullptr);
        if (!environment) return nullptr;
        *pane = (HWND)SendMessageW(environment, QueryOutputPane, GetCurrentProcessId(), 0);
        if (*pane) return environment;
    }
}

template <class Ch> static void PrintToIdeOutputT(const Ch *text, int clear) {
    if (!text) return;
    // Every 64-bit environment is asked before the 32-bit ones.
    HWND pane = nullptr;
    HWND environment = NextDebuggingEnvironment(L"QN2RUNMDIWINDOWQuenlo64", &pane);
    if (!environment) environment = NextDebuggingEnvironment(L"QN2RUNMDIWINDOWQuenlo", &pane);
    if (!environment) return;
    SendMessageW(environment, ShowOutputPane, 0, 0);

    int length = ApiStringLength(text);
    Ch *line = (Ch *)AllocZeroed((length + 4) * sizeof(Ch));
    if (!line) return;
    memcpy(line, text, length * sizeof(Ch));
    if (length >= 2 && line[length - 1] == '\n') line[--length] = 0;
    line[length] = '\r';
    line[length + 1] = '\n';
    if (clear)
        SendMessageW(pane, EM_SETSEL, 0, -1);
    else
        SendMessageW(pane, EM_SETSEL, (WPARAM)-1, 0);
    ApiSendMessage(pane, EM_REPLACESEL, FALSE, line);
    FreeBlock(line);
}

void PrintToIdeOutputA(const char *text, int clear) {
    PrintToIdeOutputT(text, clear);
}
void PrintToIdeOutputW(const wchar_t *text, int clear) {
    PrintToIdeOutputT(text, clear);
}
void PrintToIdeOutput(const void *text, int clear) {
    if (UnicodeFlag)
        PrintToIdeOutputW((const wchar_t *)text, clear);
    else
        PrintToIdeOutputA((const char *)text, clear);
}
