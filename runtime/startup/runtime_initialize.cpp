// RuntimeInitialize: the application record, text form, operating-system
// level, screen resolution, work areas, tables and window classes, with
// the pieces that depend only on their inputs: the operating-system code
// and the command-line rule.
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

template <class Ch> static void FillCommandLineAndPath() {
    Ch *arguments = (Ch *)App->CommandLine;
    const int argumentChars = AppTextFieldBytes / sizeof(Ch);
    if constexpr (sizeof(Ch) == 1)
        CommandLineArgumentsA(GetCommandLineA(), arguments, argumentChars);
    else
        CommandLineArgumentsW(GetCommandLineW(), arguments, argumentChars);
    Ch *path = (Ch *)App->Path;
    const DWORD capacity = AppTextFieldBytes / sizeof(Ch);
    DWORD n = ApiGetModuleFileName(App->Instance, path, capacity);
    if (n >= capacity) n = capacity - 1;
    path[n] = 0;
    int cut;
    if constexpr (sizeof(Ch) == 1)
        cut = FindLastCharA(path, '\\');
    else
        cut = FindLastCharW(path, L'\\');
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
    ScreenDpi = GetDeviceCaps(screen, LOGPIXELSY);
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

// Classification of the operating system into the runtime's OsLevel codes.
int ClassifyOsLevel(DWORD platform, DWORD major, DWORD minor, BYTE productType, WORD suiteMask) {
    if (platform == VER_PLATFORM_WIN32_WINDOWS) return minor == 0 ? Os95 : Os98;
    if (platform != VER_PLATFORM_WIN32_NT) return OsUnknown;
    const bool workstation = productType == VER_NT_WORKSTATION;
    if (major < 5) return OsNt;
    if (major == 5) {
        if (minor == 0) return Os2000;
        if (suiteMask & VER_SUITE_WH_SERVER) return OsHomeServer;
        return workstation ? OsXp : OsServer2003;
    }
    if (major == 6 && minor <= 3) return (workstation ? OsVista : OsServer2008) + (int)minor;
    return workstation ? Os10 : OsServer2016;
}

int CorrectVersionFromCrt(OSVERSIONINFOEXA *info, CrtVersionQuery getMajor,
                          CrtVersionQuery getMinor) {
    int changed = 0;
    unsigned int value;
    if (getMajor) {
        value = info->dwMajorVersion;
        getMajor(&value);
        if (value != info->dwMajorVersion) {
            info->dwMajorVersion = value;
            changed = 1;
        }
    }
    if (getMinor) {
        value = info->dwMinorVersion;
        getMinor(&value);
        if (value != info->dwMinorVersion) {
            info->dwMinorVersion = value;
            changed = 1;
        }
    }
    return changed;
}

// The command-line rule: what follows the program's name, trimmed.
template <class Ch> static const Ch *AfterProgramName(const Ch *line) {
    int end = -1;
    if (line[0] == '"') {
        for (int i = 1; line[i]; ++i)
            if (line[i] == '"') {
                end = i;
                break;
            }
    } else {
        for (int i = 0; line[i]; ++i)
            if (line[i] == ' ') {
                end = i;
                break;
            }
        if (end < 0)
            for (int i = 0; line[i]; ++i)
                if (line[i] == '\t') {
                    end = i;
                    break;
                }
    }
    if (end < 0) return nullptr; // the whole line is the program's name
    return line + end + 1;
}

void CommandLineArgumentsA(const char *line, char *arguments, int capacity) {
    const char *rest = line ? AfterProgramName(line) : nullptr;
    CopyTextBounded(arguments, rest, capacity);
    TrimA(arguments);
}

void CommandLineArgumentsW(const wchar_t *line, wchar_t *arguments, int capacity) {
    const wchar_t *rest = line ? AfterProgramName(line) : nullptr;
    CopyTextBounded(arguments, rest, capacity);
    TrimW(arguments);
}
