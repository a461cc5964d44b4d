// Classification of the operating system into the runtime's OsLevel codes.
#include "runtime/startup/startup.h"

int ClassifyOsLevel(DWORD platform, DWORD major, DWORD minor, BYTE productType, WORD suiteMask) {
    if (platform == VER_PLATFORM_WIN32_WINDOWS) return minor == 0 ? 1 : 2;
    if (platform != VER_PLATFORM_WIN32_NT) return 0;
    const bool workstation = productType == VER_NT_WORKSTATION;
    if (major < 5) return 3;
    if (major == 5) {
        if (minor == 0) return 4;
        if (suiteMask & 0x8000) return 12; // home server
        return workstation ? 5 : 11;
    }
    if (major == 6 && minor <= 3) return (workstation ? 6 : 13) + (int)minor;
    return workstation ? 10 : 17;
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
