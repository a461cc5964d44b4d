// Classification of the operating system into the runtime's OsLevel codes.
#include "runtime/startup/startup.h"
#include "runtime/base/records.h"

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
