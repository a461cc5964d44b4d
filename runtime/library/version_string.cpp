// GetVersionString: the application's version as text and as a packed number.
#include "runtime/library/strings.h"
#include "runtime/startup/runtime_state.h"

#include <windows.h>

// The minor version keeps its last two digits, the build its last four.
static void PrintVersion(char *buffer, uint32_t major, uint32_t minor, uint32_t release,
                         uint32_t build) {
    wsprintfA(buffer, "%lu.%02lu.%lu.%04lu", (unsigned long)major, (unsigned long)(minor % 100),
              (unsigned long)release, (unsigned long)(build % 10000));
}
static void PrintVersion(wchar_t *buffer, uint32_t major, uint32_t minor, uint32_t release,
                         uint32_t build) {
    wsprintfW(buffer, L"%lu.%02lu.%lu.%04lu", (unsigned long)major, (unsigned long)(minor % 100),
              (unsigned long)release, (unsigned long)(build % 10000));
}

// Each part is ORed in at its byte position, as the packed version always was:
// a part above 255 spills into the next.
template <class Ch> static uint32_t GetVersionStringT(Ch *buffer) {
    uint32_t major = App->VersionMajor;
    uint32_t minor = App->VersionMinor;
    uint32_t release = App->VersionRevision >> 16;
    uint32_t build = App->VersionRevision & 0xFFFF;
    if (buffer) PrintVersion(buffer, major, minor, release, build);
    return major << 24 | minor << 16 | release << 8 | build;
}

uint32_t GetVersionStringA(char *buffer) {
    return GetVersionStringT(buffer);
}
uint32_t GetVersionStringW(wchar_t *buffer) {
    return GetVersionStringT(buffer);
}
uint32_t GetVersionString(void *buffer) {
    return UnicodeFlag ? GetVersionStringW((wchar_t *)buffer) : GetVersionStringA((char *)buffer);
}
