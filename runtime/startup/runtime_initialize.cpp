// RuntimeInitialize: the application record, text form, operating-system
// level, screen resolution, work areas, tables and window classes.
#include "runtime/startup/startup.h"
#include "runtime/library/registry.h"
#include "runtime/library/strings.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <string.h>

static void AllocateWorkAreas() {
    WorkBlock =
        (uint8_t *)VirtualAlloc(nullptr, WorkBlockBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    uint8_t *p = WorkBlock;
    ConversionBuffer = p;
    p += ConversionBufferBytes;
    HiddenListBoxes = p;
    p += HiddenListBoxesBytes;
    ServicePackText = (char *)p;
    p += ServicePackTextBytes;
    ErrorTrap->Message = (char *)p;
    p += ErrorTrapMessageBytes;
    TemplateList = (const WindowTemplate **)p;
    p += TemplateListBytes;
    ScratchText = p;

    ThreadTable = (ThreadRecord *)AllocZeroed(ThreadTableBytes);
    ThreadCount = 0;
}

// OsLevel from the system's version information, corrected by the C
// runtime's view; fills the service-pack text (at most 260 characters).
static void DetermineOsLevel(char *servicePack) {
    OSVERSIONINFOEXA info;
    memset(&info, 0, sizeof info);
    static_assert(sizeof info == 156);
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA((OSVERSIONINFOA *)&info);
    CopyTextBounded(servicePack, info.szCSDVersion, sizeof info.szCSDVersion);

    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        OsLevel = ClassifyOsLevel(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                                  info.wProductType, info.wSuiteMask);
        return;
    }
    int reread = 0;
    HMODULE crt = LoadLibraryA("msvcrt.dll");
    if (crt) {
        CrtVersionQuery getMajor = (CrtVersionQuery)GetProcAddress(crt, "_get_winmajor");
        CrtVersionQuery getMinor = (CrtVersionQuery)GetProcAddress(crt, "_get_winminor");
        if (CorrectVersionFromCrt(&info, getMajor, getMinor)) {
            servicePack[0] = 0;
            reread = 1;
        }
        FreeLibrary(crt);
    }
    OsLevel = ClassifyOsLevel(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                              info.wProductType, info.wSuiteMask);
    if (reread &&
        !ReadRegValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                       "CSDVersion", servicePack))
        servicePack[0] = 0;
    servicePack[259] = 0;
}

static void CommandLineArgumentsT(const char *l, char *a, int n) {
    CommandLineArgumentsA(l, a, n);
}
static void CommandLineArgumentsT(const wchar_t *l, wchar_t *a, int n) {
    CommandLineArgumentsW(l, a, n);
}
static int FindLastCharT(const char *t, char c) {
    return FindLastCharA(t, c);
}
static int FindLastCharT(const wchar_t *t, wchar_t c) {
    return FindLastCharW(t, c);
}

template <class Ch> static void FillCommandLineAndPath() {
    Ch *arguments = (Ch *)App->CommandLine;
    CommandLineArgumentsT(ApiGetCommandLine((Ch *)nullptr), arguments,
                          AppTextFieldBytes / sizeof(Ch));
    Ch *path = (Ch *)App->Path;
    const DWORD capacity = AppTextFieldBytes / sizeof(Ch);
    DWORD n = ApiGetModuleFileName(App->Instance, path, capacity);
    if (n >= capacity) n = capacity - 1;
    path[n] = 0;
    int cut = FindLastCharT(path, (Ch)'\\');
    if (cut >= 0) path[cut] = 0;
}

static void FillAppTexts(const wchar_t *exeName, const wchar_t *title) {
    AppTextBlock = (uint8_t *)VirtualAlloc(nullptr, AppTextBlockBytes, MEM_COMMIT | MEM_RESERVE,
                                           PAGE_READWRITE);
    App->CommandLine = AppTextBlock + AppCommandLineOffset;
    App->Path = AppTextBlock + AppPathOffset;
    App->ExeName = AppTextBlock + AppExeNameOffset;
    App->Title = AppTextBlock + AppTitleOffset;
    if (title) ConvertLiteral(title, App->Title, AppTitleBytes);
    ConvertLiteral(exeName, App->ExeName, AppTextFieldBytes);
    if (UnicodeFlag)
        FillCommandLineAndPath<wchar_t>();
    else
        FillCommandLineAndPath<char>();
    DWORD previous;
    VirtualProtect(AppTextBlock, AppTextBlockBytes, PAGE_READONLY, &previous);
}

static void MeasureScreen() {
    HDC screen = GetDC(nullptr);
    DpiValues dpi =
        ComputeDpiValues(GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    TwipsPerPixelX = dpi.TwipsPerPixelX;
    TwipsPerPixelY = dpi.TwipsPerPixelY;
    FontScaleDivisor = dpi.FontScaleDivisor;
}

DpiValues ComputeDpiValues(int dotsPerInchX, int dotsPerInchY) {
    DpiValues v;
    v.TwipsPerPixelX = dotsPerInchX > 0 ? 1440u / (uint32_t)dotsPerInchX : 15;
    v.TwipsPerPixelY = dotsPerInchY > 0 ? 1440u / (uint32_t)dotsPerInchY : 15;
    v.FontScaleDivisor = (((uint32_t)dotsPerInchY * 1000) / 96 * 72) / 1000;
    return v;
}

void RuntimeInitialize(const wchar_t *classSuffix, const wchar_t *exeName, const wchar_t *title,
                       int mainKind, int wideRequest, AppRecord *app, ErrorTrapRecord *trap,
                       UINT codePage) {
    App = app;
    ErrorTrap = trap;
    CodePage = codePage;

    AllocateWorkAreas();

    char servicePack[264];
    DetermineOsLevel(servicePack);
    UnicodeFlag = (wideRequest && OsLevel >= OsNt) ? 1 : 0;
    if (servicePack[0]) CopyTextBounded(ServicePackText, servicePack, ServicePackTextBytes);

    FillAppTexts(exeName, title);

    HasManifest = FindResourceW(App->Instance, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) ? 1 : 0;
    MeasureScreen();

    ObjectTable = (uint8_t *)AllocZeroed(InitialObjectTableBytes);
    ObjectTableCapacity = InitialObjectTableBytes - 4;
    ObjectTableUsed = 0;
    ForgetCachedObjects();
    ArrowCursor = (HCURSOR)LoadImageW(nullptr, (LPCWSTR)IDC_ARROW, IMAGE_CURSOR, 0, 0,
                                      LR_SHARED | LR_DEFAULTSIZE);
    WaitCursor = (HCURSOR)LoadImageW(nullptr, (LPCWSTR)IDC_WAIT, IMAGE_CURSOR, 0, 0,
                                     LR_SHARED | LR_DEFAULTSIZE);

    RegisterRuntimeClasses(classSuffix);
    App->PreviousInstance = FindPreviousInstance(mainKind);
}
