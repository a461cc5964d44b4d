// Operating-system classification over the whole code table.
#include <gtest/gtest.h>

#include "runtime/startup/startup.h"
#include "runtime/base/runtime_state.h"

namespace {

struct VersionCase {
    DWORD Platform, Major, Minor;
    BYTE ProductType;
    WORD SuiteMask;
    int Expected;
};

constexpr BYTE Workstation = VER_NT_WORKSTATION;
constexpr BYTE Server = VER_NT_SERVER;
constexpr BYTE DomainController = VER_NT_DOMAIN_CONTROLLER;
constexpr DWORD Nt = VER_PLATFORM_WIN32_NT;
constexpr DWORD Win9x = VER_PLATFORM_WIN32_WINDOWS;

const VersionCase Cases[] = {
    {VER_PLATFORM_WIN32s, 3, 10, 0, 0, 0},
    {5, 10, 0, Workstation, 0, 0}, // an unknown platform
    {Win9x, 4, 0, 0, 0, 1},        // Windows 95
    {Win9x, 4, 10, 0, 0, 2},       // Windows 98
    {Win9x, 4, 90, 0, 0, 2},       // Windows Me
    {Nt, 3, 51, Workstation, 0, 3},
    {Nt, 4, 0, Server, 0, 3},
    {Nt, 5, 0, Workstation, 0, 4},
    {Nt, 5, 0, Server, 0, 4},
    {Nt, 5, 1, Workstation, 0, 5},
    {Nt, 5, 2, Workstation, 0, 5}, // XP x64
    {Nt, 5, 2, Server, 0, 11},
    {Nt, 5, 2, DomainController, 0, 11},
    {Nt, 5, 2, Server, 0x8000, 12},
    {Nt, 5, 1, Workstation, 0x8000, 12},
    {Nt, 6, 0, Workstation, 0, 6},
    {Nt, 6, 1, Workstation, 0, 7},
    {Nt, 6, 2, Workstation, 0, 8},
    {Nt, 6, 3, Workstation, 0, 9},
    {Nt, 6, 4, Workstation, 0, 10},
    {Nt, 10, 0, Workstation, 0x100, 10},
    {Nt, 6, 0, Server, 0, 13},
    {Nt, 6, 1, Server, 0, 14},
    {Nt, 6, 2, Server, 0, 15},
    {Nt, 6, 3, DomainController, 0, 16},
    {Nt, 10, 0, Server, 0, 17},
    {Nt, 11, 0, DomainController, 0, 17},
};

TEST(OsLevel, ClassifiesEveryCode) {
    for (const VersionCase &c : Cases)
        EXPECT_EQ(c.Expected,
                  ClassifyOsLevel(c.Platform, c.Major, c.Minor, c.ProductType, c.SuiteMask))
            << "platform " << c.Platform << " version " << c.Major << "." << c.Minor << " product "
            << (int)c.ProductType << " suite " << c.SuiteMask;
}

int __cdecl ReportTen(unsigned int *value) {
    *value = 10;
    return 0;
}
int __cdecl ReportZero(unsigned int *value) {
    *value = 0;
    return 0;
}
int __cdecl ReportUnchanged(unsigned int *) {
    return 0;
}

OSVERSIONINFOEXA Version(DWORD major, DWORD minor, BYTE productType) {
    OSVERSIONINFOEXA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwPlatformId = Nt;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    info.wProductType = productType;
    return info;
}

TEST(OsLevel, CrtCorrectsAVersionThatTheSystemUnderstates) {
    OSVERSIONINFOEXA info = Version(6, 2, Workstation);
    EXPECT_EQ(1, CorrectVersionFromCrt(&info, ReportTen, ReportZero));
    EXPECT_EQ(10u, info.dwMajorVersion);
    EXPECT_EQ(0u, info.dwMinorVersion);
    EXPECT_EQ(10, ClassifyOsLevel(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                                  info.wProductType, info.wSuiteMask));

    OSVERSIONINFOEXA server = Version(6, 2, Server);
    EXPECT_EQ(1, CorrectVersionFromCrt(&server, ReportTen, ReportZero));
    EXPECT_EQ(17, ClassifyOsLevel(server.dwPlatformId, server.dwMajorVersion, server.dwMinorVersion,
                                  server.wProductType, server.wSuiteMask));
}

TEST(OsLevel, AgreeingOrMissingCrtLeavesTheVersion) {
    OSVERSIONINFOEXA info = Version(6, 1, Workstation);
    EXPECT_EQ(0, CorrectVersionFromCrt(&info, ReportUnchanged, ReportUnchanged));
    EXPECT_EQ(0, CorrectVersionFromCrt(&info, nullptr, nullptr));
    EXPECT_EQ(6u, info.dwMajorVersion);
    EXPECT_EQ(1u, info.dwMinorVersion);

    // Only the minor version differs: still a correction.
    OSVERSIONINFOEXA minorOnly = Version(10, 3, Workstation);
    EXPECT_EQ(1, CorrectVersionFromCrt(&minorOnly, nullptr, ReportZero));
    EXPECT_EQ(0u, minorOnly.dwMinorVersion);
}

} // namespace
