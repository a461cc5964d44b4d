// The Windows version, 64-bit systems and processes, and elevation.
#include "runtime/library/sysinfo.h"
#include "runtime/startup/runtime_state.h"
#include "runtime/startup/text_form.h"

// Windows XP: the first level that can run on a 64-bit system.
enum { FirstLevelWith64Bit = 5 };

static void CopyServicePack(char *target) {
    CopyTextBounded(target, ServicePackText, ServicePackTextBytes);
}
static void CopyServicePack(wchar_t *target) {
    if (!MultiByteToWideChar(CodePage, 0, ServicePackText, -1, target, ServicePackTextBytes))
        target[0] = 0;
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
